#include "app/startup.h"

#include "app/config_file.h"
#include "app/keystrip_error.h"
#include "platform/platform.h"
#include "ui/main_form.h"

namespace keystrip {
namespace {

// The main form's window class, under which a running bar is found.

constexpr int kExitNormal = 0;
constexpr int kExitRunningBarClosed = 1;
constexpr int kExitConfigNotFound = 2;
constexpr int kExitUsage = 3;

bool IsPathSeparator(char c, PathStyle style) {
    return c == '\\' || c == ':' || (style == PathStyle::Posix && c == '/');
}

// The text after the last separator of a path.
std::string FileNamePart(const std::string& path, PathStyle style) {
    std::size_t start = path.size();
    while (start > 0 && !IsPathSeparator(path[start - 1], style)) --start;
    return path.substr(start);
}

void ShowStartupError(const std::string& text) { ThePlatform().dialogs->ShowMessageBox(AppTitle, text); }

// A bar of the same title is running: bring it forward and ask it to close.
bool ToggledRunningBar() {
    WindowService& windows = *ThePlatform().windows;
    if (!windows.ActivateRunningInstance(kMainFormClassName, AppTitle)) return false;
    if (WindowHandle bar = windows.FindWindow(kMainFormClassName, AppTitle)) windows.RequestClose(bar);
    return true;
}

}  // namespace

std::string ConfigNotFoundMessage(const std::string& name) {
    return "Error: could not find configuration file " + name;
}

void ReadAppTitle(const TIniFile& config) { AppTitle = config.ReadTextValue("Keystrip", "Title", AppTitle); }

int KeystripMain(const std::vector<std::string>& arguments) {
    if (arguments.size() != 1) {
        FileService& files = *ThePlatform().files;
        ShowStartupError("Usage: " + FileNamePart(files.ProgramPath(), files.Style()) + "<configuration>");
        return kExitUsage;
    }
    // The one reader of the process: it lives until the process ends.
    ConfigFile = LocateConfigFile(arguments[0]).release();
    if (ConfigFile == nullptr) {
        ShowStartupError(ConfigNotFoundMessage(arguments[0]));
        return kExitConfigNotFound;
    }
    try {
        ReadAppTitle(*ConfigFile);
        if (ToggledRunningBar()) return kExitRunningBarClosed;
        RunMainForm();
    } catch (const KeystripError& error) {
        ThePlatform().dialogs->ShowException(AppTitle, error.what());
    }
    return kExitNormal;
}

std::vector<std::string> SplitCommandLineArguments(const std::string& commandLine) {
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < commandLine.size()) {
        if (isBlank(commandLine[i])) {
            ++i;
            continue;
        }
        std::string word;
        while (i < commandLine.size() && !isBlank(commandLine[i])) {
            if (commandLine[i] != '"') {
                word += commandLine[i++];
                continue;
            }
            // A quoted run keeps its blanks and loses its quotes; it may run to the end.
            const std::size_t close = commandLine.find('"', i + 1);
            const std::size_t end = close == std::string::npos ? commandLine.size() : close;
            word.append(commandLine, i + 1, end - i - 1);
            i = close == std::string::npos ? end : end + 1;
        }
        // A word of quotes alone is no argument.
        if (!word.empty()) words.push_back(std::move(word));
    }
    if (!words.empty()) words.erase(words.begin());  // the program name
    return words;
}

}  // namespace keystrip
