#include "eventcode.h"

#include <algorithm>
#include <bitset>

namespace zor {
namespace {

constexpr int loopGroups = 100;

enum LoopKind
{
    ActiveLoop,
    BackgroundLoop,
    LineLoop,
    TextLoop,
    loopKinds
};

// The loop variable's name before the group number, and the array of instance counts that
// bounds the loops of the kinds counted from 0.
const std::pair<const char *, const char *> loopNames[loopKinds] = {
    {"kr", "quan_act"}, {"krf", "kol_fon"}, {"krl", "kol_line"}, {"krt", "kol_text"}};

void appendLoopHeader(std::string &line, LoopKind kind, int group)
{
    const std::string q = std::to_string(group);
    const auto [name, counts] = loopNames[kind];
    const std::string v = name + q;
    // Active objects run from 1 to the count at index q - 1, the others from 0 to one less
    // than the count at index q.
    if (kind == ActiveLoop)
        line += "for(int " + v + "=1;" + v + "<=" + counts + "[" + q + "-1];" + v + "++){";
    else
        line += "for(int " + v + "=0;" + v + "<=" + counts + "[" + q + "]-1;" + v + "++){";
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The kind named by the letter after "kr" (none for a digit) and where its number starts.
bool loopKindAt(std::string_view text, size_t afterKr, LoopKind &kind, size_t &digits)
{
    if (afterKr >= text.size())
        return false;
    digits = afterKr + 1;
    switch (text[afterKr]) {
    case 'f':
        kind = BackgroundLoop;
        return true;
    case 'l':
        kind = LineLoop;
        return true;
    case 't':
        kind = TextLoop;
        return true;
    default:
        kind = ActiveLoop;
        digits = afterKr;
        return isDigit(text[afterKr]);
    }
}

void appendStatement(EventCode &code, std::string &statement, std::string_view condition,
                     std::string_view action, bool generalColumn)
{
    statement.assign("if(").append(condition).append("){").append(action).append("};");
    std::string line;
    line.reserve(statement.size() + 64);
    appendWrapped(line, statement, generalColumn);
    if (generalColumn && line.find("graphics") != std::string::npos)
        code.drawingLines.push_back(line);
    code.lines.push_back(std::move(line));
}

} // namespace

void appendWrapped(std::string &line, std::string_view statement, bool generalColumn)
{
    std::bitset<loopGroups + 1> named[loopKinds];
    const int kinds = generalColumn ? BackgroundLoop + 1 : loopKinds;
    int loops = 0;
    for (size_t at = statement.find("kr"); at != std::string_view::npos;
         at = statement.find("kr", at + 1)) {
        LoopKind kind;
        size_t start;
        if (!loopKindAt(statement, at + 2, kind, start) || kind >= kinds)
            continue;
        size_t end = start;
        while (end < statement.size() && isDigit(statement[end]))
            ++end;
        // The whole run of digits is the group: "kr12" names group 12, never group 1.
        if (end == start || statement[start] == '0' || end - start > 3)
            continue;
        int group = 0;
        for (size_t i = start; i < end; ++i)
            group = group * 10 + (statement[i] - '0');
        if (group <= loopGroups && !named[kind][group]) {
            named[kind][group] = true;
            ++loops;
        }
    }
    for (int kind = 0; kind < kinds; ++kind) {
        for (int group = 1; loops > 0 && group <= loopGroups; ++group) {
            if (named[kind][group])
                appendLoopHeader(line, LoopKind(kind), group);
        }
    }
    line.append(statement);
    line.append(size_t(loops), '}');
}

std::string wrapInLoops(std::string_view statement, bool generalColumn)
{
    std::string line;
    appendWrapped(line, statement, generalColumn);
    return line;
}

EventCode eventCode(const Project &project)
{
    EventCode code;
    std::string statement;
    const auto actionObjects = [](int count) { return std::min(count, maxActionObjects); };
    for (int i = 1; i <= project.eventCount; ++i) {
        const TEvent &event = project.events[i];
        for (int g = 1; g <= generalColumns; ++g) {
            for (int n = 1; n <= event.generalCount[g]; ++n)
                appendStatement(code, statement, event.condCode, event.generalCode[g][n], true);
        }
        for (int j = 1; j <= actionObjects(project.fonCount); ++j) {
            for (int n = 1; n <= event.fonActCount[j]; ++n)
                appendStatement(code, statement, event.condCode, event.fonCode[j][n], false);
        }
        for (int j = 1; j <= actionObjects(project.activeCount); ++j) {
            for (int n = 1; n <= event.actActCount[j]; ++n)
                appendStatement(code, statement, event.condCode, event.actCode[j][n], false);
        }
        for (int j = 1; j <= actionObjects(project.textCount); ++j) {
            for (int n = 1; n <= event.textActCount[j]; ++n)
                appendStatement(code, statement, event.condCode, event.textCode[j][n], false);
        }
    }
    return code;
}

} // namespace zor
