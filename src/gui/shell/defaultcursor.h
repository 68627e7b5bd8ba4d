#pragma once

#include <QCursor>
#include <QObject>

namespace zor::gui {

// Gives every window of the program the studio's arrow. Widgets that choose their own cursor
// (text fields, splitters) keep theirs, as they would with the system's arrow.
class DefaultCursor : public QObject
{
public:
    explicit DefaultCursor(QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCursor m_cursor;
};

} // namespace zor::gui
