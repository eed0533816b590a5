// keystrip-check: shows what the bar will do with a configuration, a key
// sequence, a window pattern or a font value, without touching any window.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "subcommand.h"

namespace keystrip::check {
namespace {

std::vector<Subcommand>& Registry() {
    static std::vector<Subcommand> registry;
    return registry;
}

void PrintUsage(std::FILE* out) {
    std::fputs("usage: keystrip-check [--help | --version] SUBCOMMAND [ARGS...]\n", out);
    for (const Subcommand& s : Registry())
        std::fprintf(out, "       keystrip-check %s %s\n", s.name, s.usage);
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& n : names)
        if (n == name) return true;
    return false;
}

}  // namespace

bool ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& flags,
                    const std::vector<std::string>& optionsWithValue, ParsedArguments& parsed) {
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') break;
        if (Contains(flags, arg)) {
            parsed.options[arg] = "";
        } else if (Contains(optionsWithValue, arg) && i + 1 < args.size()) {
            parsed.options[arg] = args[++i];
        } else {
            return false;
        }
    }
    parsed.operands.assign(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());
    return true;
}

SubcommandRegistration::SubcommandRegistration(const Subcommand& subcommand) {
    Registry().push_back(subcommand);
}

}  // namespace keystrip::check

int main(int argc, char** argv) {
    using namespace keystrip::check;
    if (argc >= 2 && std::strcmp(argv[1], "--help") == 0) {
        PrintUsage(stdout);
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("keystrip-check " KEYSTRIP_VERSION);
        return 0;
    }
    if (argc >= 2) {
        for (const Subcommand& s : Registry()) {
            if (std::strcmp(argv[1], s.name) != 0) continue;
            int status = s.run(std::vector<std::string>(argv + 2, argv + argc));
            if (status == kUsageExit) PrintUsage(stderr);
            return status;
        }
    }
    PrintUsage(stderr);
    return kUsageExit;
}
