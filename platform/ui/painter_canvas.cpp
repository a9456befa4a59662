#include "platform/ui/painter_canvas.h"

#include "platform/ui/codec.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cstdlib>

namespace {

QColor qtColor(Color c) { return QColor(colors::redOf(c), colors::greenOf(c), colors::blueOf(c)); }

QStringList standInsFor(const QString& family) {
    const QString lower = family.toLower();
    if (lower.contains(QLatin1String("courier")) || lower.contains(QLatin1String("mono")))
        return {QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Nimbus Mono PS"), QStringLiteral("FreeMono")};
    if (!lower.contains(QLatin1String("sans")) &&
        (lower.contains(QLatin1String("times")) || lower.contains(QLatin1String("serif"))))
        return {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                QStringLiteral("DejaVu Serif"), QStringLiteral("Nimbus Roman"), QStringLiteral("FreeSerif")};
    return {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("DejaVu Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("FreeSans")};
}

QString findInstalledFamily(const QString& family) {
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) return family;
    QString base = family;
    if (base.endsWith(QLatin1String(" CE"))) {
        base.chop(3);
        if (QFontDatabase::hasFamily(base)) return base;
    }
    for (const QString& candidate : standInsFor(base))
        if (QFontDatabase::hasFamily(candidate)) return candidate;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

QString PainterCanvas::installedFamily(const QString& family) {
    static QHash<QString, QString> known;
    const auto it = known.constFind(family);
    if (it != known.constEnd()) return *it;
    const QString found = findInstalledFamily(family);
    known.insert(family, found);
    return found;
}

PainterCanvas::PainterCanvas(QPainter& painter, std::function<bool()> nextPage)
    : painter_(painter), nextPage_(std::move(nextPage)) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

QFont PainterCanvas::qtFont() const {
    QFont f(installedFamily(toQString(font().family)));
    f.setPixelSize(std::max(1, fontPixelHeight()));
    f.setBold(font().bold);
    return f;
}

int PainterCanvas::textWidth(std::string_view text) {
    return QFontMetrics(qtFont(), painter_.device()).horizontalAdvance(toQString(text));
}

int PainterCanvas::textHeight(std::string_view) { return QFontMetrics(qtFont(), painter_.device()).height(); }

int PainterCanvas::pageWidth() const { return painter_.device()->width(); }
int PainterCanvas::pageHeight() const { return painter_.device()->height(); }
int PainterCanvas::pixelsPerInchX() const { return painter_.device()->logicalDpiX(); }
int PainterCanvas::pixelsPerInchY() const { return painter_.device()->logicalDpiY(); }

void PainterCanvas::fill(int left, int top, int right, int bottom, Color color) {
    if (right <= left || bottom <= top) return;
    painter_.fillRect(QRect(left, top, right - left, bottom - top), qtColor(color));
}

void PainterCanvas::drawFill(int left, int top, int right, int bottom) { fill(left, top, right, bottom, brushColor()); }

void PainterCanvas::drawRectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return;
    fill(left, top, right, bottom, brushColor());
    const int w = penWidth();
    fill(left, top, right, std::min(bottom, top + w), penColor());
    fill(left, std::max(top, bottom - w), right, bottom, penColor());
    fill(left, top, std::min(right, left + w), bottom, penColor());
    fill(std::max(left, right - w), top, right, bottom, penColor());
}

void PainterCanvas::drawLine(CanvasPoint from, CanvasPoint to) {
    const int w = penWidth();
    const int before = (w - 1) / 2;  // a wide line is centred on its path
    if (from.y == to.y && from.x != to.x) {
        const int left = from.x < to.x ? from.x : to.x + 1;
        const int right = from.x < to.x ? to.x : from.x + 1;
        fill(left, from.y - before, right, from.y - before + w, penColor());
    } else if (from.x == to.x && from.y != to.y) {
        const int top = from.y < to.y ? from.y : to.y + 1;
        const int bottom = from.y < to.y ? to.y : from.y + 1;
        fill(from.x - before, top, from.x - before + w, bottom, penColor());
    } else if (from.x != to.x) {
        QPen pen(qtColor(penColor()));
        pen.setWidth(w);
        pen.setCapStyle(Qt::FlatCap);
        painter_.setPen(pen);
        painter_.drawLine(from.x, from.y, to.x, to.y);
    }
}

void PainterCanvas::drawText(int x, int y, std::string_view text) {
    const QString qtext = toQString(text);
    const QFont f = qtFont();
    const QFontMetrics metrics(f, painter_.device());
    // The text's box is painted in the brush colour first, as the platform
    // draws text on an opaque background.
    fill(x, y, x + metrics.horizontalAdvance(qtext), y + metrics.height(), brushColor());
    painter_.setFont(f);
    painter_.setPen(QPen(Qt::black));
    painter_.drawText(x, y + metrics.ascent(), qtext);
}

void PainterCanvas::startPage() {
    if (nextPage_ && !nextPage_()) pagesOk_ = false;
}
