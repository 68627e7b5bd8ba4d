#pragma once

#include "model/project.h"

#include <QDialog>

class QLineEdit;

namespace zor::gui {

// The MIDlet's name, vendor, version and icon, as the generated game announces itself.
class TfmSetup_midp : public QDialog
{
public:
    TfmSetup_midp(Project &project, QWidget *parent = nullptr);

    // Stores the fields into the project.
    void store();

private:
    Project &m_project;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_vendor = nullptr;
    QLineEdit *m_version = nullptr;
    QLineEdit *m_icon = nullptr;
};

} // namespace zor::gui
