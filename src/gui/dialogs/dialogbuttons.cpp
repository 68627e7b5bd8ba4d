#include "dialogbuttons.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace zor::gui {

QHBoxLayout *yesCancelRow(QDialog *dialog, QPushButton *&yes)
{
    yes = new QPushButton("Да");
    yes->setObjectName("yes");
    yes->setDefault(true);
    auto *cancel = new QPushButton("Отмена");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(yes);
    row->addWidget(cancel);
    return row;
}

} // namespace zor::gui
