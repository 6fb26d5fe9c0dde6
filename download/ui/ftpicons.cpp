#include "ftpicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const int kSize = 32; // drawn large, scaled down by the views

QPixmap canvas()
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawFolder(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x9a, 0x6b, 0x10), 1.5));
    p.setBrush(QColor(0xe8, 0xb9, 0x3c));
    QPainterPath tab;
    tab.moveTo(3, 9);
    tab.lineTo(3, 6);
    tab.lineTo(12, 6);
    tab.lineTo(15, 9);
    tab.closeSubpath();
    p.drawPath(tab);
    p.setBrush(QColor(0xf6, 0xcf, 0x5f));
    p.drawRoundedRect(QRectF(3, 9, 26, 18), 2, 2);
}

} // namespace

namespace FtpIcons {

QIcon directory()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    drawFolder(p);
    return QIcon(pixmap);
}

QIcon file()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x55, 0x5f, 0x6d), 1.5));
    p.setBrush(Qt::white);
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(19, 3);
    sheet.lineTo(26, 10);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.drawPolyline(QPolygonF({ QPointF(19, 3), QPointF(19, 10), QPointF(26, 10) }));
    // Table rows: these files are semicolon-separated tables.
    p.setPen(QPen(QColor(0x2e, 0x7d, 0x32), 2));
    for (int y = 14; y <= 25; y += 4)
        p.drawLine(QPointF(10, y), QPointF(23, y));
    return QIcon(pixmap);
}

QIcon parentDirectory()
{
    QPixmap pixmap = canvas();
    QPainter p(&pixmap);
    drawFolder(p);
    p.setPen(QPen(QColor(0x1d, 0x4e, 0x89), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(16, 24), QPointF(16, 13));
    p.drawPolyline(QPolygonF({ QPointF(11, 17), QPointF(16, 12), QPointF(21, 17) }));
    return QIcon(pixmap);
}

} // namespace FtpIcons
