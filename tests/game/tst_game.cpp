#include "demoproject.h"
#include "gameproject.h"
#include "gamerunner.h"
#include "pixelart.h"
#include "support/testsupport.h"

#include "base/pngfile.h"
#include "model/projectfile.h"
#include "model/projectstate.h"

#include "events/phonekeys.h"
#include "events/primitive.h"

#include <gtest/gtest.h>

#include <map>

namespace fs = std::filesystem;

namespace zor::game {
namespace {

// Every value token of the expression builder that a statement of any column may use, and
// the two that need the loops of object columns.
const std::string anyColumnTokens = "минуты+секунды+сотые+высота+ширина+уровень+rand+Х[объект3]+"
                                    "Y[объект3]+Х[фон2]+Y[фон2]+glob4+abs(0-5)";
const std::string objectColumnTokens = "позиция[текст1]+кол[индикатор1]";

const std::uint32_t red = makeColour(255, 0, 0);
const std::uint32_t green = makeColour(0, 200, 0);
const std::uint32_t blue = makeColour(0, 0, 255);
const std::uint32_t yellow = makeColour(255, 255, 0);

ItemValues builderValues(BuilderMode mode, const std::string &tokens)
{
    switch (mode) {
    case BuilderMode::CompareTwo:
        return expression(mode, tokens, ">", "5");
    case BuilderMode::CompareGlobal:
        return expression(mode, "", "<", tokens, 2);
    case BuilderMode::CompareWithValue:
        return expression(mode, "", "!=", tokens);
    case BuilderMode::EnterGlobal:
        return expression(mode, "", "", tokens, 3);
    case BuilderMode::EnterValue:
        return expression(mode, "", "", tokens);
    }
    return {};
}

// The drawing primitives of every kind, the text with a legal anchor.
std::vector<Primitive> everyPrimitive()
{
    std::vector<Primitive> primitives;
    for (const PrimitiveKindInfo &kind : primitiveKinds()) {
        Primitive p;
        p.kind = kind.kind;
        p.shapeColour = green;
        p.parameters = {10, 20, 30, 40, 0, 270};
        p.text = "Счёт \"1\"";
        p.x = 5;
        p.y = 300;
        p.textColour = yellow;
        p.listTexts = {"LEFT", "BASELINE", "FACE_PROPORTIONAL", "STYLE_BOLD", "SIZE_LARGE"};
        primitives.push_back(p);
    }
    return primitives;
}

// Three definitions of each kind, placed on level 1; level 2 holds only the first of each,
// so that statements naming the others run no loop there.
void addObjects(Project &p)
{
    const int sky = addFon(p, {.name = "sky",
                               .tiles = strip(16, 16, {blue, green}),
                               .tileCols = 2,
                               .map = {"1212121212121212", "2121212121212121"}});
    const int wall = addFon(p, {.name = "wall",
                                .tiles = strip(16, 16, {red, yellow}),
                                .tileCols = 2,
                                .map = {"1..2", "1..2", "1111"},
                                .kind = Obstacle,
                                .transparent = true});
    const int ladder = addFon(p, {.name = "ladder",
                                  .tiles = solid(16, 16, yellow),
                                  .map = {"1", "1", "1", "1"},
                                  .kind = Ladder});
    for (int n = 1; n <= 3; ++n) {
        const int object = addActive(p, {.name = "obj" + std::to_string(n),
                                         .sheet = strip(12, 14, {red, green, blue}),
                                         .frameCount = 3,
                                         .speed = 3 * n,
                                         .transparent = n == 2,
                                         .properties = {"1", "-2", "3+4", "0", std::to_string(n)}});
        setAnimation(p, object, Standing, {1});
        setAnimation(p, object, Moving, 1, {2, 3});
        setAnimation(p, object, Moving, 5, {0, 3, 0, 2});
        setAnimation(p, object, Attacking, {3, 2, 1});
        setControl(p, 1, object, n);
        setControl(p, 2, object, PersonTopDown);
    }
    placeFon(p, 1, sky, 0, 0);
    placeFon(p, 1, wall, 100, 200);
    placeFon(p, 1, wall, 170, 210);
    placeFon(p, 1, ladder, 60, 150);
    placeActive(p, 1, 1, 20, 20);
    placeActive(p, 1, 2, 200, 40);
    placeActive(p, 1, 3, 120, 100);
    placeActive(p, 1, 3, 20, 250);
    placeFon(p, 2, sky, 0, 0);
    placeActive(p, 2, 1, 50, 50);
    setPath(p, 1, 1,
            {{.x = 30, .y = 30, .next = {2, 3}},
             {.x = 200, .y = 60},
             {.x = 90, .y = 280, .next = {1}}});
}

// A project with every item of the catalogue, each made with values its dialog could give.
std::unique_ptr<Project> everyItemProject()
{
    auto p = newGameProject(2);
    addObjects(*p);
    ItemValues values = sampleValues();
    const auto counterAction = [&] {
        return item(CatalogueMenu::SpecialActions, {"установка глобального значения"},
                    expression(BuilderMode::EnterGlobal, "", "", "glob7+1", 7));
    };
    std::map<CatalogueMenu, int> conditionEvents;
    std::map<std::string, int> keyEvents;
    int alwaysEvent = 0;
    const auto always = [&] {
        if (alwaysEvent == 0)
            alwaysEvent = addEvent(*p, item(CatalogueMenu::GeneralConditions1, {"Всегда"}));
        return alwaysEvent;
    };
    int second = 0;
    for (const CatalogueEntry &entry : catalogue()) {
        if (doesNothing(entry))
            continue;
        const bool objectColumn =
            entry.menu == CatalogueMenu::FonActions || entry.menu == CatalogueMenu::ActiveActions;
        const std::string tokens =
            objectColumn ? anyColumnTokens + "+" + objectColumnTokens : anyColumnTokens;
        if (entry.dialog == ValueDialog::ExpressionBuilder) {
            const ItemValues built = builderValues(entry.builderMode, tokens);
            values.d = built.d;
            values.j = built.j;
        }
        if (entry.dialog == ValueDialog::KeyDialog) {
            // One event per kind of key condition, joining the condition of every key.
            int event = 0;
            for (const PhoneKey &key : phoneKeys()) {
                values.k1 = key.displayName;
                values.k2 = key.codeName;
                const EventItem condition = itemTexts(entry, values);
                if (event == 0)
                    event = addEvent(*p, condition);
                else
                    addCondition(*p, event, condition);
            }
            addGeneralAction(*p, event, 1, counterAction());
            continue;
        }
        if (itemKind(entry.menu) == ItemKind::Condition) {
            // Conditions of one menu joined with "&" all run every tick.
            const EventItem condition = itemTexts(entry, values);
            auto [at, added] = conditionEvents.emplace(entry.menu, 0);
            if (added) {
                at->second = addEvent(*p, condition);
                addGeneralAction(*p, at->second, 1, counterAction());
            } else {
                addCondition(*p, at->second, condition);
            }
            continue;
        }
        if (entry.dialog == ValueDialog::DrawingPrimitive) {
            for (const Primitive &primitive : everyPrimitive()) {
                values.primitive = primitive;
                addGeneralAction(*p, always(), 1, itemTexts(entry, values));
            }
            continue;
        }
        const EventItem action = itemTexts(entry, values);
        switch (entry.menu) {
        case CatalogueMenu::SpecialActions:
            addGeneralAction(*p, always(), 1, action);
            break;
        case CatalogueMenu::SoundActions:
            addGeneralAction(
                *p, addEvent(*p, item(CatalogueMenu::GeneralConditions5, {"Финиш 2 таймера"})), 2,
                action);
            break;
        case CatalogueMenu::LevelActions: {
            // Level 1 goes on after 3 seconds, level 2 restarts itself or goes back to the
            // title screen, which the keys leave again.
            static const char *const timers[] = {"Финиш 3 таймера", "Финиш 7 таймера",
                                                 "Финиш 5 таймера"};
            const int event =
                addEvent(*p, item(CatalogueMenu::GeneralConditions5, {timers[second++ % 3]}));
            addGeneralAction(*p, event, 3, action);
            break;
        }
        case CatalogueMenu::FonActions:
            addFonAction(*p, always(), values.n, action);
            break;
        default:
            if (entry.path.front() == "режим") {
                // Each mode in its own second of the level.
                const int event = addEvent(
                    *p, item(CatalogueMenu::GeneralConditions1, {"Сравнение двух значений"},
                             expression(BuilderMode::CompareTwo, "секунды-секунды/6*6",
                                        "==", std::to_string(second++ % 6))));
                addActiveAction(*p, event, values.n, action);
            } else {
                addActiveAction(*p, always(), values.n, action);
            }
            break;
        }
    }
    // An action that runs when its condition is false.
    metka(*p, {always(), ColumnKind::Active, 2},
          item(CatalogueMenu::ActiveActions, {"видимость", "видимый"}, values), true);
    return p;
}

// A short sound for the sound action.
void writeSound(const fs::path &file)
{
    std::string wav = "RIFF";
    const auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            wav.push_back(char(v >> (8 * i)));
    };
    const auto put16 = [&](std::uint16_t v) {
        wav.push_back(char(v));
        wav.push_back(char(v >> 8));
    };
    const std::uint32_t samples = 800;
    put32(36 + samples);
    wav += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(8000);
    put32(8000);
    put16(1);
    put16(8);
    wav += "data";
    put32(samples);
    for (std::uint32_t i = 0; i < samples; ++i)
        wav.push_back(char(i % 16 < 8 ? 0x40 : 0xC0));
    fs::create_directories(file.parent_path());
    test::writeFile(file, wav);
}

// Pressing every key once, after the title screen has been left.
std::string everyKey()
{
    static const char *const keys[] = {"UP", "DOWN", "LEFT", "RIGHT", "FIRE", "SOFT1", "SOFT2",
                                       "0",  "1",    "2",    "3",     "4",    "5",     "6",
                                       "7",  "8",    "9",    "STAR",  "POUND"};
    std::string script;
    int at = 1000;
    for (const char *key : keys) {
        script +=
            std::to_string(at) + ":" + key + "+ " + std::to_string(at + 120) + ":" + key + "- ";
        at += 250;
    }
    return script;
}

// The archive of a project is built in a folder of its own.
class GameTest : public ::testing::Test
{
protected:
    fs::path build(const Project &project) { return buildGame(project, m_folder.path()); }
    const fs::path &folder() const { return m_folder.path(); }

private:
    test::TemporaryFolder m_folder;
};

// The templates declare every name the catalogue's code texts use: a project holding every
// item compiles at source level 1.3, preverifies, packs and runs on two levels and the title
// screen with every key pressed, without an exception.
TEST_F(GameTest, EveryCatalogueItemCompilesAndRuns)
{
    const auto project = everyItemProject();
    writeSound(folder() / "project" / "res" / "theme.wav");
    const fs::path jar = build(*project);
    const GameRun run = runGame(jar, 9000,
                                "600:FIRE+ 700:FIRE- " + everyKey() +
                                    "7000:STAR+ 7100:STAR- 8000:STAR+ 8100:STAR-");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("Exception"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("failed"), std::string::npos) << run.output;
}

// Where a colour shows on the screen.
struct Box
{
    int left = 0;
    int top = 0;
    int right = -1; // inclusive
    int bottom = -1;
    bool found() const { return right >= left; }
};

Box find(const Picture &screen, std::uint32_t colour)
{
    Box box{screen.width(), screen.height(), -1, -1};
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            if (screen.pixel(x, y) == colour) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
        }
    }
    return box;
}

std::ostream &operator<<(std::ostream &out, const Box &box)
{
    return out << "(" << box.left << "," << box.top << ")-(" << box.right << "," << box.bottom
               << ")";
}

// A key on the title screen starts level 1; the second press is for a slow start.
const std::string startLevel = "500:STAR+ 600:STAR- 1000:STAR+ 1100:STAR- ";

const std::uint32_t grey = makeColour(40, 40, 40);
const std::uint32_t magenta = makeColour(255, 0, 255);

std::unique_ptr<Project> behaviourProject(int levels = 1)
{
    auto p = newGameProject(levels);
    p->bgColor = grey;
    return p;
}

int addBlock(Project &p, const std::string &name, std::uint32_t colour, int w = 16, int h = 16)
{
    return addActive(p, {.name = name, .sheet = solid(w, h, colour), .speed = 4});
}

GameRun expectRun(const fs::path &jar, int millis, const std::string &keys)
{
    GameRun run = runGame(jar, millis, startLevel + keys);
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("failed"), std::string::npos) << run.output;
    return run;
}

// Two objects under top-down control walk right while RIGHT is down: the red one stops
// against a wall, the green one stops where the key was let go.
TEST_F(GameTest, TopDownPlayerWalksWhileKeyIsDownAndStopsAtObstacle)
{
    auto p = behaviourProject();
    const int wall = addFon(
        *p,
        {.name = "wall", .tiles = solid(16, 16, blue), .map = {"1", "1", "1"}, .kind = Obstacle});
    const int blocked = addBlock(*p, "blocked", red);
    const int free = addBlock(*p, "free", green);
    placeFon(*p, 1, wall, 80, 48);
    placeActive(*p, 1, blocked, 20, 60);
    placeActive(*p, 1, free, 20, 200);
    setControl(*p, 1, blocked, PersonTopDown);
    setControl(*p, 1, free, PersonTopDown);
    const GameRun run = expectRun(build(*p), 5000, "2000:RIGHT+ 3000:RIGHT-");
    const Box stopped = find(run.screen, red);
    EXPECT_EQ(stopped.right, 79) << stopped;
    EXPECT_EQ(stopped.top, 60) << stopped;
    // About 90 pixels a second for a second: well short of the screen's edge.
    const Box walked = find(run.screen, green);
    EXPECT_GT(walked.left, 60) << walked;
    EXPECT_LT(walked.left, 180) << walked;
    EXPECT_EQ(walked.top, 200) << walked;
}

// Seen from the side, the player falls onto the ground; walking right it stops in a ladder
// against a wall, and UP climbs the ladder to the platform at its top.
TEST_F(GameTest, SideViewPlayerFallsOntoGroundAndClimbsLadder)
{
    auto p = behaviourProject();
    MapText ground(19, std::string(15, '.'));
    ground[10] = ".........111111";
    for (int row = 11; row < 18; ++row)
        ground[size_t(row)][9] = '1';
    ground[18] = std::string(15, '1');
    const int solidGround = addFon(
        *p, {.name = "ground", .tiles = solid(16, 16, blue), .map = ground, .kind = Obstacle});
    const int ladder = addFon(
        *p,
        {.name = "ladder", .tiles = solid(16, 16, yellow), .map = MapText(8, "1"), .kind = Ladder});
    const int hero = addBlock(*p, "hero", red, 16, 24);
    placeFon(*p, 1, solidGround, 0, 0);
    placeFon(*p, 1, ladder, 128, 160);
    placeActive(*p, 1, hero, 40, 40);
    setControl(*p, 1, hero, PersonSideView);
    const fs::path jar = build(*p);

    const Box fallen = find(expectRun(jar, 3500, "").screen, red);
    EXPECT_EQ(fallen.left, 40) << fallen;
    EXPECT_EQ(fallen.bottom, 287) << fallen;

    const Box climbed = find(expectRun(jar, 8000, "2000:RIGHT+ 4000:RIGHT- 4200:UP+").screen, red);
    EXPECT_EQ(climbed.left, 128) << climbed;
    EXPECT_EQ(climbed.bottom, 159) << climbed;
}

// An object on a path passes its three points: each point it reaches sets a global value,
// and each value paints a marker.
TEST_F(GameTest, ObjectOnPathVisitsItsPoints)
{
    auto p = behaviourProject();
    const int walker = addActive(*p, {.name = "walker", .sheet = solid(16, 16, red), .speed = 8});
    placeActive(*p, 1, walker, 100, 150);
    const std::vector<PathPoint> points = {
        {.x = 40, .y = 40}, {.x = 200, .y = 60}, {.x = 120, .y = 260}};
    setPath(*p, 1, 1, points);
    const int start = addEvent(*p, item(CatalogueMenu::GeneralConditions3, {"Начало уровня"}));
    ItemValues path;
    path.n = walker;
    path.m = 1;
    addActiveAction(
        *p, start, walker,
        item(CatalogueMenu::ActiveActions, {"режим", "перемещение по траектории"}, path));
    for (int k = 1; k <= 3; ++k) {
        const PathPoint &point = points[size_t(k - 1)];
        const auto near = [&](const char *axis, int at, const char *op, int by) {
            ItemValues values =
                expression(BuilderMode::CompareWithValue, "", op, std::to_string(at - 8 + by));
            values.n = walker;
            return item(CatalogueMenu::ActiveConditions,
                        {"координаты",
                         std::string("сравнение ") + axis + "-координаты объекта со значением"},
                        values);
        };
        const int reached = addEvent(*p, near("Х", point.x, ">=", -3));
        addCondition(*p, reached, near("Х", point.x, "<=", 3));
        addCondition(*p, reached, near("Y", point.y, ">=", -3));
        addCondition(*p, reached, near("Y", point.y, "<=", 3));
        addGeneralAction(*p, reached, 1,
                         item(CatalogueMenu::SpecialActions, {"установка глобального значения"},
                              expression(BuilderMode::EnterGlobal, "", "", "1", k)));
        const int marked =
            addEvent(*p, item(CatalogueMenu::GeneralConditions1, {"Сравнение глобального значения"},
                              expression(BuilderMode::CompareGlobal, "", "==", "1", k)));
        ItemValues marker;
        marker.primitive.kind = PrimitiveKind::FillRect;
        marker.primitive.shapeColour = yellow;
        marker.primitive.parameters = {k * 30, 300, 10, 10, 0, 0};
        addGeneralAction(*p, marked, 1,
                         item(CatalogueMenu::SpecialActions,
                              {"графические примитивы", "рисование примитива"}, marker));
    }
    const GameRun run = expectRun(build(*p), 7000, "");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(run.screen.pixel(k * 30 + 5, 305), yellow) << "point " << k;
    }
}

// "следующий уровень" on level 1 leads to level 2, which paints its own mark and stays.
TEST_F(GameTest, NextLevelActionSwitchesToLevelTwo)
{
    auto p = behaviourProject(2);
    const auto levelIs = [](int level) {
        return item(CatalogueMenu::GeneralConditions1, {"Сравнение двух значений"},
                    expression(BuilderMode::CompareTwo, "уровень", "==", std::to_string(level)));
    };
    const int leave = addEvent(*p, levelIs(1));
    addCondition(*p, leave,
                 item(CatalogueMenu::GeneralConditions1, {"Сравнение двух значений"},
                      expression(BuilderMode::CompareTwo, "секунды", ">=", "1")));
    ItemValues onLevel1;
    onLevel1.l = 1;
    addGeneralAction(*p, leave, 3,
                     item(CatalogueMenu::LevelActions, {"следующий уровень"}, onLevel1));
    for (int level = 1; level <= 2; ++level) {
        ItemValues mark;
        mark.primitive.kind = PrimitiveKind::FillRect;
        mark.primitive.shapeColour = level == 1 ? red : green;
        mark.primitive.parameters = {20, 20, 50, 50, 0, 0};
        addGeneralAction(*p, addEvent(*p, levelIs(level)), 1,
                         item(CatalogueMenu::SpecialActions,
                              {"графические примитивы", "рисование примитива"}, mark));
    }
    // On level 2 the same action's "from" level is not the running one, and a jump to a level
    // that does not exist is ignored.
    ItemValues missingLevel = expression(BuilderMode::EnterValue, "", "", "7");
    missingLevel.l = 1;
    addGeneralAction(*p, addEvent(*p, levelIs(2)), 3,
                     item(CatalogueMenu::LevelActions, {"переход на уровень"}, missingLevel));
    const GameRun run = expectRun(build(*p), 5000, "");
    EXPECT_TRUE(find(run.screen, green).found());
    EXPECT_FALSE(find(run.screen, red).found());
}

// A drawing action paints its shape in screen coordinates over the scene.
TEST_F(GameTest, DrawingActionPaintsItsShape)
{
    auto p = behaviourProject();
    const int always = addEvent(*p, item(CatalogueMenu::GeneralConditions1, {"Всегда"}));
    ItemValues shape;
    shape.primitive.kind = PrimitiveKind::FillRect;
    shape.primitive.shapeColour = magenta;
    shape.primitive.parameters = {50, 60, 40, 30, 0, 0};
    addGeneralAction(*p, always, 1,
                     item(CatalogueMenu::SpecialActions,
                          {"графические примитивы", "рисование примитива"}, shape));
    const Box painted = find(expectRun(build(*p), 3000, "").screen, magenta);
    EXPECT_EQ(painted.left, 50) << painted;
    EXPECT_EQ(painted.top, 60) << painted;
    EXPECT_EQ(painted.right, 89) << painted;
    EXPECT_EQ(painted.bottom, 89) << painted;
}

// An object told to pursue another goes to it and stops there.
TEST_F(GameTest, PursuerReachesItsTarget)
{
    auto p = behaviourProject();
    const int target = addBlock(*p, "target", green);
    const int pursuer = addBlock(*p, "pursuer", red);
    placeActive(*p, 1, target, 180, 260);
    placeActive(*p, 1, pursuer, 20, 20);
    const int start = addEvent(*p, item(CatalogueMenu::GeneralConditions3, {"Начало уровня"}));
    ItemValues pursue;
    pursue.n = pursuer;
    pursue.m = target;
    addActiveAction(*p, start, pursuer,
                    item(CatalogueMenu::ActiveActions, {"режим", "преследование"}, pursue));
    const GameRun run = expectRun(build(*p), 6000, "");
    const Box a = find(run.screen, red);
    const Box b = find(run.screen, green);
    ASSERT_TRUE(a.found() && b.found());
    // Touching, or within a few pixels.
    EXPECT_LE(std::max({b.left - a.right, a.left - b.right, b.top - a.bottom, a.top - b.bottom}), 4)
        << a << " " << b;
}

// The demo's files in the data folder are what the demo maker makes (run make_demo after
// changing the demo).
TEST(Demo, FilesAreMadeByTheDemoMaker)
{
    const fs::path data = ZOR_DATA_DIR;
    for (const auto &[name, picture] : art::samplePictures())
        EXPECT_EQ(readPng(data / "images" / (name + ".png")), picture) << name;
    EXPECT_EQ(readPng(data / "System" / "draft" / "logo.png"), art::logo());
    test::TemporaryFolder folder;
    saveProject(*demoProject(), folder / "demo.zor");
    EXPECT_EQ(test::readFile(data / "projects" / "demo.zor"), test::readFile(folder / "demo.zor"));
}

// The demo as a user opens it: built and played for a while, jumping onto a platform.
TEST_F(GameTest, DemoBuildsAndPlays)
{
    auto project = std::make_unique<Project>();
    applyStartupValues(*project, folder().string());
    loadProject(*project, fs::path(ZOR_DATA_DIR) / "projects" / "demo.zor");
    const GameRun run = expectRun(build(*project), 6000,
                                  "1500:RIGHT+ 1650:FIRE+ 1750:FIRE- 2200:RIGHT- 4000:LEFT+ "
                                  "4500:LEFT-");
    EXPECT_TRUE(find(run.screen, art::keyColour()).right < 0) << "no magenta on the screen";
}

} // namespace
} // namespace zor::game
