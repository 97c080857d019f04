// The season list (sorting, source indices, selection) and the tabbed pages (guard, one page).
#include "platform/season_list.h"
#include "platform/tabbed_pages.h"

#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QTabBar>

#include <gtest/gtest.h>

namespace zel {
namespace {

const std::vector<std::vector<QString>> kRows = {
    {"2000 - 2001", "3", "30", "Club", "7"},
    {"2001 - 2002", "5", "25", "Club", "12"},
    {"1999 - 2000", "1", "30", "club", "7"},
    {"2002 - 2003", "2", "nc", "Club", "-2"},
};

SeasonList *MakeList() {
    auto *list = new SeasonList({{"Championnat", 100, Qt::AlignLeft},
                                 {"Nombre de journées", 110, Qt::AlignRight},
                                 {"Classement", 80, Qt::AlignRight},
                                 {"Club", 100, Qt::AlignLeft},
                                 {"Points", 60, Qt::AlignRight}});
    list->setRows(int(kRows.size()), [](int s, int c) { return kRows[std::size_t(s)][std::size_t(c)]; });
    return list;
}

std::vector<int> Order(const SeasonList &list) {
    std::vector<int> out;
    for (int r = 0; r < list.rowCount(); ++r)
        out.push_back(list.sourceAt(r));
    return out;
}

TEST(SeasonList, widensAHeadThatNeedsItAndSortsAsTextWithoutCaseTiesByTheFirstColumn) {
    std::unique_ptr<SeasonList> list(MakeList());
    EXPECT_GT(list->columnWidth(1), list->header()->fontMetrics().horizontalAdvance("Nombre de journées"));
    EXPECT_EQ(list->columnWidth(0), 100);
    EXPECT_EQ(Order(*list), (std::vector<int>{0, 1, 2, 3}));
    // Column 4: "-2" < "12" < "7" as text, the two "7" rows follow their first column. Column 3:
    // "Club" and "club" are equal, column 0 decides. Column 2: "25" < "30" = "30" < "nc", and a
    // second click sorts ascending again.
    const std::pair<int, std::vector<int>> clicks[] = {
        {4, {3, 1, 2, 0}}, {3, {2, 0, 1, 3}}, {2, {1, 2, 0, 3}}, {2, {1, 2, 0, 3}}};
    for (const auto &[column, order] : clicks) {
        list->header()->sectionClicked(column);
        EXPECT_EQ(Order(*list), order) << column;
    }
}

TEST(SeasonList, selectionFollowsItsRowThroughASortAndReportsEveryChange) {
    std::unique_ptr<SeasonList> list(MakeList());
    QSignalSpy changed(list.get(), &SeasonList::rowStateChanged);
    list->selectRow(0);
    EXPECT_EQ(changed.count(), 1);
    list->sortByColumn(4);
    EXPECT_EQ(list->currentSource(), 0);
    list->clearRowSelection();
    EXPECT_EQ(changed.count(), 2);
    EXPECT_EQ(list->currentSource(), -1);
    // Rebuilding the rows is silent and selects nothing.
    list->selectRow(1);
    list->setRows(2, [](int s, int) { return QString::number(s); });
    EXPECT_EQ(changed.count(), 3);
    EXPECT_EQ(list->currentSource(), -1);
}

TEST(TabbedPages, rebuildsOnePageOnEveryChangeUnlessTheGuardRefuses) {
    TabbedPages tabs;
    tabs.resize(300, 200);
    int made = 0;
    tabs.setPageFactory([&](int tab, QWidget *parent) -> QWidget * {
        ++made;
        return new QLabel(QString("page %1").arg(tab), parent);
    });
    bool allow = true;
    tabs.setChangeGuard([&](int, int) { return allow; });
    for (int k = 1; k <= 3; ++k)
        tabs.addTab(QString("Journée n°%1").arg(k));
    tabs.rebuildPage();
    QPointer<QWidget> first = tabs.page();
    tabs.tabBar()->setCurrentIndex(2); // as a click
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(static_cast<QLabel *>(tabs.page())->text(), "page 2");
    EXPECT_EQ(tabs.findChildren<QLabel *>().size(), 1);

    allow = false;
    QPointer<QWidget> kept = tabs.page();
    EXPECT_FALSE(tabs.selectTab(0));
    EXPECT_EQ(tabs.tabBar()->currentIndex(), 2);
    EXPECT_FALSE(kept.isNull());
    EXPECT_EQ(made, 2);
}

TEST(TabbedPages, thePageFillsTheDisplayAreaWhateverSizeItWasMadeAt) {
    TabbedPages tabs;
    tabs.resize(400, 300);
    tabs.setPageFactory([](int, QWidget *parent) {
        auto *page = new QWidget(parent);
        page->setFixedSize(200, 100); // a page template smaller than the tabs
        return page;
    });
    tabs.addTab("Journée n°1");
    tabs.rebuildPage();
    const QRect page = tabs.page()->geometry();
    EXPECT_EQ(page, tabs.pageArea());
    EXPECT_GE(page.top(), tabs.tabBar()->geometry().bottom());
    EXPECT_LE(tabs.width() - page.right(), 5); // no more than the frame beside and under it
    EXPECT_LE(tabs.height() - page.bottom(), 5);
}

} // namespace
} // namespace zel
