#include "document/ui/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

using Painting = std::function<void(QPainter&)>;

// Paints a 16 × 16 picture at two sizes so it stays sharp on dense screens.
QIcon drawn(const Painting& paint, int side = 16) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(side * scale, side * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

const QColor outline(60, 60, 60);
const QColor paper(255, 255, 255);
const QColor titleBlue(40, 90, 180);

void page(QPainter& p) {
    QPainterPath path;
    path.moveTo(3.5, 1.5);
    path.lineTo(10.5, 1.5);
    path.lineTo(13.5, 4.5);
    path.lineTo(13.5, 14.5);
    path.lineTo(3.5, 14.5);
    path.closeSubpath();
    p.setPen(outline);
    p.setBrush(paper);
    p.drawPath(path);
    p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
}

void folder(QPainter& p) {
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(QRectF(1.5, 4.5, 13, 9));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
    p.setBrush(QColor(250, 220, 120));
    QPolygonF flap({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)});
    p.drawPolygon(flap);
}

void floppy(QPainter& p) {
    p.setPen(outline);
    p.setBrush(QColor(60, 100, 170));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(paper);
    p.drawRect(QRectF(3.5, 1.5, 9, 5));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void smallWindow(QPainter& p, const QRectF& r) {
    p.setPen(outline);
    p.setBrush(paper);
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    p.setBrush(titleBlue);
    p.drawRect(QRectF(r.x() + 0.5, r.y() + 0.5, r.width() - 0.5, 2.5));
}

void grid(QPainter& p, int cells) {
    p.setPen(outline);
    p.setBrush(paper);
    p.drawRect(QRectF(1.5, 1.5, 12, 12));
    for (int i = 1; i < cells; ++i) {
        const double at = 1.5 + 12.0 * i / cells;
        p.drawLine(QPointF(at, 1.5), QPointF(at, 13.5));
        p.drawLine(QPointF(1.5, at), QPointF(13.5, at));
    }
}

}  // namespace

QIcon toolImage(int index) {
    switch (index) {
    case 6:  // new document
        return drawn([](QPainter& p) {
            page(p);
            p.setPen(QPen(QColor(230, 170, 0), 1.5));
            p.drawLine(QPointF(12, 9), QPointF(12, 15));
            p.drawLine(QPointF(9, 12), QPointF(15, 12));
        });
    case 7:  // open
        return drawn(folder);
    case 8:  // save
        return drawn(floppy);
    case 11:  // help
        return drawn([](QPainter& p) {
            p.setPen(QColor(20, 60, 140));
            p.setBrush(QColor(60, 120, 210));
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            QFont font = p.font();
            font.setPixelSize(11);
            font.setBold(true);
            p.setFont(font);
            p.setPen(Qt::white);
            p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
        });
    case 14:  // print
        return drawn([](QPainter& p) {
            p.setPen(outline);
            p.setBrush(paper);
            p.drawRect(QRectF(4.5, 1.5, 7, 5));
            p.setBrush(QColor(170, 170, 170));
            p.drawRect(QRectF(1.5, 6.5, 13, 6));
            p.setBrush(paper);
            p.drawRect(QRectF(4.5, 10.5, 7, 4));
            p.setPen(QColor(40, 160, 40));
            p.drawPoint(QPointF(12.5, 8.5));
        });
    case 15:  // tile horizontally: windows one above another
        return drawn([](QPainter& p) {
            smallWindow(p, QRectF(1.5, 1.5, 13, 6));
            smallWindow(p, QRectF(1.5, 8.5, 13, 6));
        });
    case 16:  // tile vertically: windows side by side
        return drawn([](QPainter& p) {
            smallWindow(p, QRectF(1.5, 1.5, 6, 13));
            smallWindow(p, QRectF(8.5, 1.5, 6, 13));
        });
    case 17:  // cascade
        return drawn([](QPainter& p) {
            smallWindow(p, QRectF(1.5, 1.5, 9, 7));
            smallWindow(p, QRectF(3.5, 4.5, 9, 7));
            smallWindow(p, QRectF(5.5, 7.5, 9, 7));
        });
    case 19:  // grid size
        return drawn([](QPainter& p) {
            grid(p, 3);
            p.setPen(QPen(QColor(200, 40, 40), 1.5));
            p.drawLine(QPointF(8, 8), QPointF(15, 15));
            p.drawLine(QPointF(15, 15), QPointF(15, 11));
            p.drawLine(QPointF(15, 15), QPointF(11, 15));
        });
    case 22:  // settings
        return drawn([](QPainter& p) {
            p.setPen(outline);
            p.setBrush(QColor(150, 150, 160));
            for (int i = 0; i < 8; ++i) {
                p.save();
                p.translate(8, 8);
                p.rotate(45.0 * i);
                p.drawRect(QRectF(-1.5, -7.5, 3, 3));
                p.restore();
            }
            p.drawEllipse(QRectF(2.5, 2.5, 11, 11));
            p.setBrush(paper);
            p.drawEllipse(QRectF(5.5, 5.5, 5, 5));
        });
    case 23:  // exit
        return drawn([](QPainter& p) {
            p.setPen(outline);
            p.setBrush(QColor(150, 100, 50));
            p.drawRect(QRectF(2.5, 1.5, 7, 13));
            p.setPen(QPen(QColor(200, 40, 40), 2));
            p.drawLine(QPointF(7, 8), QPointF(14.5, 8));
            p.drawLine(QPointF(14.5, 8), QPointF(11.5, 5));
            p.drawLine(QPointF(14.5, 8), QPointF(11.5, 11));
        });
    case 29:  // shape designer
        return drawn([](QPainter& p) {
            grid(p, 3);
            p.setPen(QPen(QColor(30, 30, 30), 1));
            p.setBrush(QColor(240, 190, 40));
            QPolygonF pencil({QPointF(15, 5), QPointF(17, 7), QPointF(9, 15), QPointF(6.5, 15.5), QPointF(7, 13)});
            p.drawPolygon(pencil);
        });
    default:
        return {};
    }
}

QIcon programIcon() {
    return drawn(
        [](QPainter& p) {
            p.setPen(QPen(outline, 1));
            for (int col = 0; col < 3; ++col) {
                for (int row = 0; row < 3; ++row) {
                    const bool red = col == row;
                    p.setBrush(red ? QColor(220, 50, 50) : paper);
                    p.drawRect(QRectF(3.5 + col * 9, 3.5 + row * 9, 9, 9));
                }
            }
            QFont font = p.font();
            font.setPixelSize(8);
            font.setBold(true);
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(QRectF(12.5, 3.5, 9, 9), Qt::AlignCenter, QStringLiteral("M"));
            p.drawText(QRectF(3.5, 12.5, 9, 9), Qt::AlignCenter, QStringLiteral("G"));
        },
        32);
}

QIcon wordEndsImage(Direction direction) {
    return drawn([direction](QPainter& p) {
        if (direction == Direction::down) {
            p.translate(8, 8);
            p.rotate(90);
            p.translate(-8, -8);
        }
        // The two bars that end a word, and a double arrow between them.
        p.setPen(QPen(QColor(30, 30, 30), 2));
        p.drawLine(QPointF(1.5, 2), QPointF(1.5, 14));
        p.drawLine(QPointF(14.5, 2), QPointF(14.5, 14));
        p.setPen(QPen(QColor(30, 30, 30), 1.5));
        p.drawLine(QPointF(4, 8), QPointF(12, 8));
        for (const double tip : {4.0, 12.0}) {
            const double back = tip < 8 ? tip + 3 : tip - 3;
            p.drawLine(QPointF(tip, 8), QPointF(back, 5));
            p.drawLine(QPointF(tip, 8), QPointF(back, 11));
        }
    });
}
