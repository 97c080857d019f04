// Lists chosen with the keyboard alone.
#pragma once

class QAbstractItemView;

namespace zel {

// Getting the focus makes a list's first row current without choosing it, so
// the first Down would skip it (and a list of one row could not be chosen with
// the arrows at all). Here the first arrow, page, Home or End key pressed while
// no row is chosen chooses the current row (the first one when there is none).
void ChooseWithArrowKeys(QAbstractItemView &view);

} // namespace zel
