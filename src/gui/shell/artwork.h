#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace zor::gui {

// The studio's own pictures, drawn at run time so that no picture file has to be shipped.
enum class CommandPicture
{
    NewProject,
    OpenProject,
    SaveProject,
    Background,
    Active,
    Level,
    Compile,
    Run,
    Events
};

QIcon commandIcon(CommandPicture picture);
// 110 × 108, the corner picture of the main window.
QPixmap logoPicture();
// 490 × 331, the picture of the start-up splash.
QPixmap splashPicture();
// The small cross that closes the selected tab.
QPixmap tabClosePicture();
// The arrow the whole program shows instead of the system's.
QCursor studioCursor();

} // namespace zor::gui
