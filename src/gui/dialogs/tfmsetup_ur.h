#pragma once

#include "model/project.h"

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;

namespace zor::gui {

enum class CreatedKind
{
    Level,
    Fon,
    Active
};

// Asks for the name of a new level, background object or active object and creates it.
class TfmSetup_ur : public QDialog
{
public:
    explicit TfmSetup_ur(Project &project, QWidget *parent = nullptr);

    // Chooses what "Да" creates and words the dialog for it.
    void start(CreatedKind kind);
    void setName(const QString &name);
    // Creates the level or definition; an empty name creates nothing and returns false, as
    // does a dialog that was never started. A full table is refused with a message.
    bool create();

private:
    void confirm();

    Project &m_project;
    std::optional<CreatedKind> m_kind;
    QLabel *m_prompt = nullptr;
    QLineEdit *m_name = nullptr;
};

} // namespace zor::gui
