#pragma once

#include "eventitem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zor {

// What the drawing-primitive dialog draws; None until the user picks a kind.
enum class PrimitiveKind
{
    None,
    DrawArc,
    FillArc,
    DrawLine,
    DrawRect,
    FillRect,
    DrawRoundRect,
    FillRoundRect,
    FillTriangle,
    DrawString
};

constexpr int primitiveParameters = 6;

struct PrimitiveKindInfo
{
    PrimitiveKind kind;
    const char *caption; // the radio button
    const char *method;  // the Graphics method
    const char *text;    // the action's display text
    int parameterCount;  // shape fields used; the text kind has its own group instead
    std::array<const char *, primitiveParameters> labels; // empty: the field is hidden
};

// The nine kinds in dialog order.
std::span<const PrimitiveKindInfo> primitiveKinds();
const PrimitiveKindInfo &primitiveKindInfo(PrimitiveKind kind);

// The five lists of the text kind, in this order.
enum PrimitiveTextList
{
    HorizontalAnchor,
    VerticalAnchor,
    FontFace,
    FontStyle,
    FontSize
};
constexpr size_t primitiveTextListCount = 5;

struct PrimitiveListInfo
{
    const char *placeholder; // the list's text before the user picks
    std::span<const char *const> options;
};
const PrimitiveListInfo &primitiveListInfo(PrimitiveTextList list);

using PrimitiveListTexts = std::array<std::string, primitiveTextListCount>;
PrimitiveListTexts primitiveListPlaceholders();

// The dialog's values. Colours are 0x00BBGGRR, black at the start.
struct Primitive
{
    PrimitiveKind kind = PrimitiveKind::None;
    std::uint32_t shapeColour = 0;
    std::array<int, primitiveParameters> parameters{};
    std::string text;
    int x = 0;
    int y = 0;
    std::uint32_t textColour = 0;
    PrimitiveListTexts listTexts = primitiveListPlaceholders();
};

// The action "Да" stores: a colour call followed by the drawing call on "graphics".
EventItem buildPrimitive(const Primitive &primitive);

} // namespace zor
