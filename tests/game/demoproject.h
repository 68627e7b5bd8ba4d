#pragma once

#include "model/project.h"

#include <memory>

namespace zor::game {

// The demo game: on level 1, seen from the side, the hero collects five coins on platforms
// and a ladder, jumps on a slime that patrols a path, and leaves through a door; on level 2,
// seen from above, five more coins lie in a garden of hedges where bats give chase. A panel
// shows the coins collected (global value 1).
std::unique_ptr<Project> demoProject();

} // namespace zor::game
