#include "eventtable.h"

#include "base/error.h"

#include <string>

namespace zor {
namespace {

struct CellLists
{
    ActionTexts &text;
    ActionTexts &code;
    int &count;
};

TEvent &existingEvent(Project &project, int event)
{
    if (event < 1 || event > project.eventCount)
        throw Error("there is no event " + std::to_string(event));
    return project.events[event];
}

void checkObject(int object, int count, const std::string &what)
{
    if (object > maxActionObjects)
        throw Error("only objects 1 to " + std::to_string(maxActionObjects) +
                    " can carry actions, not " + what + " " + std::to_string(object));
    if (object < 1 || object > count)
        throw Error("there is no " + what + " " + std::to_string(object));
}

CellLists cellLists(Project &project, const ActionCell &cell)
{
    TEvent &event = existingEvent(project, cell.event);
    const int object = cell.object;
    switch (cell.kind) {
    case ColumnKind::General:
        if (object < 1 || object > generalColumns)
            throw Error("there is no general column " + std::to_string(object));
        return {event.generalText[object], event.generalCode[object], event.generalCount[object]};
    case ColumnKind::Fon:
        checkObject(object, project.fonCount, "background object");
        return {event.fonText[object], event.fonCode[object], event.fonActCount[object]};
    case ColumnKind::Active:
        checkObject(object, project.activeCount, "active object");
        return {event.actText[object], event.actCode[object], event.actActCount[object]};
    }
    throw Error("unknown column kind");
}

void emptyList(ActionTexts &text, ActionTexts &code, int &count)
{
    text = {};
    code = {};
    count = 0;
}

void emptyActionLists(TEvent &event)
{
    for (int g = 1; g <= generalColumns; ++g)
        emptyList(event.generalText[g], event.generalCode[g], event.generalCount[g]);
    for (int o = 0; o <= maxActionObjects; ++o) {
        emptyList(event.fonText[o], event.fonCode[o], event.fonActCount[o]);
        emptyList(event.actText[o], event.actCode[o], event.actActCount[o]);
        emptyList(event.textText[o], event.textCode[o], event.textActCount[o]);
    }
}

} // namespace

int perevod(Project &project, ChooserMode mode, int currentEvent, const EventItem &condition)
{
    if (condition.text.empty())
        return 0;
    if (mode == ChooserMode::New) {
        if (project.eventCount >= maxEvents)
            throw Error("the event table holds at most " + std::to_string(maxEvents) + " events");
        const int slot = project.eventCount + 1;
        TEvent &event = project.events[slot];
        emptyActionLists(event);
        event.group = 0;
        event.condText = condition.text;
        event.condCode = condition.code;
        event.eventExtra = "event";
        project.eventCount = slot;
        return slot;
    }
    TEvent &event = existingEvent(project, currentEvent);
    if (mode == ChooserMode::Dob) {
        event.condText += " и " + condition.text;
        event.condCode += "&" + condition.code;
    } else {
        event.condText = condition.text;
        event.condCode = condition.code;
    }
    return currentEvent;
}

void metka(Project &project, const ActionCell &cell, const EventItem &action, bool elseSwitch)
{
    const CellLists lists = cellLists(project, cell);
    if (lists.count >= maxActions)
        throw Error("a cell holds at most " + std::to_string(maxActions) + " actions");
    const int n = lists.count + 1;
    lists.text[n] = elseSwitch ? "иначе " + action.text : action.text;
    lists.code[n] = elseSwitch ? "}else{" + action.code : action.code;
    lists.count = n;
}

void deleteAction(Project &project, const ActionCell &cell, int position)
{
    const CellLists lists = cellLists(project, cell);
    if (position < 1 || position > lists.count)
        throw Error("there is no action " + std::to_string(position) + " in this cell");
    for (int k = position; k < lists.count; ++k) {
        lists.text[k] = std::move(lists.text[k + 1]);
        lists.code[k] = std::move(lists.code[k + 1]);
    }
    lists.text[lists.count].clear();
    lists.code[lists.count].clear();
    --lists.count;
}

void deleteLastEvent(Project &project)
{
    if (project.eventCount < 1)
        return;
    emptyActionLists(project.events[project.eventCount]);
    --project.eventCount;
}

void setGroup(Project &project, int event, int group)
{
    if (group < 1 || group > groupCount)
        throw Error("there is no group " + std::to_string(group));
    existingEvent(project, event).group = group;
}

} // namespace zor
