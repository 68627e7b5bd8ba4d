#pragma once

#include "project.h"

#include <string>

namespace zor {

// Copies definition slot `a` onto slot `b` of one kind, with the action lists of every event
// and the current level's placements of `a`, which then name `b`. Pictures, layer,
// transparency and properties stay with the slot.
void copy_ob(Project &project, ObjectKind kind, int a, int b);
// Empties definition slot `a`: its placements on the current level are removed, its fields
// and its action lists emptied.
void clear_ob(Project &project, ObjectKind kind, int a);

// Appends a definition named `name`; refused when the table is full.
void createFon(Project &project, const std::string &name);
void createActive(Project &project, const std::string &name);

// Moving a definition swaps it whole (pictures, layer, properties and action lists included)
// with its neighbour and renumbers the placements and control kinds of every level. A move
// that would push a definition's actions past the objects that can carry actions is refused.
void moveDefinitionUp(Project &project, ObjectKind kind, int slot);
void moveDefinitionDown(Project &project, ObjectKind kind, int slot);
// Deleting removes the definition's placements on every level and closes the gap.
void deleteDefinition(Project &project, ObjectKind kind, int slot);

} // namespace zor
