#include "taboutbox.h"

#include "gui/shell/artwork.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zor::gui {

TAboutBox::TAboutBox(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle("О программе");
    auto *logo = new QLabel;
    logo->setPixmap(logoPicture());
    auto *text = new QLabel(QString("<b>ZOR Studio</b><br>Версия %1<br><br>"
                                    "Конструктор игр для мобильных телефонов<br>"
                                    "(Java ME: MIDP 2.0, CLDC 1.1).<br><br>"
                                    "Фоны, активные объекты, уровни и события<br>"
                                    "собираются в игру одной командой.")
                                .arg(QCoreApplication::applicationVersion()));
    text->setTextFormat(Qt::RichText);
    auto *ok = new QPushButton("OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *top = new QHBoxLayout;
    top->addWidget(logo, 0, Qt::AlignTop);
    top->addWidget(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignRight);
    setFixedSize(sizeHint());
}

} // namespace zor::gui
