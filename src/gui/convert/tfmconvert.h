#pragma once

#include <QWidget>

namespace zor::gui {

// The thin strip that shows while a project is converted and built; a click puts it away.
class TfmConvert : public QWidget
{
public:
    explicit TfmConvert(QWidget *parent);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace zor::gui
