// Keeps the bar where the user left it: the window placement is restored from
// the configuration file when the bar is shown and written back when it closes,
// in section [TKeystripMainForm].
#pragma once

#include <string>

namespace keystrip {

class TFormPlacement {
public:
    // The configuration file; each restore and save opens its own reader on it.
    std::string IniFileName;

    // The form's events. Each shows its own errors with the exception display
    // and lets the event go on.
    void FormShow();
    void FormCloseQuery();
    void FormDestroy();

    // Applies the saved position and size, when they were saved on a screen of the
    // same pixels per inch.
    void RestoreFormPlacement();
    // Writes the placement keys; only after a restore, so a bar never shown writes nothing.
    void SaveFormPlacement();

private:
    bool restored_ = false;
    bool saved_ = false;
    bool destroying_ = false;
};

}  // namespace keystrip
