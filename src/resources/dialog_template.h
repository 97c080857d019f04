// Dialog templates as data: every dialog of the program is one of these tables.
//
// A template lists its controls in tab order with their id, kind, text, rectangle
// in dialog units (x, y, width, height; 4 horizontal units = the average
// character width of the dialog font, 8 vertical units = its height) and style
// flags. platform/template_dialog.h turns a template into widgets.
//
// Declaring one (header-only, so no build file needs touching):
//
//   // resources/templates/options_template.h
//   inline const DialogTemplate kOptionsTemplate{
//       "OPTIONS", "Options", 186, 92, kDialogModalFrame,
//       {
//           {kNoId, Kind::GroupBox, "Démarrage", 7, 6, 112, 44},
//           {1151, Kind::CheckBox, "Chargement automatique", 14, 18, 100, 10},
//           {1, Kind::Button, "OK", 128, 8, 50, 14, kDefaultButton},
//       }};
//
// Texts are UTF-8 and shown as written ("&" marks a mnemonic, "&&" a plain "&").
// Controls whose id is kNoId (-1, the "static" id) cannot be addressed by id.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zel {

inline constexpr int kNoId = -1;

enum class Kind {
    Static,      // text label
    GroupBox,    // frame with a title, drawn behind the controls it surrounds
    Edit,        // one-line edit
    MultiEdit,   // multi-line edit
    Button,      // push button: a click sends its id with code kClicked
    CheckBox,    // automatic check box: a click toggles it and sends kClicked
    RadioButton, // automatic radio button; consecutive radio buttons form one group
    ComboBox,    // editable combo box, unless kDropDownList
    ListBox,     // single-selection list
    Picture,     // frame that shows a picture at its own size from its top-left corner
    TabControl,  // row of tabs; the page below is another template
    ListView,    // report list with columns
    Custom,      // empty area that the dialog fills itself (graphs, pages)
};

// Style flags (bits); combine with |.
enum Style : uint32_t {
    kDefaultButton = 1u << 0, // Enter presses it
    kReadOnly = 1u << 1,
    kDigitsOnly = 1u << 2,   // typing accepts 0-9 only
    kPassword = 1u << 3,     // masked characters
    kSorted = 1u << 4,       // combo or list keeps its entries sorted, case-insensitively
    kCentred = 1u << 5,      // text centred horizontally
    kRightAligned = 1u << 6, // text right-aligned
    kSunken = 1u << 7,       // sunken border (read-only figures)
    kDropDownList = 1u << 8, // combo whose text can only be chosen from its list
    kDisabled = 1u << 9,     // created disabled
    kHidden = 1u << 10,      // created hidden
    kBlackFrame = 1u << 11,  // thin black frame (pictures)
    kNoWrap = 1u << 12,      // static text on one line, cut at the right edge
    kBorder = 1u << 13,      // plain border
    kVCentred = 1u << 14,    // static text centred vertically
};

// Dialog-level style flags.
enum DialogStyle : uint32_t {
    kDialogModalFrame = 0,       // caption with a close box
    kDialogNoCloseBox = 1u << 0, // caption without system menu: the title bar has no close box
    kDialogChild = 1u << 1,      // page shown inside another dialog (tab pages): no frame
};

struct ControlTemplate {
    int id = kNoId;
    Kind kind = Kind::Static;
    const char *text = "";
    int x = 0, y = 0, w = 0, h = 0; // dialog units
    uint32_t style = 0;
};

struct DialogTemplate {
    const char *name = "";  // resource name, e.g. "USERTBOX"
    const char *title = ""; // window title
    int w = 0, h = 0;       // client size in dialog units
    uint32_t style = kDialogModalFrame;
    std::vector<ControlTemplate> controls;
    int font_points = 8; // dialog font size, as in the classic 8-point dialogs
};

// Index in t.controls of the control with this id, or -1.
int FindControl(const DialogTemplate &t, int id);

// Index of the static text that labels the input control at `index`, or -1:
// a static on the same line whose right edge is left of the control's left
// edge (the nearest), else a static just above it overlapping it horizontally.
int FindLabelFor(const DialogTemplate &t, int index);

// The text a screen reader announces for a label: mnemonic "&" removed
// ("&&" stays one "&"), surrounding blanks and a trailing ":" dropped.
std::string PlainLabel(const std::string &text);

} // namespace zel
