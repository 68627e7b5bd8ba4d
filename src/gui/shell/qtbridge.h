#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <exception>
#include <filesystem>

namespace zor::gui {

// The core keeps colours as 0x00BBGGRR, text as UTF-8 and paths as std::filesystem.
QColor toQColor(std::uint32_t colour);
std::uint32_t fromQColor(const QColor &colour);
QString toQString(const std::filesystem::path &path);
std::filesystem::path toPath(const QString &text);

// The message of a failure for a message box, with its file and line when it has them.
QString errorText(const std::exception &error);

} // namespace zor::gui
