#pragma once

#include "userprompts.h"

class QWidget;

namespace zor::gui {

// The prompts as the user sees them: file dialogs, the close prompt and message boxes.
class DialogPrompts : public UserPrompts
{
public:
    explicit DialogPrompts(QWidget *parent);

    std::optional<std::filesystem::path>
    projectToOpen(const std::filesystem::path &folder) override;
    std::optional<std::filesystem::path>
    projectToSave(const std::filesystem::path &folder) override;
    bool saveBeforeClosing() override;
    void showError(const QString &message) override;

private:
    QWidget *m_parent;
};

} // namespace zor::gui
