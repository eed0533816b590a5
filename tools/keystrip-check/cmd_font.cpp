// keystrip-check font [--base FONT0] FONT: the font a button gets from its Font key.
#include <cstdio>

#include "app/font_spec.h"
#include "subcommand.h"

namespace keystrip::check {
namespace {

int RunFont(const std::vector<std::string>& args) {
    ParsedArguments parsed;
    if (!ParseArguments(args, {}, {"--base"}, parsed) || parsed.operands.size() != 1) return kUsageExit;
    TFont font;
    if (auto base = parsed.options.find("--base"); base != parsed.options.end())
        ApplyFontKeyValue(base->second, font);
    ApplyFontKeyValue(parsed.operands[0], font);
    const std::string line = FontSpecOf(font) + "\n";
    std::fwrite(line.data(), 1, line.size(), stdout);
    return 0;
}

const SubcommandRegistration registration({"font", "[--base FONT0] FONT", RunFont});

}  // namespace
}  // namespace keystrip::check
