#pragma once

#include "eventitem.h"
#include "model/project.h"

namespace zor {

// How the condition chooser stores what it built.
enum class ChooserMode
{
    New, // "new": a new event at the end of the table
    Dob, // "dob": joined to the current event's condition with " и " / "&"
    Izm  // "izm": replaces the current event's condition
};

// The kind of grid column an action goes to, as the general columns switch and the objects
// list choose it.
enum class ColumnKind
{
    General, // the four general columns: special, sound, level switching, timers
    Fon,
    Active
};

// One cell of the event grid: an event and a column.
struct ActionCell
{
    int event = 0;
    ColumnKind kind = ColumnKind::General;
    int object = 0; // general column 1..4 or the object's number
};

// Stores a condition. Returns the event that holds it now, or 0 when nothing was stored: a
// condition without display text was cancelled and leaves the table as it was. A new event
// starts with no actions and no group. Refused when the table is full or `currentEvent` is
// no event (modes "dob" and "izm").
int perevod(Project &project, ChooserMode mode, int currentEvent, const EventItem &condition);

// Appends an action to a cell; with `elseSwitch` it runs when the condition is false. Refused
// when the cell is full or names no column that can carry actions.
void metka(Project &project, const ActionCell &cell, const EventItem &action, bool elseSwitch);

// Removes the action at 1-based `position` of a cell; the later ones move up.
void deleteAction(Project &project, const ActionCell &cell, int position);

// Removes the last event (whichever row is selected) and empties its action lists.
void deleteLastEvent(Project &project);

// Puts an event into group 1..10.
void setGroup(Project &project, int event, int group);

} // namespace zor
