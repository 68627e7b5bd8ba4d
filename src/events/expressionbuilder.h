#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

// What the caller asks of the expression builder.
enum class BuilderMode
{
    CompareGlobal,    // "сравнение глобальной переменной"
    CompareTwo,       // "сравнение переменных"
    CompareWithValue, // "сравнение со значением"
    EnterGlobal,      // "ввод глобального"
    EnterValue        // "ввод значения"
};

// A mode's name, its prompt and which parts of the dialog it shows.
struct BuilderModeInfo
{
    BuilderMode mode;
    const char *name;
    const char *prompt;
    bool showsGlobalNumber;
    bool showsField1;
    bool showsOperator;
    bool showsField2;
};
const BuilderModeInfo &builderModeInfo(BuilderMode mode);

// The comparison operators of the drop-down list, in list order.
struct BuilderOperator
{
    const char *caption;
    const char *java;
};
std::span<const BuilderOperator> builderOperators();

// The keypad: each key appends its text to the active field.
struct BuilderKey
{
    const char *caption;
    const char *text;
};
std::span<const BuilderKey> builderKeys();

// A field's text translated into Java. Whatever no rule knows is left out and listed in
// `skipped`, one entry per run of such characters, so that the user can be told.
struct Translation
{
    std::string java;
    std::vector<std::string> skipped;

    bool operator==(const Translation &) const = default;
};

// What the builder hands back on confirmation.
struct BuilderResult
{
    std::string text;       // display result
    std::string code;       // Java result
    std::string field1Code; // Java text of field 1 ("glob[n]" in the global modes)
    std::string field2Code;
    std::string operatorCode;
    std::vector<std::string> skipped; // untranslatable pieces of both fields

    bool operator==(const BuilderResult &) const = default;
};

// The expression builder's state and logic: two fields typed on a keypad, a global number,
// an operator, and the translation of the fields into Java.
class ExpressionBuilder
{
public:
    static constexpr int minGlobalNumber = 1;
    static constexpr int maxGlobalNumber = 20;
    static constexpr int noOperator = -1;

    explicit ExpressionBuilder(BuilderMode mode)
        : m_mode(mode)
    {}

    BuilderMode mode() const { return m_mode; }

    // Field 1 or 2 becomes the one the keys type into.
    void activateField(int field);
    // Appends to the active field; without an active field nothing happens.
    void type(std::string_view text);
    // "удалить": removes the last character of the active field.
    void deleteLast();
    // "очистить": empties the active field.
    void clearField();
    const std::string &field(int field) const;

    // Kept within minGlobalNumber..maxGlobalNumber, as the spin box does.
    void setGlobalNumber(int number);
    int globalNumber() const { return m_globalNumber; }
    // An index into builderOperators(), or noOperator.
    void setOperator(int index);
    int operatorIndex() const { return m_operator; }

    // "Да": the results for the current mode and values.
    BuilderResult confirm() const;

    // The translation of one field's text into Java. At the front of the text the first rule
    // that matches is applied: blanks are dropped, digits and "/*-+()" copied, value tokens
    // ("минуты", "Х[объект3]", "glob7", ...) replaced by the game's names, "abs" by Math.abs;
    // a character that no rule knows is skipped and reported, so the translation always ends.
    static Translation perevod(std::string_view text);

private:
    std::string *activeText(); // null while no field is active

    BuilderMode m_mode;
    std::string m_field1;
    std::string m_field2;
    int m_activeField = 0;
    int m_globalNumber = minGlobalNumber;
    int m_operator = 0;
};

} // namespace zor
