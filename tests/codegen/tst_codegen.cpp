#include "base/codepage.h"
#include "base/error.h"
#include "base/pngfile.h"
#include "cli/commandline.h"
#include "codegen/conversion.h"
#include "codegen/eventcode.h"
#include "codegen/gamedata.h"
#include "codegen/levelclass.h"
#include "codegen/midletfiles.h"
#include "codegen/templatecopy.h"
#include "model/projectfile.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace fs = std::filesystem;

namespace zor {
namespace {

const fs::path fixtures = ZOR_CODEGEN_FIXTURES;

std::string declaration(const std::vector<Replacement> &declarations, const std::string &marker)
{
    for (const Replacement &d : declarations) {
        if (d.marker == marker)
            return d.text;
    }
    ADD_FAILURE() << "no declaration for " << marker;
    return {};
}

Picture filledPicture(int width, int height, std::uint32_t colour)
{
    return Picture(width, height, colour);
}

Tactive1 &addActive(Project &p, const std::string &name, int frameWidth = 16)
{
    Tactive1 &a = p.activeObjects[++p.activeCount];
    a.name = name;
    a.frameWidth = frameWidth;
    a.frameHeight = 20;
    a.moveSpeed = 3;
    a.accel = 2;
    a.braking = 1;
    a.sheet = filledPicture(4, 3, makeColour(0, 0, 255));
    a.sheetWidth = 4;
    a.sheetHeight = 3;
    return a;
}

Tfon1 &addFon(Project &p, const std::string &name, int cols, int rows)
{
    Tfon1 &f = p.fonObjects[++p.fonCount];
    f.name = name;
    f.tileCols = 2;
    f.tileRows = 1;
    f.tilesWidth = 16;
    f.tilesHeight = 8;
    f.mapCols = cols;
    f.mapRows = rows;
    f.tilesPicture = filledPicture(16, 8, makeColour(0, 128, 0));
    return f;
}

void placeActive(Project &p, int level, int object, int x, int y)
{
    p.levelCount = std::max(p.levelCount, level);
    p.activePlaced[level][++p.levelActive[level].activePlacedCount] = {x, y, object, "", 0, 0};
}

void placeFon(Project &p, int level, int object, int x, int y)
{
    p.levelCount = std::max(p.levelCount, level);
    p.fonPlaced[level][++p.levelFon[level].fonPlacedCount] = {x, y, object, "", 0, 0};
}

TEvent &addEvent(Project &p, const std::string &condition)
{
    TEvent &e = p.events[++p.eventCount];
    e.condCode = condition;
    e.condText = "условие";
    e.eventExtra = "event";
    return e;
}

void addAction(int &count, ActionTexts &codes, const std::string &code)
{
    codes[++count] = code;
}

TEST(TemplateCopy, SkipsBlanksAndReplacesEveryOccurrenceInOrder)
{
    struct Case
    {
        const char *source;
        std::vector<Replacement> replacements;
        const char *expected;
    };
    const Case cases[] = {
        {"  a\r\n\r\n\t b  \n\n", {}, "a\r\nb  \r\n"},
        {"x = 1; //m tail", {{"//m", "Y"}}, "x = 1; Y tail\r\n"},
        {"//m //m//m", {{"//m", "Y"}}, "Y YY\r\n"},
        {"//M", {{"//m", "Y"}}, "//M\r\n"},
        {"ab", {{"a", "b"}, {"b", "c"}}, "cc\r\n"},
        {"Etap1 etap1", {{"etap1", "etap10"}, {"Etap1", "Etap10"}}, "Etap10 etap10\r\n"},
        {"a\rb\x01\x1f c", {}, "a\r\nb\x01\x1f c\r\n"},
        {"\x01 \t\r\n", {}, ""},
        {"", {{"a", "b"}}, ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(copyTemplate(c.source, c.replacements), c.expected) << c.source;
}

TEST(GameData, ImageFileNames)
{
    const std::pair<const char *, const char *> cases[] = {
        {"hero", "hero.png"}, {"a.b", "a.png"},           {"C:\\pics\\x.y.bmp", "x.y.png"},
        {"d:fon", "fon.png"}, {"dir/Герой", "Герой.png"}, {"", ".png"},
    };
    for (const auto &[name, file] : cases)
        EXPECT_EQ(imageFileName(name), file) << name;
}

TEST(GameData, EmptyProjectKeepsConstantLines)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>(); // too large for the stack
    Project &p = *project;
    p.levelCount = 1;
    const std::vector<Replacement> d = levelDeclarations(p, 1);
    ASSERT_EQ(d.size(), 46u);
    const std::string ones = "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,};";
    const std::pair<const char *, std::string> expected[] = {
        {"//quan_act_gr", "int quan_act_gr=0;"},
        {"//quan_act", "int quan_act[]={};"},
        {"//group_act", "int[]group_act={};"},
        {"//add_act_gr", "String[]add_act_gr={};"},
        {"//act_manager_gr", "int[]act_manager_gr={" + ones},
        {"//act_obstacle_gr", "int[]act_obstacle_gr={" + ones},
        {"//fon_manager_gr", "int[]fon_manager_gr={" + ones},
        {"//act_sv3_ob", "int[]act_sv_ob3={};"},
        {"//act_go", "int[][][]act_go={{},{},{},{},{},{},{},{},};"},
        {"//act_tr", "int[][][]act_tr={{},{},{},{},{},{},{},{},{},{},};"},
        {"//act_t", "int[]act_t={0,0,0,0,0,0,0,0,0,0,};"},
        {"//act_xt", "int[][]act_xt={{},{},{},{},{},{},{},{},{},{},};"},
    };
    for (const auto &[marker, text] : expected)
        EXPECT_EQ(declaration(d, marker), text) << marker;
}

TEST(GameData, DeclarationsOfALevel)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    p.bgColor = makeColour(255, 0, 0);
    Tactive1 &hero = addActive(p, "hero", 16);
    hero.propValues[1] = "5";
    hero.propValues[2] = "";
    hero.anim[1][1][2] = 3;
    hero.anim[2][1][2] = 4;
    hero.anim[2][2][2] = 5; // slot 1 empty: -1, then 4
    addActive(p, "a.b", 24).propValues[1] = "-7";
    Tfon1 &wall = addFon(p, "wall", 3, 2);
    wall.fonKind = Obstacle;
    wall.tilesWidth = 25; // 12.5 tiles of width: half to even
    wall.tilesHeight = 27;
    wall.tileRows = 2;
    Tfon1 &empty = addFon(p, "empty", 1, 1);
    empty.tileCols = 0;
    placeActive(p, 1, 1, 10, 20);
    placeFon(p, 1, 2, 0, 0);
    placeFon(p, 1, 1, 0, 0);
    p.levelActive[1].controlKind[2] = Car;
    Trajectory &path = p.paths[1][2];
    path.pointCount = 2;
    path.points[1] = {5, -6};
    path.points[2] = {7, 8};
    path.dirA[1] = 2;
    path.dirA[2] = 1;
    path.dirC[2] = 3;

    const std::vector<Replacement> d = levelDeclarations(p, 1);
    const std::pair<const char *, const char *> expected[] = {
        {"//quan_act_gr", "int quan_act_gr=1;"},
        {"//quan_act", "int quan_act[]={0,};"},
        {"//group_act", "int[]group_act={1,0,};"},
        {"//add_act_gr", "String[]add_act_gr={\"/hero.png\",\"\",};"},
        {"//tileWidthob_gr", "int[]tileWidthob_gr={16,0,};"},
        {"//act_sv1_ob", "int[]act_sv_ob1={5,-7,};"},
        {"//act_sv2_ob", "int[]act_sv_ob2={0,0,};"}, // empty cells are written as 0
        {"//act_upr", "int[]act_upr={1,1,};"},
        {"//quan_fon_gr", "int quan_fon_gr=2;"},
        {"//fon_obstacle_gr", "int[]fon_obstacle_gr={1,0,};"},
        {"//add_fon_gr", "String[]add_fon_gr={\"/empty.png\",\"/wall.png\",};"},
        {"//fon_tileWidth_gr", "int[]fon_tileWidth_gr={0,12,};"},
        {"//fon_tileHeight_gr", "int[]fon_tileHeight_gr={8,14,};"},
        {"//fon_columns_gr", "int[]fon_columns_gr={1,3,};"},
        {"//group_fon", "int[]group_fon={2,1,};"},
        {"//act_type", "int[]act_type={0,3,};"},
        {"//act_go", "int[][][]act_go={{{2,3,},},{{-1,4,},},{{-1,},},{{-1,},},{{-1,},},{{-1,},},"
                     "{{-1,},},{{-1,},},};"},
        {"//act_speed", "int[]act_speed={3,0,};"},
        {"//act_tr", "int[][][]act_tr={{},{{2,0,0},{1,0,3},},{},{},{},{},{},{},{},{},};"},
        {"//act_t", "int[]act_t={0,2,0,0,0,0,0,0,0,0,};"},
        {"//act_xt", "int[][]act_xt={{},{5,7,},{},{},{},{},{},{},{},{},};"},
        {"//act_yt", "int[][]act_yt={{},{-6,8,},{},{},{},{},{},{},{},{},};"},
        {"//col_ek1", "int col_ek1=255;"},
        {"//col_ek2", "int col_ek2=0;"},
        {"//col_ek3", "int col_ek3=0;"},
    };
    for (const auto &[marker, text] : expected)
        EXPECT_EQ(declaration(d, marker), text) << marker;

    const char *const order[] = {"//quan_act_gr",
                                 "//quan_act",
                                 "//group_act",
                                 "//add_act_gr",
                                 "//act_manager_gr",
                                 "//act_obstacle_gr",
                                 "//tileWidthob_gr",
                                 "//tileHeightob_gr",
                                 "//act_sv1_ob",
                                 "//act_sv2_ob",
                                 "//act_sv3_ob",
                                 "//act_sv4_ob",
                                 "//act_sv5_ob",
                                 "//fon_sv1_ob",
                                 "//fon_sv2_ob",
                                 "//fon_sv3_ob",
                                 "//fon_sv4_ob",
                                 "//fon_sv5_ob",
                                 "//act_upr",
                                 "//quan_fon_gr",
                                 "//quan_fon",
                                 "//fon_obstacle_gr",
                                 "//add_fon_gr",
                                 "//fon_tileWidth_gr",
                                 "//fon_tileHeight_gr",
                                 "//fon_columns_gr",
                                 "//fon_rows_gr",
                                 "//fon_manager_gr",
                                 "//group_fon",
                                 "//act_type",
                                 "//act_go",
                                 "//act_stop",
                                 "//act_dead",
                                 "//act_uron",
                                 "//act_speed_tek",
                                 "//act_speed",
                                 "//act_razg",
                                 "//act_torm",
                                 "//act_tr_number",
                                 "//act_tr",
                                 "//act_t",
                                 "//act_xt",
                                 "//act_yt",
                                 "//col_ek1",
                                 "//col_ek2",
                                 "//col_ek3"};
    ASSERT_EQ(d.size(), std::size(order));
    for (size_t i = 0; i < d.size(); ++i)
        EXPECT_EQ(d[i].marker, order[i]);
}

TEST(GameData, MorePlacementsThanDefinitionsReachTheGame)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    addActive(p, "hero", 16);
    addActive(p, "enemy", 24).moveSpeed = 9;
    placeActive(p, 1, 1, 0, 0);
    for (int k = 0; k < 3; ++k)
        placeActive(p, 1, 2, 10 * k, 0);
    const std::vector<Replacement> d = levelDeclarations(p, 1);
    EXPECT_EQ(declaration(d, "//group_act"), "int[]group_act={1,2,2,2,};");
    EXPECT_EQ(declaration(d, "//add_act_gr"),
              "String[]add_act_gr={\"/hero.png\",\"/enemy.png\",\"/enemy.png\",\"/enemy.png\",};");
    EXPECT_EQ(declaration(d, "//tileWidthob_gr"), "int[]tileWidthob_gr={16,24,24,24,};");
    EXPECT_EQ(declaration(d, "//act_speed"), "int[]act_speed={3,9,9,9,};");
    // Rows about definitions keep one entry per definition.
    EXPECT_EQ(declaration(d, "//act_upr"), "int[]act_upr={1,1,};");
    EXPECT_EQ(declaration(d, "//act_speed_tek"), "int[]act_speed_tek={0,0,};");
}

TEST(GameData, PlacementOfAMissingDefinitionIsRefused)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    addActive(p, "hero");
    placeActive(p, 1, 2, 0, 0);
    try {
        levelDeclarations(p, 1);
        FAIL() << "no error";
    } catch (const Error &error) {
        EXPECT_STREQ(error.what(), "level 1: placed active object 1 refers to active object 2, "
                                   "but the project has 1; remove the placement or recreate "
                                   "the object");
    }
}

TEST(GameData, MapFiles)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    Tfon1 &f = addFon(p, "wall", 3, 2);
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 3; ++c)
            f.cells[r][c] = 10 * r + c;
    }
    addFon(p, "sky", 1, 1);
    placeFon(p, 1, 1, 0, 0);
    EXPECT_EQ(mapFileCount(p, 1), 2);
    EXPECT_EQ(mapFileLine(p, 1, 1), "11,12,13,21,22,23,");
    EXPECT_EQ(mapFileLine(p, 1, 2), "");
}

TEST(LevelClass, ObjectCreationInPlacementOrder)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    placeActive(p, 1, 3, 10, 20);
    placeActive(p, 1, 1, 0, 0);
    placeFon(p, 1, 2, -5, 7);
    EXPECT_EQ(objectCreationLines(p, 1),
              (std::vector<std::string>{"if (obtime==1){active_create(2,10,20);}",
                                        "if (obtime==1){active_create(0,0,0);}",
                                        "if (obtime==1){fon_create(1,-5,7);}"}));
}

TEST(EventCode, LoopWrappingNamesWholeGroupNumbers)
{
    const std::string kr1 = "for(int kr1=1;kr1<=quan_act[1-1];kr1++){";
    const std::string kr2 = "for(int kr2=1;kr2<=quan_act[2-1];kr2++){";
    const std::string kr12 = "for(int kr12=1;kr12<=quan_act[12-1];kr12++){";
    const std::string kr100 = "for(int kr100=1;kr100<=quan_act[100-1];kr100++){";
    const std::string krf1 = "for(int krf1=0;krf1<=kol_fon[1]-1;krf1++){";
    const std::string krl3 = "for(int krl3=0;krl3<=kol_line[3]-1;krl3++){";
    const std::string krt2 = "for(int krt2=0;krt2<=kol_text[2]-1;krt2++){";
    struct Case
    {
        std::string statement;
        bool general;
        std::string expected;
    };
    const Case cases[] = {
        {"a();", false, "a();"},
        {"kr12;", false, kr12 + "kr12;}"},
        {"kr1;", false, kr1 + "kr1;}"},
        {"krf1;", false, krf1 + "krf1;}"},
        {"kr12+kr1+kr1;", false, kr1 + kr12 + "kr12+kr1+kr1;}}"},
        {"krf1+kr2;", false, kr2 + krf1 + "krf1+kr2;}}"},
        {"kr100 kr101 kr01 kr0 kr;", false, kr100 + "kr100 kr101 kr01 kr0 kr;}"},
        {"krt2 krl3 krf1 kr2", false, kr2 + krf1 + krl3 + krt2 + "krt2 krl3 krf1 kr2}}}}"},
        {"krt2 krl3 krf1 kr2", true, kr2 + krf1 + "krt2 krl3 krf1 kr2}}"},
        {"kd=kr2;", false, kr2 + "kd=kr2;}"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(wrapInLoops(c.statement, c.general), c.expected) << c.statement;
}

TEST(EventCode, StatementsInColumnOrderWithDrawingCollected)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    p.fonCount = 1;
    p.activeCount = 40; // objects above 30 carry no action lists
    p.textCount = 1;
    TEvent &e = addEvent(p, "c");
    addAction(e.textActCount[1], e.textCode[1], "x");
    addAction(e.actActCount[30], e.actCode[30], "a30");
    addAction(e.fonActCount[1], e.fonCode[1], "graphics.f();");
    addAction(e.generalCount[4], e.generalCode[4], "t");
    addAction(e.generalCount[1], e.generalCode[1], "graphics.g();");
    addAction(e.generalCount[1], e.generalCode[1], "}else{u");
    addEvent(p, "d");
    const EventCode code = eventCode(p);
    EXPECT_EQ(code.lines,
              (std::vector<std::string>{"if(c){graphics.g();};", "if(c){}else{u};", "if(c){t};",
                                        "if(c){graphics.f();};", "if(c){a30};", "if(c){x};"}));
    EXPECT_EQ(code.drawingLines, std::vector<std::string>{"if(c){graphics.g();};"});
}

TEST(LevelClass, EventCodeFollowsTheObjectCreation)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    addActive(p, "hero");
    placeActive(p, 2, 1, 1, 2);
    const std::string levelTemplate =
        "class Etap1 { // etap1\n paint(){//graphics.}\nvoid tick(){\n";
    const std::string created = "if (obtime==1){active_create(0,1,2);}\r\n";
    // The whole intermediate and final texts of level 2.
    const auto texts = [&] {
        const SharedLevelCode shared = sharedLevelCode(eventCode(p));
        const LevelClass head = levelClass(p, 2, levelTemplate, shared);
        return std::pair(head.intermediate + *shared.appended, head.final + *shared.appendedFinal);
    };
    EXPECT_EQ(texts().second,
              "class Etap2 { // etap2\r\npaint(){}\r\nvoid tick(){\r\n" + created + "}}\r\n");

    TEvent &e = addEvent(p, "c");
    addAction(e.generalCount[1], e.generalCode[1], "graphics.g(\"Ж\");");
    addAction(e.actActCount[1], e.actCode[1], "kr1.graphics();");
    const std::string eventLines =
        "if(c){graphics.g(\"\xC6\");};\r\n"
        "for(int kr1=1;kr1<=quan_act[1-1];kr1++){if(c){kr1.graphics();};}"
        "\r\n}}\r\n";
    const auto [intermediate, final] = texts();
    EXPECT_EQ(intermediate, "class Etap2 { // etap2\r\npaint(){//graphics.}\r\nvoid tick(){\r\n" +
                                created + eventLines);
    EXPECT_EQ(
        final,
        "class Etap2 { // etap2\r\npaint(){if(c){graphics.g(\"\xC6\");};}\r\nvoid tick(){\r\n" +
            created + eventLines);
}

// The bodies of the methods `name`1, `name`2, ... in a generated text.
std::vector<std::string> methodBodies(const std::string &text, const std::string &name)
{
    std::vector<std::string> bodies;
    for (int n = 1;; ++n) {
        const std::string header = "private void " + name + std::to_string(n) + "(){\r\n";
        const size_t start = text.find(header);
        if (start == std::string::npos)
            return bodies;
        const size_t from = start + header.size();
        bodies.push_back(text.substr(from, text.find("\r\n}", from) + 2 - from));
    }
}

TEST(LevelClass, LargeEventCodeIsSpreadOverMethods)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    p.activeCount = 2;
    for (int i = 1; i <= 30; ++i) {
        TEvent &e = addEvent(p, "(glob[" + std::to_string(i) + "]>0)");
        for (int n = 1; n <= 20; ++n) {
            addAction(e.actActCount[1], e.actCode[1],
                      "{act[1-1][kr1].setFrame(" + std::to_string(n) + ");}");
            addAction(e.generalCount[1], e.generalCode[1],
                      "graphics.fillRect(" + std::to_string(n) + ",2,3,4);");
        }
    }
    const EventCode code = eventCode(p);
    const SharedLevelCode shared = sharedLevelCode(code);
    const std::string &text = *shared.appended;

    std::string plainEvents;
    for (const std::string &line : code.lines)
        plainEvents += line + "\r\n";
    std::string plainDrawing;
    for (const std::string &line : code.drawingLines)
        plainDrawing += line + "\r\n";
    ASSERT_GT(plainEvents.size(), methodTextLimit);
    ASSERT_GT(plainDrawing.size(), methodTextLimit);

    const std::vector<std::string> events = methodBodies(text, "eventPart");
    const std::vector<std::string> drawing = methodBodies(text, "drawingPart");
    ASSERT_GE(events.size(), 2u);
    ASSERT_GE(drawing.size(), 2u);
    std::string calls;
    for (size_t n = 1; n <= events.size(); ++n)
        calls += "eventPart" + std::to_string(n) + "();\r\n";
    EXPECT_EQ(text.substr(0, calls.size() + 3), calls + "}\r\n");
    std::string joined;
    for (const std::string &body : events) {
        EXPECT_LE(body.size(), methodTextLimit);
        joined += body;
    }
    EXPECT_EQ(joined, plainEvents);
    joined.clear();
    std::string drawingCalls;
    for (const std::string &body : drawing) {
        EXPECT_LE(body.size(), methodTextLimit);
        joined += body;
        drawingCalls += "drawingPart" + std::to_string(&body - drawing.data() + 1) + "();";
    }
    EXPECT_EQ(joined, plainDrawing);
    EXPECT_EQ(shared.drawing, drawingCalls);
    EXPECT_EQ(text.substr(text.size() - 4), "}}\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '{') + 2,
              std::count(text.begin(), text.end(), '}'));
}

TEST(MidletFiles, OnePiecePerLevelAndTheManifestMarkers)
{
    const std::vector<Replacement> midlet = midletReplacements(1);
    ASSERT_EQ(midlet.size(), 3u);
    EXPECT_EQ(midlet[0].marker, "//vstavka1");
    EXPECT_EQ(midlet[0].text, "private Etap0 etap0=null;private Etap1 etap1=null;");
    EXPECT_EQ(midlet[1].text,
              "case 0:etap0.stop();etap0=null;break;case 1:etap1.stop();etap1=null;break;");
    EXPECT_EQ(midlet[2].text, "case 0:etap0=new Etap0(this);etap0.start();Display.getDisplay(this)"
                              ".setCurrent(etap0);break;case 1:etap1=new Etap1(this);etap1.start();"
                              "Display.getDisplay(this).setCurrent(etap1);break;");
    EXPECT_EQ(midletReplacements(3)[0].text,
              "private Etap0 etap0=null;private Etap1 etap1=null;private Etap2 etap2=null;"
              "private Etap3 etap3=null;");

    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    p.midletVendor = "vs2 Студия";
    p.midletVersion = "1.0";
    p.midletIcon = "/i.png";
    EXPECT_EQ(copyTemplate("A: vs1\nB: vs3, vs4", manifestReplacements(p)),
              "A: 1.0 Студия\r\nB: szor, /i.png\r\n");
}

class ProgramFolder : public ::testing::Test
{
protected:
    ProgramFolder() { fs::copy(fixtures / "programfolder", root, fs::copy_options::recursive); }

    // The files below the program folder, relative to it.
    std::set<std::string> files() const
    {
        std::set<std::string> result;
        for (const fs::directory_entry &entry : fs::recursive_directory_iterator(root)) {
            if (entry.is_regular_file())
                result.insert(fs::relative(entry.path(), root).string());
        }
        return result;
    }

    std::set<std::string> templatesAnd(std::initializer_list<std::string> more) const
    {
        std::set<std::string> result(more);
        for (const fs::directory_entry &entry :
             fs::recursive_directory_iterator(fixtures / "programfolder")) {
            if (entry.is_regular_file())
                result.insert(fs::relative(entry.path(), fixtures / "programfolder").string());
        }
        return result;
    }

    test::TemporaryFolder temporary;
    const fs::path root = temporary / "zor";
};

std::unique_ptr<Project> goldenProject()
{
    auto p = std::make_unique<Project>();
    p->midletName = "Game";
    p->midletVendor = "Студия ZOR";
    p->midletVersion = "1.2";
    p->midletIcon = "/logo.png";
    p->bgColor = makeColour(10, 20, 30);
    Tactive1 &hero = addActive(*p, "hero");
    hero.transparent = 1;
    hero.sheet.setPixel(0, 0, makeColour(255, 255, 255));
    hero.propValues[1] = "100";
    hero.anim[1][1][1] = 1;
    hero.anim[2][1][1] = 2;
    hero.anim[1][3][2] = 2;
    Tactive1 &enemy = addActive(*p, "C:\\art\\enemy.bmp", 24);
    enemy.propValues[2] = "glob[1]";
    enemy.anim[3][5][4] = 4;
    Tfon1 &wall = addFon(*p, "Стена", 3, 2);
    wall.fonKind = Obstacle;
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 3; ++c)
            wall.cells[r][c] = r * c;
    }
    placeActive(*p, 1, 1, 10, 20);
    placeActive(*p, 1, 2, 50, 20);
    placeActive(*p, 1, 2, 90, 20);
    placeFon(*p, 1, 1, 0, 100);
    p->levelActive[1].controlKind[1] = PersonSideView;
    Trajectory &path = p->paths[1][1];
    path.pointCount = 2;
    path.points[1] = {50, 20};
    path.points[2] = {90, 40};
    path.dirA[1] = 2;
    path.dirA[2] = 1;
    placeActive(*p, 2, 2, 5, 5);

    TEvent &always = addEvent(*p, "(obtime>0)");
    addAction(always.generalCount[1], always.generalCode[1],
              "graphics.setColor(0xFF0000); graphics.drawString(\"Привет\",1,2,graphics.TOP|"
              "graphics.LEFT);");
    addAction(always.generalCount[4], always.generalCode[4], "glob[1]=glob[1]+1;");
    addAction(always.actActCount[1], always.actCode[1],
              "{act[1-1][kr1].setPosition(5,act[1-1][kr1].getY());}");
    TEvent &hit = addEvent(*p, "(act[1-1][kr1].collidesWith(fonPole[1-1],false))");
    addAction(hit.generalCount[3], hit.generalCode[3], "{midlet.changeEtap(1,1+1);}");
    addAction(hit.fonActCount[1], hit.fonCode[1], "}else{{fon[1-1][krf1].setVisible(false);}");
    addAction(hit.actActCount[2], hit.actCode[2], "{act_upr[2-1][kr2]=2;kd=kr1;}");
    TEvent &key = addEvent(*p, "(key_fire_1==true)");
    addAction(key.generalCount[2], key.generalCode[2],
              "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/theme.mid\"),"
              "\"audio/midi\");player.realize();player.prefetch();player.start();}catch "
              "(Exception e){}");
    return p;
}

// "" for equal texts, else the first line that differs, as written and as expected.
std::string firstDifference(const std::string &written, const std::string &expected)
{
    if (written == expected)
        return "";
    const size_t at =
        std::mismatch(written.begin(), written.end(), expected.begin(), expected.end()).first -
        written.begin();
    const size_t start = written.rfind('\n', at == 0 ? 0 : at - 1);
    const size_t from = start == std::string::npos ? 0 : start + 1;
    const auto line = [&](const std::string &text) {
        return text.substr(from, text.find('\n', from) - from);
    };
    return "line " + std::to_string(std::count(written.begin(), written.begin() + from, '\n') + 1) +
           ":\n  written:  " + line(written) + "\n  expected: " + line(expected);
}

int runZorc(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "zorc");
    std::vector<char *> argv;
    for (std::string &argument : arguments)
        argv.push_back(argument.data());
    return runCommandLine(int(argv.size()), argv.data());
}

TEST_F(ProgramFolder, ConvertWritesTheWholeTree)
{
    for (const char *leftover :
         {"System/src/Old.java", "System/res/old.png", "System/res/fon9-9.txt",
          "System/res/old.mid", "System/bin/Old.jar", "System/res/keep.dat"}) {
        fs::create_directories((root / leftover).parent_path());
        test::writeFile(root / leftover, "old");
    }
    const fs::path projectFolder = temporary / "project";
    fs::create_directories(projectFolder / "res");
    test::writeFile(projectFolder / "res" / "theme.mid", "MThd");
    saveProject(*goldenProject(), projectFolder / "game.zor");

    ASSERT_EQ(runZorc({"--root", root.string(), "convert", (projectFolder / "game.zor").string()}),
              0);

    const fs::path golden = fixtures / "golden";
    std::set<std::string> expected = templatesAnd(
        {"System/options.ini", "System/res/keep.dat", "System/res/hero.png", "System/res/enemy.png",
         "System/res/Стена.png", "System/res/theme.mid", "System/res/logo.png",
         "System/src/Etap0.java", "System/src/MultiLineText.java"});
    for (const fs::directory_entry &entry : fs::recursive_directory_iterator(golden)) {
        if (!entry.is_regular_file())
            continue;
        const std::string relative = fs::relative(entry.path(), golden).string();
        expected.insert(relative);
        EXPECT_EQ(firstDifference(test::readFile(root / relative), test::readFile(entry.path())),
                  "")
            << relative;
    }
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(test::readFile(root / "System/res/theme.mid"), "MThd");

    // The colour of pixel (1, 1) is transparent: it reads back laid over magenta.
    const Picture hero = readPng(root / "System/res/hero.png");
    EXPECT_EQ(hero.pixel(0, 0), makeColour(255, 255, 255));
    EXPECT_EQ(hero.pixel(3, 2), makeColour(255, 0, 255));
    EXPECT_EQ(readPng(root / "System/res/enemy.png").pixel(1, 1), makeColour(0, 0, 255));
}

TEST_F(ProgramFolder, ProjectWithoutLevelsGetsOnlyTheFixedClasses)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    addActive(p, "hero");
    convertProject(p, root);
    EXPECT_EQ(files(), templatesAnd({"System/src/Etap0.java", "System/src/szor.java",
                                     "System/src/MultiLineText.java", "MANIFEST.MF",
                                     "System/res/logo.png"}));
    EXPECT_EQ(test::readFile(root / "System/src/Etap0.java"),
              test::readFile(root / "System/draft/etap0.java"));
}

TEST_F(ProgramFolder, SecondConversionLeavesNothingOfADeletedDefinition)
{
    std::unique_ptr<Project> p = goldenProject();
    convertProject(*p, root);
    ASSERT_TRUE(fs::exists(root / "System/res/Стена.png"));
    p->fonCount = 0;
    p->levelFon[1].fonPlacedCount = 0;
    convertProject(*p, root);
    EXPECT_FALSE(fs::exists(root / "System/res/Стена.png"));
    EXPECT_FALSE(fs::exists(root / "System/res/fon0-0.txt"));
}

TEST_F(ProgramFolder, MissingTemplateStopsBeforeAnythingChanges)
{
    std::unique_ptr<Project> p = goldenProject();
    convertProject(*p, root);
    const std::set<std::string> before = files();
    const std::string levelClass = test::readFile(root / "System/src/Etap1.java");
    fs::remove(root / "System/draft/szor.java");
    try {
        convertProject(*p, root);
        FAIL() << "no error";
    } catch (const Error &error) {
        EXPECT_EQ(error.where(), (root / "System/draft/szor.java").string() +
                                     ": cannot read the file: No such file or directory");
    }
    std::set<std::string> expected = before;
    expected.erase("System/draft/szor.java");
    EXPECT_EQ(files(), expected);
    EXPECT_EQ(test::readFile(root / "System/src/Etap1.java"), levelClass);
}

TEST_F(ProgramFolder, UnwritableOutputNamesTheFileAndLeavesNoPart)
{
    fs::create_directories(root / "System/src/Etap1.java");
    try {
        convertProject(*goldenProject(), root);
        FAIL() << "no error";
    } catch (const Error &error) {
        EXPECT_EQ(error.file(), (root / "System/src/Etap1.java").string());
        EXPECT_NE(std::string(error.what()).find("cannot replace the file"), std::string::npos);
    }
    for (const std::string &file : files())
        EXPECT_EQ(file.find("/."), std::string::npos) << file;
}

TEST_F(ProgramFolder, PictureWithoutPixelOneOneKeepsItsColours)
{
    const std::unique_ptr<Project> project = std::make_unique<Project>();
    Project &p = *project;
    addActive(p, "line").sheet = filledPicture(5, 1, makeColour(1, 2, 3));
    p.activeObjects[1].transparent = 1;
    p.levelCount = 1;
    convertProject(p, root);
    EXPECT_EQ(readPng(root / "System/res/line.png").pixel(1, 0), makeColour(1, 2, 3));

    p.activeObjects[1].sheet = Picture();
    try {
        convertProject(p, root);
        FAIL() << "no error";
    } catch (const Error &error) {
        EXPECT_STREQ(error.what(), "the active object \"line\" has no picture; load one in its "
                                   "editor or delete the object");
    }
}

} // namespace
} // namespace zor
