#pragma once

#include "model/project.h"
#include "templatecopy.h"

#include <string>
#include <string_view>
#include <vector>

namespace zor {

// The name of a definition's exported picture: the name's file part (after the last "\",
// ":" or "/") with its extension replaced by ".png", or ".png" appended.
std::string imageFileName(std::string_view name);

// The 46 game-data declarations of one level (UTF-8), each as its template marker and its
// one-line Java text, in the order in which they are replaced. Placement rows run up to the
// larger of the definition count and the placement count; rows past the placements describe
// an empty placement. A placement that names a missing definition stops with a message.
std::vector<Replacement> levelDeclarations(const Project &project, int level);

// The map file of a level's k-th background placement: the cells of its definition row by
// row, each followed by ","; empty for a slot past the placements.
std::string mapFileLine(const Project &project, int level, int k);
// How many map files a level has: one per definition or placement, whichever are more.
int mapFileCount(const Project &project, int level);

} // namespace zor
