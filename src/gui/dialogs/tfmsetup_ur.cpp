#include "tfmsetup_ur.h"

#include "dialogbuttons.h"
#include "gui/shell/qtbridge.h"
#include "model/definitionoperations.h"
#include "model/leveloperations.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace zor::gui {

TfmSetup_ur::TfmSetup_ur(Project &project, QWidget *parent)
    : QDialog(parent)
    , m_project(project)
    , m_prompt(new QLabel("Название"))
    , m_name(new QLineEdit)
{
    setWindowTitle("Создание");
    m_prompt->setObjectName("prompt");
    m_name->setObjectName("name");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_prompt);
    layout->addWidget(m_name);
    layout->addStretch();
    QPushButton *yes = nullptr;
    layout->addLayout(yesCancelRow(this, yes));
    connect(yes, &QPushButton::clicked, this, &TfmSetup_ur::confirm);
    setFixedSize(303, 159);
}

void TfmSetup_ur::start(CreatedKind kind)
{
    m_kind = kind;
    switch (kind) {
    case CreatedKind::Level:
        setWindowTitle("Создание нового уровня");
        m_prompt->setText("Введите название уровня");
        break;
    case CreatedKind::Fon:
        setWindowTitle("Создание фонового объекта");
        m_prompt->setText("Введите название объекта");
        break;
    case CreatedKind::Active:
        setWindowTitle("Создание активного уровня");
        m_prompt->setText("Введите название объекта");
        break;
    }
}

void TfmSetup_ur::setName(const QString &name)
{
    m_name->setText(name);
}

bool TfmSetup_ur::create()
{
    const std::string name = m_name->text().toStdString();
    if (name.empty() || !m_kind)
        return false;
    switch (*m_kind) {
    case CreatedKind::Level:
        createLevel(m_project, name);
        break;
    case CreatedKind::Fon:
        createFon(m_project, name);
        break;
    case CreatedKind::Active:
        createActive(m_project, name);
        break;
    }
    return true;
}

void TfmSetup_ur::confirm()
{
    try {
        if (create())
            accept();
        else if (!m_kind)
            reject();
    } catch (const std::exception &error) {
        QMessageBox::warning(this, windowTitle(), errorText(error));
    }
}

} // namespace zor::gui
