// keystrip-check config NAME: the configuration the bar would run with, as INI text.
#include <cstdio>
#include <memory>

#include "app/config_file.h"
#include "app/startup.h"
#include "subcommand.h"
#include "target/button_sequence.h"
#include "tool_platform.h"
#include "ui/bar_catalogue.h"

namespace keystrip::check {
namespace {

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

void PrintError(const std::string& message) {
    const std::string line = message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

// One "key=value" line; values are printed byte for byte as read.
void PrintValue(const char* key, const std::string& value) { Print(std::string(key) + "=" + value + "\n"); }

void PrintValue(const char* key, std::int64_t value) { PrintValue(key, std::to_string(value)); }

void PrintSettings(const TIniFile& config, const BarCatalogue& catalogue) {
    Print("[Keystrip]\n");
    PrintValue("Path", config.FileName());
    PrintValue("Title", AppTitle);
    PrintValue("ShowHints", catalogue.ShowHints);
    PrintValue("CutAndPaste", catalogue.CutAndPaste);
    PrintValue("Destination", catalogue.Destination);
    PrintValue("Sleep", catalogue.Sleep);
    PrintValue("StayOnTop", catalogue.StayOnTop);
    PrintValue("TaskbarButton", catalogue.TaskbarButton);
    PrintValue("ButtonSize", catalogue.ButtonSize);
    PrintValue("ButtonCount", static_cast<std::int64_t>(catalogue.Buttons.size()));
}

void PrintButton(std::size_t number, const ButtonDescription& button, bool cutAndPaste) {
    Print("[Button" + std::to_string(number) + "]\n");
    PrintValue("Caption", button.Caption);
    PrintValue("Font", FontSpecOf(button.Font));
    PrintValue("Hint", button.Hint);
    PrintValue("InsertText", button.InsertText);
    PrintValue("Destination", button.Destination);
    // What a click hands to the driver once its destination window is in front.
    PrintValue("Sequence", ComposeSequence({button.InsertText, button.Destination}, cutAndPaste));
}

int RunConfig(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    if (!ParseArguments(args, {}, {}, parsed) || parsed.operands.size() != 1) return kUsageExit;
    const std::string& name = parsed.operands[0];
    InstallToolPlatform();
    const std::unique_ptr<TIniFile> config = LocateConfigFile(name);
    if (!config) {
        PrintError(ConfigNotFoundMessage(name));
        return 2;
    }
    ReadAppTitle(*config);
    const BarCatalogue catalogue = ReadBarCatalogue(*config);
    PrintSettings(*config, catalogue);
    if (catalogue.Buttons.empty()) {
        std::fflush(stdout);
        PrintError(kButtonCountMissingMessage);
        return 1;
    }
    for (std::size_t i = 0; i < catalogue.Buttons.size(); ++i)
        PrintButton(i + 1, catalogue.Buttons[i], catalogue.CutAndPaste);
    return 0;
}

const SubcommandRegistration registration({"config", "NAME", RunConfig});

}  // namespace
}  // namespace keystrip::check
