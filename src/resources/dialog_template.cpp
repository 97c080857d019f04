// Lookups over dialog templates.
#include "resources/dialog_template.h"

#include <algorithm>

namespace zel {

namespace {
constexpr int kClosedComboHeight = 12; // dialog units, as an edit
} // namespace

int FindControl(const DialogTemplate &t, int id) {
    if (id == kNoId)
        return -1;
    for (std::size_t i = 0; i < t.controls.size(); ++i)
        if (t.controls[i].id == id)
            return int(i);
    return -1;
}

int FindLabelFor(const DialogTemplate &t, int index) {
    if (index < 0 || std::size_t(index) >= t.controls.size())
        return -1;
    const ControlTemplate &c = t.controls[std::size_t(index)];
    // A combo's template height includes its open list: its line is that of
    // the closed box, one edit high.
    const int h = c.kind == Kind::ComboBox ? std::min(c.h, kClosedComboHeight) : c.h;
    const int centre_y2 = 2 * c.y + h; // twice the control's vertical centre
    int best = -1;
    int best_gap = 0;
    // Same line, to the left. A label taller than a line (wrapped text) still
    // counts when the control's centre falls inside it.
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate &s = t.controls[i];
        if (s.kind != Kind::Static || !*s.text || i == std::size_t(index))
            continue;
        const bool same_line = 2 * s.y <= centre_y2 && centre_y2 <= 2 * (s.y + s.h) + 2;
        const int gap = c.x - (s.x + s.w);
        if (same_line && gap >= -2 && gap <= 60 && (best < 0 || gap < best_gap)) {
            best = int(i);
            best_gap = gap;
        }
    }
    if (best >= 0)
        return best;
    // Just above, overlapping horizontally (column headings).
    for (std::size_t i = 0; i < t.controls.size(); ++i) {
        const ControlTemplate &s = t.controls[i];
        if (s.kind != Kind::Static || !*s.text || i == std::size_t(index))
            continue;
        const int gap = c.y - (s.y + s.h);
        const bool overlaps = s.x < c.x + c.w && c.x < s.x + s.w;
        if (overlaps && gap >= -1 && gap <= 12 && (best < 0 || gap < best_gap)) {
            best = int(i);
            best_gap = gap;
        }
    }
    return best;
}

std::string PlainLabel(const std::string &text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&')
                out += '&', ++i;
            continue;
        }
        out += text[i] == '\t' || text[i] == '\n' ? ' ' : text[i];
    }
    const auto first = out.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    out = out.substr(first, out.find_last_not_of(' ') - first + 1);
    while (!out.empty() && (out.back() == ':' || out.back() == ' '))
        out.pop_back();
    return out;
}

} // namespace zel
