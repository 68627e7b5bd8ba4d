#include "javakeywords.h"

#include <QStringList>

namespace zor::gui {
namespace {

bool isDelimiter(QChar c)
{
    static const QString delimiters = QStringLiteral(" ()=+-*/\r\n");
    return delimiters.contains(c);
}

} // namespace

bool isJavaKeyword(const QString &word)
{
    static const QStringList keywords = {
        "import", "public", "class", "int",  "boolean", "private", "string",
        "true",   "false",  "new",   "long", "for",     "if",      "void",
        "switch", "case",   "break", "try",  "this",    "null",    "while",
    };
    QString bare = word;
    bare.remove(' ');
    bare.remove('\t');
    return keywords.contains(bare.toLower());
}

std::vector<TextRange> keywordRanges(const QString &text)
{
    std::vector<TextRange> ranges;
    int start = 0;
    for (int position = 0; position <= text.size(); ++position) {
        if (position < text.size() && !isDelimiter(text[position]))
            continue;
        const int length = position - start;
        if (length > 0 && isJavaKeyword(text.mid(start, length)))
            ranges.push_back({start, length});
        start = position + 1;
    }
    return ranges;
}

} // namespace zor::gui
