#pragma once

#include "eventitem.h"
#include "expressionbuilder.h"
#include "primitive.h"

#include <string>
#include <string_view>
#include <vector>

namespace zor {

// The pop-up menus that offer conditions and actions.
enum class CatalogueMenu
{
    // Conditions: the five category pictures of "Общие", then the object lists' menus.
    GeneralConditions1,
    GeneralConditions2,
    GeneralConditions3,
    GeneralConditions4,
    GeneralConditions5,
    FonConditions,
    ActiveConditions,
    // Actions: the four general columns, then the object columns.
    SpecialActions,
    SoundActions,
    LevelActions,
    TimerActions,
    FonActions,
    ActiveActions
};

enum class ItemKind
{
    Condition,
    Action
};
ItemKind itemKind(CatalogueMenu menu);

enum class EntryState
{
    Shown,
    Hidden,
    Disabled
};

// Where an item's values come from before its texts are made.
enum class ValueDialog
{
    None,
    ExpressionBuilder,     // D and J, in the entry's builder mode
    KeyDialog,             // K1 and K2
    ConditionObjectNumber, // M
    ActionObjectNumber,    // M (and P = M - 1)
    Detection,             // MIN, MAX and M
    SoundFile,             // F and T
    DrawingPrimitive       // the whole action
};

// One menu item. Templates are literal text with values written "$NAME": $N object number,
// $S background object name, $L current level, $M number from a dialog, $P that number
// minus 1, $D and $J the builder's display and Java texts, $K1 and $K2 the key's display and
// code names, $MIN and $MAX the detection radii, $F the sound file name, $T its content type.
// Both templates empty: the item does nothing.
struct CatalogueEntry
{
    CatalogueMenu menu;
    std::vector<std::string> path; // captions from the menu down to the item
    EntryState state = EntryState::Shown;
    ValueDialog dialog = ValueDialog::None;
    BuilderMode builderMode = BuilderMode::EnterValue; // with ValueDialog::ExpressionBuilder
    std::string textTemplate;
    std::string codeTemplate;
};

// Every condition, then every action, each in menu order.
const std::vector<CatalogueEntry> &catalogue();

// The entry of `menu` whose captions are `path`; refused when there is none.
const CatalogueEntry &catalogueEntry(CatalogueMenu menu, const std::vector<std::string> &path);

bool doesNothing(const CatalogueEntry &entry);

// The names of the values an entry's texts use ("N", "D", ...), each once, in template order.
std::vector<std::string> neededValues(const CatalogueEntry &entry);

// The values an item is made with.
struct ItemValues
{
    int n = 0;
    std::string s;
    int l = 0;
    int m = 0;
    std::string d;
    std::string j;
    std::string k1;
    std::string k2;
    int min = 0;
    int max = 0;
    std::string f;
    std::string t;
    Primitive primitive; // for the drawing-primitive item
};

// The texts an entry makes from its values. Values inside Java string literals are escaped.
EventItem itemTexts(const CatalogueEntry &entry, const ItemValues &values);

// The values the printed catalogue shows: N 3, S obj3, L 1, M 2, D "D", J "J", K1 "vu",
// K2 "up", MIN 10, MAX 50, F theme.wav, T audio/x-wav, and a red filled rectangle at 10,20
// of 30 by 40.
ItemValues sampleValues();

// One line per entry: "condition" or "action", the path joined with " > ", "hidden",
// "disabled" or "-", the display text and the code text, separated by tabs.
std::string catalogueListing(const ItemValues &values);

} // namespace zor
