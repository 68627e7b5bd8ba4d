#include "leveloperations.h"

#include "base/error.h"

#include <utility>

namespace zor {

void copy_ur(Project &project, int from, int to)
{
    const int fonCount = project.levelFon[from].fonPlacedCount;
    for (int k = 1; k <= fonCount; ++k)
        project.fonPlaced[to][k] = project.fonPlaced[from][k];
    project.levelFon[to].fonPlacedCount = fonCount;

    const int activeCount = project.levelActive[from].activePlacedCount;
    for (int k = 1; k <= activeCount; ++k)
        project.activePlaced[to][k] = project.activePlaced[from][k];
    project.levelActive[to].activePlacedCount = activeCount;

    project.levelNames[to] = project.levelNames[from];
    project.levelHeight[to] = project.levelHeight[from];
    project.levelWidth[to] = project.levelWidth[from];
}

void clear_ur(Project &project, int level)
{
    Tfon &fonHeader = project.levelFon[level];
    for (int k = 1; k <= fonHeader.fonPlacedCount; ++k)
        project.fonPlaced[level][k] = Tfon2();
    fonHeader.fonPlacedCount = 0;

    Tactive &activeHeader = project.levelActive[level];
    for (int k = 1; k <= activeHeader.activePlacedCount; ++k)
        project.activePlaced[level][k] = Tactive2();
    activeHeader.activePlacedCount = 0;

    project.levelNames[level].clear();
    project.levelHeight[level] = 0;
    project.levelWidth[level] = 0;
}

namespace {

template<typename Placement>
void removePlacement(Table<Placement, 1, maxPlacements> &placements, int &count, int index)
{
    if (index < 1 || index > count)
        return;
    for (int j = index + 1; j <= count; ++j)
        placements[j - 1] = placements[j];
    placements[count] = Placement();
    --count;
}

// Everything stored for one level, in one place so that moves cannot forget a part.
void swapLevels(Project &project, int a, int b)
{
    std::swap(project.levelFon[a].fonPlacedCount, project.levelFon[b].fonPlacedCount);
    std::swap(project.levelActive[a].activePlacedCount, project.levelActive[b].activePlacedCount);
    std::swap(project.levelActive[a].controlKind, project.levelActive[b].controlKind);
    std::swap(project.fonPlaced[a], project.fonPlaced[b]);
    std::swap(project.activePlaced[a], project.activePlaced[b]);
    std::swap(project.paths[a], project.paths[b]);
    std::swap(project.levelNames[a], project.levelNames[b]);
    std::swap(project.levelWidth[a], project.levelWidth[b]);
    std::swap(project.levelHeight[a], project.levelHeight[b]);
    std::swap(project.levelExtra[a], project.levelExtra[b]);
}

void emptyLevel(Project &project, int level)
{
    clear_ur(project, level);
    project.fonPlaced[level] = {};
    project.activePlaced[level] = {};
    project.levelActive[level].controlKind = {};
    project.paths[level] = {};
    project.levelExtra[level].clear();
}

bool isLevel(const Project &project, int level)
{
    return level >= 1 && level <= project.levelCount;
}

} // namespace

void clear_ob(Project &project, int index, std::string_view kind)
{
    const int level = project.currentLevel;
    if (kind == "fon")
        removePlacement(project.fonPlaced[level], project.levelFon[level].fonPlacedCount, index);
    else if (kind == "active")
        removePlacement(project.activePlaced[level], project.levelActive[level].activePlacedCount,
                        index);
}

void createLevel(Project &project, const std::string &name)
{
    if (project.levelCount >= maxLevels)
        throw Error("a project holds at most " + std::to_string(maxLevels) + " levels");
    project.selectedLevel = project.levelCount + 1;
    project.levelNames[project.selectedLevel] = name;
    project.levelCount = project.selectedLevel;
}

void moveLevelUp(Project &project, int level)
{
    if (isLevel(project, level) && level > 1)
        swapLevels(project, level, level - 1);
    project.currentLevel = 0;
}

void moveLevelDown(Project &project, int level)
{
    if (isLevel(project, level) && level < project.levelCount)
        swapLevels(project, level, level + 1);
    project.currentLevel = 0;
}

void deleteLevel(Project &project, int level)
{
    if (project.levelCount < 2 || !isLevel(project, level))
        return;
    for (int i = level + 1; i <= project.levelCount; ++i)
        swapLevels(project, i - 1, i);
    emptyLevel(project, project.levelCount);
    --project.levelCount;
    project.currentLevel = 0;
}

} // namespace zor
