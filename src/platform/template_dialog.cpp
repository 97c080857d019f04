// Dialogs built from templates, addressed by control id.
#include "platform/template_dialog.h"

#include "platform/list_keys.h"
#include "text/cp1252.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabBar>
#include <QTimer>
#include <QTreeView>

namespace zel {

QRegion MarkArrow(int x, int y) {
    // Rows of the arrow as (left, top, right, bottom), right and bottom exclusive.
    static constexpr int kRows[5][4] = {{2, 0, 5, 3}, {0, 3, 7, 4}, {1, 4, 6, 5}, {2, 5, 5, 6}, {3, 6, 4, 7}};
    QRegion arrow;
    for (const auto &r : kRows)
        arrow += QRect(x + r[0], y + r[1], r[2] - r[0], r[3] - r[1]);
    return arrow;
}

// Draws Mark_List above every control; lets the mouse through. A mark in the
// face colour erases what earlier marks drew under it: the overlay shows
// through there, so the controls below appear as they are.
class MarkOverlay final : public QWidget {
  public:
    MarkOverlay(QWidget &host, TemplateForm &form) : QWidget(&host), form_(form) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(host.rect());
        host.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == parent() && event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
    void paintEvent(QPaintEvent *) override {
        QRegion red;
        for (const Mark &m : form_.markList()) {
            const QWidget *c = form_.control(m.id);
            if (!c)
                continue;
            const QPoint origin = c->geometry().topLeft();
            if (m.colour == kMarkRed)
                red += MarkArrow(origin.x() + m.x, origin.y() + m.y);
            else if (m.colour == kMarkFace)
                red -= MarkArrow(origin.x() + m.x, origin.y() + m.y);
        }
        QPainter p(this);
        for (const QRect &r : red)
            p.fillRect(r, QColor(255, 0, 0));
    }

  private:
    TemplateForm &form_;
};

namespace {

// Text shown by a label without a buddy: "&" is a mnemonic only where a buddy takes it.
QString WithoutMnemonic(const QString &text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                out += u'&', ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

// Entries of sorted combos and lists: case-insensitive, as the system sorts them.
int SortedPosition(int count, const std::function<QString(int)> &at, const QString &text) {
    int pos = 0;
    while (pos < count && QString::compare(at(pos), text, Qt::CaseInsensitive) <= 0)
        ++pos;
    return pos;
}

constexpr const char *kRawText = "zelRawText";
constexpr const char *kFigureName = "zelFigureName";
constexpr const char *kTypingLimit = "zelTypingLimit";

// The edit that takes the typing of a control: an edit, or an editable combo's.
QLineEdit *TypingEdit(QWidget *w) {
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e;
    if (auto *c = qobject_cast<QComboBox *>(w); c && c->isEditable())
        return c->lineEdit();
    return nullptr;
}

// A typing limit stops the user typing or pasting more; it never cuts what the
// program shows. A longer text the program put in may only shrink, and once it
// is back within the limit the limit holds again.
void FitTypingLimit(QLineEdit *e, qsizetype length) {
    const QVariant limit = e->property(kTypingLimit);
    if (!limit.isValid())
        return;
    const int wanted = std::max(limit.toInt(), int(length));
    if (e->maxLength() == wanted)
        return;
    const int cursor = e->cursorPosition(); // setMaxLength puts the text in again, caret at its end
    e->setMaxLength(wanted);
    e->setCursorPosition(cursor);
}

// Shows a text whole, whatever the typing limit.
void ShowInEdit(QLineEdit *e, const QString &text) {
    FitTypingLimit(e, text.size());
    e->setText(text);
}

// A static that shows a figure under a name of its own ("Total des victoires"
// over "8"). Qt's own label exposes either the name or the text, never both,
// so a screen reader would hear what the figure is but not its value: this
// one is named for what it holds and reads its text as it stands.
class FigureAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit FigureAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    void *interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return widget()->property(kFigureName).toString();
        case QAccessible::Value:
            return shown();
        case QAccessible::Description: // both at once, for readers that speak one line
            return widget()->property(kFigureName).toString() + QStringLiteral(" : ") + shown();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    // Read-only text: no selection, no caret.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return int(shown().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override {
        *start = *end = offset;
        return {};
    }

  private:
    QString shown() const { return static_cast<const QLabel *>(widget())->text(); }
};

QAccessibleInterface *FigureFactory(const QString &class_name, QObject *object) {
    if (class_name != QLatin1String("QLabel") || !object->property(kFigureName).isValid())
        return nullptr;
    return new FigureAccessible(static_cast<QLabel *>(object));
}

// The width a text needs on one line in its control, frame and indicator included.
int OneLineWidth(QWidget &w) {
    auto *l = qobject_cast<QLabel *>(&w);
    if (!l)
        return w.sizeHint().width();
    const bool wrap = l->wordWrap();
    l->setWordWrap(false);
    const int width = l->sizeHint().width();
    l->setWordWrap(wrap);
    return width;
}

bool TextFits(QWidget &w) {
    auto *l = qobject_cast<QLabel *>(&w);
    // A label at least two lines high is meant to wrap: its lines must all show.
    if (l && l->wordWrap() && l->height() >= 2 * l->fontMetrics().height())
        return l->heightForWidth(l->width()) <= l->height();
    return OneLineWidth(w) <= w.width();
}

} // namespace

TemplateForm::TemplateForm(QWidget &host, const DialogTemplate &tmpl) : host_(host), tmpl_(tmpl) {}

TemplateForm::~TemplateForm() = default;

QRect TemplateForm::dluRect(int x, int y, int w, int h) const {
    const PixelRect r = DluToPixels(x, y, w, h, units_);
    return {r.x, r.y, r.w, r.h};
}

void TemplateForm::build() {
    QFont font = host_.font();
    font.setPointSize(tmpl_.font_points);
    host_.setFont(font);
    const QFontMetrics fm(font);
    units_ = BaseUnitsFromMetrics(fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                                      "abcdefghijklmnopqrstuvwxyz")),
                                  fm.height());
    const QRect client = dluRect(0, 0, tmpl_.w, tmpl_.h);
    host_.setFixedSize(client.size());

    QButtonGroup *group = nullptr;
    std::vector<QWidget *> group_boxes;
    for (const ControlTemplate &c : tmpl_.controls) {
        QWidget *w = makeControl(c);
        if (c.kind == Kind::RadioButton) {
            if (!group) {
                group = new QButtonGroup(&host_);
                radio_groups_.push_back(group);
            }
            group->addButton(static_cast<QRadioButton *>(w));
        } else {
            group = nullptr;
        }
        if (c.kind == Kind::GroupBox)
            group_boxes.push_back(w);
        widgets_.push_back(w);
        if (c.id != kNoId && !controls_.count(c.id))
            controls_[c.id] = w;
    }
    // Frames sit behind the controls they surround and must not take their clicks.
    for (QWidget *g : group_boxes)
        g->lower();
    nameInputs();
    fitTexts();
    overlay_ = new MarkOverlay(host_, *this);
    overlay_->raise();
}

QWidget *TemplateForm::makeControl(const ControlTemplate &c) {
    const QString text = QString::fromUtf8(c.text);
    QWidget *w = nullptr;
    const int id = c.id;
    switch (c.kind) {
    case Kind::Static:
    case Kind::Picture: {
        auto *l = new QLabel(&host_);
        l->setTextFormat(Qt::PlainText);
        Qt::Alignment a = c.style & kCentred        ? Qt::AlignHCenter
                          : c.style & kRightAligned ? Qt::AlignRight
                                                    : Qt::AlignLeft;
        a |= c.style & kVCentred ? Qt::AlignVCenter : Qt::AlignTop;
        l->setAlignment(a);
        if (c.kind == Kind::Static) {
            l->setProperty(kRawText, text);
            l->setText(WithoutMnemonic(text));
            l->setWordWrap(!(c.style & kNoWrap));
        }
        if (c.style & kSunken)
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        else if (c.style & (kBlackFrame | kBorder))
            l->setFrameStyle(QFrame::Box | QFrame::Plain);
        w = l;
        break;
    }
    case Kind::GroupBox:
        w = new QGroupBox(text, &host_);
        break;
    case Kind::Edit: {
        auto *e = new QLineEdit(&host_);
        if (c.style & kDigitsOnly)
            e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), e));
        if (c.style & kPassword)
            e->setEchoMode(QLineEdit::Password);
        e->setReadOnly(c.style & kReadOnly);
        if (c.style & kReadOnly) {
            // No ground of its own: framed on the face it lies on, whatever the palette.
            QPalette p = e->palette();
            p.setBrush(QPalette::Base, Qt::transparent);
            e->setPalette(p);
        }
        if (c.style & kCentred)
            e->setAlignment(Qt::AlignHCenter);
        else if (c.style & kRightAligned)
            e->setAlignment(Qt::AlignRight);
        if (!text.isEmpty())
            e->setText(text);
        QObject::connect(e, &QLineEdit::textEdited, &host_, [this, e, id] {
            FitTypingLimit(e, e->text().size());
            userCommand(id, kEditChange);
        });
        w = e;
        break;
    }
    case Kind::MultiEdit: {
        auto *e = new QPlainTextEdit(text, &host_);
        e->setReadOnly(c.style & kReadOnly);
        e->setTabChangesFocus(true);
        QObject::connect(e, &QPlainTextEdit::textChanged, &host_,
                         [this, id] { userCommand(id, kEditChange); });
        w = e;
        break;
    }
    case Kind::Button: {
        auto *b = new QPushButton(text, &host_);
        // Enter presses the template's default button, or the push button that
        // has the focus; Qt would otherwise make the first one the default.
        b->setAutoDefault(false);
        b->setDefault(c.style & kDefaultButton);
        QObject::connect(b, &QPushButton::clicked, &host_, [this, id] { userCommand(id, kClicked); });
        w = b;
        break;
    }
    case Kind::CheckBox: {
        auto *b = new QCheckBox(text, &host_);
        QObject::connect(b, &QCheckBox::clicked, &host_, [this, id] { userCommand(id, kClicked); });
        w = b;
        break;
    }
    case Kind::RadioButton: {
        auto *b = new QRadioButton(text, &host_);
        QObject::connect(b, &QRadioButton::clicked, &host_, [this, id] { userCommand(id, kClicked); });
        w = b;
        break;
    }
    case Kind::ComboBox: {
        auto *b = new QComboBox(&host_);
        const bool editable = !(c.style & kDropDownList);
        b->setEditable(editable);
        b->setInsertPolicy(QComboBox::NoInsert);
        b->setMaxVisibleItems(std::max(4, c.h / 9));
        if (editable) {
            QLineEdit *e = b->lineEdit();
            e->setText(text);
            QObject::connect(e, &QLineEdit::textEdited, &host_, [this, e, id] {
                FitTypingLimit(e, e->text().size());
                userCommand(id, kComboEditChange);
            });
        }
        QObject::connect(b, &QComboBox::activated, &host_, [this, id] { userCommand(id, kSelChange); });
        w = b;
        break;
    }
    case Kind::ListBox: {
        auto *l = new QListWidget(&host_);
        l->setSelectionMode(QAbstractItemView::SingleSelection);
        // The chosen line is the selected one: getting the focus makes the
        // first line current without choosing it, and a click on it then
        // changes the selection only.
        QObject::connect(l, &QListWidget::itemSelectionChanged, &host_,
                         [this, id] { userCommand(id, kSelChange); });
        QObject::connect(l, &QListWidget::itemDoubleClicked, &host_,
                         [this, id] { userCommand(id, kDoubleClick); });
        ChooseWithArrowKeys(*l);
        w = l;
        break;
    }
    case Kind::TabControl:
        w = new QTabBar(&host_);
        break;
    case Kind::ListView: {
        auto *v = new QTreeView(&host_);
        v->setRootIsDecorated(false);
        v->setItemsExpandable(false);
        v->setUniformRowHeights(true);
        v->setAllColumnsShowFocus(true);
        v->setSelectionMode(QAbstractItemView::SingleSelection);
        v->setSelectionBehavior(QAbstractItemView::SelectRows);
        w = v;
        break;
    }
    case Kind::Custom:
        w = new QWidget(&host_);
        break;
    }
    QRect r = dluRect(c.x, c.y, c.w, c.h);
    if (c.kind == Kind::ComboBox) // the template height includes the open list
        r.setHeight(std::min(r.height(), std::max(w->sizeHint().height(), dluRect(0, 0, 0, 12).height())));
    w->setGeometry(r);
    if (c.id != kNoId)
        w->setObjectName(QStringLiteral("c%1").arg(c.id));
    if (c.style & kDisabled)
        w->setEnabled(false);
    if (c.style & kHidden)
        w->hide();
    return w;
}

void TemplateForm::nameInputs() {
    for (std::size_t i = 0; i < tmpl_.controls.size(); ++i) {
        const ControlTemplate &c = tmpl_.controls[i];
        const bool input = c.kind == Kind::Edit || c.kind == Kind::MultiEdit || c.kind == Kind::ComboBox ||
                           c.kind == Kind::ListBox || c.kind == Kind::ListView || c.kind == Kind::TabControl;
        QWidget *w = control(c.id);
        if (!input || !w)
            continue;
        QString name;
        const int label = FindLabelFor(tmpl_, int(i));
        if (label >= 0) {
            name = QString::fromStdString(PlainLabel(tmpl_.controls[std::size_t(label)].text));
            // The label's mnemonic now moves the focus to this control.
            if (auto *l = qobject_cast<QLabel *>(widgets_[std::size_t(label)]); l && !l->buddy()) {
                l->setBuddy(w);
                l->setText(l->property(kRawText).toString());
            }
        }
        if (name.isEmpty()) {
            // The group box around it, else the dialog's title.
            for (const ControlTemplate &g : tmpl_.controls)
                if (g.kind == Kind::GroupBox && g.x <= c.x && g.y <= c.y && c.x + c.w <= g.x + g.w &&
                    c.y + c.h <= g.y + g.h && *g.text)
                    name = QString::fromStdString(PlainLabel(g.text));
        }
        if (name.isEmpty())
            name = QString::fromStdString(PlainLabel(tmpl_.title));
        w->setAccessibleName(name);
    }
}

// The templates were laid out for the classic dialog font; a wider font would
// cut some of their texts. A text that needs more room takes it from free space,
// on the side it grows to by its alignment first, else on either side; failing
// that its font shrinks until it fits.
void TemplateForm::fitTexts() {
    constexpr qreal kSmallestPoints = 6.0;
    const auto free = [this](std::size_t i, const QRect &was, const QRect &grown) {
        if (!host_.rect().contains(grown))
            return false;
        for (std::size_t j = 0; j < widgets_.size(); ++j) {
            const QRect other = widgets_[j]->geometry();
            if (j == i || (tmpl_.controls[j].style & kHidden))
                continue;
            // A frame around the text stays around it; any other control keeps its place.
            if (tmpl_.controls[j].kind == Kind::GroupBox && other.contains(was) ? !other.contains(grown)
                                                                                : other.intersects(grown))
                return false;
        }
        return true;
    };
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        const ControlTemplate &c = tmpl_.controls[i];
        QWidget &w = *widgets_[i];
        if ((c.kind != Kind::Static && c.kind != Kind::CheckBox && c.kind != Kind::RadioButton) || !*c.text ||
            TextFits(w))
            continue;
        const QRect r = w.geometry();
        const int extra = OneLineWidth(w) - r.width();
        const int aligned = c.style & kRightAligned ? extra : c.style & kCentred ? (extra + 1) / 2 : 0;
        bool fitted = false;
        for (const int left : {aligned, 0, extra}) { // pixels taken on the left, the rest on the right
            const QRect grown = r.adjusted(-left, 0, extra - left, 0);
            if (extra <= 0 || !free(i, r, grown))
                continue;
            w.setGeometry(grown);
            if ((fitted = TextFits(w)))
                break;
            w.setGeometry(r);
        }
        QFont f = w.font();
        while (!fitted && !TextFits(w) && f.pointSizeF() > kSmallestPoints) {
            f.setPointSizeF(f.pointSizeF() - 0.5);
            w.setFont(f);
        }
    }
}

QWidget *TemplateForm::control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

int TemplateForm::controlId(const QWidget *w) const {
    for (; w && w != &host_; w = w->parentWidget())
        for (const auto &[id, control] : controls_)
            if (control == w)
                return id;
    return 0;
}

QRect TemplateForm::controlRect(int id) const {
    const QWidget *w = control(id);
    return w ? w->geometry() : QRect();
}

QString TemplateForm::text(int id) const {
    QWidget *w = control(id);
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->property(kRawText).toString();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->text();
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->isEditable()          ? c->lineEdit()->text()
               : c->currentIndex() >= 0 ? c->currentText()
                                        : QString();
    if (auto *l = qobject_cast<QListWidget *>(w))
        return l->currentItem() ? l->currentItem()->text() : QString();
    if (auto *g = qobject_cast<QGroupBox *>(w))
        return g->title();
    if (auto *e = qobject_cast<QPlainTextEdit *>(w))
        return e->toPlainText();
    return {};
}

void TemplateForm::setText(int id, const QString &text) {
    QWidget *w = control(id);
    ++quiet_;
    if (auto *e = qobject_cast<QLineEdit *>(w)) {
        ShowInEdit(e, text);
        e->setCursorPosition(0);
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        l->setProperty(kRawText, text);
        l->setText(l->buddy() ? text : WithoutMnemonic(text));
    } else if (auto *b = qobject_cast<QAbstractButton *>(w)) {
        b->setText(text);
    } else if (auto *c = qobject_cast<QComboBox *>(w)) {
        if (c->isEditable())
            ShowInEdit(c->lineEdit(), text);
        else
            c->setCurrentIndex(c->findText(text, Qt::MatchFixedString));
    } else if (auto *g = qobject_cast<QGroupBox *>(w)) {
        g->setTitle(text);
    } else if (auto *e = qobject_cast<QPlainTextEdit *>(w)) {
        e->setPlainText(text);
    }
    --quiet_;
}

std::string TemplateForm::textCp1252(int id, std::size_t max_bytes) const {
    std::string bytes = Utf8ToCp1252(text(id).toStdString());
    if (bytes.size() > max_bytes)
        bytes.resize(max_bytes);
    return bytes;
}

void TemplateForm::setTextCp1252(int id, std::string_view bytes) {
    setText(id, QString::fromStdString(Cp1252ToUtf8(bytes)));
}

uint32_t TemplateForm::number(int id) const {
    return UnsignedFieldValue(text(id).toStdString());
}
int32_t TemplateForm::signedNumber(int id) const {
    return SignedFieldValue(text(id).toStdString());
}
void TemplateForm::setNumber(int id, long long value) {
    setText(id, QString::number(value));
}

bool TemplateForm::checked(int id) const {
    auto *b = qobject_cast<QAbstractButton *>(control(id));
    return b && b->isChecked();
}

void TemplateForm::setChecked(int id, bool on) {
    auto *b = qobject_cast<QAbstractButton *>(control(id));
    if (!b)
        return;
    ++quiet_;
    QButtonGroup *g = b->group();
    // An exclusive group refuses to uncheck its checked button.
    if (g && !on)
        g->setExclusive(false);
    b->setChecked(on);
    if (g && !on)
        g->setExclusive(true);
    --quiet_;
}

void TemplateForm::enable(int id, bool on) {
    if (QWidget *w = control(id))
        w->setEnabled(on);
}

bool TemplateForm::enabled(int id) const {
    const QWidget *w = control(id);
    return w && w->isEnabled();
}

void TemplateForm::showControl(int id, bool on) {
    if (QWidget *w = control(id))
        w->setVisible(on);
}

void TemplateForm::setFocusTo(int id) {
    if (QWidget *w = control(id))
        w->setFocus(Qt::OtherFocusReason);
}

void TemplateForm::setLimit(int id, int characters) {
    QLineEdit *e = TypingEdit(control(id));
    if (!e)
        return;
    ++quiet_;
    e->setProperty(kTypingLimit, characters);
    FitTypingLimit(e, e->text().size());
    --quiet_;
}

int TemplateForm::addItem(int id, const QString &text) {
    const int index = FindControl(tmpl_, id);
    const bool sorted = index >= 0 && (tmpl_.controls[std::size_t(index)].style & kSorted);
    const int count = itemCount(id);
    const int pos = sorted ? SortedPosition(
                                 count, [&](int i) { return itemText(id, i); }, text)
                           : count;
    insertItem(id, pos, text);
    return itemCount(id) > count ? pos : -1;
}

void TemplateForm::insertItem(int id, int index, const QString &text) {
    QWidget *w = control(id);
    ++quiet_;
    if (auto *c = qobject_cast<QComboBox *>(w)) {
        const QString edit = c->isEditable() ? c->lineEdit()->text() : QString();
        c->insertItem(index < 0 ? c->count() : index, text);
        // Adding entries neither chooses one nor touches the typed text.
        if (c->isEditable()) {
            if (c->count() == 1)
                c->setCurrentIndex(-1);
            c->lineEdit()->setText(edit);
        } else if (c->count() == 1) {
            c->setCurrentIndex(-1);
        }
    } else if (auto *l = qobject_cast<QListWidget *>(w)) {
        l->insertItem(index < 0 ? l->count() : index, text);
    }
    --quiet_;
}

void TemplateForm::removeItem(int id, int index) {
    QWidget *w = control(id);
    ++quiet_;
    if (auto *c = qobject_cast<QComboBox *>(w))
        c->removeItem(index);
    else if (auto *l = qobject_cast<QListWidget *>(w))
        delete l->takeItem(index);
    --quiet_;
}

void TemplateForm::clearItems(int id) {
    QWidget *w = control(id);
    ++quiet_;
    if (auto *c = qobject_cast<QComboBox *>(w)) {
        const QString edit = c->isEditable() ? c->lineEdit()->text() : QString();
        c->clear();
        if (c->isEditable())
            c->lineEdit()->setText(edit);
    } else if (auto *l = qobject_cast<QListWidget *>(w)) {
        l->clear();
    }
    --quiet_;
}

int TemplateForm::itemCount(int id) const {
    QWidget *w = control(id);
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->count();
    if (auto *l = qobject_cast<QListWidget *>(w))
        return l->count();
    return 0;
}

QString TemplateForm::itemText(int id, int index) const {
    QWidget *w = control(id);
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->itemText(index);
    if (auto *l = qobject_cast<QListWidget *>(w))
        return l->item(index) ? l->item(index)->text() : QString();
    return {};
}

int TemplateForm::currentIndex(int id) const {
    QWidget *w = control(id);
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentIndex();
    if (auto *l = qobject_cast<QListWidget *>(w))
        return l->currentItem() && l->currentItem()->isSelected() ? l->currentRow() : -1;
    return -1;
}

void TemplateForm::setCurrentIndex(int id, int index) {
    QWidget *w = control(id);
    ++quiet_;
    if (auto *c = qobject_cast<QComboBox *>(w)) {
        c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
    } else if (auto *l = qobject_cast<QListWidget *>(w)) {
        if (index >= 0 && index < l->count()) {
            l->setCurrentRow(index);
        } else {
            l->setCurrentRow(-1);
            l->clearSelection();
        }
    }
    --quiet_;
}

int TemplateForm::findItem(int id, const QString &text) const {
    const int n = itemCount(id);
    for (int i = 0; i < n; ++i)
        if (QString::compare(itemText(id, i), text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TemplateForm::select(int id, const QString &text) {
    const int n = itemCount(id);
    for (int i = 0; i < n; ++i)
        if (itemText(id, i).startsWith(text, Qt::CaseInsensitive)) {
            setCurrentIndex(id, i);
            if (auto *c = controlAs<QComboBox>(id); c && c->isEditable()) {
                ++quiet_;
                ShowInEdit(c->lineEdit(), c->itemText(i));
                --quiet_;
            }
            return i;
        }
    return -1;
}

void TemplateForm::setPicture(int id, const QPixmap &pixmap) {
    if (auto *l = controlAs<QLabel>(id))
        l->setPixmap(pixmap);
}

void TemplateForm::nameControl(int id, const QString &name) {
    QWidget *w = control(id);
    if (!w)
        return;
    if (!qobject_cast<QLabel *>(w)) {
        w->setAccessibleName(name);
        return;
    }
    static const bool installed = (QAccessible::installFactory(FigureFactory), true);
    (void)installed;
    w->setProperty(kFigureName, name);
    // An interface made before the label became a figure would hide its text.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    if (iface && !dynamic_cast<FigureAccessible *>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        QAccessible::queryAccessibleInterface(w);
    }
}

void TemplateForm::replaceControl(int id, QWidget *widget) {
    QWidget *old = control(id);
    if (!old || !widget)
        return;
    widget->setParent(&host_);
    widget->setGeometry(old->geometry());
    widget->setObjectName(old->objectName());
    if (widget->accessibleName().isEmpty())
        widget->setAccessibleName(old->accessibleName());
    widget->stackUnder(old);
    // Its place in the tab order too, so the first tab stop of the template
    // still takes the focus when the dialog opens.
    QWidget::setTabOrder(old, widget);
    widget->show();
    controls_[id] = widget;
    old->deleteLater();
    old->hide();
    if (overlay_)
        overlay_->raise();
}

void TemplateForm::markControl(int id, int x, int y, int colour) {
    marks_.push_back({id, x, y, colour});
    if (overlay_) {
        overlay_->raise();
        if (const QWidget *c = control(id))
            overlay_->update(MarkArrow(c->x() + x, c->y() + y));
    }
}

void TemplateForm::clearMarks() {
    marks_.clear();
    if (overlay_)
        overlay_->update();
}

void TemplateForm::click(int id) {
    if (auto *b = controlAs<QAbstractButton>(id))
        b->click();
}

void TemplateForm::setTimer(int timer_id, std::chrono::milliseconds period) {
    QTimer *&t = timers_[timer_id];
    if (!t) {
        t = new QTimer(&host_);
        QObject::connect(t, &QTimer::timeout, &host_, [this, timer_id] { onTimer(timer_id); });
    }
    t->start(period);
}

void TemplateForm::stopTimer(int timer_id) {
    if (const auto it = timers_.find(timer_id); it != timers_.end())
        it->second->stop();
}

bool TemplateForm::timerActive(int timer_id) const {
    const auto it = timers_.find(timer_id);
    return it != timers_.end() && it->second->isActive();
}

void TemplateForm::onCommand(int id, int code) {
    if (commandHandler_)
        commandHandler_(id, code);
}

void TemplateForm::onTimer(int) {}

void TemplateForm::userCommand(int id, int code) {
    if (quiet_ == 0)
        onCommand(id, code);
}

TemplateDialog::TemplateDialog(const DialogTemplate &tmpl, QWidget *parent)
    : QDialog(parent), TemplateForm(static_cast<QWidget &>(*this), tmpl) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (!(tmpl.style & kDialogNoCloseBox))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(QString::fromUtf8(tmpl.title));
    build();
}

void TemplateDialog::reject() {
    command(kIdCancel, kClicked);
}

void TemplateDialog::keyPressEvent(QKeyEvent *event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        // The push button that has the focus, else the template's default
        // button; a template without one does nothing on Enter.
        auto *pressed = qobject_cast<QPushButton *>(focusWidget());
        for (QPushButton *b : findChildren<QPushButton *>())
            if (!pressed && b->isDefault() && b->isVisible())
                pressed = b;
        if (pressed && pressed->isEnabled())
            pressed->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

TemplatePage::TemplatePage(const DialogTemplate &tmpl, QWidget *parent)
    : QWidget(parent), TemplateForm(static_cast<QWidget &>(*this), tmpl) {
    build();
}

} // namespace zel
