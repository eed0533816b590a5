// The process entry of the bar.
#pragma once

#include <string>
#include <vector>

namespace keystrip {

class TIniFile;

// Runs the bar with the arguments that follow the program name and returns the
// process exit code: 0 normal end, 1 a running bar of the same title was asked
// to close, 2 configuration file not found, 3 not exactly one argument.
int KeystripMain(const std::vector<std::string>& arguments);

// AppTitle becomes key Title of [Keystrip], with its
// current value as the default.
void ReadAppTitle(const TIniFile& config);

// The message for a configuration that cannot be found, naming it as typed.
std::string ConfigNotFoundMessage(const std::string& name);

// The arguments after the program name in a Windows command line: split at
// blanks and control characters; a double-quoted run keeps its blanks and loses its quotes.
std::vector<std::string> SplitCommandLineArguments(const std::string& commandLine);

}  // namespace keystrip
