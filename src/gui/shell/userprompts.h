#pragma once

#include <QString>

#include <filesystem>
#include <optional>

namespace zor::gui {

// The questions the main window asks the user with modal dialogs. Tests answer them from a
// script so that nothing blocks.
class UserPrompts
{
public:
    virtual ~UserPrompts() = default;

    // The project file to read or to write, or nothing when the user cancels; the dialog
    // starts in `folder`.
    virtual std::optional<std::filesystem::path>
    projectToOpen(const std::filesystem::path &folder) = 0;
    virtual std::optional<std::filesystem::path>
    projectToSave(const std::filesystem::path &folder) = 0;
    // Whether to save the project before the window closes.
    virtual bool saveBeforeClosing() = 0;
    virtual void showError(const QString &message) = 0;
};

} // namespace zor::gui
