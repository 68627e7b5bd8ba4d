#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;

namespace zor::gui {

// The "Да" and "Отмена" pair at the foot of the small dialogs; "Отмена" rejects the dialog,
// "Да" is returned for the dialog to connect.
QHBoxLayout *yesCancelRow(QDialog *dialog, QPushButton *&yes);

} // namespace zor::gui
