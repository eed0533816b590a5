// The message boxes and the exception display: modal FLTK dialogs.
#pragma once

#include "platform/platform.h"

namespace keystrip::x11 {

// Each box has the caption as its title and an OK button (Enter, Escape or a
// click dismisses it); Ctrl+C copies its text to the CLIPBOARD in the layout of
// the Windows message boxes. Without a display the text goes to standard error.
class FltkDialogs final : public DialogService {
public:
    void ShowMessageBox(const std::string& caption, const std::string& text) override;
    void ShowException(const std::string& caption, const std::string& message) override;
};

}  // namespace keystrip::x11
