#pragma once

#include "base/picture.h"
#include "events/catalogue.h"
#include "events/eventtable.h"
#include "model/project.h"

#include <memory>
#include <string>
#include <vector>

// Making game projects through the model API, as the editors would: definitions with their
// pictures, placements, paths and events.
namespace zor::game {

// A project with the start-up values and `levels` levels of 240 x 320.
std::unique_ptr<Project> newGameProject(int levels);

// A map written as text: one string per row, one character per cell: '.' is empty, '1'..'9'
// are tiles 1..9 and 'a'..'z' tiles 10..35.
using MapText = std::vector<std::string>;

struct FonDefinition
{
    std::string name{};
    Picture tiles{};
    int tileCols = 1;
    int tileRows = 1;
    MapText map{};
    int kind = NeutralBackground;
    bool transparent = false;
};
// Appends a background definition; returns its number.
int addFon(Project &project, const FonDefinition &definition);

struct ActiveDefinition
{
    std::string name{};
    Picture sheet{};
    int frameCount = 1;
    int speed = 4;
    int accel = 5;
    int braking = 5;
    bool transparent = false;
    std::vector<std::string> properties{}; // up to five values, "0" for the rest
};
// Appends an active definition; returns its number.
int addActive(Project &project, const ActiveDefinition &definition);

// Animation kinds of the active editor's list.
enum AnimationKind
{
    Standing = 1,
    Moving = 2,
    Attacking = 4
};
// Puts frames (1-based) into the sequence slots of a kind and a direction (1..8).
void setAnimation(Project &project, int object, int kind, int direction,
                  const std::vector<int> &frames);
// The same frames for every direction.
void setAnimation(Project &project, int object, int kind, const std::vector<int> &frames);

void placeFon(Project &project, int level, int object, int x, int y);
void placeActive(Project &project, int level, int object, int x, int y);
void setControl(Project &project, int level, int object, int controlKind);

struct PathPoint
{
    int x = 0;
    int y = 0;
    std::vector<int> next{}; // up to three successors, 1-based
};
void setPath(Project &project, int level, int path, const std::vector<PathPoint> &points);

// Catalogue items, made as the menus make them.
EventItem item(CatalogueMenu menu, const std::vector<std::string> &path,
               const ItemValues &values = {});
// A new event with a condition; returns its number.
int addEvent(Project &project, const EventItem &condition);
// Joins a further condition to an event with "&".
void addCondition(Project &project, int event, const EventItem &condition);
void addGeneralAction(Project &project, int event, int column, const EventItem &action);
void addFonAction(Project &project, int event, int object, const EventItem &action);
void addActiveAction(Project &project, int event, int object, const EventItem &action);

// Texts of the expression builder in a mode: field 1, an operator ("" for none) and field 2,
// each used only where the mode shows it.
ItemValues expression(BuilderMode mode, const std::string &field1, const std::string &op,
                      const std::string &field2, int globalNumber = 1);

// A picture of one colour; a strip of frames each filled with its own colour.
Picture solid(int width, int height, std::uint32_t colour);
Picture strip(int frameWidth, int frameHeight, const std::vector<std::uint32_t> &colours);

} // namespace zor::game
