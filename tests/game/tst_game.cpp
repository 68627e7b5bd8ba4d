#include "gameproject.h"
#include "gamerunner.h"
#include "support/testsupport.h"
#include "base/pngfile.h"

#include <gtest/gtest.h>

using namespace zor;
using namespace zor::game;

TEST(Game, Smoke)
{
    auto p = newGameProject(1);
    const int wall = addFon(*p, {.name = "wall", .tiles = solid(16, 16, makeColour(0, 0, 255)),
                                 .map = {"..........", "..........", ".........1", ".........1"},
                                 .kind = Obstacle});
    const int hero = addActive(*p, {.name = "hero", .sheet = solid(16, 16, makeColour(255, 0, 0))});
    placeFon(*p, 1, wall, 0, 100);
    placeActive(*p, 1, hero, 20, 120);
    setControl(*p, 1, hero, PersonTopDown);
    test::TemporaryFolder folder;
    const auto jar = buildGame(*p, folder.path());
    const GameRun run = runGame(jar, 3000, "700:FIRE+ 800:FIRE- 1000:RIGHT+");
    std::cerr << run.output;
    EXPECT_EQ(run.exitCode, 0);
    writePng("/tmp/smoke.png", run.screen);
}
