// The click handler shared by every button of the bar.
#pragma once

namespace keystrip {

// Types the sequence of Buttons[tag] (tag: the clicked button's Tag, its index,
// not checked). A button with a destination pattern first brings the first
// matching window to the foreground; when none matches, the click does
// nothing. A button without one hands the focus back with Alt+Tab.
void ButtonClick(int tag);

}  // namespace keystrip
