// Key events through XTest and key lookups from the live X keyboard map.
//
// Scan codes are X keycodes minus 8 (the evdev numbering, which matches the PC
// scan codes of the main keys). A character or named key that the map lacks is
// bound to a spare keycode (one with no keysym) when it is first looked up and
// keeps that keycode until the spare keys are released, so the lookups and the
// key events of one run agree and clients never see a keycode change meaning
// while they may still be translating earlier events of it.
#pragma once

#include <X11/Xlib.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "platform/platform.h"

namespace keystrip::x11 {

class X11Keyboard final : public KeyboardService {
public:
    X11Keyboard() = default;
    ~X11Keyboard() override;

    void SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) override;
    std::uint16_t VirtualKeyOfChar(unsigned char ch) override;
    unsigned char AnsiToOem(unsigned char ch) override;
    std::uint32_t ScanCodeOfOemChar(unsigned char oem) override;
    std::uint32_t ScanCodeOfVirtualKey(std::uint32_t virtualKey) override;

    // Reads the keyboard map afresh at the next lookup (it may have changed while
    // events were processed).
    void ForgetMap();
    // Gives the spare keycodes their empty meaning back. Call when clients have
    // had time to handle the events that used them.
    void ReleaseSpareKeys();
    // True while characters are bound to spare keycodes.
    bool HoldsSpareKeys() const { return !bindings_.empty(); }

private:
    struct KeyPosition {
        KeyCode keycode = 0;
        int column = 0;  // 0 plain, 1 Shift, 4 AltGr, 5 AltGr+Shift
    };
    struct Binding {
        KeySym keysym = NoSymbol;
        std::chrono::steady_clock::time_point lastUse;
    };

    bool LoadMap();
    KeySym KeysymAt(KeyCode keycode, int column) const;
    bool IsEmptyRow(KeyCode keycode) const;
    // Where a keysym is on the map, searching plain keys first; bound on demand when bindMissing.
    bool Find(KeySym keysym, bool bindMissing, KeyPosition& position);
    KeyCode Bind(KeySym keysym);
    // Lookup of a character: key position and Windows shift state; false when no key types it.
    bool FindChar(unsigned char ch, KeyPosition& position, std::uint8_t& shiftState);
    std::uint8_t VirtualKeyOfKeycode(KeyCode keycode) const;
    Window CurrentFocus() const;
    // True while another client (the window manager) holds the keyboard.
    bool KeyboardHeldElsewhere();
    // Polls until done() or the window manager wait is over.
    void AwaitWindowManager(const std::function<bool()>& done);

    Display* display_ = nullptr;
    bool mapLoaded_ = false;
    int minKeycode_ = 8;
    int maxKeycode_ = 255;
    int perKeycode_ = 0;
    std::vector<KeySym> map_;
    std::map<KeySym, KeyPosition> positions_;
    std::vector<KeyCode> spares_;          // free, best first
    std::map<KeyCode, Binding> bindings_;  // spare keycodes in use
    std::map<KeyCode, std::vector<KeySym>> originalRows_;
    // Alt+Tab in progress (a Tab press with Alt held that the window manager
    // took): the focus before that Tab press.
    bool altDown_ = false;
    bool switching_ = false;
    Window focusBeforeSwitch_ = None;
    Window grabProbe_ = None;
};

}  // namespace keystrip::x11
