// A window that receives typed keys, for the end-to-end tests.
//
//   keystrip-receiver TITLE TEXTFILE [INITIAL-TEXT [SELECTION-START SELECTION-END]]
//
// Shows a window titled TITLE holding one multi-line edit control with the focus;
// "%" and two hexadecimal digits in TITLE stand for that byte, so that a title
// in any code page can be given whatever the command line's own encoding.
// After every change it writes the control's whole text to TEXTFILE (replacing
// the file in one step), and it appends one line per keyboard message and per
// activation change to TEXTFILE.log, so a test can see what arrived key by key.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string textPath;
std::string logPath;
HWND edit = nullptr;
WNDPROC editClassProc = nullptr;

void AppendLog(const char* what, WPARAM wParam, LPARAM lParam) {
    if (FILE* log = std::fopen(logPath.c_str(), "ab")) {
        std::fprintf(log, "%s 0x%02x 0x%02x\n", what, static_cast<unsigned>(wParam & 0xff),
                     static_cast<unsigned>((lParam >> 16) & 0xff));
        std::fclose(log);
    }
}

void WriteText() {
    const int length = GetWindowTextLengthA(edit);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(edit, text.data(), length + 1);
    const std::string temporary = textPath + ".tmp";
    if (FILE* out = std::fopen(temporary.c_str(), "wb")) {
        std::fwrite(text.data(), 1, static_cast<std::size_t>(copied), out);
        std::fclose(out);
        MoveFileExA(temporary.c_str(), textPath.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
}

std::string DecodeTitle(const char* title) {
    std::string decoded;
    for (const char* p = title; *p != '\0'; ++p) {
        if (p[0] == '%' && std::isxdigit(static_cast<unsigned char>(p[1])) &&
            std::isxdigit(static_cast<unsigned char>(p[2]))) {
            const char digits[3] = {p[1], p[2], '\0'};
            decoded += static_cast<char>(std::strtol(digits, nullptr, 16));
            p += 2;
        } else {
            decoded += *p;
        }
    }
    return decoded;
}

LRESULT CALLBACK EditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
            AppendLog("keydown", wParam, lParam);
            break;
        case WM_KEYUP:
            AppendLog("keyup", wParam, lParam);
            break;
        case WM_SYSKEYDOWN:
            AppendLog("syskeydown", wParam, lParam);
            break;
        case WM_SYSKEYUP:
            AppendLog("syskeyup", wParam, lParam);
            break;
        case WM_CHAR:
            AppendLog("char", wParam, lParam);
            break;
        default:
            break;
    }
    return CallWindowProcA(editClassProc, window, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (edit != nullptr) MoveWindow(edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_ACTIVATE:
            AppendLog(LOWORD(wParam) == WA_INACTIVE ? "deactivate" : "activate", 0, 0);
            if (LOWORD(wParam) != WA_INACTIVE && edit != nullptr) SetFocus(edit);
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE) WriteText();
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: keystrip-receiver TITLE TEXTFILE [INITIAL-TEXT [SELECTION-START SELECTION-END]]\n",
                   stderr);
        return 64;
    }
    textPath = argv[2];
    logPath = textPath + ".log";
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = "KeystripReceiver";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "KeystripReceiver", DecodeTitle(argv[1]).c_str(), WS_OVERLAPPEDWINDOW,
                                  400, 100, 420, 300, nullptr, nullptr, instance, nullptr);
    edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", argc > 3 ? argv[3] : "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
                           0, 0, 0, 0, window, nullptr, instance, nullptr);
    editClassProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EditProc)));
    RECT client;
    GetClientRect(window, &client);
    MoveWindow(edit, 0, 0, client.right, client.bottom, TRUE);
    if (argc > 5) SendMessageA(edit, EM_SETSEL, std::atoi(argv[4]), std::atoi(argv[5]));
    WriteText();
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    SetFocus(edit);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
