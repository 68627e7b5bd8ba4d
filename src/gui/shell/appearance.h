#pragma once

class QApplication;

namespace zor::gui {

// What every window of the program shares: the application's name and version, the Russian
// locale with Qt's own Russian texts for its standard dialogs, the style and the font.
// Numbers keep the C library's plain form.
void applyStudioAppearance(QApplication &application);

} // namespace zor::gui
