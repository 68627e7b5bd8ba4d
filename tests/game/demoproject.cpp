#include "demoproject.h"

#include "gameproject.h"
#include "pixelart.h"

#include "events/primitive.h"

namespace zor::game {
namespace {

// Level 1, 30 x 20 cells of 16 pixels.
const MapText fieldSky = {
    "..............................", //
    "..............................", //
    "...12............12...........", //
    "..............................", //
    "..........12.............12...", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "33.43...333.4....33...4333..4.", //
    "..............................", //
    "..............................", //
};
const MapText fieldGround = {
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    "..............................", //
    ".....................33333....", //
    "..............................", //
    "..............................", //
    "............3333333...........", //
    "..............................", //
    "..............................", //
    ".....33333....................", //
    "..............................", //
    "..............44..............", //
    "..............44..............", //
    "111111111111111111111111111111", //
    "222222222222222222222222222222", //
};

// Level 2, 30 x 30 cells.
const MapText gardenFloor = {
    "111111111111111111111111111111", //
    "113111111111111111111111111111", //
    "113111111211111111112111111111", //
    "113111111111111111111111111111", //
    "113333333333333333333333311111", //
    "111111111111111111111111311111", //
    "111111111111112111111111311111", //
    "111121111111111111111111311111", //
    "111111111111111111111111311111", //
    "111111111112111111111111311111", //
    "111111111111111111111111311111", //
    "111133333333333333333333311111", //
    "111131111111111111111111111111", //
    "111131111111111112111111111111", //
    "111131111111111111111111111211", //
    "111131111111111111111111111111", //
    "111131111111111111111121111111", //
    "111131111111111111111111111111", //
    "111133333333333333333111111111", //
    "111111111111111111113111111111", //
    "111111111211111111113111111111", //
    "111111111111111111113111111111", //
    "111111111111111111113111111111", //
    "111111111111111111113111121111", //
    "111111111111111111113111111111", //
    "111111111111111111113333333311", //
    "111111111111111111111111111111", //
    "111111211111112111111111111111", //
    "111111111111111111111111111111", //
    "111111111111111111111111111111", //
};
const MapText gardenWalls = {
    "111111111111111111111111111111", //
    "1............................1", //
    "1.....................2......1", //
    "1............................1", //
    "1............................1", //
    "1....2.......................1", //
    "1............................1", //
    "1............................1", //
    "111111111111111111111........1", //
    "1............................1", //
    "1............................1", //
    "1............................1", //
    "1......2.............2.......1", //
    "1............................1", //
    "1............................1", //
    "1........111111111111111111111", //
    "1............................1", //
    "1............................1", //
    "1............................1", //
    "1............................1", //
    "1.................2..........1", //
    "1............................1", //
    "111111111111111..............1", //
    "1............................1", //
    "1............................1", //
    "1............................1", //
    "1.........2..................1", //
    "1............................1", //
    "1............................1", //
    "111111111111111111111111111111", //
};

struct Point
{
    int x;
    int y;
};

const Point fieldStart{32, 264};
const Point gardenStart{32, 28};
const int coinsPerLevel = 5;

std::uint32_t textColour()
{
    return makeColour(255, 255, 255);
}

// Builds events from the catalogue with the values its dialogs would give.
class Events
{
public:
    explicit Events(Project &project)
        : p(project)
    {}

    EventItem levelIs(int level) const { return compare("уровень", "==", std::to_string(level)); }
    EventItem compare(const std::string &a, const std::string &op, const std::string &b) const
    {
        return item(CatalogueMenu::GeneralConditions1, {"Сравнение двух значений"},
                    expression(BuilderMode::CompareTwo, a, op, b));
    }
    EventItem globalIs(int global, const std::string &op, int value) const
    {
        return item(CatalogueMenu::GeneralConditions1, {"Сравнение глобального значения"},
                    expression(BuilderMode::CompareGlobal, "", op, std::to_string(value), global));
    }
    EventItem collision(int a, int b) const
    {
        ItemValues values;
        values.n = a;
        values.m = b;
        return item(CatalogueMenu::ActiveConditions, {"столкновение", "с активным объектом"},
                    values);
    }
    EventItem setGlobal(int global, const std::string &value) const
    {
        return item(CatalogueMenu::SpecialActions, {"установка глобального значения"},
                    expression(BuilderMode::EnterGlobal, "", "", value, global));
    }
    EventItem moveTo(int object, const char *axis, const std::string &value) const
    {
        ItemValues values = expression(BuilderMode::EnterValue, "", "", value);
        values.n = object;
        return item(CatalogueMenu::ActiveActions, {"позиция", std::string("задать ") + axis},
                    values);
    }
    EventItem mode(int object, const char *name, int other = 0) const
    {
        ItemValues values;
        values.n = object;
        values.m = other;
        return item(CatalogueMenu::ActiveActions, {"режим", name}, values);
    }
    EventItem drawing(const Primitive &primitive) const
    {
        ItemValues values;
        values.primitive = primitive;
        return item(CatalogueMenu::SpecialActions, {"графические примитивы", "рисование примитива"},
                    values);
    }
    EventItem text(const std::string &text, int x, int y) const
    {
        Primitive primitive;
        primitive.kind = PrimitiveKind::DrawString;
        primitive.text = text;
        primitive.x = x;
        primitive.y = y;
        primitive.textColour = textColour();
        primitive.listTexts = {"LEFT", "TOP", "FACE_PROPORTIONAL", "STYLE_BOLD", "SIZE_MEDIUM"};
        return drawing(primitive);
    }
    EventItem panel(int x, int y, int w, int h) const
    {
        Primitive primitive;
        primitive.kind = PrimitiveKind::FillRoundRect;
        primitive.shapeColour = makeColour(24, 32, 64);
        primitive.parameters = {x, y, w, h, 10, 10};
        return drawing(primitive);
    }

    int add(const std::vector<EventItem> &conditions)
    {
        const int event = addEvent(p, conditions.front());
        for (size_t i = 1; i < conditions.size(); ++i)
            addCondition(p, event, conditions[i]);
        return event;
    }

    Project &p;
};

} // namespace

std::unique_ptr<Project> demoProject()
{
    auto project = newGameProject(2);
    Project &p = *project;
    p.midletName = "ZorDemo";
    p.midletVendor = "ZOR Studio";
    p.levelNames[1] = "Поле";
    p.levelNames[2] = "Сад";
    p.levelWidth[1] = 480;
    p.levelHeight[1] = 320;
    p.levelWidth[2] = 480;
    p.levelHeight[2] = 480;
    p.bgColor = makeColour(120, 180, 236);

    const int sky = addFon(p, {.name = "sky",
                               .tiles = art::skyTiles(),
                               .tileCols = 4,
                               .map = fieldSky,
                               .transparent = true});
    const int ground = addFon(p, {.name = "ground",
                                  .tiles = art::groundTiles(),
                                  .tileCols = 4,
                                  .map = fieldGround,
                                  .kind = Obstacle});
    const int ladder = addFon(p, {.name = "ladder",
                                  .tiles = art::ladderTile(),
                                  .map = MapText(10, "1"),
                                  .kind = Ladder,
                                  .transparent = true});
    const int floor =
        addFon(p, {.name = "grass", .tiles = art::floorTiles(), .tileCols = 3, .map = gardenFloor});
    const int walls = addFon(p, {.name = "hedge",
                                 .tiles = art::wallTiles(),
                                 .tileCols = 2,
                                 .map = gardenWalls,
                                 .kind = Obstacle});

    const int hero = addActive(p, {.name = "hero",
                                   .sheet = art::hero(),
                                   .frameCount = 10,
                                   .speed = 4,
                                   .accel = 5,
                                   .transparent = true});
    for (int direction : {1, 2, 8}) {
        setAnimation(p, hero, Standing, direction, {1});
        setAnimation(p, hero, Moving, direction, {2, 1, 3, 1});
    }
    for (int direction : {4, 5, 6}) {
        setAnimation(p, hero, Standing, direction, {4});
        setAnimation(p, hero, Moving, direction, {5, 4, 6, 4});
    }
    setAnimation(p, hero, Standing, 3, {7});
    setAnimation(p, hero, Moving, 3, {7, 8});
    setAnimation(p, hero, Standing, 7, {9});
    setAnimation(p, hero, Moving, 7, {9, 10});
    const int slime = addActive(
        p,
        {.name = "slime", .sheet = art::slime(), .frameCount = 4, .speed = 2, .transparent = true});
    setAnimation(p, slime, Standing, {1, 2});
    setAnimation(p, slime, Moving, {1, 2});
    setAnimation(p, slime, Attacking, {3, 4});
    const int coin =
        addActive(p, {.name = "coin", .sheet = art::coin(), .frameCount = 4, .transparent = true});
    setAnimation(p, coin, Standing, {1, 2, 3, 4});
    const int door = addActive(p, {.name = "door", .sheet = art::door(), .transparent = true});
    setAnimation(p, door, Standing, {1});
    const int bat = addActive(
        p, {.name = "bat", .sheet = art::bat(), .frameCount = 2, .speed = 2, .transparent = true});
    setAnimation(p, bat, Standing, {1, 2});
    setAnimation(p, bat, Moving, {1, 2});

    // Level 1: the field, seen from the side.
    placeFon(p, 1, sky, 0, 0);
    placeFon(p, 1, ground, 0, 0);
    placeFon(p, 1, ladder, 320, 128);
    placeActive(p, 1, door, 432, 264);
    for (const Point &c :
         {Point{114, 204}, Point{200, 270}, Point{250, 150}, Point{356, 104}, Point{388, 104}})
        placeActive(p, 1, coin, c.x, c.y);
    placeActive(p, 1, slime, 192, 160);
    placeActive(p, 1, hero, fieldStart.x, fieldStart.y);
    setControl(p, 1, hero, PersonSideView);
    setPath(p, 1, 1, {{.x = 202, .y = 168}, {.x = 294, .y = 168}});

    // Level 2: the garden, seen from above.
    placeFon(p, 2, floor, 0, 0);
    placeFon(p, 2, walls, 0, 0);
    placeActive(p, 2, door, 432, 424);
    for (const Point &c :
         {Point{200, 60}, Point{60, 180}, Point{300, 196}, Point{100, 410}, Point{380, 330}})
        placeActive(p, 2, coin, c.x, c.y);
    placeActive(p, 2, bat, 360, 90);
    placeActive(p, 2, bat, 220, 300);
    placeActive(p, 2, hero, gardenStart.x, gardenStart.y);
    setControl(p, 2, hero, PersonTopDown);

    Events e(p);
    const auto y = [](int object) { return "Y[объект" + std::to_string(object) + "]"; };

    // A new game starts on level 1 with nothing collected.
    int event = e.add({item(CatalogueMenu::GeneralConditions3, {"Начало уровня"}), e.levelIs(1)});
    for (int global : {1, 5, 6})
        addGeneralAction(p, event, 1, e.setGlobal(global, "0"));
    // The slime walks its path.
    event = e.add({item(CatalogueMenu::GeneralConditions3, {"Начало уровня"})});
    addActiveAction(p, event, slime, e.mode(slime, "перемещение по траектории", 1));

    // A coin touched is collected.
    event = e.add({e.collision(hero, coin)});
    addGeneralAction(p, event, 1, e.setGlobal(1, "glob1+1"));
    ItemValues coinValues;
    coinValues.n = coin;
    addActiveAction(p, event, coin,
                    item(CatalogueMenu::ActiveActions, {"видимость", "невидимый"}, coinValues));

    // Jumping on the slime kills it; touching it otherwise sends the hero back to the start.
    event = e.add({e.collision(hero, slime), e.compare(y(hero) + "+18", "<", y(slime))});
    addActiveAction(p, event, slime, e.mode(slime, "смерть"));
    addActiveAction(p, event, hero, e.moveTo(hero, "Y", y(hero) + "-12"));
    event = e.add({e.collision(hero, slime), e.compare(y(hero) + "+18", ">=", y(slime))});
    addActiveAction(p, event, hero, e.moveTo(hero, "Х", std::to_string(fieldStart.x)));
    addActiveAction(p, event, hero, e.moveTo(hero, "Y", std::to_string(fieldStart.y)));

    // Bats that see the hero give chase; their touch sends the hero back.
    ItemValues detection;
    detection.n = bat;
    detection.m = hero;
    detection.min = 0;
    detection.max = 96;
    detection.d = "обнаружение от 0 до 96";
    event = e.add({item(CatalogueMenu::ActiveConditions, {"обнаружение объекта"}, detection)});
    addActiveAction(p, event, bat, e.mode(bat, "преследование", hero));
    event = e.add({e.collision(hero, bat)});
    addActiveAction(p, event, hero, e.moveTo(hero, "Х", std::to_string(gardenStart.x)));
    addActiveAction(p, event, hero, e.moveTo(hero, "Y", std::to_string(gardenStart.y)));

    // The door opens when the level's coins are collected.
    event = e.add({e.collision(hero, door), e.levelIs(1), e.globalIs(1, ">=", coinsPerLevel)});
    ItemValues fromLevel1;
    fromLevel1.l = 1;
    addGeneralAction(p, event, 3,
                     item(CatalogueMenu::LevelActions, {"следующий уровень"}, fromLevel1));
    event = e.add({e.collision(hero, door), e.levelIs(2), e.globalIs(1, ">=", 2 * coinsPerLevel)});
    addGeneralAction(p, event, 1, e.setGlobal(5, "1"));
    addActiveAction(p, event, hero, e.mode(hero, "спокойствие"));
    event = e.add({e.collision(hero, door), e.globalIs(1, "<", coinsPerLevel)});
    addGeneralAction(p, event, 1, e.panel(20, 150, 200, 24));
    addGeneralAction(p, event, 1, e.text("Собери все монеты!", 34, 154));
    event = e.add({e.collision(hero, door), e.levelIs(2), e.globalIs(1, "<", 2 * coinsPerLevel)});
    addGeneralAction(p, event, 1, e.panel(20, 150, 200, 24));
    addGeneralAction(p, event, 1, e.text("Собери все монеты!", 34, 154));

    // Won: a message for three seconds, then the title screen.
    event = e.add({e.globalIs(5, "==", 1)});
    addGeneralAction(p, event, 1, e.setGlobal(6, "glob6+1"));
    addGeneralAction(p, event, 1, e.panel(20, 130, 200, 44));
    addGeneralAction(p, event, 1, e.text("Победа!", 90, 134));
    addGeneralAction(p, event, 1, e.text("Все монеты собраны", 40, 152));
    event = e.add({e.globalIs(6, ">", 90)});
    ItemValues toTitle = expression(BuilderMode::EnterValue, "", "", "0");
    toTitle.l = 2;
    addGeneralAction(p, event, 3,
                     item(CatalogueMenu::LevelActions, {"переход на уровень"}, toTitle));

    // The panel with the coins collected.
    event = e.add({item(CatalogueMenu::GeneralConditions1, {"Всегда"})});
    addGeneralAction(p, event, 1, e.panel(4, 4, 104, 22));
    for (int n = 0; n <= 2 * coinsPerLevel; ++n) {
        event = e.add({e.globalIs(1, "==", n)});
        addGeneralAction(p, event, 1, e.text("Монеты: " + std::to_string(n), 12, 7));
    }
    return project;
}

} // namespace zor::game
