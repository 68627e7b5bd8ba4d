// The cost of one game tick (events, objects and painting) against the budget of 33.3 ms that
// a game of 30 ticks a second has: the demo's levels and a stress level of 100 active objects
// on four maps of 100 x 100 cells. An empty level measured in the same run shows the
// engine's floor.
//
//   bench_game [FOLDER]
//
// FOLDER holds the built games (default: a new folder under /tmp, removed afterwards).
#include "demoproject.h"
#include "gameproject.h"
#include "gamerunner.h"
#include "pixelart.h"

#include "base/error.h"
#include "model/projectfile.h"
#include "model/projectstate.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>

namespace fs = std::filesystem;
using namespace zor;
using namespace zor::game;

namespace {

constexpr double budgetMs = 1000.0 / 30;
constexpr int measuredTicks = 1500;

MapText randomMap(std::mt19937 &random, int size, int percent, const std::string &tiles)
{
    MapText map(size_t(size), std::string(size_t(size), '.'));
    for (std::string &row : map) {
        for (char &cell : row) {
            if (int(random() % 100) < percent)
                cell = tiles[random() % tiles.size()];
        }
    }
    return map;
}

// 100 active objects near the player on four maps of 100 x 100 cells: bats chasing the
// player, slimes on paths, coins turning.
std::unique_ptr<Project> stressProject()
{
    std::mt19937 random(7);
    auto p = newGameProject(1);
    p->levelWidth[1] = p->levelHeight[1] = 1600;
    const int floor = addFon(*p, {.name = "grass",
                                  .tiles = art::floorTiles(),
                                  .tileCols = 3,
                                  .map = randomMap(random, 100, 100, "1112")});
    const int decoration = addFon(*p, {.name = "sky",
                                       .tiles = art::skyTiles(),
                                       .tileCols = 4,
                                       .map = randomMap(random, 100, 15, "34"),
                                       .transparent = true});
    MapText walls = randomMap(random, 100, 6, "12");
    walls.front() = walls.back() = std::string(100, '1');
    for (std::string &row : walls)
        row.front() = row.back() = '1';
    const int hedge = addFon(*p, {.name = "hedge",
                                  .tiles = art::wallTiles(),
                                  .tileCols = 2,
                                  .map = walls,
                                  .kind = Obstacle});
    const int ladder = addFon(*p, {.name = "ladder",
                                   .tiles = art::ladderTile(),
                                   .map = randomMap(random, 100, 4, "1"),
                                   .kind = Ladder,
                                   .transparent = true});
    for (int map : {floor, decoration, hedge, ladder})
        placeFon(*p, 1, map, 0, 0);

    const int hero = addActive(
        *p, {.name = "hero", .sheet = art::hero(), .frameCount = 10, .transparent = true});
    setAnimation(*p, hero, Standing, {9});
    const int bat = addActive(
        *p, {.name = "bat", .sheet = art::bat(), .frameCount = 2, .speed = 2, .transparent = true});
    setAnimation(*p, bat, Moving, {1, 2});
    setAnimation(*p, bat, Standing, {1, 2});
    const int slime = addActive(
        *p,
        {.name = "slime", .sheet = art::slime(), .frameCount = 4, .speed = 3, .transparent = true});
    setAnimation(*p, slime, Moving, {1, 2});
    const int coin =
        addActive(*p, {.name = "coin", .sheet = art::coin(), .frameCount = 4, .transparent = true});
    setAnimation(*p, coin, Standing, {1, 2, 3, 4});

    const int centre = 800;
    placeActive(*p, 1, hero, centre, centre);
    setControl(*p, 1, hero, PersonTopDown);
    const auto near = [&](int spread) { return centre - spread + int(random() % (2 * spread)); };
    for (int i = 0; i < 40; ++i)
        placeActive(*p, 1, bat, near(300), near(300));
    for (int i = 0; i < 40; ++i)
        placeActive(*p, 1, slime, near(200), near(200));
    for (int i = 0; i < 19; ++i)
        placeActive(*p, 1, coin, near(120), near(160));
    for (int path = 1; path <= 10; ++path)
        setPath(*p, 1, path,
                {{.x = near(200), .y = near(200), .next = {2}},
                 {.x = near(200), .y = near(200), .next = {3, 1}},
                 {.x = near(200), .y = near(200), .next = {1}}});

    const int start = addEvent(*p, item(CatalogueMenu::GeneralConditions3, {"Начало уровня"}));
    ItemValues chase;
    chase.n = bat;
    chase.m = hero;
    addActiveAction(*p, start, bat,
                    item(CatalogueMenu::ActiveActions, {"режим", "преследование"}, chase));
    ItemValues walk;
    walk.n = slime;
    walk.m = 3;
    addActiveAction(
        *p, start, slime,
        item(CatalogueMenu::ActiveActions, {"режим", "перемещение по траектории"}, walk));
    ItemValues touch;
    touch.n = hero;
    touch.m = coin;
    const int collected = addEvent(
        *p, item(CatalogueMenu::ActiveConditions, {"столкновение", "с активным объектом"}, touch));
    touch.n = coin;
    addActiveAction(*p, collected, coin,
                    item(CatalogueMenu::ActiveActions, {"видимость", "невидимый"}, touch));
    return p;
}

std::unique_ptr<Project> emptyProject()
{
    return newGameProject(1);
}

std::unique_ptr<Project> demo()
{
    auto p = std::make_unique<Project>();
    applyStartupValues(*p, "/tmp");
    loadProject(*p, fs::path(ZOR_DATA_DIR) / "projects" / "demo.zor");
    return p;
}

std::string run(const std::string &commandLine)
{
    std::string output;
    if (runCommand(commandLine, output) != 0)
        throw Error("failed: " + commandLine + "\n" + output);
    return output;
}

struct Timing
{
    double medianMs = 0;
    double meanMs = 0;
};

// Times ticks of one level of a built game with the harness, compiled beside the game.
Timing timeLevel(const fs::path &jar, int level)
{
    const fs::path folder = jar.parent_path();
    const ToolChain tools = ToolChain::configured();
    const fs::path midp = tools.programFolder / "wtk" / "lib" / "midpapi20.jar";
    const std::string classPath =
        quoted(midp.string() + ":" + jar.string() + ":" + (folder / "bench").string());
    run(quoted(ZOR_JAVAC) + " -nowarn -cp " + classPath + " -d " +
        quoted((folder / "bench").string()) + " " + quoted(ZOR_TICK_BENCH));
    std::istringstream result(run(quoted(ZOR_JAVA) + " -Djava.awt.headless=true -cp " + classPath +
                                  " TickBench " + std::to_string(level) + " " +
                                  std::to_string(measuredTicks)));
    int number = 0;
    Timing timing;
    result >> number >> timing.medianMs >> timing.meanMs;
    return timing;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        const bool temporary = argc < 2;
        fs::path folder = temporary ? fs::temp_directory_path() / "zor-bench-game" : argv[1];
        fs::remove_all(folder);
        const auto report = [](const char *what, const Timing &t, double floor) {
            std::printf("%-44s %7.3f ms median %7.3f ms mean  %6.4f of the budget  %5.1f x "
                        "empty\n",
                        what, t.medianMs, t.meanMs, t.meanMs / budgetMs, t.meanMs / floor);
        };
        const Timing empty = timeLevel(buildGame(*emptyProject(), folder / "empty"), 1);
        report("empty level", empty, empty.meanMs);
        const auto project = demo();
        const fs::path demoJar = buildGame(*project, folder / "demo");
        for (int level = 1; level <= project->levelCount; ++level)
            report(("demo level " + std::to_string(level)).c_str(), timeLevel(demoJar, level),
                   empty.meanMs);
        report("stress: 100 objects, 4 maps of 100 x 100",
               timeLevel(buildGame(*stressProject(), folder / "stress"), 1), empty.meanMs);
        if (temporary)
            fs::remove_all(folder);
    } catch (const Error &error) {
        std::fprintf(stderr, "bench_game: %s\n", error.what());
        return 1;
    }
    return 0;
}
