// The help window's texts: the one it is built with and the rule that splits a help file
// into lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace help {

std::vector<std::string> BuiltInHelpText();

// One line per text line; CR LF, LF and a lone CR all end a line, and a break at the very end
// starts no empty line.
std::vector<std::string> SplitLines(const std::string& text);

// The most of a help file that the help window shows. A help text is a few pages; laying out
// megabytes in the text box would keep the whole player from answering for minutes (under Wine
// about two seconds a megabyte), so a longer file is cut.
inline constexpr std::size_t kHelpShownBytes = 1024 * 1024;

// The lines the help window shows for a help file: all of its lines, or, for a file longer than
// kHelpShownBytes, its lines up to the last line end within that many bytes (within them a whole
// character at least, when there is no line end) and then a line that says the rest is not shown.
std::vector<std::string> HelpFileLines(const std::string& file);

}  // namespace help
