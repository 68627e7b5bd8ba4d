#pragma once

#include "base/picture.h"
#include "base/table.h"

#include <cstdint>
#include <string>

namespace zor {

// Capacities of the project's tables.
constexpr int maxDefinitions = 100; // background and active object definitions, each
constexpr int maxLevels = 10;
constexpr int maxPlacements = 100; // placed objects of each kind per level
constexpr int maxPaths = 100;      // trajectory slots 0..100 per level
constexpr int persistedPaths = 20; // slots 1..20 are saved and generated
constexpr int maxPoints = 40;      // points per trajectory
constexpr int maxEvents = 50;
constexpr int maxActions = 50;       // actions in one cell of the event table
constexpr int maxActionObjects = 30; // objects that can carry actions
constexpr int maxMapSize = 100;      // map cells across and down
constexpr int groupCount = 10;
constexpr int generalColumns = 4; // special, sound, level switching, timers
constexpr int propertyCount = 5;  // user properties that are saved (of 10 slots)
constexpr int levelRows = 100;    // rows of the levels list

// The definition and level tables keep one spare slot past their capacity: moving an entry
// up or down parks it there.
constexpr int spareDefinition = maxDefinitions + 1;
constexpr int spareLevel = maxLevels + 1;

enum class ObjectKind
{
    Fon,
    Active
};

// Background kinds.
enum FonKind
{
    NeutralBackground = 0,
    Obstacle = 1,
    Ladder = 2
};
// How an active object is steered on a level.
enum ControlKind
{
    NoControl = 0,
    PersonTopDown = 1,
    PersonSideView = 2,
    Car = 3
};

// One background (tile-map) object definition.
struct Tfon1
{
    std::string name;
    int tileCols = 0;
    int tileRows = 0;
    int mapCols = 0;
    int mapRows = 0;
    int fonKind = 0;
    Table<Table<int, 1, maxMapSize>, 1, maxMapSize> cells; // [row][column]: tile number
    int layer = 0;
    int mapWidth = 0;
    int mapHeight = 0;
    int tilesWidth = 0;
    int tilesHeight = 0;
    Picture mapPicture;
    Picture tilesPicture;
    int transparent = 0;
    Table<std::string, 1, 10> propNames;
    Table<std::string, 1, 10> propValues;

    bool operator==(const Tfon1 &) const = default;
};

constexpr int animSlots = 6;
constexpr int animDirections = 8;
constexpr int animKinds = 15;

// One active (sprite) object definition.
struct Tactive1
{
    std::string name;
    std::string extraText;
    int frameWidth = 0;
    int frameHeight = 0;
    int frameCount = 0;
    int moveSpeed = 0;
    int accel = 0;
    int braking = 0;
    int reserved1 = 0;
    int layer = 0;
    // [slot][direction][kind]: the 1-based frame shown, 0 for none.
    Table<Table<Table<int, 1, animKinds>, 1, animDirections>, 1, animSlots> anim;
    int reserved2 = 0;
    int previewWidth = 0;
    int previewHeight = 0;
    int sheetWidth = 0;
    int sheetHeight = 0;
    Table<std::string, 1, 10> propNames;
    Table<std::string, 1, 10> propValues;
    Picture preview;
    Picture sheet;
    int transparent = 0;

    bool operator==(const Tactive1 &) const = default;
};

// Per-level header of the placed background objects; all but the count is canvas state.
struct Tfon
{
    int fonPlacedCount = 0;
    bool placePending = false;
    std::string pendingLabel;
    int grabbed = 0;
    int pendingX = 0;
    int pendingY = 0;
};

// Per-level header of the placed active objects.
struct Tactive
{
    Table<int, 0, maxDefinitions> controlKind; // by active object number
    int activePlacedCount = 0;
    std::string extraText;
    bool placePending = false;
    std::string pendingLabel;
    int grabbed = 0;
    int pendingX = 0;
    int pendingY = 0;
};

// One placed background object.
struct Tfon2
{
    int x = 0;
    int y = 0;
    int object = 0;
    std::string label;
    int tileW = 0;
    int tileH = 0;

    bool operator==(const Tfon2 &) const = default;
};

// One placed active object.
struct Tactive2
{
    int x = 0;
    int y = 0;
    int object = 0;
    std::string label;
    int width = 0;
    int height = 0;

    bool operator==(const Tactive2 &) const = default;
};

struct PathPoint
{
    int x = 0;
    int y = 0;

    bool operator==(const PathPoint &) const = default;
};

// One movement trajectory: numbered points, each with up to three successors (0 = none).
struct Trajectory
{
    int pointCount = 0;
    Table<PathPoint, 1, maxPoints> points;
    Table<int, 1, maxPoints> dirA;
    Table<int, 1, maxPoints> dirB;
    Table<int, 1, maxPoints> dirC;

    bool operator==(const Trajectory &) const = default;
};

using ActionTexts = TextTable<0, maxActions>;

// One event: a condition and the actions per column. Entry k of a text list and entry k of
// the matching code list belong together.
struct TEvent
{
    std::string condText;
    std::string condCode;
    int group = 0;
    Table<ActionTexts, 1, generalColumns> generalText;
    Table<ActionTexts, 1, generalColumns> generalCode;
    Table<int, 1, generalColumns> generalCount;
    Table<ActionTexts, 0, maxActionObjects> fonText;
    Table<ActionTexts, 0, maxActionObjects> fonCode;
    Table<int, 0, maxActionObjects> fonActCount;
    Table<ActionTexts, 0, maxActionObjects> actText;
    Table<ActionTexts, 0, maxActionObjects> actCode;
    Table<int, 0, maxActionObjects> actActCount;
    Table<ActionTexts, 0, maxActionObjects> textText;
    Table<ActionTexts, 0, maxActionObjects> textCode;
    Table<int, 0, maxActionObjects> textActCount;
    std::string eventExtra;

    bool operator==(const TEvent &) const = default;
};

// Every table of one project, with the editors' state that lives beside them. Tables are
// indexed from 1 with a count beside them; rows beyond a count keep whatever they held.
struct Project
{
    // Object definitions, placements and trajectories.
    int fonCount = 0;
    int activeCount = 0;
    int textCount = 0;
    Table<Tfon1, 1, spareDefinition> fonObjects;
    Table<Tactive1, 1, spareDefinition> activeObjects;
    Table<Tfon, 1, spareLevel> levelFon;
    Table<Tactive, 1, spareLevel> levelActive;
    Table<Table<Tfon2, 1, maxPlacements>, 1, spareLevel> fonPlaced;
    Table<Table<Tactive2, 1, maxPlacements>, 1, spareLevel> activePlaced;
    Table<Table<Trajectory, 0, maxPaths>, 1, spareLevel> paths;

    // The event table.
    Table<TEvent, 1, maxEvents> events;
    int eventCount = 0;
    Table<std::string, 1, groupCount> groupNames;

    // The levels list.
    int levelCount = 0;
    Table<std::string, 1, levelRows> levelNames;
    Table<int, 1, levelRows> levelWidth;
    Table<int, 1, levelRows> levelHeight;
    Table<std::string, 1, levelRows> levelExtra;
    int selectedLevel = 0;
    int clickedLevel = 0;

    // Project-wide values.
    int currentLevel = 0;
    std::string projectDir;
    std::string projectFile;
    bool saveAsk = false;
    std::uint32_t bgColor = 0;
    std::string jdkPath;
    std::string wtkPath;
    std::string midletName;
    std::string midletVendor;
    std::string midletVersion;
    std::string midletIcon;
};

} // namespace zor
