#include "target/button_sequence.h"

namespace keystrip {

std::string ComposeSequence(const TKeystripButton& button, bool cutAndPasteMode) {
    std::string sequence;
    if (button.Destination.empty()) sequence += kBackToPreviousWindow;
    if (cutAndPasteMode) sequence += kCutSelection;
    sequence += button.InsertText;
    if (cutAndPasteMode) sequence += kPasteSelection;
    return sequence;
}

}  // namespace keystrip
