#pragma once

#include <QString>

#include <vector>

namespace zor::gui {

struct TextRange
{
    int start = 0;
    int length = 0;

    bool operator==(const TextRange &) const = default;
};

// True when the word, without blanks and in lower case, is one of the Java words the source
// viewer sets in bold.
bool isJavaKeyword(const QString &word);

// The keywords of a text: the text is cut into words at blanks, parentheses, "=", "+", "-",
// "*", "/" and line ends; a word glued to any other character ("try{", "x;") is no keyword.
std::vector<TextRange> keywordRanges(const QString &text);

} // namespace zor::gui
