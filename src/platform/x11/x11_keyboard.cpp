#include "platform/x11/x11_keyboard.h"

#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <functional>
#include <set>
#include <thread>

#include "platform/x11/key_symbols.h"
#include "platform/x11/x11_display.h"

namespace keystrip::x11 {
namespace {

// Columns of a keysym row searched for a character: plain, Shift, AltGr, AltGr+Shift
// (2 and 3 belong to a second layout group, which is not active).
constexpr int kSearchColumns[] = {0, 1, 4, 5};

// A spare keycode used this recently is not given a new meaning before clients
// have had this long to translate its last events.
constexpr std::chrono::milliseconds kReuseGap{50};

// The pause after giving a spare keycode its meaning.
constexpr std::chrono::milliseconds kBindingGap{3};

std::uint8_t ShiftStateOfColumn(int column) {
    switch (column) {
        case 1:
            return 1;  // Shift
        case 4:
            return 6;  // Ctrl+Alt, the Windows spelling of AltGr
        case 5:
            return 7;
        default:
            return 0;
    }
}

}  // namespace

X11Keyboard::~X11Keyboard() {
    if (grabProbe_ != None && display_) XDestroyWindow(display_, grabProbe_);
    if (!bindings_.empty() && display_) {
        XSync(display_, False);
        std::this_thread::sleep_for(kReuseGap);
        ReleaseSpareKeys();
    }
}

void X11Keyboard::ForgetMap() { mapLoaded_ = false; }

bool X11Keyboard::LoadMap() {
    if (mapLoaded_) return true;
    display_ = TheDisplay();
    if (!display_) return false;
    XDisplayKeycodes(display_, &minKeycode_, &maxKeycode_);
    int per = 0;
    KeySym* keysyms =
        XGetKeyboardMapping(display_, static_cast<KeyCode>(minKeycode_), maxKeycode_ - minKeycode_ + 1, &per);
    if (!keysyms) return false;
    perKeycode_ = per;
    map_.assign(keysyms, keysyms + static_cast<std::size_t>(per) * (maxKeycode_ - minKeycode_ + 1));
    XFree(keysyms);

    positions_.clear();
    for (int column : kSearchColumns) {
        if (column >= perKeycode_) break;
        for (int keycode = minKeycode_; keycode <= maxKeycode_; ++keycode) {
            KeySym keysym = KeysymAt(static_cast<KeyCode>(keycode), column);
            if (keysym == NoSymbol && column == 1) {
                // A letter with an empty Shift column types its capital with Shift.
                KeySym lower = NoSymbol, upper = NoSymbol;
                XConvertCase(KeysymAt(static_cast<KeyCode>(keycode), 0), &lower, &upper);
                if (upper != lower) keysym = upper;
            }
            if (keysym != NoSymbol)
                positions_.emplace(keysym, KeyPosition{static_cast<KeyCode>(keycode), column});
        }
    }

    std::set<KeyCode> modifiers;
    if (XModifierKeymap* modmap = XGetModifierMapping(display_)) {
        for (int i = 0; i < 8 * modmap->max_keypermod; ++i) modifiers.insert(modmap->modifiermap[i]);
        XFreeModifiermap(modmap);
    }
    spares_.clear();
    // Keycode 8 stays out: scan code 0 means "no key".
    for (int keycode = maxKeycode_; keycode > minKeycode_ && keycode > 8; --keycode) {
        const auto code = static_cast<KeyCode>(keycode);
        if (IsEmptyRow(code) && !modifiers.count(code) && !bindings_.count(code)) spares_.push_back(code);
    }
    mapLoaded_ = true;
    return true;
}

KeySym X11Keyboard::KeysymAt(KeyCode keycode, int column) const {
    if (keycode < minKeycode_ || keycode > maxKeycode_ || column >= perKeycode_) return NoSymbol;
    return map_[static_cast<std::size_t>(keycode - minKeycode_) * perKeycode_ + column];
}

bool X11Keyboard::IsEmptyRow(KeyCode keycode) const {
    for (int column = 0; column < perKeycode_; ++column) {
        if (KeysymAt(keycode, column) != NoSymbol) return false;
    }
    return true;
}

bool X11Keyboard::Find(KeySym keysym, bool bindMissing, KeyPosition& position) {
    if (keysym == NoSymbol || !LoadMap()) return false;
    auto found = positions_.find(keysym);
    if (found != positions_.end()) {
        position = found->second;
        auto binding = bindings_.find(position.keycode);
        if (binding != bindings_.end()) binding->second.lastUse = std::chrono::steady_clock::now();
        return true;
    }
    if (!bindMissing) return false;
    const KeyCode keycode = Bind(keysym);
    if (keycode == 0) return false;
    position = KeyPosition{keycode, 0};
    return true;
}

KeyCode X11Keyboard::Bind(KeySym keysym) {
    KeyCode keycode = 0;
    if (!spares_.empty()) {
        keycode = spares_.front();
        spares_.erase(spares_.begin());
    } else if (!bindings_.empty()) {
        auto oldest = std::min_element(bindings_.begin(), bindings_.end(), [](const auto& a, const auto& b) {
            return a.second.lastUse < b.second.lastUse;
        });
        keycode = oldest->first;
        const auto since = std::chrono::steady_clock::now() - oldest->second.lastUse;
        if (since < kReuseGap) {
            XSync(display_, False);
            std::this_thread::sleep_for(kReuseGap - since);
        }
        positions_.erase(oldest->second.keysym);
        bindings_.erase(oldest);
    } else {
        return 0;
    }

    const std::size_t row = static_cast<std::size_t>(keycode - minKeycode_) * perKeycode_;
    originalRows_.emplace(keycode, std::vector<KeySym>(map_.begin() + row, map_.begin() + row + perKeycode_));
    // The same keysym on the plain and the Shift level: a character typed with
    // Shift added (§ and ° among them) still comes out as itself.
    KeySym both[2] = {keysym, keysym};
    XChangeKeyboardMapping(display_, keycode, 2, both, 1);
    // Clients fetch the changed key when they read its notification; one that is
    // still fetching when the next change arrives may drop that one (Xlib does),
    // so changes are spaced out a little. Only a new binding pays for this.
    XSync(display_, False);
    std::this_thread::sleep_for(kBindingGap);
    for (int column = 0; column < perKeycode_; ++column) map_[row + column] = column < 2 ? keysym : NoSymbol;
    positions_[keysym] = KeyPosition{keycode, 0};
    bindings_[keycode] = Binding{keysym, std::chrono::steady_clock::now()};
    return keycode;
}

void X11Keyboard::ReleaseSpareKeys() {
    if (!display_ || bindings_.empty()) return;
    for (const auto& [keycode, binding] : bindings_) {
        std::vector<KeySym>& original = originalRows_[keycode];
        XChangeKeyboardMapping(display_, keycode, static_cast<int>(original.size()), original.data(), 1);
    }
    XSync(display_, False);
    bindings_.clear();
    originalRows_.clear();
    mapLoaded_ = false;
}

bool X11Keyboard::FindChar(unsigned char ch, KeyPosition& position, std::uint8_t& shiftState) {
    std::vector<KeySym> keysyms = KeysymsOfChar(ch);
    shiftState = 0;
    if (keysyms.empty() && ch >= 0x01 && ch <= 0x1a) {
        // Control characters come from Ctrl with a letter.
        keysyms = {static_cast<KeySym>(XK_a + ch - 1)};
        shiftState = 2;
    }
    if (keysyms.empty()) return false;
    for (KeySym keysym : keysyms) {
        if (Find(keysym, false, position)) {
            shiftState |= ShiftStateOfColumn(position.column);
            return true;
        }
    }
    return Find(keysyms.front(), true, position);
}

std::uint8_t X11Keyboard::VirtualKeyOfKeycode(KeyCode keycode) const {
    if (bindings_.count(keycode)) return kVirtualKeyPacket;
    return VirtualKeyOfKeysym(KeysymAt(keycode, 0));
}

void X11Keyboard::SendKeyEvent(std::uint8_t virtualKey, std::uint8_t scanCode, bool pressed) {
    if (!LoadMap()) return;
    KeyCode keycode = 0;
    const int fromScan = scanCode + 8;
    if (scanCode != 0 && fromScan <= maxKeycode_ && !IsEmptyRow(static_cast<KeyCode>(fromScan))) {
        keycode = static_cast<KeyCode>(fromScan);
        auto binding = bindings_.find(keycode);
        if (binding != bindings_.end()) binding->second.lastUse = std::chrono::steady_clock::now();
    } else {
        // No usable scan code (a failed lookup gives 0xff): the virtual key decides.
        KeyPosition position;
        if (Find(KeysymOfVirtualKey(virtualKey), true, position)) keycode = position.keycode;
    }
    if (keycode == 0) return;

    // On Windows, Alt+Tab moves the focus within the input stream, so the keys
    // that follow it reach the next window. Here the window manager switches when
    // it gets round to handling the keys, so the Alt+Tab is kept in step with it.
    const bool alt = virtualKey == 0x12 || virtualKey == 0xa4 || virtualKey == 0xa5;
    const bool startsSwitch = virtualKey == 0x09 && pressed && altDown_ && !switching_;
    const Window focusBefore = startsSwitch ? CurrentFocus() : None;
    const bool endsSwitch = alt && !pressed && switching_;
    // The manager ends its window cycle on the Alt release, so that release must
    // reach it: it takes the keyboard only when it handles the Tab press, which
    // may be well after the Tab release on a busy machine. Released before, Alt
    // would go to the bar, and the manager would cycle on, eating the keys typed next.
    if (endsSwitch)
        AwaitWindowManager(
            [this] { return KeyboardHeldElsewhere() || CurrentFocus() != focusBeforeSwitch_; });

    XTestFakeKeyEvent(display_, keycode, pressed ? True : False, CurrentTime);
    XFlush(display_);

    if (alt) altDown_ = pressed;
    // A Tab press that another client took (the manager's Alt+Tab binding) starts a switch.
    if (startsSwitch && KeyboardHeldElsewhere()) {
        switching_ = true;
        focusBeforeSwitch_ = focusBefore;
    }
    // The keys typed next must reach the window switched to, not the old one
    // nor the manager's grab.
    if (endsSwitch) {
        switching_ = false;
        AwaitWindowManager(
            [this] { return CurrentFocus() != focusBeforeSwitch_ && !KeyboardHeldElsewhere(); });
    }
}

Window X11Keyboard::CurrentFocus() const {
    Window focus = None;
    int revert = 0;
    XGetInputFocus(display_, &focus, &revert);
    return focus;
}

bool X11Keyboard::KeyboardHeldElsewhere() {
    // Grabbing with a window that is never mapped cannot succeed: it only tells
    // whether another client holds the keyboard (actively, or by a key binding
    // while its key is down).
    if (grabProbe_ == None) {
        grabProbe_ = XCreateWindow(display_, DefaultRootWindow(display_), 0, 0, 1, 1, 0, 0, InputOnly,
                                   CopyFromParent, 0, nullptr);
    }
    const int grab = XGrabKeyboard(display_, grabProbe_, False, GrabModeAsync, GrabModeAsync, CurrentTime);
    if (grab == GrabSuccess) XUngrabKeyboard(display_, CurrentTime);
    return grab == AlreadyGrabbed;
}

void X11Keyboard::AwaitWindowManager(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + kWindowManagerWait;
    while (!done() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::uint16_t X11Keyboard::VirtualKeyOfChar(unsigned char ch) {
    KeyPosition position;
    std::uint8_t shiftState = 0;
    if (!FindChar(ch, position, shiftState)) return 0xffff;
    return static_cast<std::uint16_t>(shiftState << 8 | VirtualKeyOfKeycode(position.keycode));
}

// There is no OEM code page here: the OEM form of a character is the character.
unsigned char X11Keyboard::AnsiToOem(unsigned char ch) { return ch; }

std::uint32_t X11Keyboard::ScanCodeOfOemChar(unsigned char oem) {
    KeyPosition position;
    std::uint8_t shiftState = 0;
    if (!FindChar(oem, position, shiftState)) return 0xffffffff;
    return static_cast<std::uint32_t>(shiftState) << 16 | static_cast<std::uint32_t>(position.keycode - 8);
}

std::uint32_t X11Keyboard::ScanCodeOfVirtualKey(std::uint32_t virtualKey) {
    if (virtualKey > 0xff) return 0;
    KeyPosition position;
    if (!Find(KeysymOfVirtualKey(static_cast<std::uint8_t>(virtualKey)), true, position)) return 0;
    return static_cast<std::uint32_t>(position.keycode - 8);
}

}  // namespace keystrip::x11
