#include "levelclass.h"

#include "base/codepage.h"
#include "gamedata.h"
#include "templatecopy.h"

namespace zor {
namespace {

constexpr const char *graphicsMarker = "//graphics.";

std::vector<Replacement> levelReplacements(const Project &project, int level)
{
    const std::string number = std::to_string(level);
    std::vector<Replacement> replacements{{"etap1", "etap" + number}, {"Etap1", "Etap" + number}};
    for (Replacement &declaration : levelDeclarations(project, level)) {
        declaration.text = utf8ToCp1251(declaration.text);
        replacements.push_back(std::move(declaration));
    }
    return replacements;
}

// Lines grouped into shares of at most `methodTextLimit` bytes; a longer line is a share of
// its own.
std::vector<std::string> shares(const std::vector<std::string> &lines, std::string_view separator)
{
    std::vector<std::string> result;
    for (const std::string &line : lines) {
        if (result.empty() || result.back().size() + line.size() > methodTextLimit)
            result.emplace_back();
        result.back().append(line).append(separator);
    }
    return result;
}

std::string methodCalls(std::string_view name, size_t count, std::string_view separator)
{
    std::string calls;
    for (size_t n = 1; n <= count; ++n)
        calls.append(name).append(std::to_string(n)).append("();").append(separator);
    return calls;
}

void appendMethods(std::string &text, std::string_view name, const std::vector<std::string> &bodies)
{
    for (size_t n = 0; n < bodies.size(); ++n) {
        text.append("private void ").append(name).append(std::to_string(n + 1)).append("(){\r\n");
        text.append(bodies[n]);
        text.append("}\r\n");
    }
}

size_t totalSize(const std::vector<std::string> &lines)
{
    size_t size = 0;
    for (const std::string &line : lines)
        size += line.size();
    return size;
}

} // namespace

std::vector<std::string> objectCreationLines(const Project &project, int level)
{
    std::vector<std::string> lines;
    const auto creation = [](const char *function, int object, int x, int y) {
        return std::string("if (obtime==1){") + function + "(" + std::to_string(object - 1) + "," +
               std::to_string(x) + "," + std::to_string(y) + ");}";
    };
    for (int k = 1; k <= project.levelActive[level].activePlacedCount; ++k) {
        const Tactive2 &a = project.activePlaced[level][k];
        lines.push_back(creation("active_create", a.object, a.x, a.y));
    }
    for (int k = 1; k <= project.levelFon[level].fonPlacedCount; ++k) {
        const Tfon2 &f = project.fonPlaced[level][k];
        lines.push_back(creation("fon_create", f.object, f.x, f.y));
    }
    return lines;
}

SharedLevelCode sharedLevelCode(const EventCode &code)
{
    std::string appended;
    std::string methods;
    const bool eventsInline = totalSize(code.lines) <= methodTextLimit;
    if (eventsInline) {
        for (const std::string &line : code.lines)
            appended.append(line).append("\r\n");
    } else {
        const std::vector<std::string> bodies = shares(code.lines, "\r\n");
        appended = methodCalls("eventPart", bodies.size(), "\r\n") + "}\r\n";
        appendMethods(methods, "eventPart", bodies);
    }
    // At the marker the drawing statements are one line; spread, they keep a line each.
    std::string drawing;
    if (totalSize(code.drawingLines) <= methodTextLimit) {
        for (const std::string &line : code.drawingLines)
            drawing.append(line);
    } else {
        const std::vector<std::string> bodies = shares(code.drawingLines, "\r\n");
        drawing = methodCalls("drawingPart", bodies.size(), "");
        appendMethods(methods, "drawingPart", bodies);
    }
    if (methods.empty()) {
        appended.append("}}\r\n");
    } else {
        if (eventsInline)
            appended.append("}\r\n");
        // The last method closes the class as well.
        methods.insert(methods.size() - 2, "}");
        appended.append(methods);
    }
    SharedLevelCode shared;
    shared.appended = std::make_shared<const std::string>(utf8ToCp1251(appended));
    shared.drawing = utf8ToCp1251(drawing);
    const Replacement graphics{graphicsMarker, shared.drawing};
    shared.appendedFinal =
        std::make_shared<const std::string>(copyTemplate(*shared.appended, {&graphics, 1}));
    return shared;
}

LevelClass levelClass(const Project &project, int level, std::string_view levelTemplate,
                      const SharedLevelCode &shared)
{
    const std::vector<Replacement> replacements = levelReplacements(project, level);
    std::string created;
    for (const std::string &line : objectCreationLines(project, level))
        created.append(line).append("\r\n");
    created = utf8ToCp1251(created);
    LevelClass result;
    copyTemplate(levelTemplate, replacements, result.intermediate);
    result.intermediate.append(created);
    const Replacement graphics{graphicsMarker, shared.drawing};
    // The final copy works line by line, so the shared part, which starts on a line of its
    // own, is copied once for all levels.
    copyTemplate(result.intermediate, {&graphics, 1}, result.final);
    return result;
}

} // namespace zor
