#pragma once

#include "project.h"

namespace zor {

// The values a project has when the program starts: no levels, the default MIDlet identity,
// the ten group names and level 1's size; then the project is cleared.
void applyStartupValues(Project &project, const std::string &homeFolder);

// Clearing, as the new and open commands do first: the active placement counts and the event
// table are emptied; definitions, levels, background placements, trajectories and the MIDlet
// identity keep their contents.
void clearProject(Project &project);

// The toolbar's "Создать": clears and names the MIDlet "Project1".
void newProjectFromToolbar(Project &project);
// The "Файл" menu's "Создать": clears only.
void newProjectFromMenu(Project &project);

} // namespace zor
