// The help window's texts: the one it is built with and the rule that splits a help file
// into lines.
#pragma once

#include <string>
#include <vector>

namespace help {

std::vector<std::string> BuiltInHelpText();

// One line per text line; CR LF, LF and a lone CR all end a line, and a break at the very end
// starts no empty line.
std::vector<std::string> SplitLines(const std::string& text);

}  // namespace help
