#pragma once

#include <QDialog>

namespace zor::gui {

// The question asked when the main window closes: accepted means "save first".
class TfmSave_pr : public QDialog
{
public:
    explicit TfmSave_pr(QWidget *parent = nullptr);
};

} // namespace zor::gui
