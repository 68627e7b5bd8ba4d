#pragma once

#include "model/project.h"
#include "templatecopy.h"

#include <vector>

namespace zor {

// The three texts of the MIDlet class, one piece per level 0..`levelCount` each, for the
// markers "//vstavka1" (fields), "//vstavka2" (leaving a level), "//vstavka3" (entering one).
std::vector<Replacement> midletReplacements(int levelCount);

// The manifest's markers "vs1" to "vs4": vendor, version, MIDlet class, icon (UTF-8).
std::vector<Replacement> manifestReplacements(const Project &project);

} // namespace zor
