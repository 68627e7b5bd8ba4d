#pragma once

#include "eventcode.h"
#include "model/project.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

// Event code above this many bytes of Java text is spread over several methods, each at most
// this large, so that no method's byte code nears the 64 KB a class file allows. The
// compiler makes at most about 1.2 bytes of byte code of a byte of event code (long chains
// of short comparisons), the catalogue's statements 0.1 to 0.65.
constexpr size_t methodTextLimit = 24 * 1024;

// The lines that create a level's placed objects when it starts (UTF-8).
std::vector<std::string> objectCreationLines(const Project &project, int level);

// What every level class gets after its object creation lines (code page 1251, CR LF): the
// event code and the closing "}}", and the drawing text that replaces "//graphics.". When
// the event code or the drawing text is larger than `methodTextLimit`, the template's open
// method only calls "eventPartN()" (or the marker becomes calls of "drawingPartN()"), and
// those methods, each holding a share of the lines, follow it. The texts are held once for
// all levels.
struct SharedLevelCode
{
    std::shared_ptr<const std::string> appended;
    std::string drawing;
    // `appended` as the final template copy leaves it.
    std::shared_ptr<const std::string> appendedFinal;
};
SharedLevelCode sharedLevelCode(const EventCode &code);

// The beginnings of a level class, which the shared code completes: the intermediate text
// (the level template with the level's declarations, then the object creation; the shared
// `appended` follows) and the final class (the same with the drawing statements at
// "//graphics."; `appendedFinal` follows).
struct LevelClass
{
    std::string intermediate;
    std::string final;
};
LevelClass levelClass(const Project &project, int level, std::string_view levelTemplate,
                      const SharedLevelCode &shared);

} // namespace zor
