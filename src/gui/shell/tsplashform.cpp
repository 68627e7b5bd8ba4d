#include "tsplashform.h"

#include "artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace zor::gui {

namespace {
constexpr int shownMilliseconds = 5000;
}

TSplashForm::TSplashForm(QWidget *parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_picture(splashPicture())
{
    setFixedSize(m_picture.size());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QTimer::singleShot(shownMilliseconds, this, &QDialog::accept);
}

void TSplashForm::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void TSplashForm::mousePressEvent(QMouseEvent *)
{
    accept();
}

} // namespace zor::gui
