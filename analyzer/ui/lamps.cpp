#include "analyzer/ui/lamps.h"

#include "platform/core/folders.h"
#include "platform/ui/file_messages.h"

#include <QBitmap>
#include <QImage>
#include <QPainter>

namespace analyzer {

namespace {

// Red warns, yellow is a partial success, green is all well.
QColor lampColour(Lamp lamp) {
    switch (lamp) {
    case Lamp::Top:
        return QColor(230, 30, 30);
    case Lamp::Middle:
        return QColor(240, 200, 0);
    case Lamp::Bottom:
        break;
    }
    return QColor(30, 200, 40);
}

}  // namespace

QString lampFileName(Lamp lamp, bool on) {
    const char* number = lamp == Lamp::Top ? "1" : lamp == Lamp::Middle ? "3" : "2";
    return QStringLiteral("led%1%2.bmp").arg(QLatin1String(number), on ? QStringLiteral("on") : QStringLiteral("off"));
}

QPixmap drawnLamp(Lamp lamp, bool on) {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = on ? lampColour(lamp) : lampColour(lamp).darker(300);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    if (on) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour.lighter(160));
        painter.drawEllipse(QRectF(4, 4, 4, 4));
    }
    return picture;
}

QPixmap lampPicture(Lamp lamp, bool on) {
    const QString path = displayPath(programFile(localPath(lampFileName(lamp, on))));
    QImage image;
    if (!image.load(path, "BMP") || image.isNull()) return drawnLamp(lamp, on);
    QPixmap picture = QPixmap::fromImage(image);
    const QColor transparent = image.pixelColor(0, image.height() - 1);
    picture.setMask(picture.createMaskFromColor(transparent, Qt::MaskInColor));
    return picture;
}

}  // namespace analyzer
