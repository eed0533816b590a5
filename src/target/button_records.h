// The bar's buttons as the click handler sees them. The bar's form fills these
// when it is created; they do not change until it closes.
#pragma once

#include <string>
#include <vector>

namespace keystrip {

// The record of one button. Its index in Buttons is the button's Tag.
struct TKeystripButton {
    std::string InsertText;   // the key sequence a click types
    std::string Destination;  // the destination window pattern; empty: the previously active window
};

extern std::vector<TKeystripButton> Buttons;
extern int ButtonCount;
extern bool CutAndPasteMode;

}  // namespace keystrip
