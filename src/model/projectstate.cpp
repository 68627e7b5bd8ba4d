#include "projectstate.h"

namespace zor {
namespace {

constexpr int clearedActiveLevels = 20;
constexpr int clearedConditions = 20;

void setMidletIdentity(Project &project, const std::string &name)
{
    project.midletName = name;
    project.midletVendor = "tolvakn";
    project.midletVersion = "1.0";
}

} // namespace

void applyStartupValues(Project &project, const std::string &homeFolder)
{
    for (int g = 1; g <= groupCount; ++g)
        project.groupNames[g] = "Группа " + std::to_string(g);
    project.levelWidth[1] = 240;
    project.levelHeight[1] = 320;
    clearProject(project);
    project.levelCount = 0;
    project.currentLevel = 0;
    project.projectDir = homeFolder;
    project.projectFile.clear();
    setMidletIdentity(project, "szor");
    project.midletIcon.clear();
}

void clearProject(Project &project)
{
    for (int level = 1; level <= clearedActiveLevels && level <= spareLevel; ++level)
        project.levelActive[level].activePlacedCount = 0;
    project.eventCount = 0;
    for (int e = 1; e <= clearedConditions; ++e)
        project.events[e].condText.clear();
}

void newProjectFromToolbar(Project &project)
{
    clearProject(project);
    setMidletIdentity(project, "Project1");
}

void newProjectFromMenu(Project &project)
{
    clearProject(project);
}

} // namespace zor
