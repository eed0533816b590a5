// A small X client that records the keys it receives, for the end-to-end tests.
//
//   receiver TITLE FILE      shows a window titled TITLE and appends to FILE the
//                            characters typed into it (UTF-8, Return as a line
//                            break), and to FILE.keys one line per key press:
//                            the keysym's name and the characters it gave.
//   receiver --clipboard     prints the CLIPBOARD selection (UTF-8), or
//                            "(no owner)" when nobody holds it, and exits.
//   receiver --clear-clipboard
//                            takes the CLIPBOARD and exits, which leaves it
//                            without an owner.
//   receiver --keycode NAME  prints the keycode that carries the keysym NAME
//                            in the keyboard map, or "none", and exits.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <clocale>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

int PrintClipboard(Display* display) {
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    if (XGetSelectionOwner(display, clipboard) == None) {
        std::puts("(no owner)");
        return 0;
    }
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom target = XInternAtom(display, "KEYSTRIP_RECEIVED", False);
    XConvertSelection(display, clipboard, utf8, target, window, CurrentTime);
    XEvent event;
    do XNextEvent(display, &event);
    while (event.type != SelectionNotify);
    if (event.xselection.property == None) {
        std::puts("(no text)");
        return 1;
    }
    Atom type;
    int format;
    unsigned long count, remaining;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, target, 0, 1 << 20, False, AnyPropertyType, &type, &format, &count,
                       &remaining, &data);
    if (data) {
        std::fwrite(data, 1, count, stdout);
        XFree(data);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "C.UTF-8");
    XSetLocaleModifiers("@im=none");
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "receiver: no display\n");
        return 2;
    }
    if (argc == 2 && std::strcmp(argv[1], "--clipboard") == 0) return PrintClipboard(display);
    if (argc == 2 && std::strcmp(argv[1], "--clear-clipboard") == 0) {
        const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False), window, CurrentTime);
        XCloseDisplay(display);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "--keycode") == 0) {
        const KeyCode keycode = XKeysymToKeycode(display, XStringToKeysym(argv[2]));
        if (keycode)
            std::printf("%d\n", keycode);
        else
            std::puts("none");
        return 0;
    }
    if (argc != 3) {
        std::fprintf(stderr,
                     "usage: receiver TITLE FILE | --clipboard | --clear-clipboard | --keycode NAME\n");
        return 2;
    }
    const std::string title = argv[1];
    FILE* text = std::fopen(argv[2], "a");
    FILE* keys = std::fopen((std::string(argv[2]) + ".keys").c_str(), "a");
    if (!text || !keys) return 2;

    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 400, 300, 360, 160, 0, 0,
                                              WhitePixel(display, DefaultScreen(display)));
    // WM_NAME in the encoding its type says (STRING is Latin-1), as tools read it.
    Xutf8SetWMProperties(display, window, title.c_str(), title.c_str(), nullptr, 0, nullptr, nullptr,
                         nullptr);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                    XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
    XClassHint hint{const_cast<char*>("receiver"), const_cast<char*>("KeystripReceiver")};
    XSetClassHint(display, window, &hint);
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(display, window, KeyPressMask | FocusChangeMask | StructureNotifyMask);

    XIM im = XOpenIM(display, nullptr, nullptr, nullptr);
    XIC ic = im ? XCreateIC(im, XNInputStyle, XIMPreeditNothing | XIMStatusNothing, XNClientWindow, window,
                            XNFocusWindow, window, nullptr)
                : nullptr;
    // Load the keyboard map now, as any client that has handled a key has done:
    // a first lookup during typing would fetch the whole map at that moment.
    XKeysymToKeycode(display, XK_a);
    XKeyEvent probe{};
    probe.type = KeyPress;
    probe.display = display;
    probe.window = window;
    probe.keycode = XKeysymToKeycode(display, XK_space);
    char ignored[8];
    XLookupString(&probe, ignored, sizeof ignored, nullptr, nullptr);
    XMapWindow(display, window);

    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) break;
        if (event.type == MappingNotify) XRefreshKeyboardMapping(&event.xmapping);
        if (event.type != KeyPress) continue;
        char buffer[64] = {};
        KeySym keysym = NoSymbol;
        int length = 0;
        if (ic) {
            Status status;
            length = Xutf8LookupString(ic, &event.xkey, buffer, sizeof buffer - 1, &keysym, &status);
            if (status != XLookupChars && status != XLookupBoth) length = 0;
        } else {
            length = XLookupString(&event.xkey, buffer, sizeof buffer - 1, &keysym, nullptr);
        }
        std::string chars(buffer, static_cast<std::size_t>(length > 0 ? length : 0));
        if (chars == "\r") chars = "\n";
        const char* name = XKeysymToString(keysym);
        std::fprintf(keys, "%s %s\n", name ? name : "NoSymbol", chars.c_str());
        // Text is what an editor would show: control characters other than line breaks are left out.
        if (!chars.empty() && (static_cast<unsigned char>(chars[0]) >= 0x20 || chars == "\n") &&
            chars != "\x7f")
            std::fputs(chars.c_str(), text);
        std::fflush(keys);
        std::fflush(text);
    }
    return 0;
}
