#include "tfmconvert.h"

namespace zor::gui {

TfmConvert::TfmConvert(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setWindowTitle("Конвертирование проекта");
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(54, 96, 190));
    setPalette(colours);
    setAutoFillBackground(true);
    setFixedSize(116, 3);
    // Just under the window's command bars, where it does not hide behind the console.
    if (parent)
        move(parent->geometry().center().x() - width() / 2, parent->geometry().top() + 112);
}

void TfmConvert::mousePressEvent(QMouseEvent *)
{
    close();
}

} // namespace zor::gui
