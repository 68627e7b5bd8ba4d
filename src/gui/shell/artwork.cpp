#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>

namespace zor::gui {
namespace {

constexpr int iconSize = 32;

const QColor ink(40, 52, 84);
const QColor paper(252, 252, 246);
const QColor grass(86, 170, 72);
const QColor earth(150, 104, 62);
const QColor sky(98, 156, 230);
const QColor gold(238, 186, 62);
const QColor brick(196, 84, 60);

QPixmap blankPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void startPainter(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.5));
}

// A little person of square "pixels", as the games' sprites look.
void drawSprite(QPainter &painter, QPointF origin, qreal pixel)
{
    static const char *const rows[] = {
        "..####..", "..#oo#..", "..####..", ".######.",
        "#.####.#", "..####..", "..#..#..", ".##..##.",
    };
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const char c = rows[y][x];
            if (c == '.')
                continue;
            painter.setBrush(c == 'o' ? paper : (y < 3 ? gold : brick));
            painter.drawRect(QRectF(origin.x() + x * pixel, origin.y() + y * pixel, pixel, pixel));
        }
    }
    painter.restore();
}

// A strip of ground tiles: grass on top of earth, a brick here and there.
void drawTiles(QPainter &painter, QRectF area, qreal tile)
{
    painter.save();
    painter.setPen(QPen(ink.lighter(160), 1));
    painter.setClipRect(area);
    const int columns = int(std::ceil(area.width() / tile));
    const int rows = int(std::ceil(area.height() / tile));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QColor colour = row == 0 ? grass : earth;
            if (row > 0 && (row * 7 + column * 3) % 5 == 0)
                colour = brick;
            painter.setBrush(colour);
            painter.drawRect(
                QRectF(area.left() + column * tile, area.top() + row * tile, tile, tile));
        }
    }
    painter.restore();
}

void drawPage(QPainter &painter)
{
    QPainterPath page;
    page.moveTo(7, 3);
    page.lineTo(20, 3);
    page.lineTo(26, 9);
    page.lineTo(26, 29);
    page.lineTo(7, 29);
    page.closeSubpath();
    painter.setBrush(paper);
    painter.drawPath(page);
    painter.drawPolyline(QPolygonF({{20, 3}, {20, 9}, {26, 9}}));
}

void drawNewProject(QPainter &painter)
{
    drawPage(painter);
    painter.setPen(QPen(grass.darker(120), 3.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(22, 17), QPointF(22, 29));
    painter.drawLine(QPointF(16, 23), QPointF(28, 23));
}

void drawOpenProject(QPainter &painter)
{
    QPainterPath back;
    back.moveTo(3, 8);
    back.lineTo(12, 8);
    back.lineTo(15, 11);
    back.lineTo(27, 11);
    back.lineTo(27, 26);
    back.lineTo(3, 26);
    back.closeSubpath();
    painter.setBrush(gold.darker(115));
    painter.drawPath(back);
    painter.setBrush(gold);
    painter.drawPolygon(QPolygonF({{7, 15}, {30, 15}, {27, 26}, {3, 26}}));
}

void drawSaveProject(QPainter &painter)
{
    painter.setBrush(sky.darker(125));
    painter.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
    painter.setBrush(paper);
    painter.drawRect(QRectF(9, 4, 14, 9));
    painter.setBrush(ink);
    painter.drawRect(QRectF(18, 6, 3, 5));
    painter.setBrush(paper.darker(110));
    painter.drawRect(QRectF(8, 17, 16, 11));
}

void drawBackground(QPainter &painter)
{
    painter.setBrush(sky.lighter(130));
    painter.drawRect(QRectF(3, 3, 26, 26));
    drawTiles(painter, QRectF(3, 12, 27, 18), 9);
}

void drawActive(QPainter &painter)
{
    painter.setBrush(sky.lighter(150));
    painter.drawEllipse(QRectF(3, 3, 26, 26));
    drawSprite(painter, QPointF(6, 6), 2.5);
}

void drawLevel(QPainter &painter)
{
    for (int layer = 2; layer >= 0; --layer) {
        const qreal top = 5 + layer * 7;
        painter.setBrush(layer == 0 ? grass : (layer == 1 ? sky : earth));
        painter.drawPolygon(QPolygonF({{16, top}, {29, top + 6}, {16, top + 12}, {3, top + 6}}));
    }
}

void drawCompile(QPainter &painter)
{
    painter.save();
    painter.translate(16, 16);
    painter.setBrush(ink.lighter(150));
    for (int tooth = 0; tooth < 8; ++tooth) {
        painter.drawRoundedRect(QRectF(-3, -14, 6, 8), 1, 1);
        painter.rotate(45);
    }
    painter.drawEllipse(QPointF(0, 0), 10, 10);
    painter.setBrush(paper);
    painter.drawEllipse(QPointF(0, 0), 4, 4);
    painter.restore();
}

void drawRun(QPainter &painter)
{
    painter.setBrush(grass);
    painter.drawEllipse(QRectF(3, 3, 26, 26));
    painter.setBrush(paper);
    painter.drawPolygon(QPolygonF({{13, 9}, {23, 16}, {13, 23}}));
}

void drawEvents(QPainter &painter)
{
    painter.setBrush(paper);
    painter.drawRect(QRectF(4, 4, 24, 24));
    for (int row = 0; row < 3; ++row) {
        const qreal y = 10 + row * 7;
        painter.setBrush(row == 1 ? brick : grass);
        painter.drawEllipse(QPointF(9, y), 2.5, 2.5);
        painter.drawLine(QPointF(14, y), QPointF(25, y));
    }
}

} // namespace

QIcon commandIcon(CommandPicture picture)
{
    QPixmap pixmap = blankPixmap(iconSize, iconSize);
    QPainter painter(&pixmap);
    startPainter(painter);
    switch (picture) {
    case CommandPicture::NewProject:
        drawNewProject(painter);
        break;
    case CommandPicture::OpenProject:
        drawOpenProject(painter);
        break;
    case CommandPicture::SaveProject:
        drawSaveProject(painter);
        break;
    case CommandPicture::Background:
        drawBackground(painter);
        break;
    case CommandPicture::Active:
        drawActive(painter);
        break;
    case CommandPicture::Level:
        drawLevel(painter);
        break;
    case CommandPicture::Compile:
        drawCompile(painter);
        break;
    case CommandPicture::Run:
        drawRun(painter);
        break;
    case CommandPicture::Events:
        drawEvents(painter);
        break;
    }
    painter.end();
    return QIcon(pixmap);
}

QPixmap logoPicture()
{
    QPixmap pixmap(110, 108);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 108);
    gradient.setColorAt(0, QColor(38, 70, 140));
    gradient.setColorAt(1, QColor(20, 34, 72));
    painter.fillRect(pixmap.rect(), gradient);
    drawTiles(painter, QRectF(0, 88, 110, 20), 10);
    drawSprite(painter, QPointF(14, 64), 3);

    QFont title("DejaVu Sans", 30, QFont::Black);
    title.setPixelSize(36);
    painter.setFont(title);
    painter.setPen(gold);
    painter.drawText(QRect(0, 2, 110, 44), Qt::AlignCenter, "ZOR");
    QFont subtitle("DejaVu Sans");
    subtitle.setPixelSize(13);
    subtitle.setBold(true);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(subtitle);
    painter.setPen(paper);
    painter.drawText(QRect(0, 42, 110, 18), Qt::AlignCenter, "STUDIO");
    return pixmap;
}

QPixmap splashPicture()
{
    QPixmap pixmap(490, 331);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, 331);
    gradient.setColorAt(0, QColor(24, 44, 96));
    gradient.setColorAt(0.7, QColor(70, 128, 204));
    gradient.setColorAt(1, QColor(150, 196, 240));
    painter.fillRect(pixmap.rect(), gradient);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    for (int star = 0; star < 40; ++star)
        painter.drawEllipse(QPointF((star * 97) % 490, (star * 53) % 150), 1.2, 1.2);

    drawTiles(painter, QRectF(0, 267, 490, 64), 16);
    drawTiles(painter, QRectF(290, 219, 96, 48), 16);
    drawSprite(painter, QPointF(120, 227), 5);
    drawSprite(painter, QPointF(322, 179), 5);

    // A phone that shows the same little world on its screen.
    painter.setPen(QPen(ink, 3));
    painter.setBrush(QColor(50, 56, 70));
    painter.drawRoundedRect(QRectF(400, 120, 64, 120), 10, 10);
    painter.setBrush(sky.lighter(120));
    painter.drawRect(QRectF(408, 136, 48, 64));
    drawTiles(painter, QRectF(408, 184, 48, 16), 8);
    drawSprite(painter, QPointF(424, 168), 2);

    QFont title("DejaVu Sans");
    title.setPixelSize(64);
    title.setWeight(QFont::Black);
    painter.setFont(title);
    painter.setPen(gold);
    painter.drawText(QRect(30, 30, 430, 76), Qt::AlignLeft | Qt::AlignVCenter, "ZOR Studio");
    QFont subtitle("DejaVu Sans");
    subtitle.setPixelSize(16);
    painter.setFont(subtitle);
    painter.setPen(paper);
    painter.drawText(QRect(34, 104, 430, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     "Конструктор игр для мобильных телефонов");
    subtitle.setPixelSize(12);
    painter.setFont(subtitle);
    painter.drawText(QRect(34, 128, 430, 20), Qt::AlignLeft | Qt::AlignVCenter,
                     "Java ME · MIDP 2.0 · CLDC 1.1");
    return pixmap;
}

QPixmap tabClosePicture()
{
    QPixmap pixmap = blankPixmap(16, 16);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(brick.darker(130), 1));
    painter.setBrush(brick);
    painter.drawRoundedRect(QRectF(1, 1, 14, 14), 3, 3);
    painter.setPen(QPen(paper, 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(5, 5), QPointF(11, 11));
    painter.drawLine(QPointF(11, 5), QPointF(5, 11));
    return pixmap;
}

QCursor studioCursor()
{
    QPixmap pixmap = blankPixmap(32, 32);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow({{1, 1}, {1, 20}, {6, 15.5}, {9.5, 23}, {13, 21.5}, {9.5, 14}, {16, 14}});
    painter.setPen(QPen(paper, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient fill(0, 0, 16, 24);
    fill.setColorAt(0, QColor(54, 96, 190));
    fill.setColorAt(1, ink);
    painter.setBrush(fill);
    painter.drawPolygon(arrow);
    painter.end();
    return QCursor(pixmap, 1, 1);
}

} // namespace zor::gui
