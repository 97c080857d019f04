// A row of tabs with one page below it, the page destroyed and re-created on every change.
//
// API
// ---
//   auto *tabs = new TabbedPages;
//   form.replaceControl(1068, tabs);                 // takes the template's rectangle and id
//   tabs->setPageFactory([&](int tab, QWidget *area) -> QWidget * {
//       auto *page = new TemplatePage(kSomePage, area);  // parent: the page area
//       fill(*page, tab);
//       return page;                                 // nullptr: no page (reported by the caller)
//   });
//   tabs->setChangeGuard([&](int from, int to) { return writeBack(from); });  // optional
//   tabs->addTab("Journée n°3"); ...
//   tabs->rebuildPage();                             // the first page
//
// - Tabs: addTab, insertTab, removeTab, clearTabs, setTabText, tabText, count. These and
//   setCurrentTabQuietly never ask the guard nor touch the page: after changing the tabs
//   the caller calls rebuildPage().
// - A change of tab by the user (click, keyboard) or by selectTab(to): first the guard is
//   asked guard(from, to); when it says false the selection stays on `from` and nothing
//   else happens. Otherwise the old page is deleted, currentTab() becomes `to`, the
//   factory makes the new page, it is laid into the page area and shown, and
//   pageChanged(to) is emitted.
// - Exactly one page exists at a time (page(), or nullptr before the first rebuildPage
//   or when the factory gave none). It fills pageArea(), the display area the style gives
//   a tab widget of this size, whatever size it was made at; it has no background of its
//   own, so the frame's shows through as in the style's own tab widgets.
// - A page must not delete itself nor change tabs from inside its own constructor.
//
// Generic: it knows nothing of days or tournaments.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

class QTabBar;
class QStyleOptionTabWidgetFrame;

namespace zel {

class TabbedPages : public QWidget {
    Q_OBJECT
  public:
    using PageFactory = std::function<QWidget *(int tab, QWidget *parent)>;
    using ChangeGuard = std::function<bool(int from, int to)>;

    explicit TabbedPages(QWidget *parent = nullptr);

    void setPageFactory(PageFactory factory) { factory_ = std::move(factory); }
    void setChangeGuard(ChangeGuard guard) { guard_ = std::move(guard); }

    int addTab(const QString &text);
    void insertTab(int index, const QString &text);
    void removeTab(int index);
    void clearTabs();
    int count() const;
    QString tabText(int index) const;
    void setTabText(int index, const QString &text);

    int currentTab() const { return current_; }
    // As the user's choice of a tab: the guard decides. True when `to` is now shown.
    bool selectTab(int to);
    // Moves the selection without the guard and without a new page.
    void setCurrentTabQuietly(int tab);

    // Deletes the page and makes a new one for currentTab() (none when there are no tabs).
    void rebuildPage();
    QWidget *page() const { return page_; }
    QRect pageArea() const;
    QTabBar *tabBar() const { return bar_; }

  signals:
    void pageChanged(int tab);

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    void onBarChanged(int to);
    QStyleOptionTabWidgetFrame frameOption() const;
    void layoutPage();

    QTabBar *bar_;
    QPointer<QWidget> page_;
    PageFactory factory_;
    ChangeGuard guard_;
    int current_ = -1;
    int quiet_ = 0;
};

} // namespace zel
