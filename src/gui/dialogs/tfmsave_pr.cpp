#include "tfmsave_pr.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zor::gui {

TfmSave_pr::TfmSave_pr(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle("Сохранен е проекта");
    auto *question = new QLabel("Сохранить проект?");
    question->setAlignment(Qt::AlignCenter);
    auto *yes = new QPushButton("Да");
    auto *no = new QPushButton("Нет");
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(no, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(yes);
    buttons->addWidget(no);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(question);
    layout->addLayout(buttons);
    setFixedSize(240, 100);
}

} // namespace zor::gui
