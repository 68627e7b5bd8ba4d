#include "events/catalogue.h"
#include "events/conditionobjectnumber.h"
#include "events/eventtable.h"
#include "events/expressionbuilder.h"
#include "events/phonekeys.h"
#include "events/primitive.h"
#include "events/valuedialogs.h"

#include "base/error.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

namespace zor {
namespace {

using Menu = CatalogueMenu;
using Path = std::vector<std::string>;

// ---- the catalogue ---------------------------------------------------------------------------

// Brackets and braces match outside string literals.
bool balanced(const std::string &code)
{
    std::string open;
    bool inString = false;
    for (size_t i = 0; i < code.size(); ++i) {
        const char c = code[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
            continue;
        }
        if (c == '"') {
            inString = true;
        } else if (c == '(' || c == '[' || c == '{') {
            open += c;
        } else if (c == ')' || c == ']' || c == '}') {
            const char expected = c == ')' ? '(' : c == ']' ? '[' : '{';
            if (open.empty() || open.back() != expected)
                return false;
            open.pop_back();
        }
    }
    return open.empty() && !inString;
}

// Parenthesised terms joined with "&" or "|", as conditions are joined in the event table.
bool isCondition(const std::string &code)
{
    if (!balanced(code))
        return false;
    size_t i = 0;
    while (i < code.size()) {
        if (code[i] != '(')
            return false;
        int depth = 0;
        do {
            depth += code[i] == '(' ? 1 : code[i] == ')' ? -1 : 0;
            ++i;
        } while (depth > 0);
        if (i == code.size())
            return true;
        if (code[i] != '&' && code[i] != '|')
            return false;
        ++i;
    }
    return false;
}

bool isStatement(const std::string &code)
{
    return balanced(code) && !code.empty() && code.front() != '}' &&
           (code.back() == ';' || code.back() == '}');
}

// The values each dialog supplies; N, S and L come from the grid and the level editor.
const std::map<ValueDialog, std::set<std::string>> dialogValues{
    {ValueDialog::None, {}},
    {ValueDialog::ExpressionBuilder, {"D", "J"}},
    {ValueDialog::KeyDialog, {"K1", "K2"}},
    {ValueDialog::ConditionObjectNumber, {"M"}},
    {ValueDialog::ActionObjectNumber, {"M", "P"}},
    {ValueDialog::Detection, {"MIN", "MAX", "M"}},
    {ValueDialog::SoundFile, {"F", "T"}},
    {ValueDialog::DrawingPrimitive, {}},
};

TEST(Catalogue, EveryEntryMakesWellFormedTexts)
{
    const ItemValues values = sampleValues();
    std::map<Menu, int> perMenu;
    std::set<std::pair<Menu, Path>> paths;
    for (const CatalogueEntry &entry : catalogue()) {
        SCOPED_TRACE(entry.path.back());
        ++perMenu[entry.menu];
        EXPECT_TRUE(paths.insert({entry.menu, entry.path}).second) << "duplicate path";

        std::set<std::string> fromDialogs;
        for (const std::string &name : neededValues(entry)) {
            if (name != "N" && name != "S" && name != "L")
                fromDialogs.insert(name);
        }
        if (entry.dialog == ValueDialog::ActionObjectNumber)
            fromDialogs.insert("P");
        EXPECT_EQ(fromDialogs, dialogValues.at(entry.dialog)) << "values and dialog disagree";

        const EventItem item = itemTexts(entry, values);
        if (doesNothing(entry)) {
            EXPECT_EQ(item, EventItem{});
            continue;
        }
        EXPECT_NE(item.text, "");
        if (itemKind(entry.menu) == ItemKind::Condition)
            EXPECT_TRUE(isCondition(item.code)) << item.code;
        else
            EXPECT_TRUE(isStatement(item.code)) << item.code;
        // Instances are reached as act[N-1][krN] everywhere, never through the group tables.
        EXPECT_EQ(item.code.find("gr_obj"), std::string::npos) << item.code;
        EXPECT_EQ(item.code.find("gr_fon"), std::string::npos) << item.code;
    }
    const std::map<Menu, int> expected{
        {Menu::GeneralConditions1, 3},  {Menu::GeneralConditions2, 1},
        {Menu::GeneralConditions3, 1},  {Menu::GeneralConditions4, 4},
        {Menu::GeneralConditions5, 10}, {Menu::FonConditions, 11},
        {Menu::ActiveConditions, 23},   {Menu::SpecialActions, 5},
        {Menu::SoundActions, 1},        {Menu::LevelActions, 6},
        {Menu::TimerActions, 10},       {Menu::FonActions, 6},
        {Menu::ActiveActions, 14}};
    EXPECT_EQ(perMenu, expected);
}

TEST(Catalogue, ListingHasOneLineOfFiveFieldsPerEntry)
{
    const std::string listing = catalogueListing(sampleValues());
    size_t lines = 0;
    size_t start = 0;
    for (size_t end; (end = listing.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = listing.substr(start, end - start);
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 4) << line;
        ASSERT_LT(lines, catalogue().size());
        const bool condition = itemKind(catalogue()[lines].menu) == ItemKind::Condition;
        EXPECT_TRUE(line.starts_with(condition ? "condition\t" : "action\t")) << line;
        ++lines;
    }
    EXPECT_EQ(start, listing.size());
    EXPECT_EQ(lines, catalogue().size());
    EXPECT_NE(
        listing.find("action\tрежим > атака\t-\tрежим: атака\t{act_upr[3-1][kr3]=3;kd=kr2;}\n"),
        std::string::npos);
    EXPECT_NE(listing.find("condition\tНажатие на любую клавишу\thidden\tЛюбая клавиша\t"
                           "(anykey==true)\n"),
              std::string::npos);
    EXPECT_NE(listing.find("action\tконец игры\tdisabled\t\t\n"), std::string::npos);
}

TEST(Catalogue, ItemsWriteTheirTexts)
{
    struct Case
    {
        Menu menu;
        Path path;
        std::function<void(ItemValues &)> values;
        std::string text;
        std::string code;
    };
    const auto same = [](ItemValues &) {};
    const auto compareWith5 = [](ItemValues &v) { v.d = v.j = "==5"; };
    const std::string detection =
        "((act[3-1][kr3].getX()-act[2-1][kr2].getX()<50)&(act[3-1][kr3].getX()-act[2-1][kr2]."
        "getX()>-50)&(act[3-1][kr3].getY()-act[2-1][kr2].getY()<50)&(act[3-1][kr3].getY()-act["
        "2-1][kr2].getY()>-50)&((act[3-1][kr3].getX()-act[2-1][kr2].getX()>10)|(act[3-1][kr3]."
        "getX()-act[2-1][kr2].getX()<-10)|(act[3-1][kr3].getY()-act[2-1][kr2].getY()>10)|(act[3-"
        "1][kr3].getY()-act[2-1][kr2].getY()<-10)))&(act_upr[3-1][kr3]!=5)";
    const std::string halfWidth = "act[2-1][kr2].getWidth()/2";
    const std::string halfHeight = "act[2-1][kr2].getHeight()/2";
    const std::string centreX = "act[2-1][kr2].getX()+" + halfWidth;
    const std::string centreY = "act[2-1][kr2].getY()+" + halfHeight;
    const std::vector<Case> cases{
        {Menu::GeneralConditions1, {"Всегда"}, same, "Всегда", "(obtime>0)"},
        {Menu::GeneralConditions1,
         {"Сравнение двух значений"},
         [](ItemValues &v) { v.d = v.j = "5>=3"; },
         "5>=3",
         "(5>=3)"},
        {Menu::GeneralConditions3,
         {"Начало уровня"},
         same,
         "Начало уровня",
         "((obtime>=0)&(obtime<10))"},
        {Menu::GeneralConditions4,
         {"Удержание клавиши..."},
         same,
         "удержание клавиши vu",
         "(key_up_3==true)"},
        {Menu::GeneralConditions4,
         {"Нажатие на клавишу..."},
         [](ItemValues &v) { v.k1 = "#", v.k2 = "r"; },
         "нажатие клавиши #",
         "(key_r_1==true)"},
        {Menu::GeneralConditions4,
         {"Отпускание клавиши..."},
         same,
         "отпускание клавиши vu",
         "(key_up_2==true)"},
        {Menu::GeneralConditions5,
         {"Финиш 10 таймера"},
         same,
         "Финиш 10 таймера",
         "(timer_regim[10]==3)"},
        {Menu::FonConditions,
         {"Координаты", "X"},
         [](ItemValues &v) { v.s = "fon3", v.d = v.j = "<7"; },
         "Х-координата фона \"fon3\" <7",
         "(fon[3-1][krf3].getX()<7)"},
        {Menu::FonConditions,
         {"Координаты", "Y"},
         compareWith5,
         "Y-координата фона3 ==5",
         "(fon[3-1][krf3].getY()==5)"},
        {Menu::FonConditions,
         {"Свойства", "свойство5"},
         compareWith5,
         "Свойство5 фон[3] ==5",
         "(fon_sv5[3-1][krf3]==5)"},
        {Menu::ActiveConditions,
         {"обнаружение объекта"},
         same,
         "обнаружение от 10 до 50",
         detection},
        {Menu::ActiveConditions,
         {"столкновение", "с фоновым объектом"},
         same,
         "столкновение акт[3] с фон[2]",
         "(act[3-1][kr3].collidesWith(fonPole[2-1],false))"},
        {Menu::ActiveConditions,
         {"столкновение", "с активным объектом"},
         same,
         "столкновение акт[3] с акт[2]",
         "(act[3-1][kr3].collidesWith(act[2-1][kr2],false))"},
        {Menu::ActiveConditions,
         {"режим", "атака"},
         same,
         "атака объекта акт[3]",
         "(act_upr[3-1][kr3]==3)"},
        {Menu::ActiveConditions,
         {"анимация", "сравнение текущего кадра со значением..."},
         compareWith5,
         "номер кадра акт[3] ==5",
         "(act[3-1][kr3].getFrame()==5-1)"},
        {Menu::ActiveConditions,
         {"расположение объекта", "слева"},
         same,
         "расположение 3 слева от 2",
         "(act[3-1][kr3].getX()<" + centreX + ")&(Math.abs(act[3-1][kr3].getX()-(" + centreX +
             "))>Math.abs(act[3-1][kr3].getY()-(" + centreY + ")))&(act_upr[3-1][kr3]!=5)"},
        {Menu::ActiveConditions,
         {"расположение объекта", "снизу"},
         same,
         "расположение 3 снизу от 2",
         "(act[3-1][kr3].getY()>" + centreY + ")&(Math.abs(act[3-1][kr3].getY()-(" + centreY +
             "))>Math.abs(act[3-1][kr3].getX()-(" + centreX + ")))&(act_upr[3-1][kr3]!=5)"},
        {Menu::ActiveConditions,
         {"свойства объекта", "свойство2"},
         compareWith5,
         "Свойство2 акт[3] ==5",
         "(act_sv2[3-1][kr3]==5)"},
        {Menu::SpecialActions,
         {"установка края экрана", "верхняя сторона"},
         [](ItemValues &v) { v.d = v.j = "0"; },
         "верхний край экрана = 0",
         "for(int count=0;count<layer_kol;count++){manager_Y[count]=0;}"},
        {Menu::SpecialActions,
         {"установка глобального значения"},
         [](ItemValues &v) { v.d = v.j = "glob[7]=1"; },
         "glob[7]=1",
         "glob[7]=1;"},
        {Menu::SoundActions,
         {"Воспроизвести файл"},
         same,
         "воспроизвести theme.wav",
         "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/theme.wav\"),"
         "\"audio/x-wav\");player.realize();player.prefetch();player.start();}catch "
         "(Exception e){}"},
        {Menu::SoundActions,
         {"Воспроизвести файл"},
         [](ItemValues &v) { v.f = "a\"b\\.wav"; },
         "воспроизвести a\"b\\.wav",
         "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/a\\\"b\\\\.wav\"),"
         "\"audio/x-wav\");player.realize();player.prefetch();player.start();}catch "
         "(Exception e){}"},
        {Menu::LevelActions,
         {"следующий уровень"},
         [](ItemValues &v) { v.l = 3; },
         "уровень+1",
         "{midlet.changeEtap(3,3+1);}"},
        {Menu::LevelActions,
         {"переход на уровень"},
         [](ItemValues &v) { v.d = v.j = "5"; },
         "уровень = 5",
         "{midlet.changeEtap(1,5);}"},
        {Menu::TimerActions, {"Запуск 1 таймера"}, same, "", ""},
        {Menu::FonActions,
         {"Координаты", "Х"},
         [](ItemValues &v) { v.d = v.j = "10"; },
         "Х=10",
         "{fon[3-1][krf3].setPosition(10,fon[3-1][krf3].getY());}"},
        {Menu::ActiveActions,
         {"анимация", "изменить", "номер кадра", "установить"},
         [](ItemValues &v) { v.d = v.j = "2"; },
         "кадр анимации: установить2",
         "{act[3-1][kr3].setFrame(2-1);}"},
        {Menu::ActiveActions,
         {"видимость", "изменить"},
         same,
         "изменение видимости",
         "{if(act[3-1][kr3].isVisible()==false){act[3-1][kr3].setVisible(true);}else{act[3-1]["
         "kr3].setVisible(false);}}"},
        {Menu::ActiveActions,
         {"режим", "преследование"},
         same,
         "режим: преследование",
         "{act_upr[3-1][kr3]=2;kd=kr2;}"},
        {Menu::ActiveActions,
         {"режим", "перемещение по траектории"},
         [](ItemValues &v) { v.n = 4, v.m = 2; },
         "режим: перемещение по траектории 2",
         "{act_upr[4-1][kr4]=6;act_tr_number[4-1][kr4]=1;}"},
        {Menu::SpecialActions,
         {"графические примитивы", "рисование примитива"},
         same,
         "Рисование з. прямоугольника",
         "graphics.setColor(0xFF0000); graphics.fillRect(10,20,30,40);"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.back());
        ItemValues values = sampleValues();
        c.values(values);
        EXPECT_EQ(itemTexts(catalogueEntry(c.menu, c.path), values), (EventItem{c.text, c.code}));
    }
    EXPECT_THROW(catalogueEntry(Menu::SoundActions, {"нет такого"}), Error);
}

// ---- the event table -------------------------------------------------------------------------

class EventTable : public ::testing::Test
{
protected:
    void SetUp() override
    {
        project->fonCount = 3;
        project->activeCount = 3;
        for (int e = 1; e <= 5; ++e) {
            const std::string n = std::to_string(e);
            ASSERT_EQ(perevod(*project, ChooserMode::New, 0, {"c" + n, "(k" + n + ")"}), e);
        }
    }

    EventItem action(Menu menu, const Path &path)
    {
        ItemValues values = sampleValues();
        values.n = 2;
        return itemTexts(catalogueEntry(menu, path), values);
    }

    std::unique_ptr<Project> project = std::make_unique<Project>();
};

TEST_F(EventTable, ConditionsAreAddedJoinedOrReplaced)
{
    const TEvent fifth = project->events[5];
    EXPECT_EQ(perevod(*project, ChooserMode::Dob, 2, {"Начало уровня", "(b)"}), 2);
    EXPECT_EQ(project->events[2].condText, "c2 и Начало уровня");
    EXPECT_EQ(project->events[2].condCode, "(k2)&(b)");
    EXPECT_EQ(perevod(*project, ChooserMode::Izm, 3, {"Всегда", "(obtime>0)"}), 3);
    EXPECT_EQ(project->events[3].condText, "Всегда");
    EXPECT_EQ(project->events[3].condCode, "(obtime>0)");
    EXPECT_EQ(project->eventCount, 5);
    EXPECT_EQ(project->events[5], fifth);
    EXPECT_EQ(project->events[5].eventExtra, "event");

    // A condition without display text was cancelled: nothing changes in any mode.
    const TEvent second = project->events[2];
    for (const ChooserMode mode : {ChooserMode::New, ChooserMode::Dob, ChooserMode::Izm})
        EXPECT_EQ(perevod(*project, mode, 2, {"", "(x)"}), 0);
    EXPECT_EQ(project->eventCount, 5);
    EXPECT_EQ(project->events[2], second);

    EXPECT_THROW(perevod(*project, ChooserMode::Dob, 6, {"a", "(a)"}), Error);
}

TEST_F(EventTable, AFullTableRefusesANewEvent)
{
    for (int e = 6; e <= maxEvents; ++e)
        perevod(*project, ChooserMode::New, 0, {"c", "(c)"});
    const TEvent last = project->events[maxEvents];
    try {
        perevod(*project, ChooserMode::New, 0, {"c", "(c)"});
        FAIL() << "a 51st event was stored";
    } catch (const Error &error) {
        EXPECT_NE(std::string(error.what()).find("at most 50 events"), std::string::npos);
    }
    EXPECT_EQ(project->eventCount, maxEvents);
    EXPECT_EQ(project->events[maxEvents], last);
}

TEST_F(EventTable, ActionsGoToTheirColumnWithTheElsePrefix)
{
    const EventItem visible = action(Menu::ActiveActions, {"видимость", "видимый"});
    metka(*project, {2, ColumnKind::Active, 2}, visible, true);
    EXPECT_EQ(project->events[2].actActCount[2], 1);
    EXPECT_EQ(project->events[2].actText[2][1], "иначе видимый");
    EXPECT_EQ(project->events[2].actCode[2][1], "}else{{act[2-1][kr2].setVisible(true);}");

    const EventItem next = action(Menu::LevelActions, {"следующий уровень"});
    metka(*project, {2, ColumnKind::General, 3}, next, false);
    metka(*project, {2, ColumnKind::General, 3}, next, false);
    EXPECT_EQ(project->events[2].generalCount[3], 2);
    EXPECT_EQ(project->events[2].generalCode[3][2], next.code);

    const EventItem hide = action(Menu::FonActions, {"Видимость", "Невидимый"});
    metka(*project, {4, ColumnKind::Fon, 3}, hide, false);
    EXPECT_EQ(project->events[4].fonActCount[3], 1);
    EXPECT_EQ(project->events[4].fonText[3][1], "Невидимый");
    EXPECT_EQ(project->events[4].actActCount[3], 0);
}

TEST_F(EventTable, ActionsBeyondTheTableAreRefusedAndChangeNothing)
{
    project->activeCount = 40;
    const EventItem item{"a", "{a();}"};
    for (int k = 1; k <= maxActions; ++k)
        metka(*project, {1, ColumnKind::Active, 1}, item, false);
    const TEvent before = project->events[1];
    const auto refused = [&](const ActionCell &cell, const std::string &message) {
        try {
            metka(*project, cell, item, false);
            ADD_FAILURE() << "stored in " << int(cell.kind) << " " << cell.object;
        } catch (const Error &error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
        }
        EXPECT_EQ(project->events[1], before);
    };
    refused({1, ColumnKind::Active, 1}, "at most 50 actions");
    refused({1, ColumnKind::Active, 31}, "only objects 1 to 30 can carry actions");
    refused({1, ColumnKind::Fon, 4}, "there is no background object 4");
    refused({1, ColumnKind::General, 5}, "there is no general column 5");
    refused({6, ColumnKind::General, 1}, "there is no event 6");
}

TEST_F(EventTable, DeletingAnActionClosesTheGap)
{
    const ActionCell cell{3, ColumnKind::Fon, 1};
    for (const char *name : {"A", "B", "C"})
        metka(*project, cell, {name, std::string("{") + name + "();}"}, false);
    deleteAction(*project, cell, 2);
    EXPECT_EQ(project->events[3].fonActCount[1], 2);
    EXPECT_EQ(project->events[3].fonText[1][1], "A");
    EXPECT_EQ(project->events[3].fonText[1][2], "C");
    EXPECT_EQ(project->events[3].fonCode[1][2], "{C();}");
    EXPECT_THROW(deleteAction(*project, cell, 3), Error);
}

TEST_F(EventTable, TheLastEventIsDeletedAndItsSlotStartsEmptyAgain)
{
    metka(*project, {5, ColumnKind::General, 1}, {"g", "{g();}"}, false);
    metka(*project, {5, ColumnKind::Active, 3}, {"a", "{a();}"}, false);
    setGroup(*project, 5, 4);
    EXPECT_EQ(project->events[5].group, 4);
    const TEvent first = project->events[1];

    deleteLastEvent(*project);
    EXPECT_EQ(project->eventCount, 4);
    EXPECT_EQ(project->events[1], first);
    EXPECT_EQ(project->events[5].generalCount[1], 0);
    EXPECT_EQ(project->events[5].actActCount[3], 0);

    perevod(*project, ChooserMode::New, 0, {"n", "(n)"});
    const TEvent &reused = project->events[5];
    EXPECT_EQ(reused.group, 0);
    EXPECT_EQ(reused.actActCount[3], 0);
    EXPECT_EQ(reused.generalText[1][1], "");

    for (int e = 0; e < 6; ++e)
        deleteLastEvent(*project);
    EXPECT_EQ(project->eventCount, 0);
    EXPECT_THROW(setGroup(*project, 1, 1), Error);
}

// ---- the expression builder ------------------------------------------------------------------

TEST(ExpressionBuilder, TranslatesEveryRuleAndSkipsTheRest)
{
    struct Case
    {
        std::string text;
        std::string java;
        std::vector<std::string> skipped;
    };
    const std::vector<Case> cases{
        {"12+(3*4)-5/6", "12+(3*4)-5/6", {}},
        {"7890", "7890", {}},
        {" минуты ", "endTime_ob/1000/60", {}},
        {" секунды + сотые ", "endTime_ob/1000+endTime_ob/10", {}},
        {" высота * ширина - уровень ", "height*width-level", {}},
        {" rand ", "rand", {}},
        {" Х[объект3] ", "act[3-1][kr3].getX()", {}},
        {" Y[объект3] +1", "act[3-1][kr3].getY()+1", {}},
        {" Х[фон2] ", "fon[2-1][krf2].getX()", {}},
        {" Y[фон2] ", "fon[2-1][krf2].getY()", {}},
        {" glob7 ", "glob[7]", {}},
        {"позиция[текст1]", "tek_str[gr_text[1][krt1]]", {}},
        {"кол[индикатор2]", "line_tek[gr_text[2][krl2]]", {}},
        // A group number of two digits names that group.
        {" Х[объект12] ", "act[12-1][kr12].getX()", {}},
        {"abs (5-7)", "Math.abs(5-7)", {}},
        // What no rule knows ends the translation no less.
        {"2x+ы3", "2+3", {"x", "ы"}},
        {"Х[объект]", "", {"Х[объект]"}},
        {"1\xD0", "1", {"\xD0"}},
        {"\x80\x80 1", "1", {"\x80\x80"}},
        {"", "", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ExpressionBuilder::perevod(c.text), (Translation{c.java, c.skipped}));
    }
}

TEST(ExpressionBuilder, ConfirmGivesEachModesResults)
{
    struct Case
    {
        BuilderMode mode;
        std::string field1;
        std::string field2;
        int operatorIndex;
        int global;
        std::string text;
        std::string code;
    };
    const std::vector<Case> cases{
        {BuilderMode::EnterValue, "", "12+(3*4)", 0, 1, "12+(3*4)", "12+(3*4)"},
        {BuilderMode::CompareTwo, "5", "3", 3, 1, "5>=3", "5>=3"},
        {BuilderMode::CompareTwo, "5", "3", ExpressionBuilder::noOperator, 1, "53", "53"},
        {BuilderMode::EnterGlobal, "", "1", 0, 7, "glob[7]=1", "glob[7]=1"},
        {BuilderMode::CompareGlobal, "", "10", 1, 20, "glob[20]!=10", "glob[20]!=10"},
        {BuilderMode::CompareWithValue, "", "5", 0, 1, "==5", "==5"},
        {BuilderMode::CompareWithValue, "", " минуты ", 5, 1, "<= минуты ", "<=endTime_ob/1000/60"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        ExpressionBuilder builder(c.mode);
        builder.activateField(1);
        builder.type(c.field1);
        builder.activateField(2);
        builder.type(c.field2);
        builder.setOperator(c.operatorIndex);
        builder.setGlobalNumber(c.global);
        const BuilderResult result = builder.confirm();
        EXPECT_EQ(result.text, c.text);
        EXPECT_EQ(result.code, c.code);
    }

    ExpressionBuilder builder(BuilderMode::CompareTwo);
    builder.activateField(1);
    builder.type("1x");
    builder.activateField(2);
    builder.type("abs (2)");
    const BuilderResult result = builder.confirm();
    EXPECT_EQ(result.field1Code, "1");
    EXPECT_EQ(result.field2Code, "Math.abs(2)");
    EXPECT_EQ(result.operatorCode, "==");
    EXPECT_EQ(result.skipped, std::vector<std::string>{"x"});
}

TEST(ExpressionBuilder, KeysEditTheActiveFieldOnly)
{
    ExpressionBuilder builder(BuilderMode::CompareTwo);
    builder.type("1");
    builder.deleteLast();
    builder.clearField();
    EXPECT_EQ(builder.field(1), "");
    EXPECT_EQ(builder.field(2), "");

    builder.activateField(2);
    builder.type("9");
    builder.type(" минуты ");
    builder.deleteLast();
    builder.deleteLast();
    EXPECT_EQ(builder.field(2), "9 минут");
    builder.clearField();
    builder.deleteLast();
    EXPECT_EQ(builder.field(2), "");
    EXPECT_EQ(builder.field(1), "");

    builder.setGlobalNumber(25);
    EXPECT_EQ(builder.globalNumber(), ExpressionBuilder::maxGlobalNumber);
    EXPECT_THROW(builder.setOperator(6), Error);
}

// ---- the drawing-primitive builder -----------------------------------------------------------

TEST(Primitive, EveryKindWritesItsCall)
{
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Рисование дуги", "drawArc(1,2,3,4,5,6)"},
        {"Рисование з. дуги", "fillArc(1,2,3,4,5,6)"},
        {"Рисование линии", "drawLine(1,2,3,4)"},
        {"Рисование прямоугольника", "drawRect(1,2,3,4)"},
        {"Рисование з. прямоугольника", "fillRect(1,2,3,4)"},
        {"Рисование скр. прямоугольника", "drawRoundRect(1,2,3,4,5,6)"},
        {"Рисование з. скр. прямоугольника", "fillRoundRect(1,2,3,4,5,6)"},
        {"Рисование з. треугольника", "fillTriangle(1,2,3,4,5,6)"},
    };
    ASSERT_EQ(primitiveKinds().size(), expected.size() + 1);
    for (size_t i = 0; i < expected.size(); ++i) {
        Primitive primitive;
        primitive.kind = primitiveKinds()[i].kind;
        primitive.shapeColour = 0x123456; // blue 0x12, green 0x34, red 0x56
        primitive.parameters = {1, 2, 3, 4, 5, 6};
        EXPECT_EQ(buildPrimitive(primitive),
                  (EventItem{expected[i].first,
                             "graphics.setColor(0x563412); graphics." + expected[i].second + ";"}));
    }

    Primitive line;
    line.kind = PrimitiveKind::DrawLine;
    line.parameters = {0, 0, 5, 7, 9, 9};
    EXPECT_EQ(buildPrimitive(line).code,
              "graphics.setColor(0x000000); graphics.drawLine(0,0,5,7);");
    EXPECT_EQ(buildPrimitive(Primitive{}), (EventItem{"", "graphics.setColor(0x000000); "}));
}

TEST(Primitive, TextCarriesItsListsAndAnEscapedString)
{
    Primitive text;
    text.kind = PrimitiveKind::DrawString;
    text.text = "say \"hi\" \\ ok";
    text.x = 5;
    text.y = -6;
    text.shapeColour = 0xFFFFFF;
    text.textColour = 0x00FF00;
    EXPECT_EQ(
        buildPrimitive(text),
        (EventItem{"Рисование текста",
                   "graphics.setColor(0x00FF00); graphics.setFont(Font.getFont(Font.гарнитура,"
                   "Font.стиль,Font.размер));graphics.drawString(\"say \\\"hi\\\" \\\\ ok\",5,"
                   "-6,graphics.вертикаль|graphics.горизонталь);"}));
    text.listTexts = {"RIGHT", "BASELINE", "FACE_MONOSPACE", "STYLE_BOLD", "SIZE_LARGE"};
    EXPECT_EQ(buildPrimitive(text).code,
              "graphics.setColor(0x00FF00); graphics.setFont(Font.getFont(Font.FACE_MONOSPACE,"
              "Font.STYLE_BOLD,Font.SIZE_LARGE));graphics.drawString(\"say \\\"hi\\\" \\\\ ok\",5,"
              "-6,graphics.BASELINE|graphics.RIGHT);");
}

// ---- the other dialogs -----------------------------------------------------------------------

TEST(Dialogs, KeysHaveTheirNames)
{
    const auto find = [](const char *caption) {
        for (const PhoneKey &key : phoneKeys()) {
            if (std::string(key.caption) == caption)
                return std::pair<std::string, std::string>(key.displayName, key.codeName);
        }
        return std::pair<std::string, std::string>();
    };
    EXPECT_EQ(find("#"), std::make_pair(std::string("#"), std::string("r")));
    EXPECT_EQ(find("*"), std::make_pair(std::string("*"), std::string("zv")));
    EXPECT_EQ(find("E"), std::make_pair(std::string("venter"), std::string("fire")));
    EXPECT_EQ(find("7"), std::make_pair(std::string("7"), std::string("7")));

    std::set<std::string> codes;
    std::set<std::pair<int, int>> places;
    for (const PhoneKey &key : phoneKeys()) {
        codes.insert(key.codeName);
        places.insert({key.row, key.column});
    }
    EXPECT_EQ(phoneKeys().size(), 19u);
    EXPECT_EQ(codes.size(), 19u);
    EXPECT_EQ(places.size(), 19u);
    EXPECT_EQ(codes,
              (std::set<std::string>{"ls", "rs", "up", "left", "right", "down", "fire", "0", "1",
                                     "2", "3", "4", "5", "6", "7", "8", "9", "zv", "r"}));
}

TEST(Dialogs, ConditionObjectNumberKeepsTheLastConfirmedNumber)
{
    ConditionObjectNumber number;
    EXPECT_EQ(number.close(std::nullopt), std::nullopt);
    EXPECT_EQ(number.close(3), 3);
    EXPECT_EQ(number.close(std::nullopt), 3);
    EXPECT_EQ(number.close(0), 0);
    EXPECT_EQ(number.close(std::nullopt), 0);
}

TEST(Dialogs, TimerSettingGivesTextAndMilliseconds)
{
    EXPECT_EQ(timerSetting("1", "2", "50"), (TimerSetting{"1/2/50", 62500}));
    EXPECT_EQ(timerSetting(" 0,5 ", "0", "0.05"), (TimerSetting{" 0,5 /0/0.05", 30000}));
    EXPECT_THROW(timerSetting("1", "", "0"), Error);
}

TEST(Dialogs, SoundFileNameTypeAndCopy)
{
    EXPECT_EQ(soundFile("/music/theme.wav"), (SoundFile{"theme.wav", "audio/x-wav"}));
    EXPECT_EQ(soundFile("theme.WAV"), (SoundFile{"theme.WAV", ""}));
    EXPECT_EQ(soundFile("a.mid").contentType, "audio/midi");
    EXPECT_EQ(soundFile("a.mp3").contentType, "audio/mpeg");
    EXPECT_EQ(soundFile("a.ogg").contentType, "");

    test::TemporaryFolder folder;
    std::filesystem::create_directory(folder / "project");
    test::writeFile(folder / "theme.wav", "new");
    copySoundFile(folder / "theme.wav", folder / "project");
    EXPECT_EQ(test::readFile(folder / "project" / "res" / "theme.wav"), "new");

    test::writeFile(folder / "theme.wav", "newer");
    copySoundFile(folder / "theme.wav", folder / "project");
    EXPECT_EQ(test::readFile(folder / "project" / "res" / "theme.wav"), "new");
    EXPECT_THROW(copySoundFile(folder / "missing.wav", folder / "project"), Error);
}

} // namespace
} // namespace zor
