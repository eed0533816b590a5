#include "target/button_click.h"

#include <cstddef>
#include <string>

#include "keys/push_keys.h"
#include "platform/platform.h"
#include "target/button_records.h"
#include "target/button_sequence.h"
#include "target/destination_window.h"

namespace keystrip {

void ButtonClick(int tag) {
    const TKeystripButton& button = Buttons[static_cast<std::size_t>(tag)];
    const std::string destination = button.Destination;
    if (!destination.empty()) {
        WindowService& windows = *ThePlatform().windows;
        const WindowHandle window = FindDestinationWindow(destination);
        // The window may have closed since the lookup found it.
        if (window == 0 || !windows.IsWindow(window)) return;
        windows.Activate(window);
    }
    // Typing starts as soon as the activation call returns.
    const std::string sequence = ComposeSequence(button, CutAndPasteMode);
    PushKeys(sequence.c_str());
}

}  // namespace keystrip
