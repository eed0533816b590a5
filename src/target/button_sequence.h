// What a button's click types: its insert text with the wrappers its
// destination and the cut-and-paste mode call for.
#pragma once

#include <string>

#include "target/button_records.h"

namespace keystrip {

// Alt+Tab: hands the focus back to the window that was active before the click.
inline constexpr char kBackToPreviousWindow[] = "%{TAB}";
// Empties the clipboard, then cuts the selection into it.
inline constexpr char kCutSelection[] = "{EMPTYCLIP}^x";
// Pastes the cut selection back after the insert text.
inline constexpr char kPasteSelection[] = "^v";

// The sequence a click hands to PushKeys once the destination window, if the
// button has one, is in front: "%{TAB}" first when the destination is empty,
// and in cut-and-paste mode "{EMPTYCLIP}^x" before the insert text and "^v"
// after it.
std::string ComposeSequence(const TKeystripButton& button, bool cutAndPasteMode);

}  // namespace keystrip
