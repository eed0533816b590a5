// keystrip-check match PATTERN [TEXT...]: where PATTERN matches each TEXT (or
// each line of standard input), as a destination pattern matches a window title.
#include <cstdio>
#include <string>
#include <vector>

#include "subcommand.h"
#include "target/regexp.h"
#include "tool_platform.h"

namespace keystrip::check {
namespace {

std::vector<std::string> ReadInputLines() {
    std::vector<std::string> lines;
    std::string line;
    bool open = false;  // a line has begun that no newline has ended yet
    for (int c; (c = std::fgetc(stdin)) != EOF;) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
        } else {
            line += static_cast<char>(c);
            open = true;
        }
    }
    if (open) lines.push_back(line);
    return lines;
}

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int RunMatch(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    if (!ParseArguments(args, {}, {}, parsed) || parsed.operands.empty()) return kUsageExit;
    InstallToolPlatform();  // the code page's lead bytes come from it
    const TRegexp regexp(parsed.operands[0]);
    if (!regexp.Compiled()) {
        std::fputs("pattern does not compile\n", stderr);
        return 2;
    }
    const std::vector<std::string> texts =
        parsed.operands.size() > 1
            ? std::vector<std::string>(parsed.operands.begin() + 1, parsed.operands.end())
            : ReadInputLines();
    for (const std::string& text : texts) {
        const auto position = regexp.Search(text);
        PrintLine(position ? "match at " + std::to_string(*position) : "no match");
    }
    return 0;
}

const SubcommandRegistration registration({"match", "PATTERN [TEXT...]", RunMatch});

}  // namespace
}  // namespace keystrip::check
