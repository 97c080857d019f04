// Opening the history of the largest players a file holds.
//
//   build/tests/bench/zel_history_bench
//
// Times the tables alone (ComputeHistory), the dialog from construction to its
// first paint (what the user waits for after "Historique..."), and the
// "Adversaires" page shown and filtered. Runs on Qt's offscreen platform.
#include "platform/season_list.h"
#include "platform/tabbed_pages.h"
#include "shell/shared_state.h"
#include "stats/history.h"
#include "stats/history_dialog.h"
#include "stats/history_fixture.h"
#include "storage_test_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

#include <cstdlib>

namespace {

using namespace zel;

const SharedState &Player(int which) {
    static const std::vector<SharedState> players = {
        test::LoadedState(test::MakeRealisticPlayer(742, 0, 1)),
        test::LoadedState(test::MakeRealisticPlayer(600, 529, 2))};
    return players[std::size_t(which)];
}

void Label(benchmark::State &state, const SharedState &s) {
    state.SetLabel(std::to_string(s.dayCount()) + " days, " + std::to_string(s.tournamentCount()) +
                   " tournaments");
}

void Tables(benchmark::State &state) {
    const SharedState &s = Player(int(state.range(0)));
    std::size_t opponents = 0;
    for (auto _ : state) {
        const Player_History h = ComputeHistory(s);
        opponents = h.opponents.size();
        benchmark::DoNotOptimize(opponents);
    }
    state.counters["opponents"] = double(opponents);
    Label(state, s);
}

void OpenDialog(benchmark::State &state) {
    const SharedState &s = Player(int(state.range(0)));
    for (auto _ : state) {
        HistoryDialog d(s);
        d.show();
        d.repaint(); // the list and the graph painted once
        d.hide();
    }
    Label(state, s);
}

void Key(QWidget *widget, Qt::Key key, const QString &text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
}

// The page shown with every opponent, one letter typed and erased.
void ShowAndFilterOpponents(benchmark::State &state) {
    const SharedState &s = Player(int(state.range(0)));
    HistoryDialog d(s);
    d.show();
    int shown = 0;
    for (auto _ : state) {
        d.tabs().selectTab(HistoryDialog::Opponents);
        d.repaint();
        QWidget *search = d.page()->control(1011);
        Key(search, Qt::Key_M, QStringLiteral("m"));
        d.repaint();
        shown = d.list(1072)->rowCount();
        Key(search, Qt::Key_Backspace, QString());
        d.repaint();
        d.tabs().selectTab(HistoryDialog::Seasons);
    }
    state.counters["rows_after_m"] = shown;
    Label(state, s);
}

BENCHMARK(Tables)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowAndFilterOpponents)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
