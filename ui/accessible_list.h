// What assistive tools see of a drop-down list.
//
// Qt's own interface gives each item of a list's pop-up one action, which selects the item in the pop-up
// and leaves it open: the list's choice is never made, and a user of voice control or switch access,
// who has no Enter key to press, cannot set it at all. The interface here gives each item Press and
// Toggle actions that choose it as a click does: the item becomes the list's, the pop-up closes and the
// list reports the choice as activated, so the window's handler runs. The items are reachable whether
// the pop-up is open or not.
#pragma once

class QComboBox;

namespace pumpvale {

// Gives list an interface whose items' actions choose them. Call before any assistive tool asks for
// the list, that is, while its window is being built.
void makeItemsChoose(QComboBox& list);

} // namespace pumpvale
