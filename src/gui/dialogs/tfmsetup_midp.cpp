#include "tfmsetup_midp.h"

#include "dialogbuttons.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zor::gui {

TfmSetup_midp::TfmSetup_midp(Project &project, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
{
    setWindowTitle("fmSetup_midp");
    auto *layout = new QVBoxLayout(this);
    auto field = [layout](const char *caption, const char *name, const std::string &value) {
        auto *label = new QLabel(caption);
        auto *edit = new QLineEdit(QString::fromStdString(value));
        edit->setObjectName(name);
        label->setBuddy(edit);
        layout->addWidget(label);
        layout->addWidget(edit);
        return std::pair{label, edit};
    };
    m_name = field("Название MIDLet'a", "midletName", project.midletName).second;
    m_vendor = field("Автор", "midletVendor", project.midletVendor).second;
    m_version = field("MIDLet версия", "midletVersion", project.midletVersion).second;
    auto [iconLabel, icon] = field("Иконка", "midletIcon", project.midletIcon);
    iconLabel->hide();
    icon->hide();
    m_icon = icon;
    layout->addStretch();

    QPushButton *yes = nullptr;
    layout->addLayout(yesCancelRow(this, yes));
    connect(yes, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    setFixedSize(218, 269);
}

void TfmSetup_midp::store()
{
    m_project.midletName = m_name->text().toStdString();
    m_project.midletVendor = m_vendor->text().toStdString();
    m_project.midletVersion = m_version->text().toStdString();
    m_project.midletIcon = m_icon->text().toStdString();
}

} // namespace zor::gui
