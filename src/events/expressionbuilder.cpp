#include "expressionbuilder.h"

#include "base/error.h"

#include <algorithm>
#include <array>

namespace zor {
namespace {

constexpr std::array<BuilderModeInfo, 5> modeInfos{{
    {BuilderMode::CompareGlobal, "сравнение глобальной переменной",
     "Выберите номер глобального значения и введите переменную", true, false, true, true},
    {BuilderMode::CompareTwo, "сравнение переменных", "Введите значения переменных", false, true,
     true, true},
    {BuilderMode::CompareWithValue, "сравнение со значением", "Введите значение переменной", false,
     false, true, true},
    {BuilderMode::EnterGlobal, "ввод глобального", "Введите значение глобальной переменной", true,
     false, false, true},
    {BuilderMode::EnterValue, "ввод значения", "Введите значение", false, false, false, true},
}};

constexpr std::array<BuilderOperator, 6> operators{{
    {"Равно", "=="},
    {"Не равно", "!="},
    {"Больше", ">"},
    {"Больше или равно", ">="},
    {"Меньше", "<"},
    {"Меньше или равно", "<="},
}};

constexpr std::array<BuilderKey, 17> keys{{
    {"1", "1"},
    {"2", "2"},
    {"3", "3"},
    {"4", "4"},
    {"5", "5"},
    {"6", "6"},
    {"7", "7"},
    {"8", "8"},
    {"9", "9"},
    {"0", "0"},
    {"+", "+"},
    {"-", "-"},
    {"*", "*"},
    {"/", "/"},
    {"(", "("},
    {")", ")"},
    {"модуль", "abs "},
}};

enum class RuleShape
{
    Word,      // the word alone
    Character, // one of the word's characters, copied as it is
    Numbered   // the word, a group number n and its closing "]"; '#' in the Java text stands for n
};

struct TranslationRule
{
    std::string_view word;
    std::string_view java;
    RuleShape shape = RuleShape::Word;
};

// Tried in this order at the front of the text; the first that matches is taken.
constexpr std::array<TranslationRule, 18> rules{{
    {" ", ""},
    {"1234567890", "", RuleShape::Character},
    {"/*-+()", "", RuleShape::Character},
    {"минуты", "endTime_ob/1000/60"},
    {"секунды", "endTime_ob/1000"},
    {"сотые", "endTime_ob/10"},
    {"высота", "height"},
    {"ширина", "width"},
    {"уровень", "level"},
    {"rand", "rand"},
    {"Х[объект", "act[#-1][kr#].getX()", RuleShape::Numbered},
    {"Y[объект", "act[#-1][kr#].getY()", RuleShape::Numbered},
    {"Х[фон", "fon[#-1][krf#].getX()", RuleShape::Numbered},
    {"Y[фон", "fon[#-1][krf#].getY()", RuleShape::Numbered},
    {"glob", "glob[#]", RuleShape::Numbered},
    {"позиция[текст", "tek_str[gr_text[#][krt#]]", RuleShape::Numbered},
    {"кол[индикатор", "line_tek[gr_text[#][krl#]]", RuleShape::Numbered},
    // The keypad's "модуль" key types "abs ".
    {"abs", "Math.abs"},
}};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Bytes of the UTF-8 character that starts `text`.
size_t characterLength(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(length, text.size());
}

std::string withNumber(std::string_view java, std::string_view number)
{
    std::string text;
    for (const char c : java) {
        if (c == '#')
            text += number;
        else
            text += c;
    }
    return text;
}

// Appends the rule's Java text and returns the characters it consumed, or 0 when it does not
// match the front of `text`.
size_t applyRule(const TranslationRule &rule, std::string_view text, std::string &java)
{
    if (rule.shape == RuleShape::Character) {
        if (rule.word.find(text.front()) == std::string_view::npos)
            return 0;
        java += text.front();
        return 1;
    }
    if (!text.starts_with(rule.word))
        return 0;
    if (rule.shape == RuleShape::Word) {
        java += rule.java;
        return rule.word.size();
    }
    size_t end = rule.word.size();
    while (end < text.size() && isDigit(text[end]))
        ++end;
    if (end == rule.word.size())
        return 0;
    java += withNumber(rule.java, text.substr(rule.word.size(), end - rule.word.size()));
    if (end < text.size() && text[end] == ']')
        ++end;
    return end;
}

} // namespace

const BuilderModeInfo &builderModeInfo(BuilderMode mode)
{
    for (const BuilderModeInfo &info : modeInfos) {
        if (info.mode == mode)
            return info;
    }
    throw Error("unknown expression builder mode");
}

std::span<const BuilderOperator> builderOperators()
{
    return operators;
}

std::span<const BuilderKey> builderKeys()
{
    return keys;
}

void ExpressionBuilder::activateField(int field)
{
    if (field != 1 && field != 2)
        throw Error("the expression builder has no field " + std::to_string(field));
    m_activeField = field;
}

std::string *ExpressionBuilder::activeText()
{
    if (m_activeField == 1)
        return &m_field1;
    if (m_activeField == 2)
        return &m_field2;
    return nullptr;
}

void ExpressionBuilder::type(std::string_view text)
{
    if (std::string *field = activeText())
        *field += text;
}

void ExpressionBuilder::deleteLast()
{
    std::string *field = activeText();
    if (!field || field->empty())
        return;
    size_t start = field->size() - 1;
    while (start > 0 && (static_cast<unsigned char>((*field)[start]) & 0xC0) == 0x80)
        --start;
    field->erase(start);
}

void ExpressionBuilder::clearField()
{
    if (std::string *field = activeText())
        field->clear();
}

const std::string &ExpressionBuilder::field(int field) const
{
    if (field != 1 && field != 2)
        throw Error("the expression builder has no field " + std::to_string(field));
    return field == 1 ? m_field1 : m_field2;
}

void ExpressionBuilder::setGlobalNumber(int number)
{
    m_globalNumber = std::clamp(number, minGlobalNumber, maxGlobalNumber);
}

void ExpressionBuilder::setOperator(int index)
{
    if (index != noOperator && (index < 0 || index >= int(operators.size())))
        throw Error("the expression builder has no operator " + std::to_string(index));
    m_operator = index;
}

BuilderResult ExpressionBuilder::confirm() const
{
    const Translation first = perevod(m_field1);
    const Translation second = perevod(m_field2);
    BuilderResult result;
    result.field1Code = first.java;
    result.field2Code = second.java;
    result.operatorCode = m_operator == noOperator ? "" : operators[size_t(m_operator)].java;
    result.skipped = first.skipped;
    result.skipped.insert(result.skipped.end(), second.skipped.begin(), second.skipped.end());

    const std::string global = "glob[" + std::to_string(m_globalNumber) + "]";
    switch (m_mode) {
    case BuilderMode::CompareGlobal:
        result.field1Code = global;
        result.text = global + result.operatorCode + m_field2;
        result.code = global + result.operatorCode + second.java;
        break;
    case BuilderMode::EnterGlobal:
        result.field1Code = global;
        result.text = global + "=" + m_field2;
        result.code = global + "=" + second.java;
        break;
    case BuilderMode::EnterValue:
        result.text = m_field2;
        result.code = second.java;
        break;
    case BuilderMode::CompareTwo:
    case BuilderMode::CompareWithValue:
        result.text = m_field1 + result.operatorCode + m_field2;
        result.code = first.java + result.operatorCode + second.java;
        break;
    }
    return result;
}

Translation ExpressionBuilder::perevod(std::string_view text)
{
    Translation translation;
    bool skipping = false;
    while (!text.empty()) {
        size_t consumed = 0;
        for (const TranslationRule &rule : rules) {
            consumed = applyRule(rule, text, translation.java);
            if (consumed > 0)
                break;
        }
        if (consumed > 0) {
            skipping = false;
        } else {
            consumed = characterLength(text);
            if (!skipping)
                translation.skipped.emplace_back();
            translation.skipped.back() += text.substr(0, consumed);
            skipping = true;
        }
        text.remove_prefix(consumed);
    }
    return translation;
}

} // namespace zor
