#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace zor {

// One marker of a template and the text that takes its place.
struct Replacement
{
    std::string marker;
    std::string text;
};

// Copies a template line by line into `output`. Before each line every character of code 32
// or less is skipped, so indentation and blank lines vanish; a line ends at CR or LF. Each
// line then goes through the replacements in list order, each replacing every occurrence of
// its marker (case-sensitively) in the line as the earlier ones left it. Output lines end
// with CR LF. Works on the bytes as they are, so markers and texts must share one encoding.
void copyTemplate(std::string_view source, std::span<const Replacement> replacements,
                  std::string &output);
std::string copyTemplate(std::string_view source, std::span<const Replacement> replacements);

// The bytes of a file; a missing or unreadable one stops with a message naming the file and
// the reason.
std::string readWholeFile(const std::filesystem::path &file);

} // namespace zor
