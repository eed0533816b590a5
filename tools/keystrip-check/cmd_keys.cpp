// keystrip-check keys [--delay MS] [--clipboard-busy] SEQUENCE: every platform
// call with an effect that the bar makes when it types SEQUENCE.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>

#include "keys/push_keys.h"
#include "subcommand.h"
#include "tool_platform.h"

namespace keystrip::check {
namespace {

// A signed 32-bit decimal, as the configuration's Sleep key holds.
bool ParseDelay(const std::string& text, std::int32_t& delay) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, delay);
    return error == std::errc() && end == last && first != last;
}

std::string ReadStandardInput() {
    std::string text;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, stdin)) > 0) text.append(chunk, got);
    if (!text.empty() && text.back() == '\n') text.pop_back();
    return text;
}

int RunKeys(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    if (!ParseArguments(args, {"--clipboard-busy"}, {"--delay"}, parsed) || parsed.operands.size() != 1)
        return kUsageExit;
    std::int32_t delay = 0;
    if (auto option = parsed.options.find("--delay"); option != parsed.options.end())
        if (!ParseDelay(option->second, delay)) return kUsageExit;
    const std::string sequence = parsed.operands[0] == "-" ? ReadStandardInput() : parsed.operands[0];

    recording::RecordingPlatform& platform = InstallToolPlatform();
    platform.clipboardBusy = parsed.options.count("--clipboard-busy") != 0;
    KeyDelay = delay;
    PushKeys(sequence.c_str());
    const std::string& trace = platform.Trace();
    std::fwrite(trace.data(), 1, trace.size(), stdout);
    return 0;
}

const SubcommandRegistration registration({"keys", "[--delay MS] [--clipboard-busy] SEQUENCE", RunKeys});

}  // namespace
}  // namespace keystrip::check
