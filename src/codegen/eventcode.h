#pragma once

#include "model/project.h"

#include <string>
#include <string_view>
#include <vector>

namespace zor {

// Appends `statement` wrapped in the loops over the object groups whose loop variables it
// names: "kr" (active objects), "krf" (background objects), "krl" (lines), "krt" (texts),
// each followed by a group number 1..100 that no further digit follows. The loops nest in
// that order of kinds and by ascending group; statements of the general columns get only
// the first two kinds.
void appendWrapped(std::string &line, std::string_view statement, bool generalColumn);
std::string wrapInLoops(std::string_view statement, bool generalColumn);

// The event table as Java (UTF-8): one line per action, in the order events, then general
// columns, background, active and text objects, each action guarded by its event's
// condition and wrapped in its loops; and the drawing statements, the general-column lines
// that mention "graphics", which the painting code gets as well.
struct EventCode
{
    std::vector<std::string> lines;
    std::vector<std::string> drawingLines;
};
EventCode eventCode(const Project &project);

} // namespace zor
