// Tabs over one page that is rebuilt on every change.
#include "platform/tabbed_pages.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace zel {

TabbedPages::TabbedPages(QWidget *parent) : QWidget(parent), bar_(new QTabBar(this)) {
    bar_->setDrawBase(false);
    bar_->setExpanding(false);
    bar_->setUsesScrollButtons(true);
    connect(bar_, &QTabBar::currentChanged, this, &TabbedPages::onBarChanged);
}

int TabbedPages::addTab(const QString &text) {
    insertTab(count(), text);
    return count() - 1;
}

void TabbedPages::insertTab(int index, const QString &text) {
    ++quiet_;
    bar_->insertTab(index, text);
    current_ = bar_->currentIndex();
    --quiet_;
    layoutPage();
}

void TabbedPages::removeTab(int index) {
    ++quiet_;
    bar_->removeTab(index);
    current_ = bar_->currentIndex();
    --quiet_;
}

void TabbedPages::clearTabs() {
    ++quiet_;
    while (bar_->count() > 0)
        bar_->removeTab(bar_->count() - 1);
    current_ = -1;
    --quiet_;
}

int TabbedPages::count() const {
    return bar_->count();
}
QString TabbedPages::tabText(int index) const {
    return bar_->tabText(index);
}
void TabbedPages::setTabText(int index, const QString &text) {
    bar_->setTabText(index, text);
}

bool TabbedPages::selectTab(int to) {
    if (to < 0 || to >= count())
        return false;
    if (to == current_)
        return true;
    bar_->setCurrentIndex(to); // onBarChanged asks the guard
    return current_ == to;
}

void TabbedPages::setCurrentTabQuietly(int tab) {
    ++quiet_;
    bar_->setCurrentIndex(tab);
    current_ = bar_->currentIndex();
    --quiet_;
}

void TabbedPages::onBarChanged(int to) {
    if (quiet_ > 0 || to == current_)
        return;
    if (guard_ && current_ >= 0 && !guard_(current_, to)) {
        setCurrentTabQuietly(current_);
        return;
    }
    current_ = to;
    rebuildPage();
    emit pageChanged(to);
}

void TabbedPages::rebuildPage() {
    delete page_.data();
    page_ = nullptr;
    if (current_ < 0 || current_ >= count() || !factory_)
        return;
    page_ = factory_(current_, this);
    if (!page_)
        return;
    if (page_->parentWidget() != this)
        page_->setParent(this);
    layoutPage();
    page_->show();
}

// The frame and its tabs as the style lays out a tab widget of this size.
QStyleOptionTabWidgetFrame TabbedPages::frameOption() const {
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = bar_->sizeHint();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarRect = style()->subElementRect(QStyle::SE_TabWidgetTabBar, &frame, this);
    frame.rect = style()->subElementRect(QStyle::SE_TabWidgetTabPane, &frame, this);
    return frame;
}

QRect TabbedPages::pageArea() const {
    QStyleOptionTabWidgetFrame frame = frameOption();
    frame.rect = rect();
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &frame, this);
}

void TabbedPages::layoutPage() {
    bar_->setGeometry(frameOption().tabBarRect);
    if (page_) { // the whole display area, whatever size the page was made at
        const QRect area = pageArea();
        page_->setFixedSize(area.size());
        page_->move(area.topLeft());
    }
}

void TabbedPages::resizeEvent(QResizeEvent *) {
    layoutPage();
}

// The page has no background of its own: the frame's shows through it, as in
// the style's own tab widgets.
void TabbedPages::paintEvent(QPaintEvent *) {
    QStylePainter p(this);
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frameOption());
}

} // namespace zel
