#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace resonara {

// Exit statuses of the command-line designer.
inline constexpr int kExitSuccess = 0;  // results written; the port warning included
inline constexpr int kExitFailure = 2;  // bad command line, zero driver value, unwritable CSV file

// The command-line designer: reads the options in `args` (the arguments after
// the program name), runs the calculation on them and writes the results to
// `out`, every error to `err`. Returns the exit status. Touches no other
// state than the file that --csv names, so it can run any number of times in
// one process.
int RunDesigner(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace resonara
