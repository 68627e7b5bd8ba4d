#pragma once

#include <QDialog>
#include <QPixmap>

namespace zor::gui {

// The borderless start-up picture; it closes itself after five seconds or on a click.
class TSplashForm : public QDialog
{
public:
    explicit TSplashForm(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace zor::gui
