#include "base/codepage.h"
#include "base/error.h"
#include "model/definitionoperations.h"
#include "model/leveloperations.h"
#include "model/projectfile.h"
#include "model/projectstate.h"
#include "model/settingsfile.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace fs = std::filesystem;
using namespace zor;
using zor::test::readFile;
using zor::test::TemporaryFolder;
using zor::test::writeFile;

namespace {

std::unique_ptr<Project> startedProject()
{
    auto project = std::make_unique<Project>();
    applyStartupValues(*project, "/home/user");
    return project;
}

// Every field the project file carries, compared table by table so that a failure names it.
void expectSamePersistedFields(const Project &a, const Project &b)
{
    ASSERT_EQ(a.fonCount, b.fonCount);
    for (int i = 1; i <= a.fonCount; ++i)
        EXPECT_TRUE(a.fonObjects[i] == b.fonObjects[i]) << "background object " << i;
    ASSERT_EQ(a.activeCount, b.activeCount);
    for (int i = 1; i <= a.activeCount; ++i)
        EXPECT_TRUE(a.activeObjects[i] == b.activeObjects[i]) << "active object " << i;
    ASSERT_EQ(a.eventCount, b.eventCount);
    for (int e = 1; e <= a.eventCount; ++e)
        EXPECT_TRUE(a.events[e] == b.events[e]) << "event " << e;
    ASSERT_EQ(a.levelCount, b.levelCount);
    for (int level = 1; level <= a.levelCount; ++level) {
        const int fonPlaced = a.levelFon[level].fonPlacedCount;
        ASSERT_EQ(fonPlaced, b.levelFon[level].fonPlacedCount);
        for (int k = 1; k <= fonPlaced; ++k)
            EXPECT_EQ(a.fonPlaced[level][k], b.fonPlaced[level][k]);
        const int activePlaced = a.levelActive[level].activePlacedCount;
        ASSERT_EQ(activePlaced, b.levelActive[level].activePlacedCount);
        for (int k = 1; k <= activePlaced; ++k) {
            EXPECT_EQ(a.activePlaced[level][k], b.activePlaced[level][k]);
            EXPECT_EQ(a.levelActive[level].controlKind[k], b.levelActive[level].controlKind[k]);
        }
        EXPECT_EQ(a.levelNames[level], b.levelNames[level]);
        EXPECT_EQ(a.levelWidth[level], b.levelWidth[level]);
        EXPECT_EQ(a.levelHeight[level], b.levelHeight[level]);
        EXPECT_EQ(a.levelExtra[level], b.levelExtra[level]);
        for (int t = 1; t <= persistedPaths; ++t)
            EXPECT_TRUE(a.paths[level][t] == b.paths[level][t])
                << "level " << level << " path " << t;
    }
    if (a.levelCount > 0) {
        EXPECT_EQ(a.bgColor, b.bgColor);
    }
    EXPECT_EQ(a.midletName, b.midletName);
    EXPECT_EQ(a.midletVendor, b.midletVendor);
    EXPECT_EQ(a.midletVersion, b.midletVersion);
    EXPECT_EQ(a.midletIcon, b.midletIcon);
    EXPECT_TRUE(a.groupNames == b.groupNames);
}

std::vector<std::string> lines(const std::string &bytes)
{
    std::vector<std::string> result;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        result.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return result;
}

std::string joined(const std::vector<std::string> &lines)
{
    std::string bytes;
    for (const std::string &line : lines)
        bytes += line + "\r\n";
    return bytes;
}

// A small project with one of everything, built as the editors would build it.
std::unique_ptr<Project> smallProject()
{
    auto p = startedProject();
    createFon(*p, "Стена");
    Tfon1 &wall = p->fonObjects[1];
    wall.tileCols = 2;
    wall.tileRows = 1;
    wall.mapCols = 2;
    wall.mapRows = 1;
    wall.cells[1][1] = 1;
    wall.cells[1][2] = 2;
    wall.fonKind = Obstacle;
    wall.layer = 1;
    wall.tilesPicture = Picture(2, 1, 0x123456);
    wall.tilesWidth = 2;
    wall.tilesHeight = 1;
    createActive(*p, "Герой");
    p->activeObjects[1].frameCount = 2;
    p->activeObjects[1].anim[1][3][2] = 2;
    createLevel(*p, "Уровень 1");
    p->levelWidth[1] = 240;
    p->levelHeight[1] = 320;
    p->levelFon[1].fonPlacedCount = 1;
    p->fonPlaced[1][1] = {0, 0, 1, "Стена", 1, 1};
    p->levelActive[1].activePlacedCount = 1;
    p->levelActive[1].controlKind[1] = PersonTopDown;
    p->activePlaced[1][1] = {10, 20, 1, "Герой", 16, 16};
    p->paths[1][1].pointCount = 1;
    p->paths[1][1].points[1] = {5, 6};
    p->eventCount = 1;
    p->events[1].condText = "Всегда";
    p->events[1].condCode = "(true)";
    p->events[1].eventExtra = "event";
    p->events[1].group = 2;
    p->events[1].actActCount[1] = 1;
    p->events[1].actText[1][1] = "Стоп";
    p->events[1].actCode[1][1] = "act[0][kr1].stop();";
    return p;
}

} // namespace

TEST(ProjectFile, RandomProjectsRoundTripByteForByte)
{
    TemporaryFolder folder;
    std::mt19937 random(20261211);
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const auto original = test::randomProject(random, round == 11 ? 0.6 : 0.08);
        saveProject(*original, folder / "a.zor");
        auto loaded = startedProject();
        loadProject(*loaded, folder / "a.zor");
        expectSamePersistedFields(*original, *loaded);
        saveProject(*loaded, folder / "b.zor");
        ASSERT_EQ(readFile(folder / "a.zor"), readFile(folder / "b.zor"));
    }
}

TEST(ProjectFile, EmptyProjectIsTheFourCountsMidletAndGroups)
{
    TemporaryFolder folder;
    saveProject(*startedProject(), folder / "empty.zor");
    std::string expected = "0\r\n0\r\n0\r\n0\r\nszor\r\ntolvakn\r\n1.0\r\n\r\n";
    for (int g = 1; g <= 10; ++g)
        expected += utf8ToCp1251("Группа " + std::to_string(g)) + "\r\n";
    EXPECT_EQ(readFile(folder / "empty.zor"), expected);
}

TEST(ProjectFile, PicturesAreWrittenColumnByColumnWithAnExtraColumnAndRow)
{
    TemporaryFolder folder;
    auto p = startedProject();
    createFon(*p, "f"); // no picture yet: written as a single "-1"
    createActive(*p, "a");
    Tactive1 &a = p->activeObjects[1];
    a.sheet = Picture(2, 1);
    a.sheet.setPixel(0, 0, 255);
    a.sheet.setPixel(1, 0, 16777215);
    a.sheetWidth = 2;
    a.sheetHeight = 1;
    saveProject(*p, folder / "p.zor");
    const std::vector<std::string> file = lines(readFile(folder / "p.zor"));
    // background object: name, kind, 4 sizes, (no cells), kind, 0, 0, "-1", 0, 0, "-1"
    EXPECT_EQ(std::vector<std::string>(file.begin() + 8, file.begin() + 14),
              (std::vector<std::string>{"0", "0", "-1", "0", "0", "-1"}));
    const auto sheetStart = std::find(file.begin() + 745, file.end(), "2");
    ASSERT_NE(sheetStart, file.end());
    EXPECT_EQ(std::vector<std::string>(sheetStart, sheetStart + 8),
              (std::vector<std::string>{"2", "1", "255", "-1", "16777215", "-1", "-1", "-1"}));
}

TEST(ProjectFile, LoadingKeepsRowsBeyondTheCountsAndEndsOnTheLastLevel)
{
    TemporaryFolder folder;
    auto p = smallProject();
    createLevel(*p, "Второй");
    createLevel(*p, "Третий");
    saveProject(*p, folder / "three.zor");

    auto target = startedProject();
    createFon(*target, "a");
    createFon(*target, "b");
    target->fonObjects[2].name = "stale";
    target->levelActive[1].controlKind[5] = Car; // above the placement count: not stored
    clearProject(*target);
    loadProject(*target, folder / "three.zor");
    EXPECT_EQ(target->fonCount, 1);
    EXPECT_EQ(target->fonObjects[2].name, "stale");
    EXPECT_EQ(target->currentLevel, 3);
    EXPECT_EQ(target->projectFile, (folder / "three.zor").string());
    EXPECT_EQ(target->projectDir, folder.path().string());

    auto fresh = startedProject();
    loadProject(*fresh, folder / "three.zor");
    EXPECT_EQ(fresh->levelActive[1].controlKind[1], PersonTopDown);
    EXPECT_EQ(fresh->levelActive[1].controlKind[5], NoControl);
}

TEST(ProjectFile, GroupLinesAreDecimalsRoundedHalfToEven)
{
    TemporaryFolder folder;
    saveProject(*smallProject(), folder / "p.zor");
    std::vector<std::string> file = lines(readFile(folder / "p.zor"));
    const size_t groupLine = file.size() - 1 - 20 * 1 - 5; // before the 20 trajectories
    ASSERT_EQ(file[groupLine], "2");
    for (const auto &[text, group] :
         std::vector<std::pair<std::string, int>>{{"3", 3}, {"2.5", 2}, {"3,5", 4}, {" 7 ", 7}}) {
        file[groupLine] = text;
        writeFile(folder / "q.zor", joined(file));
        auto p = startedProject();
        loadProject(*p, folder / "q.zor");
        EXPECT_EQ(p->events[1].group, group) << text;
    }
}

TEST(ProjectFile, FailedLoadLeavesTheProjectAsItWasAndSaysWhereAndWhat)
{
    TemporaryFolder folder;
    saveProject(*smallProject(), folder / "good.zor");
    const std::vector<std::string> good = lines(readFile(folder / "good.zor"));
    const auto lineOf = [&](const std::string &text) {
        return size_t(std::find(good.begin(), good.end(), text) - good.begin());
    };
    const size_t fonMarker = lineOf("fon_ob");
    const size_t activeMarker = lineOf("active_ob");
    const size_t levelCountLine = fonMarker - 2;

    const struct
    {
        const char *name;
        size_t line; // 0-based line to replace
        std::string text;
        const char *message;
    } cases[] = {
        {"too many background objects", 0, "101", "the number of background objects from 0 to 100"},
        {"negative count", 0, "-1", "the number of background objects from 0 to 100"},
        {"a word for a number", 3, "two",
         "the number of tile columns (a whole number), found \"two\""},
        {"map too wide", 5, "101", "the map width in cells from 0 to 100"},
        {"too many levels", levelCountLine, "11", "the number of levels from 0 to 10"},
        {"too many placements", fonMarker - 1, "101", "placed background objects from 0 to 100"},
        {"wrong marker", fonMarker, "fon_0b", "the marker line \"fon_ob\""},
        {"wrong second marker", activeMarker, "", "the marker line \"active_ob\""},
        {"picture too large", 14, "100000000", "too large"},
        {"negative picture size", 13, "-2", "the tile set width"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> broken = good;
        broken[c.line] = c.text;
        writeFile(folder / "bad.zor", joined(broken));
        auto p = smallProject();
        p->midletName = "unchanged";
        try {
            loadProject(*p, folder / "bad.zor");
            ADD_FAILURE() << "loaded";
        } catch (const Error &error) {
            EXPECT_EQ(error.file(), (folder / "bad.zor").string());
            EXPECT_EQ(error.line(), int(c.line) + 1);
            EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
        }
        EXPECT_EQ(p->midletName, "unchanged");
        EXPECT_EQ(p->currentLevel, 0);
        EXPECT_TRUE(p->projectFile.empty());
    }

    std::vector<std::string> truncated(good.begin(), good.end() - 3);
    writeFile(folder / "short.zor", joined(truncated));
    auto p = smallProject();
    EXPECT_THROW(loadProject(*p, folder / "short.zor"), Error);
    EXPECT_THROW(loadProject(*p, folder / "missing.zor"), Error);
    EXPECT_EQ(p->levelCount, 1);
}

TEST(ProjectFile, FailedSaveKeepsThePreviousFile)
{
    TemporaryFolder folder;
    auto p = smallProject();
    saveProject(*p, folder / "p.zor");
    const std::string before = readFile(folder / "p.zor");
    p->levelFon[1].fonPlacedCount = 101; // beyond the table: refused, not written
    EXPECT_THROW(saveProject(*p, folder / "p.zor"), Error);
    EXPECT_EQ(readFile(folder / "p.zor"), before);
    EXPECT_THROW(saveProject(*smallProject(), folder / "no-folder" / "p.zor"), Error);
}

TEST(ProjectState, ClearingAndTheTwoNewCommandsTouchOnlyWhatTheySay)
{
    auto p = smallProject();
    p->midletName = "Game";
    newProjectFromMenu(*p);
    EXPECT_EQ(p->eventCount, 0);
    EXPECT_EQ(p->events[1].condText, "");
    EXPECT_EQ(p->levelActive[1].activePlacedCount, 0);
    EXPECT_EQ(p->levelFon[1].fonPlacedCount, 1);
    EXPECT_EQ(p->fonCount, 1);
    EXPECT_EQ(p->levelCount, 1);
    EXPECT_EQ(p->midletName, "Game");

    newProjectFromToolbar(*p);
    EXPECT_EQ(p->midletName, "Project1");
    EXPECT_EQ(p->midletVendor, "tolvakn");
    EXPECT_EQ(p->midletVersion, "1.0");
    EXPECT_EQ(p->activeCount, 1);

    auto fresh = startedProject();
    EXPECT_EQ(fresh->midletName, "szor");
    EXPECT_EQ(fresh->groupNames[10], "Группа 10");
    EXPECT_EQ(fresh->levelWidth[1], 240);
    EXPECT_EQ(fresh->levelHeight[1], 320);
    EXPECT_EQ(fresh->projectDir, "/home/user");
}

namespace {

std::string fonLabels(const Project &p, int level)
{
    std::string labels;
    for (int k = 1; k <= p.levelFon[level].fonPlacedCount; ++k)
        labels += p.fonPlaced[level][k].label;
    return labels;
}

void placeFon(Project &p, int level, const std::string &label, int object = 1)
{
    p.fonPlaced[level][++p.levelFon[level].fonPlacedCount] = {1, 2, object, label, 3, 4};
}

std::string levelNames(const Project &p)
{
    std::string names;
    for (int level = 1; level <= p.levelCount; ++level)
        names += p.levelNames[level];
    return names;
}

} // namespace

TEST(LevelOperations, PlacementRemovalClosesTheGap)
{
    auto p = startedProject();
    createLevel(*p, "L");
    p->currentLevel = 1;
    for (const char *label : {"A", "B", "C"})
        placeFon(*p, 1, label);
    clear_ob(*p, 2, "fon");
    EXPECT_EQ(fonLabels(*p, 1), "AC");
    EXPECT_EQ(p->fonPlaced[1][3], Tfon2());
    clear_ob(*p, 2, "fon");
    EXPECT_EQ(fonLabels(*p, 1), "A");
    clear_ob(*p, 5, "fon");   // no such placement
    clear_ob(*p, 1, "other"); // no such kind
    EXPECT_EQ(fonLabels(*p, 1), "A");
    p->currentLevel = 0;
    EXPECT_THROW(clear_ob(*p, 1, "fon"), Error); // no level open
}

TEST(LevelOperations, CopyAndClearMoveALevel)
{
    auto p = startedProject();
    createLevel(*p, "One");
    placeFon(*p, 1, "A");
    placeFon(*p, 1, "B");
    copy_ur(*p, 1, 3);
    clear_ur(*p, 1);
    EXPECT_EQ(fonLabels(*p, 3), "AB");
    EXPECT_EQ(p->levelNames[3], "One");
    EXPECT_EQ(p->levelWidth[3], 240);
    EXPECT_EQ(p->levelFon[1].fonPlacedCount, 0);
    EXPECT_EQ(p->levelNames[1], "");
    EXPECT_EQ(p->levelWidth[1], 0);
    EXPECT_EQ(p->levelHeight[1], 0);
}

TEST(LevelOperations, MovesAndDeletionCarryTheWholeLevel)
{
    auto p = startedProject();
    for (const char *name : {"A", "B", "C"})
        createLevel(*p, name);
    placeFon(*p, 2, "b");
    p->paths[2][1].pointCount = 1;
    p->levelActive[2].controlKind[4] = Car;
    p->currentLevel = 2;
    moveLevelUp(*p, 2);
    EXPECT_EQ(levelNames(*p), "BAC");
    EXPECT_EQ(p->currentLevel, 0);
    EXPECT_EQ(fonLabels(*p, 1), "b");
    EXPECT_EQ(p->paths[1][1].pointCount, 1);
    EXPECT_EQ(p->levelActive[1].controlKind[4], Car);

    moveLevelUp(*p, 1);   // first level: nothing moves
    moveLevelDown(*p, 3); // last level: nothing moves
    EXPECT_EQ(levelNames(*p), "BAC");

    deleteLevel(*p, 1);
    EXPECT_EQ(levelNames(*p), "AC");
    EXPECT_EQ(p->levelCount, 2);
    EXPECT_EQ(p->levelNames[3], "");
    EXPECT_EQ(p->paths[3][1].pointCount, 0);
    deleteLevel(*p, 1);
    deleteLevel(*p, 1); // the last level stays
    EXPECT_EQ(levelNames(*p), "C");
}

TEST(LevelOperations, CreationRefusesAnEleventhLevel)
{
    auto p = startedProject();
    for (int i = 1; i <= maxLevels; ++i)
        createLevel(*p, "L" + std::to_string(i));
    EXPECT_THROW(createLevel(*p, "L11"), Error);
    EXPECT_EQ(p->levelCount, 10);
    EXPECT_EQ(p->levelNames[11], "");
}

TEST(DefinitionOperations, CreationRefusesTheHundredAndFirst)
{
    auto p = startedProject();
    for (int i = 1; i <= maxDefinitions; ++i) {
        createFon(*p, "f");
        createActive(*p, "a");
    }
    EXPECT_THROW(createFon(*p, "f"), Error);
    EXPECT_THROW(createActive(*p, "a"), Error);
    EXPECT_EQ(p->fonCount, 100);
}

TEST(DefinitionOperations, CopyLeavesCellsBeyondTheCopiedMap)
{
    auto p = startedProject();
    createFon(*p, "small");
    createFon(*p, "big");
    p->fonObjects[1].mapCols = p->fonObjects[1].mapRows = 10;
    p->fonObjects[1].cells[1][1] = 7;
    p->fonObjects[2].mapCols = p->fonObjects[2].mapRows = 20;
    p->fonObjects[2].cells[15][15] = 9;
    copy_ob(*p, ObjectKind::Fon, 1, 2);
    EXPECT_EQ(p->fonObjects[2].name, "small");
    EXPECT_EQ(p->fonObjects[2].mapCols, 10);
    EXPECT_EQ(p->fonObjects[2].cells[1][1], 7);
    EXPECT_EQ(p->fonObjects[2].cells[15][15], 9);
}

TEST(DefinitionOperations, ClearingAnActiveObjectRemovesItsPlacements)
{
    auto p = startedProject();
    createLevel(*p, "L");
    p->currentLevel = 1;
    createActive(*p, "hero");
    createActive(*p, "enemy");
    p->activeObjects[1].frameCount = 4;
    for (int object : {1, 2, 1, 2, 1})
        p->activePlaced[1][++p->levelActive[1].activePlacedCount] = {object, 0, object, "", 0, 0};
    p->eventCount = 1;
    p->events[1].actActCount[1] = 1;
    p->events[1].actCode[1][1] = "x";
    clear_ob(*p, ObjectKind::Active, 1);
    EXPECT_EQ(p->levelActive[1].activePlacedCount, 2);
    EXPECT_EQ(p->activePlaced[1][1].object, 2);
    EXPECT_EQ(p->activePlaced[1][2].object, 2);
    EXPECT_EQ(p->activeObjects[1].frameCount, 1);
    EXPECT_EQ(p->activeObjects[1].name, "");
    EXPECT_EQ(p->events[1].actActCount[1], 0);
    EXPECT_EQ(p->events[1].actCode[1][1], "");
}

TEST(DefinitionOperations, MovingSwapsDefinitionsPlacementsAndActionsOnEveryLevel)
{
    auto p = startedProject();
    createLevel(*p, "L1");
    createLevel(*p, "L2");
    createFon(*p, "one");
    createFon(*p, "two");
    p->fonObjects[2].mapPicture = Picture(1, 1, 2);
    p->fonObjects[2].layer = 3;
    placeFon(*p, 1, "a", 1);
    placeFon(*p, 1, "b", 2);
    placeFon(*p, 2, "c", 2);
    p->eventCount = 1;
    p->events[1].fonActCount[2] = 1;
    p->events[1].fonCode[2][1] = "two's action";
    p->currentLevel = 1;

    moveDefinitionUp(*p, ObjectKind::Fon, 2);
    EXPECT_EQ(p->fonObjects[1].name, "two");
    EXPECT_EQ(p->fonObjects[1].mapPicture, Picture(1, 1, 2));
    EXPECT_EQ(p->fonObjects[1].layer, 3);
    EXPECT_EQ(p->fonPlaced[1][1].object, 2);
    EXPECT_EQ(p->fonPlaced[1][2].object, 1);
    EXPECT_EQ(p->fonPlaced[2][1].object, 1);
    EXPECT_EQ(p->events[1].fonCode[1][1], "two's action");
    EXPECT_EQ(p->events[1].fonActCount[2], 0);

    moveDefinitionUp(*p, ObjectKind::Fon, 1);   // first: nothing moves
    moveDefinitionDown(*p, ObjectKind::Fon, 2); // last: nothing moves
    EXPECT_EQ(p->fonObjects[1].name, "two");
}

TEST(DefinitionOperations, MovePastTheObjectsWithActionsIsRefusedWhenActionsWouldBeLost)
{
    auto p = startedProject();
    for (int i = 1; i <= 31; ++i)
        createActive(*p, "a" + std::to_string(i));
    moveDefinitionDown(*p, ObjectKind::Active, 30); // no actions: moves
    EXPECT_EQ(p->activeObjects[31].name, "a30");
    p->eventCount = 1;
    p->events[1].actActCount[30] = 1;
    EXPECT_THROW(moveDefinitionDown(*p, ObjectKind::Active, 30), Error);
    EXPECT_EQ(p->activeObjects[30].name, "a31");
    EXPECT_EQ(p->events[1].actActCount[30], 1);
}

TEST(DefinitionOperations, DeletionClosesTheGapEverywhere)
{
    auto p = startedProject();
    createLevel(*p, "L1");
    createLevel(*p, "L2");
    for (const char *name : {"a", "b", "c"})
        createActive(*p, name);
    for (int level : {1, 2}) {
        for (int object : {1, 2, 3})
            p->activePlaced[level][++p->levelActive[level].activePlacedCount] = {0,  0, object,
                                                                                 "", 0, 0};
        p->levelActive[level].controlKind[3] = Car;
    }
    p->activeObjects[3].sheet = Picture(2, 2, 5);
    p->eventCount = 1;
    p->events[1].actActCount[3] = 1;
    p->events[1].actCode[3][1] = "c's action";

    deleteDefinition(*p, ObjectKind::Active, 2);
    EXPECT_EQ(p->activeCount, 2);
    EXPECT_EQ(p->activeObjects[2].name, "c");
    EXPECT_EQ(p->activeObjects[2].sheet, Picture(2, 2, 5));
    EXPECT_EQ(p->activeObjects[3].name, "");
    EXPECT_EQ(p->events[1].actCode[2][1], "c's action");
    EXPECT_EQ(p->events[1].actActCount[3], 0);
    for (int level : {1, 2}) {
        EXPECT_EQ(p->levelActive[level].activePlacedCount, 2);
        EXPECT_EQ(p->activePlaced[level][1].object, 1);
        EXPECT_EQ(p->activePlaced[level][2].object, 2);
        EXPECT_EQ(p->levelActive[level].controlKind[2], Car);
        EXPECT_EQ(p->levelActive[level].controlKind[3], NoControl);
    }
}

TEST(SettingsFile, MissingFileIsCreatedWithDefaults)
{
    TemporaryFolder root;
    const LoadedSettings loaded = loadSettings(root.path());
    EXPECT_TRUE(loaded.problems.empty());
    EXPECT_EQ(loaded.settings.screenWidth, 240);
    EXPECT_EQ(loaded.settings.wtkPath, (root.path() / "wtk").string());
    EXPECT_TRUE(fs::exists(settingsFile(root.path())));
    EXPECT_EQ(loadSettings(root.path()).settings, loaded.settings);
}

TEST(SettingsFile, ReadsFourteenLinesRoundingAndComposingColours)
{
    TemporaryFolder root;
    fs::create_directories(root / "System");
    writeFile(settingsFile(root.path()),
              "12.5\r\n13.5\r\n16\r\n-2.5\r\n1\r\n2\r\n3\r\n176\r\n208\r\n255\r\n0\r\n256\r\n"
              "\r\n/opt/wtk\r\n");
    const Settings s = loadSettings(root.path()).settings;
    EXPECT_EQ(s.gridX, 12);
    EXPECT_EQ(s.gridY, 14);
    EXPECT_EQ(s.gridHeight, -2);
    EXPECT_EQ(s.gridColor, 1u + 2u * 256 + 3u * 65536);
    EXPECT_EQ(s.screenWidth, 176);
    EXPECT_EQ(s.screenHeight, 208);
    EXPECT_EQ(s.bgColor, 255u); // blue 256 is taken modulo 256
    EXPECT_EQ(s.jdkPath, "");
    EXPECT_EQ(s.wtkPath, "/opt/wtk");
}

TEST(SettingsFile, MalformedLinesAreNamedAndDefaultsStandIn)
{
    TemporaryFolder root;
    fs::create_directories(root / "System");
    writeFile(settingsFile(root.path()), "1\r\n2\r\nwide\r\n4\r\n");
    const LoadedSettings loaded = loadSettings(root.path());
    EXPECT_EQ(loaded.settings.gridX, 1);
    EXPECT_EQ(loaded.settings.gridWidth, 16);
    EXPECT_EQ(loaded.settings.gridHeight, 4);
    EXPECT_EQ(loaded.settings.screenWidth, 240);
    ASSERT_GE(loaded.problems.size(), 2u);
    EXPECT_EQ(loaded.problems[0],
              settingsFile(root.path()).string() +
                  ":3: expected the grid cell width (a number), found \"wide\"");
    EXPECT_NE(loaded.problems[1].find(":5: the file ends early"), std::string::npos);
}

TEST(SettingsFile, WritesGridLinesAsTypedAndRefusesNonNumbers)
{
    TemporaryFolder root;
    fs::create_directories(root / "System");
    const fs::path file = settingsFile(root.path());
    Settings s;
    s.bgColor = 65280;
    s.jdkPath = "/jdk";
    s.wtkPath = "/wtk";
    writeSettings(file, s, {"0", "0.5", "16", "16,0"});
    EXPECT_EQ(readFile(file), "0\r\n0.5\r\n16\r\n16,0\r\n128\r\n128\r\n128\r\n240\r\n320\r\n"
                              "0\r\n255\r\n0\r\n/jdk\r\n/wtk\r\n");
    EXPECT_EQ(loadSettings(root.path()).settings.gridY, 0);
    EXPECT_THROW(writeSettings(file, s, {"0", "x", "16", "16"}), Error);
    EXPECT_EQ(loadSettings(root.path()).settings.jdkPath, "/jdk"); // the file was not touched
}
