#pragma once

#include "project.h"

#include <string>
#include <string_view>

namespace zor {

// Copies level `from`'s placements (with their counts), name and size into level `to`.
// Placements of `to` beyond the copied counts keep their contents.
void copy_ur(Project &project, int from, int to);
// Empties a level's placements, name and size.
void clear_ur(Project &project, int level);
// Removes placement `index` of the current level and closes the gap; `kind` is "fon" or
// "active", any other text does nothing. An index outside the placements does nothing.
void clear_ob(Project &project, int index, std::string_view kind);

// Appends a level named `name`; refused when ten levels exist.
void createLevel(Project &project, const std::string &name);

// Moving and deleting levels carry everything that belongs to a level: placements, control
// kinds, trajectories, name, size and extra text. Afterwards no level is current.
void moveLevelUp(Project &project, int level);
void moveLevelDown(Project &project, int level);
// The last remaining level cannot be deleted.
void deleteLevel(Project &project, int level);

} // namespace zor
