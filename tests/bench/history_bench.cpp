// Opening the history of the largest players a file holds.
//
//   build/tests/bench/zel_history_bench
//
// Times the tables alone (ComputeHistory), the dialog from construction to its
// first paint (what the user waits for after "Historique..."), and the
// "Adversaires" page shown and filtered. Runs on Qt's offscreen platform.
#include "platform/season_list.h"
#include "platform/tabbed_pages.h"
#include "stats/history_dialog.h"
#include "stats/history_fixture.h"
#include "storage_test_support.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>

namespace {

using namespace zel;

const SharedState &Player(benchmark::State &state) {
    static const std::vector<SharedState> players = {
        test::LoadedState(test::MakeRealisticPlayer(742, 0, 1)),
        test::LoadedState(test::MakeRealisticPlayer(600, 529, 2))};
    const SharedState &s = players[std::size_t(state.range(0))];
    state.SetLabel(std::to_string(s.dayCount()) + " days, " + std::to_string(s.tournamentCount()) +
                   " tournaments");
    return s;
}

void Tables(benchmark::State &state) {
    const SharedState &s = Player(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeHistory(s).opponents.size());
}

void OpenDialog(benchmark::State &state) {
    const SharedState &s = Player(state);
    for (auto _ : state) {
        HistoryDialog d(s);
        d.show();
        d.repaint(); // the list and the graph painted once
        d.hide();
    }
}

// The page shown with every opponent, one letter typed and erased.
void ShowAndFilterOpponents(benchmark::State &state) {
    HistoryDialog d(Player(state));
    d.show();
    auto key = [&](Qt::Key key, const QString &text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(d.page()->control(1011), &press);
        d.repaint();
    };
    for (auto _ : state) {
        d.tabs().selectTab(HistoryDialog::Opponents);
        d.repaint();
        key(Qt::Key_M, QStringLiteral("m"));
        state.counters["rows_after_m"] = d.list(1072)->rowCount();
        key(Qt::Key_Backspace, QString());
        d.tabs().selectTab(HistoryDialog::Seasons);
    }
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
