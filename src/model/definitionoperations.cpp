#include "definitionoperations.h"

#include "leveloperations.h"

#include "base/error.h"

#include <algorithm>
#include <utility>

namespace zor {
namespace {

struct ActionLists
{
    Table<ActionTexts, 0, maxActionObjects> &text;
    Table<ActionTexts, 0, maxActionObjects> &code;
    Table<int, 0, maxActionObjects> &count;
};

ActionLists actionLists(TEvent &event, ObjectKind kind)
{
    if (kind == ObjectKind::Fon)
        return {event.fonText, event.fonCode, event.fonActCount};
    return {event.actText, event.actCode, event.actActCount};
}

bool hasActionList(int object)
{
    return object >= 1 && object <= maxActionObjects;
}

void copyActionList(ActionLists lists, int a, int b)
{
    for (int k = 1; k <= lists.count[a]; ++k) {
        lists.text[b][k] = lists.text[a][k];
        lists.code[b][k] = lists.code[a][k];
    }
    lists.count[b] = lists.count[a];
}

void clearActionList(ActionLists lists, int a)
{
    for (int k = 1; k <= lists.count[a]; ++k) {
        lists.text[a][k].clear();
        lists.code[a][k].clear();
    }
    lists.count[a] = 0;
}

int &definitionCount(Project &project, ObjectKind kind)
{
    return kind == ObjectKind::Fon ? project.fonCount : project.activeCount;
}

const char *placementKindText(ObjectKind kind)
{
    return kind == ObjectKind::Fon ? "fon" : "active";
}

// Calls `visit(object number)` for the placements of one kind on one level.
template<typename Visit>
void forEachPlacement(Project &project, ObjectKind kind, int level, Visit visit)
{
    if (!project.levelFon.contains(level))
        return; // no level is open
    if (kind == ObjectKind::Fon) {
        for (int k = 1; k <= project.levelFon[level].fonPlacedCount; ++k)
            visit(project.fonPlaced[level][k].object);
    } else {
        for (int k = 1; k <= project.levelActive[level].activePlacedCount; ++k)
            visit(project.activePlaced[level][k].object);
    }
}

int placementCount(Project &project, ObjectKind kind, int level)
{
    return kind == ObjectKind::Fon ? project.levelFon[level].fonPlacedCount
                                   : project.levelActive[level].activePlacedCount;
}

int placedObject(Project &project, ObjectKind kind, int level, int index)
{
    return kind == ObjectKind::Fon ? project.fonPlaced[level][index].object
                                   : project.activePlaced[level][index].object;
}

// Removes every placement of `object` on `level`, from the last to the first so that the
// remaining indices stay valid while the gaps close.
void removePlacementsOf(Project &project, ObjectKind kind, int level, int object)
{
    if (!project.levelFon.contains(level))
        return;
    const int savedLevel = project.currentLevel;
    project.currentLevel = level;
    for (int k = placementCount(project, kind, level); k >= 1; --k) {
        if (placedObject(project, kind, level, k) == object)
            clear_ob(project, k, placementKindText(kind));
    }
    project.currentLevel = savedLevel;
}

void checkSlot(int slot)
{
    if (slot < 1 || slot > spareDefinition)
        throw Error("object slot " + std::to_string(slot) + " is outside 1.." +
                    std::to_string(maxDefinitions));
}

// Swaps two whole definitions with their action lists and control kinds. Only the first
// objects have action lists: when just one of the two slots has them, it is left empty.
void swapRecords(Project &project, ObjectKind kind, int a, int b)
{
    if (kind == ObjectKind::Fon)
        std::swap(project.fonObjects[a], project.fonObjects[b]);
    else
        std::swap(project.activeObjects[a], project.activeObjects[b]);

    for (int e = 1; e <= maxEvents; ++e) {
        ActionLists lists = actionLists(project.events[e], kind);
        if (hasActionList(a) && hasActionList(b)) {
            std::swap(lists.text[a], lists.text[b]);
            std::swap(lists.code[a], lists.code[b]);
            std::swap(lists.count[a], lists.count[b]);
        } else if (hasActionList(a) || hasActionList(b)) {
            clearActionList(lists, hasActionList(a) ? a : b);
        }
    }

    if (kind == ObjectKind::Active) {
        for (int level = 1; level <= spareLevel; ++level)
            std::swap(project.levelActive[level].controlKind[a],
                      project.levelActive[level].controlKind[b]);
    }
}

// Applies `renumber(object number)` to the placements of one kind on every level.
template<typename Renumber>
void renumberPlacements(Project &project, ObjectKind kind, Renumber renumber)
{
    for (int level = 1; level <= spareLevel; ++level)
        forEachPlacement(project, kind, level, renumber);
}

bool anyActions(Project &project, ObjectKind kind, int object)
{
    for (int e = 1; e <= project.eventCount; ++e) {
        if (actionLists(project.events[e], kind).count[object] > 0)
            return true;
    }
    return false;
}

void moveDefinition(Project &project, ObjectKind kind, int slot, int neighbour)
{
    const int count = definitionCount(project, kind);
    if (slot < 1 || slot > count || neighbour < 1 || neighbour > count)
        return;
    const int lower = std::min(slot, neighbour);
    const int upper = std::max(slot, neighbour);
    if (hasActionList(lower) && !hasActionList(upper) && anyActions(project, kind, lower))
        throw Error("only objects 1 to " + std::to_string(maxActionObjects) +
                    " can carry actions; moving object " + std::to_string(lower) +
                    " down would lose its actions");
    swapRecords(project, kind, slot, neighbour);
    renumberPlacements(project, kind, [slot, neighbour](int &object) {
        if (object == slot)
            object = neighbour;
        else if (object == neighbour)
            object = slot;
    });
}

} // namespace

void copy_ob(Project &project, ObjectKind kind, int a, int b)
{
    checkSlot(a);
    checkSlot(b);
    if (kind == ObjectKind::Fon) {
        const Tfon1 &from = project.fonObjects[a];
        Tfon1 &to = project.fonObjects[b];
        to.name = from.name;
        to.fonKind = from.fonKind;
        to.tileCols = from.tileCols;
        to.tileRows = from.tileRows;
        to.mapCols = from.mapCols;
        to.mapRows = from.mapRows;
        to.mapWidth = from.mapWidth;
        to.mapHeight = from.mapHeight;
        to.tilesWidth = from.tilesWidth;
        to.tilesHeight = from.tilesHeight;
        for (int r = 1; r <= from.mapRows; ++r) {
            for (int c = 1; c <= from.mapCols; ++c)
                to.cells[r][c] = from.cells[r][c];
        }
    } else {
        const Tactive1 &from = project.activeObjects[a];
        Tactive1 &to = project.activeObjects[b];
        to.name = from.name;
        to.extraText = from.extraText;
        to.frameWidth = from.frameWidth;
        to.frameHeight = from.frameHeight;
        to.frameCount = from.frameCount;
        to.moveSpeed = from.moveSpeed;
        to.accel = from.accel;
        to.braking = from.braking;
        to.reserved1 = from.reserved1;
        to.previewWidth = from.previewWidth;
        to.previewHeight = from.previewHeight;
        to.sheetWidth = from.sheetWidth;
        to.sheetHeight = from.sheetHeight;
        to.anim = from.anim;
    }
    if (hasActionList(a) && hasActionList(b)) {
        for (int e = 1; e <= project.eventCount; ++e)
            copyActionList(actionLists(project.events[e], kind), a, b);
    }
    forEachPlacement(project, kind, project.currentLevel, [a, b](int &object) {
        if (object == a)
            object = b;
    });
}

void clear_ob(Project &project, ObjectKind kind, int a)
{
    checkSlot(a);
    removePlacementsOf(project, kind, project.currentLevel, a);
    if (kind == ObjectKind::Fon) {
        Tfon1 &slot = project.fonObjects[a];
        slot.name.clear();
        slot.tileCols = slot.tileRows = slot.mapCols = slot.mapRows = slot.fonKind = 0;
        slot.mapWidth = slot.mapHeight = slot.tilesWidth = slot.tilesHeight = 0;
    } else {
        Tactive1 &slot = project.activeObjects[a];
        slot.name.clear();
        slot.extraText.clear();
        slot.frameWidth = slot.frameHeight = 0;
        slot.frameCount = 1;
        slot.moveSpeed = slot.accel = slot.braking = slot.reserved1 = 0;
        slot.previewWidth = slot.previewHeight = slot.sheetWidth = slot.sheetHeight = 0;
        slot.anim = {};
    }
    if (hasActionList(a)) {
        for (int e = 1; e <= project.eventCount; ++e)
            clearActionList(actionLists(project.events[e], kind), a);
    }
}

void createFon(Project &project, const std::string &name)
{
    if (project.fonCount >= maxDefinitions)
        throw Error("a project holds at most " + std::to_string(maxDefinitions) +
                    " background objects");
    Tfon1 &definition = project.fonObjects[++project.fonCount];
    definition.name = name;
    definition.tilesWidth = definition.tilesHeight = 0;
    definition.mapWidth = definition.mapHeight = 0;
}

void createActive(Project &project, const std::string &name)
{
    if (project.activeCount >= maxDefinitions)
        throw Error("a project holds at most " + std::to_string(maxDefinitions) +
                    " active objects");
    Tactive1 &definition = project.activeObjects[++project.activeCount];
    definition.name = name;
    definition.sheetWidth = definition.sheetHeight = 0;
    definition.previewWidth = definition.previewHeight = 0;
}

void moveDefinitionUp(Project &project, ObjectKind kind, int slot)
{
    moveDefinition(project, kind, slot, slot - 1);
}

void moveDefinitionDown(Project &project, ObjectKind kind, int slot)
{
    moveDefinition(project, kind, slot, slot + 1);
}

void deleteDefinition(Project &project, ObjectKind kind, int slot)
{
    int &count = definitionCount(project, kind);
    if (slot < 1 || slot > count)
        return;
    for (int level = 1; level <= spareLevel; ++level)
        removePlacementsOf(project, kind, level, slot);
    renumberPlacements(project, kind, [slot](int &object) {
        if (object > slot)
            --object;
    });
    for (int i = slot + 1; i <= count; ++i)
        swapRecords(project, kind, i - 1, i);

    // The deleted definition now lies in the last slot.
    if (kind == ObjectKind::Fon) {
        project.fonObjects[count] = Tfon1();
    } else {
        project.activeObjects[count] = Tactive1();
        for (int level = 1; level <= spareLevel; ++level)
            project.levelActive[level].controlKind[count] = 0;
    }
    if (hasActionList(count)) {
        for (int e = 1; e <= maxEvents; ++e)
            clearActionList(actionLists(project.events[e], kind), count);
    }
    --count;
}

} // namespace zor
