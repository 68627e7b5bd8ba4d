#pragma once

#include <string>

namespace zor {

// A condition or an action as the event table holds it: the display text the user reads in the
// grid and the Java text pasted into the game.
struct EventItem
{
    std::string text;
    std::string code;

    bool operator==(const EventItem &) const = default;
};

} // namespace zor
