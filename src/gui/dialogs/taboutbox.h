#pragma once

#include <QDialog>

namespace zor::gui {

// "О программе": the product's name, version and purpose.
class TAboutBox : public QDialog
{
public:
    explicit TAboutBox(QWidget *parent = nullptr);
};

} // namespace zor::gui
