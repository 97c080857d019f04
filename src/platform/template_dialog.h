// Dialogs built from templates (resources/dialog_template.h), addressed by control id.
//
// How a dialog is written
// -----------------------
//   class OptionsDialog final : public TemplateDialog {
//     public:
//       OptionsDialog(SharedState &s, QWidget *parent) : TemplateDialog(kOptionsTemplate, parent), s_(s) {
//           // initialisation: every control exists now
//           setChecked(1155, s_.Opt_AutoGrid);
//           setLimit(1011, 16);
//       }
//     protected:
//       void onCommand(int id, int code) override {
//           if (id == 1 && code == kClicked) done(1);   // the value exec() returns
//           // Escape and the close box arrive as command 2 (kIdCancel): ignore it to stay open
//       }
//   };
//   int result = platform.runModal(dialog);   // never dialog.exec(): tests drive it
//
// Controls (every call on an unknown id, or on a control of the wrong kind, does nothing
// and returns 0 / false / empty):
//   control(id), controlAs<QLineEdit>(id)  the widget itself, for what the API lacks
//   controlId(widget)                      the id of the control a widget belongs to
//   controlRect(id)                        pixels, in the form's coordinates
//   text(id), setText(id, QString)         edits, statics, buttons, combos (their edit text,
//                                          or the chosen entry), lists (the current entry)
//   textCp1252(id, max_bytes), setTextCp1252(id, bytes)   the same in record bytes
//   number(id) / signedNumber(id)          the field read as a number, 0 when it is none
//   setNumber(id, n)                       "%d"
//   checked(id), setChecked(id, on)        check boxes and radio buttons (a radio group may be
//                                          left with none checked, as the templates expect)
//   enable(id, on), enabled(id), showControl(id, on), setFocusTo(id)
//   setLimit(id, n)                        maximum characters the user can type or paste (edits,
//                                          combos); a longer text set by the program is shown
//                                          whole and may only shrink
//   combos and lists: addItem (returns its index; sorted controls insert in order),
//     insertItem, removeItem, clearItems, itemCount, itemText, currentIndex (-1: none),
//     setCurrentIndex (-1 clears), findItem(id, text) (exact, case-insensitive),
//     select(id, text) (first entry beginning with text, case-insensitive; -1 and
//     nothing changes when none does)
//   setPicture(id, pixmap)                 Picture controls: drawn at its own size
//   nameControl(id, name)                  overrides the name taken from the label; a static
//                                          so named (a figure) still reads its text as it stands
//   replaceControl(id, widget)             your own widget in the control's rectangle and id
//
// Commands: a click on a button, check box or radio button sends onCommand(id, kClicked);
// a user's choice in a combo or list kSelChange, a double click in a list kDoubleClick,
// typing in an edit kEditChange, in an editable combo kComboEditChange. Changes made
// through this API send nothing. click(id) presses a control as the user would (nothing
// when it is disabled); command(id, code) calls onCommand directly.
// Escape and the close box send command 2 (kIdCancel); the dialog decides whether that ends
// it. Enter presses the push button that has the focus, else the template's default
// button (kDefaultButton); without either it does nothing.
//
// Timers: setTimer(timer_id, period) runs onTimer(timer_id) every period until
// stopTimer(timer_id); tick(timer_id) runs it once now, so tests never wait.
//
// Marks: markControl(id, x, y, colour) appends {id, x, y, colour} to markList() (Mark_List)
// and shows it: a 7 x 7 downward arrow whose origin is the control's top-left corner plus
// (x, y), which may stand above the control. kMarkRed flags a faulty field, kMarkFace erases:
// where it lies, the controls under the marks show again as they are. The list is drawn
// again on every repaint, in order, so a later mark wins over an earlier one at the same
// place. clearMarks() empties the list.
//
// Look: a template text (static, check box, radio button) wider than its control in the
// dialog font takes free room beside it, else a smaller font; read-only edits have no ground
// of their own, so they show framed on the face they lie on.
//
// Pages: TemplatePage is the same machinery in a plain child widget (tab pages); its
// commands go to onCommand, whose default calls the commandHandler function when set.
#pragma once

#include "platform/dialog_units.h"
#include "resources/dialog_template.h"

#include <QDialog>
#include <QPixmap>
#include <QRegion>
#include <QString>

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

class QTimer;
class QButtonGroup;

namespace zel {

// Notification codes sent with a command.
enum NotifyCode : int {
    kClicked = 0,         // button, check box, radio button
    kSelChange = 1,       // the user chose another entry of a combo or list
    kDoubleClick = 2,     // list entry double-clicked
    kComboEditChange = 5, // the user typed into an editable combo
    kEditChange = 0x300,  // the user typed into an edit
};

inline constexpr int kIdCancel = 2;

// Periods of the dialogs that recompute their forms as the user types.
inline constexpr std::chrono::milliseconds kEntryTimerPeriod{150};  // new day, new tournament
inline constexpr std::chrono::milliseconds kModifyTimerPeriod{500}; // day modification

// Mark colour codes.
inline constexpr int kMarkRed = 2;
inline constexpr int kMarkFace = 3;

struct Mark {
    int id = 0;
    int x = 0;
    int y = 0;
    int colour = kMarkRed;
};

// The arrow: five rows, 7 pixels wide and 7 high, origin (x, y) at the top-left
// of its bounding box.
QRegion MarkArrow(int x, int y);

class MarkOverlay;

class TemplateForm {
  public:
    TemplateForm(const TemplateForm &) = delete;
    TemplateForm &operator=(const TemplateForm &) = delete;

    const DialogTemplate &dialogTemplate() const { return tmpl_; }
    BaseUnits baseUnits() const { return units_; }
    QRect dluRect(int x, int y, int w, int h) const;

    QWidget *control(int id) const;
    // The id of the control `w` is or lies in (an editable combo's edit, say), or 0.
    int controlId(const QWidget *w) const;
    template <class W> W *controlAs(int id) const { return qobject_cast<W *>(control(id)); }
    QRect controlRect(int id) const;

    QString text(int id) const;
    void setText(int id, const QString &text);
    std::string textCp1252(int id, std::size_t max_bytes = std::string::npos) const;
    void setTextCp1252(int id, std::string_view bytes);
    uint32_t number(int id) const;
    int32_t signedNumber(int id) const;
    void setNumber(int id, long long value);

    bool checked(int id) const;
    void setChecked(int id, bool on);
    void enable(int id, bool on = true);
    bool enabled(int id) const;
    void showControl(int id, bool on);
    void setFocusTo(int id);
    void setLimit(int id, int characters);

    int addItem(int id, const QString &text);
    void insertItem(int id, int index, const QString &text);
    void removeItem(int id, int index);
    void clearItems(int id);
    int itemCount(int id) const;
    QString itemText(int id, int index) const;
    int currentIndex(int id) const;
    void setCurrentIndex(int id, int index);
    int findItem(int id, const QString &text) const;
    int select(int id, const QString &text);

    void setPicture(int id, const QPixmap &pixmap);
    void nameControl(int id, const QString &name);
    void replaceControl(int id, QWidget *widget);

    void markControl(int id, int x, int y, int colour);
    void clearMarks();
    const std::vector<Mark> &markList() const { return marks_; }

    void click(int id);
    void command(int id, int code = kClicked) { onCommand(id, code); }

    void setTimer(int timer_id, std::chrono::milliseconds period);
    void stopTimer(int timer_id);
    bool timerActive(int timer_id) const;
    void tick(int timer_id) { onTimer(timer_id); }

  protected:
    TemplateForm(QWidget &host, const DialogTemplate &tmpl);
    virtual ~TemplateForm();

    virtual void onCommand(int id, int code);
    virtual void onTimer(int timer_id);

    // Commands of a page go here when no subclass handles them.
    std::function<void(int id, int code)> commandHandler_;

    // Creates the controls; the constructors of the dialog classes call it.
    void build();

  private:
    friend class MarkOverlay;
    QWidget *makeControl(const ControlTemplate &c);
    void userCommand(int id, int code);
    void nameInputs();
    void fitTexts();

    QWidget &host_;
    const DialogTemplate &tmpl_;
    BaseUnits units_;
    std::map<int, QWidget *> controls_;
    std::vector<QWidget *> widgets_; // in template order
    std::map<int, QTimer *> timers_;
    std::vector<QButtonGroup *> radio_groups_;
    std::vector<Mark> marks_;
    MarkOverlay *overlay_ = nullptr;
    int quiet_ = 0; // > 0 while this API changes a control: no command is sent
};

class TemplateDialog : public QDialog, public TemplateForm {
    Q_OBJECT
  public:
    explicit TemplateDialog(const DialogTemplate &tmpl, QWidget *parent = nullptr);

    // Escape, the close box: command 2.
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent *event) override;
};

class TemplatePage : public QWidget, public TemplateForm {
    Q_OBJECT
  public:
    explicit TemplatePage(const DialogTemplate &tmpl, QWidget *parent = nullptr);
    void setCommandHandler(std::function<void(int id, int code)> handler) {
        commandHandler_ = std::move(handler);
    }
};

} // namespace zel
