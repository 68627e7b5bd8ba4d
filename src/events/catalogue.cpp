#include "catalogue.h"

#include "javatext.h"

#include "base/error.h"

#include <algorithm>
#include <array>

namespace zor {
namespace {

// Longer names first, so that "$MIN" is not read as "$M" followed by "IN".
constexpr std::array<std::string_view, 13> valueNames{"MIN", "MAX", "K1", "K2", "N", "S", "L",
                                                      "M",   "P",   "D",  "J",  "F", "T"};

struct TemplatePiece
{
    std::string_view literal;
    std::string_view value; // a value name, or empty for a literal piece
};

std::vector<TemplatePiece> templatePieces(std::string_view text)
{
    std::vector<TemplatePiece> pieces;
    while (!text.empty()) {
        const size_t dollar = text.find('$');
        if (dollar != 0) {
            pieces.push_back({text.substr(0, dollar), {}});
            text.remove_prefix(std::min(dollar, text.size()));
            continue;
        }
        const auto name =
            std::find_if(valueNames.begin(), valueNames.end(),
                         [&](std::string_view n) { return text.substr(1).starts_with(n); });
        if (name == valueNames.end())
            throw Error("the template \"" + std::string(text) + "\" names an unknown value");
        pieces.push_back({{}, *name});
        text.remove_prefix(1 + name->size());
    }
    return pieces;
}

std::string valueText(std::string_view name, const ItemValues &v)
{
    if (name == "N")
        return std::to_string(v.n);
    if (name == "S")
        return v.s;
    if (name == "L")
        return std::to_string(v.l);
    if (name == "M")
        return std::to_string(v.m);
    if (name == "P")
        return std::to_string(v.m - 1);
    if (name == "D")
        return v.d;
    if (name == "J")
        return v.j;
    if (name == "K1")
        return v.k1;
    if (name == "K2")
        return v.k2;
    if (name == "MIN")
        return std::to_string(v.min);
    if (name == "MAX")
        return std::to_string(v.max);
    if (name == "F")
        return v.f;
    return v.t;
}

// In a Java template, a value that stands between double quotes is escaped for the literal.
std::string fillTemplate(std::string_view text, const ItemValues &values, bool java)
{
    std::string filled;
    bool inString = false;
    for (const TemplatePiece &piece : templatePieces(text)) {
        if (piece.value.empty()) {
            filled += piece.literal;
            if (std::count(piece.literal.begin(), piece.literal.end(), '"') % 2 == 1)
                inString = !inString;
        } else {
            const std::string value = valueText(piece.value, values);
            filled += java && inString ? escapeJavaString(value) : value;
        }
    }
    return filled;
}

// Appends the entries of one menu after another.
class CatalogueWriter
{
public:
    void startMenu(CatalogueMenu menu) { m_menu = menu; }

    void add(std::vector<std::string> path, std::string text, std::string code,
             EntryState state = EntryState::Shown)
    {
        m_entries.push_back({m_menu, std::move(path), state, ValueDialog::None,
                             BuilderMode::EnterValue, std::move(text), std::move(code)});
    }
    void withBuilder(std::vector<std::string> path, BuilderMode mode, std::string text,
                     std::string code)
    {
        m_entries.push_back({m_menu, std::move(path), EntryState::Shown,
                             ValueDialog::ExpressionBuilder, mode, std::move(text),
                             std::move(code)});
    }
    void withDialog(std::vector<std::string> path, ValueDialog dialog, std::string text = {},
                    std::string code = {})
    {
        m_entries.push_back({m_menu, std::move(path), EntryState::Shown, dialog,
                             BuilderMode::EnterValue, std::move(text), std::move(code)});
    }
    void inert(std::vector<std::string> path, EntryState state = EntryState::Shown)
    {
        add(std::move(path), {}, {}, state);
    }

    std::vector<CatalogueEntry> entries() { return std::move(m_entries); }

private:
    CatalogueMenu m_menu = CatalogueMenu::GeneralConditions1;
    std::vector<CatalogueEntry> m_entries;
};

constexpr int timers = 10;
constexpr int properties = 5;

// An instance of active object N, of the object M a dialog names, of background object N.
const std::string activeN = "act[$N-1][kr$N]";
const std::string activeM = "act[$M-1][kr$M]";
const std::string fonN = "fon[$N-1][krf$N]";
const std::string aliveN = "(act_upr[$N-1][kr$N]!=5)";

// Object N within MAX of object M on both axes, farther than MIN on one of them, not dead.
std::string detectionCode()
{
    const std::string dx = activeN + ".getX()-" + activeM + ".getX()";
    const std::string dy = activeN + ".getY()-" + activeM + ".getY()";
    return "((" + dx + "<$MAX)&(" + dx + ">-$MAX)&(" + dy + "<$MAX)&(" + dy + ">-$MAX)&((" + dx +
           ">$MIN)|(" + dx + "<-$MIN)|(" + dy + ">$MIN)|(" + dy + "<-$MIN)))&" + aliveN;
}

// Object N lies on one side of the centre of object M (`comparison` along `axis`), more
// along that axis than along the other, and is not dead.
std::string relativePositionCode(char axis, char comparison)
{
    const auto centre = [](char a) {
        return activeM + ".get" + a + "()+" + activeM +
               (a == 'X' ? ".getWidth()/2" : ".getHeight()/2");
    };
    const char other = axis == 'X' ? 'Y' : 'X';
    const std::string along = activeN + ".get" + axis + "()";
    const std::string across = activeN + ".get" + other + "()";
    return "(" + along + comparison + centre(axis) + ")&(Math.abs(" + along + "-(" + centre(axis) +
           "))>Math.abs(" + across + "-(" + centre(other) + ")))&" + aliveN;
}

void addConditions(CatalogueWriter &w)
{
    w.startMenu(CatalogueMenu::GeneralConditions1);
    w.add({"Всегда"}, "Всегда", "(obtime>0)");
    w.withBuilder({"Сравнение двух значений"}, BuilderMode::CompareTwo, "$D", "($J)");
    w.withBuilder({"Сравнение глобального значения"}, BuilderMode::CompareGlobal, "$D", "($J)");

    w.startMenu(CatalogueMenu::GeneralConditions2);
    w.inert({"---------"}, EntryState::Disabled);

    w.startMenu(CatalogueMenu::GeneralConditions3);
    w.add({"Начало уровня"}, "Начало уровня", "((obtime>=0)&(obtime<10))");

    w.startMenu(CatalogueMenu::GeneralConditions4);
    w.withDialog({"Нажатие на клавишу..."}, ValueDialog::KeyDialog, "нажатие клавиши $K1",
                 "(key_$K2_1==true)");
    w.add({"Нажатие на любую клавишу"}, "Любая клавиша", "(anykey==true)", EntryState::Hidden);
    w.withDialog({"Удержание клавиши..."}, ValueDialog::KeyDialog, "удержание клавиши $K1",
                 "(key_$K2_3==true)");
    w.withDialog({"Отпускание клавиши..."}, ValueDialog::KeyDialog, "отпускание клавиши $K1",
                 "(key_$K2_2==true)");

    w.startMenu(CatalogueMenu::GeneralConditions5);
    for (int n = 1; n <= timers; ++n) {
        const std::string caption = "Финиш " + std::to_string(n) + " таймера";
        w.add({caption}, caption, "(timer_regim[" + std::to_string(n) + "]==3)");
    }

    const BuilderMode compare = BuilderMode::CompareWithValue;
    w.startMenu(CatalogueMenu::FonConditions);
    w.withBuilder({"Координаты", "X"}, compare, "Х-координата фона \"$S\" $D",
                  "(" + fonN + ".getX()$J)");
    w.withBuilder({"Координаты", "Y"}, compare, "Y-координата фона$N $D",
                  "(" + fonN + ".getY()$J)");
    for (int k = 1; k <= properties; ++k) {
        const std::string number = std::to_string(k);
        w.withBuilder({"Свойства", "свойство" + number}, compare,
                      "Свойство" + number + " фон[$N] $D", "(fon_sv" + number + "[$N-1][krf$N]$J)");
    }
    w.inert({"Преграда", "Является преградой"}, EntryState::Hidden);
    w.inert({"Преграда", "Не является преградой"}, EntryState::Hidden);
    w.inert({"Видимость", "Видимый"}, EntryState::Hidden);
    w.inert({"Видимость", "Невидимый"}, EntryState::Hidden);

    w.startMenu(CatalogueMenu::ActiveConditions);
    w.withDialog({"обнаружение объекта"}, ValueDialog::Detection, "обнаружение от $MIN до $MAX",
                 detectionCode());
    w.withDialog({"столкновение", "с фоновым объектом"}, ValueDialog::ConditionObjectNumber,
                 "столкновение акт[$N] с фон[$M]",
                 "(" + activeN + ".collidesWith(fonPole[$M-1],false))");
    w.withDialog({"столкновение", "с активным объектом"}, ValueDialog::ConditionObjectNumber,
                 "столкновение акт[$N] с акт[$M]",
                 "(" + activeN + ".collidesWith(" + activeM + ",false))");
    const std::string mode = "(act_upr[$N-1][kr$N]==";
    w.add({"режим", "спокойствие"}, "спокойствие акт[$N]", mode + "1)");
    w.add({"режим", "перемещение"}, "перемещение акт[$N]", mode + "2)");
    w.add({"режим", "атака"}, "атака объекта акт[$N]", mode + "3)");
    w.add({"режим", "смерть"}, "смерть объекта акт[$N]", mode + "5)");
    w.add({"режим", "управление игроком"}, "управление акт[$N]", mode + "7)");
    w.withBuilder({"координаты", "сравнение Х-координаты объекта со значением"}, compare,
                  "Х-координата акт[$N] $D", "(" + activeN + ".getX()$J)");
    w.withBuilder({"координаты", "сравнение Y-координаты объекта со значением"}, compare,
                  "Y-координата акт[$N] $D", "(" + activeN + ".getY()$J)");
    // The user counts frames from 1, the game from 0.
    w.withBuilder({"анимация", "сравнение текущего кадра со значением..."}, compare,
                  "номер кадра акт[$N] $D", "(" + activeN + ".getFrame()$J-1)");
    w.add({"видимость", "если объект видимый"}, "акт[$N] видимый",
          "(" + activeN + ".isVisible()==true)");
    w.add({"видимость", "если объект невидимый"}, "акт[$N] невидимый",
          "(" + activeN + ".isVisible()==false)");
    const struct
    {
        const char *caption;
        char axis;
        char comparison;
    } sides[] = {
        {"слева", 'X', '<'}, {"справа", 'X', '>'}, {"сверху", 'Y', '<'}, {"снизу", 'Y', '>'}};
    for (const auto &side : sides) {
        w.withDialog({"расположение объекта", side.caption}, ValueDialog::ConditionObjectNumber,
                     "расположение $N " + std::string(side.caption) + " от $M",
                     relativePositionCode(side.axis, side.comparison));
    }
    w.withBuilder({"направление"}, compare, "направление акт[$N] $D", "(act_napr[$N-1][kr$N]$J)");
    for (int k = 1; k <= properties; ++k) {
        const std::string number = std::to_string(k);
        w.withBuilder({"свойства объекта", "свойство" + number}, compare,
                      "Свойство" + number + " акт[$N] $D", "(act_sv" + number + "[$N-1][kr$N]$J)");
    }
}

void addActions(CatalogueWriter &w)
{
    const BuilderMode value = BuilderMode::EnterValue;
    w.startMenu(CatalogueMenu::SpecialActions);
    const std::string everyLayer = "for(int count=0;count<layer_kol;count++){";
    w.withBuilder({"установка края экрана", "верхняя сторона"}, value, "верхний край экрана = $D",
                  everyLayer + "manager_Y[count]=$J;}");
    w.withBuilder({"установка края экрана", "левая сторона"}, value, "левый край экрана = $D",
                  everyLayer + "manager_X[count]=$J;}");
    // The builder's texts already hold the assignment.
    w.withBuilder({"установка глобального значения"}, BuilderMode::EnterGlobal, "$D", "$J;");
    w.inert({"графические примитивы", "установка точки отсчета"});
    w.withDialog({"графические примитивы", "рисование примитива"}, ValueDialog::DrawingPrimitive);

    w.startMenu(CatalogueMenu::SoundActions);
    w.withDialog({"Воспроизвести файл"}, ValueDialog::SoundFile, "воспроизвести $F",
                 "try{player=Manager.createPlayer(getClass().getResourceAsStream(\"/$F\"),\"$T\");"
                 "player.realize();player.prefetch();player.start();}catch (Exception e){}");

    // The first argument is the level open in the editor when the action was made.
    w.startMenu(CatalogueMenu::LevelActions);
    w.add({"следующий уровень"}, "уровень+1", "{midlet.changeEtap($L,$L+1);}");
    w.add({"предыдущий уровень"}, "уровень-1", "{midlet.changeEtap($L,$L-1);}");
    w.withBuilder({"переход на уровень"}, value, "уровень = $D", "{midlet.changeEtap($L,$J);}");
    w.inert({"перезапуск текущего уровня"}, EntryState::Disabled);
    w.inert({"перезапуск игры"}, EntryState::Disabled);
    w.inert({"конец игры"}, EntryState::Disabled);

    w.startMenu(CatalogueMenu::TimerActions);
    for (int n = 1; n <= timers; ++n)
        w.inert({"Запуск " + std::to_string(n) + " таймера"});

    w.startMenu(CatalogueMenu::FonActions);
    w.withBuilder({"Координаты", "Х"}, value, "Х=$D",
                  "{" + fonN + ".setPosition($J," + fonN + ".getY());}");
    w.withBuilder({"Координаты", "Y"}, value, "Y=$D",
                  "{" + fonN + ".setPosition(" + fonN + ".getX(),$J);}");
    w.inert({"Препятствие", "Является"}, EntryState::Disabled);
    w.inert({"Препятствие", "Не является"}, EntryState::Disabled);
    w.add({"Видимость", "Видимый"}, "Видимый", "{" + fonN + ".setVisible(true);}");
    w.add({"Видимость", "Невидимый"}, "Невидимый", "{" + fonN + ".setVisible(false);}");

    w.startMenu(CatalogueMenu::ActiveActions);
    w.withBuilder({"позиция", "задать Х"}, value, "Х=$D",
                  "{" + activeN + ".setPosition($J," + activeN + ".getY());}");
    w.withBuilder({"позиция", "задать Y"}, value, "Y=$D",
                  "{" + activeN + ".setPosition(" + activeN + ".getX(),$J);}");
    const std::vector<std::string> frame = {"анимация", "изменить", "номер кадра"};
    const auto framePath = [&frame](const char *last) {
        std::vector<std::string> path = frame;
        path.emplace_back(last);
        return path;
    };
    w.add(framePath("следующий"), "кадр анимации: следующий", "{" + activeN + ".nextFrame();}");
    w.add(framePath("предыдущий"), "кадр анимации: предыдущий", "{" + activeN + ".prevFrame();}");
    w.withBuilder(framePath("установить"), value, "кадр анимации: установить$D",
                  "{" + activeN + ".setFrame($J-1);}");
    w.add({"видимость", "видимый"}, "видимый", "{" + activeN + ".setVisible(true);}");
    w.add({"видимость", "невидимый"}, "невидимый", "{" + activeN + ".setVisible(false);}");
    w.add({"видимость", "изменить"}, "изменение видимости",
          "{if(" + activeN + ".isVisible()==false){" + activeN + ".setVisible(true);}else{" +
              activeN + ".setVisible(false);}}");
    // Pursuit and attack aim at the instances of object M through its loop variable.
    const std::string mode = "{act_upr[$N-1][kr$N]=";
    w.add({"режим", "спокойствие"}, "режим: спокойствие", mode + "1;}");
    w.withDialog({"режим", "преследование"}, ValueDialog::ActionObjectNumber,
                 "режим: преследование", mode + "2;kd=kr$M;}");
    w.withDialog({"режим", "атака"}, ValueDialog::ActionObjectNumber, "режим: атака",
                 mode + "3;kd=kr$M;}");
    w.add({"режим", "смерть"}, "режим: смерть", mode + "5;}");
    // The user numbers paths from 1, the game from 0.
    w.withDialog({"режим", "перемещение по траектории"}, ValueDialog::ActionObjectNumber,
                 "режим: перемещение по траектории $M", mode + "6;act_tr_number[$N-1][kr$N]=$P;}");
    w.add({"режим", "управление игроком"}, "режим: управление игроком", mode + "7;}");
}

std::vector<CatalogueEntry> makeCatalogue()
{
    CatalogueWriter writer;
    addConditions(writer);
    addActions(writer);
    return writer.entries();
}

std::string joinedPath(const std::vector<std::string> &path)
{
    std::string joined;
    for (const std::string &caption : path)
        joined += (joined.empty() ? "" : " > ") + caption;
    return joined;
}

const char *stateText(EntryState state)
{
    switch (state) {
    case EntryState::Hidden:
        return "hidden";
    case EntryState::Disabled:
        return "disabled";
    case EntryState::Shown:
        break;
    }
    return "-";
}

} // namespace

ItemKind itemKind(CatalogueMenu menu)
{
    return menu < CatalogueMenu::SpecialActions ? ItemKind::Condition : ItemKind::Action;
}

const std::vector<CatalogueEntry> &catalogue()
{
    static const std::vector<CatalogueEntry> entries = makeCatalogue();
    return entries;
}

const CatalogueEntry &catalogueEntry(CatalogueMenu menu, const std::vector<std::string> &path)
{
    for (const CatalogueEntry &entry : catalogue()) {
        if (entry.menu == menu && entry.path == path)
            return entry;
    }
    throw Error("the catalogue has no item \"" + joinedPath(path) + "\"");
}

bool doesNothing(const CatalogueEntry &entry)
{
    return entry.dialog == ValueDialog::None && entry.textTemplate.empty() &&
           entry.codeTemplate.empty();
}

std::vector<std::string> neededValues(const CatalogueEntry &entry)
{
    std::vector<std::string> names;
    for (const std::string &text : {entry.textTemplate, entry.codeTemplate}) {
        for (const TemplatePiece &piece : templatePieces(text)) {
            if (!piece.value.empty() &&
                std::find(names.begin(), names.end(), piece.value) == names.end())
                names.emplace_back(piece.value);
        }
    }
    return names;
}

EventItem itemTexts(const CatalogueEntry &entry, const ItemValues &values)
{
    if (entry.dialog == ValueDialog::DrawingPrimitive)
        return buildPrimitive(values.primitive);
    return {fillTemplate(entry.textTemplate, values, false),
            fillTemplate(entry.codeTemplate, values, true)};
}

ItemValues sampleValues()
{
    ItemValues values;
    values.n = 3;
    values.s = "obj3";
    values.l = 1;
    values.m = 2;
    values.d = "D";
    values.j = "J";
    values.k1 = "vu";
    values.k2 = "up";
    values.min = 10;
    values.max = 50;
    values.f = "theme.wav";
    values.t = "audio/x-wav";
    values.primitive.kind = PrimitiveKind::FillRect;
    values.primitive.shapeColour = 0x0000FF;
    values.primitive.parameters = {10, 20, 30, 40, 0, 0};
    return values;
}

std::string catalogueListing(const ItemValues &values)
{
    std::string listing;
    for (const CatalogueEntry &entry : catalogue()) {
        const EventItem item = itemTexts(entry, values);
        listing += itemKind(entry.menu) == ItemKind::Condition ? "condition" : "action";
        listing += '\t' + joinedPath(entry.path) + '\t' + stateText(entry.state) + '\t' +
                   item.text + '\t' + item.code + '\n';
    }
    return listing;
}

} // namespace zor
