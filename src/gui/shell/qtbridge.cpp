#include "qtbridge.h"

#include "base/error.h"
#include "base/picture.h"

namespace zor::gui {

QColor toQColor(std::uint32_t colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

std::uint32_t fromQColor(const QColor &colour)
{
    return makeColour(colour.red(), colour.green(), colour.blue());
}

QString toQString(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

std::filesystem::path toPath(const QString &text)
{
    return std::filesystem::path(text.toStdString());
}

QString errorText(const std::exception &error)
{
    if (const auto *located = dynamic_cast<const Error *>(&error))
        return QString::fromStdString(located->where());
    return QString::fromStdString(error.what());
}

} // namespace zor::gui
