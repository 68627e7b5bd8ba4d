#include "defaultcursor.h"

#include "artwork.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace zor::gui {

DefaultCursor::DefaultCursor(QObject *parent)
    : QObject(parent)
    , m_cursor(studioCursor())
{
    qApp->installEventFilter(this);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->testAttribute(Qt::WA_SetCursor))
            window->setCursor(m_cursor);
    }
}

bool DefaultCursor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Polish && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget->isWindow() && !widget->testAttribute(Qt::WA_SetCursor))
            widget->setCursor(m_cursor);
    }
    return false;
}

} // namespace zor::gui
