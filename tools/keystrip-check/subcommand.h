// The subcommands of keystrip-check. Each lives in a file of its own and
// registers itself with a static SubcommandRegistration.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace keystrip::check {

// Exit status of a wrong command line.
constexpr int kUsageExit = 64;

struct Subcommand {
    const char* name;
    const char* usage;  // the arguments after the name, for the usage text
    // The arguments after the subcommand's name, raw. Returns the exit status;
    // kUsageExit makes main print the usage to standard error.
    int (*run)(const std::vector<std::string>& args);
};

struct SubcommandRegistration {
    explicit SubcommandRegistration(const Subcommand& subcommand);
};

// A subcommand's arguments split into options and operands. An argument that
// begins with "-" (but is not "-" alone) is an option until "--" or the first
// operand; after those, every argument is an operand as it stands.
struct ParsedArguments {
    std::map<std::string, std::string> options;  // a flag maps to ""
    std::vector<std::string> operands;
};

// False for an unknown option or an option without its value.
bool ParseArguments(const std::vector<std::string>& args, const std::vector<std::string>& flags,
                    const std::vector<std::string>& optionsWithValue, ParsedArguments& parsed);

}  // namespace keystrip::check
