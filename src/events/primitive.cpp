#include "primitive.h"

#include "javatext.h"

#include "base/error.h"

#include <cstdio>

namespace zor {
namespace {

using Labels = std::array<const char *, primitiveParameters>;
constexpr Labels arcLabels{"координата Х", "координата Y",   "ширина",
                           "высота",       "начальный угол", "конечный угол"};
constexpr Labels lineLabels{"координата Х начала",
                            "координата Y начала",
                            "координата Х конца",
                            "координата Y конца",
                            "",
                            ""};
constexpr Labels rectLabels{"координата Х", "координата Y", "ширина", "высота", "", ""};
constexpr Labels roundRectLabels{"координата Х", "координата Y",      "ширина",
                                 "высота",       "ширина окружности", "Высота окружности"};
constexpr Labels noLabels{"", "", "", "", "", ""};
constexpr Labels triangleLabels{"координата Х1", "координата Y1", "координата Х2",
                                "координата Y2", "координата Х3", "координата Y3"};

constexpr std::array<PrimitiveKindInfo, 9> kinds{{
    {PrimitiveKind::DrawArc, "контур дуги", "drawArc", "Рисование дуги", 6, arcLabels},
    {PrimitiveKind::FillArc, "заполненную дугу", "fillArc", "Рисование з. дуги", 6, arcLabels},
    {PrimitiveKind::DrawLine, "линию", "drawLine", "Рисование линии", 4, lineLabels},
    {PrimitiveKind::DrawRect, "контур прямоугольника", "drawRect", "Рисование прямоугольника", 4,
     rectLabels},
    {PrimitiveKind::FillRect, "заполненный прямоугольник", "fillRect",
     "Рисование з. прямоугольника", 4, rectLabels},
    {PrimitiveKind::DrawRoundRect, "контур скругленного прямоугольника", "drawRoundRect",
     "Рисование скр. прямоугольника", 6, roundRectLabels},
    {PrimitiveKind::FillRoundRect, "заполненный скругленный прямоугольник", "fillRoundRect",
     "Рисование з. скр. прямоугольника", 6, roundRectLabels},
    {PrimitiveKind::FillTriangle, "заполненный треугольник", "fillTriangle",
     "Рисование з. треугольника", 6, triangleLabels},
    {PrimitiveKind::DrawString, "строку текста", "drawString", "Рисование текста", 0, noLabels},
}};

constexpr const char *horizontalOptions[] = {"LEFT", "HCENTER", "RIGHT"};
constexpr const char *verticalOptions[] = {"TOP", "VCENTER", "BASELINE", "BOTTOM"};
constexpr const char *faceOptions[] = {"FACE_SYSTEM", "FACE_MONOSPACE", "FACE_PROPORTIONAL"};
constexpr const char *styleOptions[] = {"STYLE_PLAIN", "STYLE_BOLD", "STYLE_ITALIC",
                                        "STYLE_UNDERLINED"};
constexpr const char *sizeOptions[] = {"SIZE_SMALL", "SIZE_MEDIUM", "SIZE_LARGE"};

const std::array<PrimitiveListInfo, primitiveTextListCount> lists{{
    {"горизонталь", horizontalOptions},
    {"вертикаль", verticalOptions},
    {"гарнитура", faceOptions},
    {"стиль", styleOptions},
    {"размер", sizeOptions},
}};

// "graphics.setColor(0xRRGGBB); " for a colour 0x00BBGGRR.
std::string colourCall(std::uint32_t colour)
{
    char hex[7];
    std::snprintf(hex, sizeof hex, "%02X%02X%02X", unsigned(colour & 0xFF),
                  unsigned((colour >> 8) & 0xFF), unsigned((colour >> 16) & 0xFF));
    return std::string("graphics.setColor(0x") + hex + "); ";
}

} // namespace

std::span<const PrimitiveKindInfo> primitiveKinds()
{
    return kinds;
}

const PrimitiveKindInfo &primitiveKindInfo(PrimitiveKind kind)
{
    for (const PrimitiveKindInfo &info : kinds) {
        if (info.kind == kind)
            return info;
    }
    throw Error("no drawing kind is chosen");
}

const PrimitiveListInfo &primitiveListInfo(PrimitiveTextList list)
{
    return lists.at(size_t(list));
}

PrimitiveListTexts primitiveListPlaceholders()
{
    PrimitiveListTexts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = lists[i].placeholder;
    return texts;
}

EventItem buildPrimitive(const Primitive &primitive)
{
    if (primitive.kind == PrimitiveKind::None)
        return {"", colourCall(primitive.shapeColour)};
    const PrimitiveKindInfo &info = primitiveKindInfo(primitive.kind);
    if (primitive.kind == PrimitiveKind::DrawString) {
        const PrimitiveListTexts &list = primitive.listTexts;
        return {info.text,
                colourCall(primitive.textColour) + "graphics.setFont(Font.getFont(Font." +
                    list[FontFace] + ",Font." + list[FontStyle] + ",Font." + list[FontSize] +
                    "));graphics.drawString(\"" + escapeJavaString(primitive.text) + "\"," +
                    std::to_string(primitive.x) + "," + std::to_string(primitive.y) + ",graphics." +
                    list[VerticalAnchor] + "|graphics." + list[HorizontalAnchor] + ");"};
    }
    std::string call = std::string("graphics.") + info.method + "(";
    for (int i = 0; i < info.parameterCount; ++i)
        call += (i > 0 ? "," : "") + std::to_string(primitive.parameters[size_t(i)]);
    return {info.text, colourCall(primitive.shapeColour) + call + ");"};
}

} // namespace zor
