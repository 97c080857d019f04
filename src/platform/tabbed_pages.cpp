// Tabs over one page that is rebuilt on every change.
#include "platform/tabbed_pages.h"

#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace zel {

namespace {
constexpr int kPageMargin = 2; // pixels between the frame of the page area and the page
}

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
    // Pages are painted in the window colour, the colour that erases validation marks.
    page_->setAutoFillBackground(true);
    layoutPage();
    page_->show();
}

QRect TabbedPages::pageArea() const {
    const int top = bar_->sizeHint().height();
    return QRect(0, top, width(), height() - top)
        .adjusted(kPageMargin, kPageMargin, -kPageMargin, -kPageMargin);
}

void TabbedPages::layoutPage() {
    bar_->setGeometry(0, 0, width(), bar_->sizeHint().height());
    if (page_) {
        const QRect area = pageArea();
        page_->move(area.topLeft());
        page_->resize(area.size()); // a fixed-size page keeps its own
    }
}

void TabbedPages::resizeEvent(QResizeEvent *) {
    layoutPage();
}

void TabbedPages::paintEvent(QPaintEvent *) {
    QStylePainter p(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = pageArea().adjusted(-kPageMargin, -kPageMargin, kPageMargin, kPageMargin);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = bar_->sizeHint();
    frame.tabBarRect = bar_->geometry();
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    p.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

} // namespace zel
