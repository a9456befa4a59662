#include "platform/ui/cell_grid_widget.h"

#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>
#include <QScrollArea>
#include <QToolTip>

namespace {

QColor toQColor(Color colour) { return QColor(colors::redOf(colour), colors::greenOf(colour), colors::blueOf(colour)); }

QRect toQRect(const CellRect& r) { return QRect(r.left, r.top, r.width, r.height); }

QCursor toQCursor(int cursor) {
    if (cursor == cellcursor::handPoint) return QCursor(Qt::PointingHandCursor);
    if (cursor > 0) return desktop::screenCursor(cursor);
    return QCursor(Qt::ArrowCursor);
}

}  // namespace

CellGridWidget::CellGridWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CellGridWidget::~CellGridWidget() {
    if (cells_ && cells_->listener() == this) cells_->setListener(nullptr);
}

void CellGridWidget::setCells(GridCells* cells) {
    if (cells_ == cells) return;
    if (cells_ && cells_->listener() == this) cells_->setListener(nullptr);
    cells_ = cells;
    if (cells_) cells_->setListener(this);
    layoutChanged();
}

QSize CellGridWidget::sizeHint() const {
    if (!cells_) return QSize(0, 0);
    return QSize(cells_->extentWidth(), cells_->extentHeight());
}

CellGridWidget::Hit CellGridWidget::hitTest(QPoint point) const {
    Hit best;
    if (!cells_) return best;
    const int x = point.x();
    const int y = point.y();
    if (x < 1 || y < 1) return best;
    std::uint64_t bestRank = 0;
    int bestLevel = -1;
    // Within one cell the label lies over the shape and the bars over both;
    // across cells the later one lies on top.
    auto consider = [&](int col, int row) {
        if (!cells_->hasCell(col, row)) return;
        const std::uint64_t rank = cells_->stackingRank(col, row);
        auto offer = [&](Hit::Part part, int level) {
            if (rank > bestRank || (rank == bestRank && level > bestLevel)) {
                best = Hit{part, col, row};
                bestRank = rank;
                bestLevel = level;
            }
        };
        const CellShape& shape = *cells_->cellShapes()[col][row];
        if (shape.visible && shape.bounds.contains(x, y)) offer(Hit::Part::shape, 0);
        const CellLabel& label = *cells_->cellLabels()[col][row];
        if (label.visible && label.bounds.contains(x, y)) offer(Hit::Part::label, 1);
        if (const auto& bar = cells_->rightBars()[col][row]; bar && bar->visible && bar->bounds.contains(x, y))
            offer(Hit::Part::bar, 2);
        if (const auto& bar = cells_->bottomBars()[col][row]; bar && bar->visible && bar->bounds.contains(x, y))
            offer(Hit::Part::bar, 3);
    };
    // A cell of s pixels in column c starts at 1 + (c − 1)(s + 1). For each
    // cell size in use, the point lies in column c or in the bar of column c − 1.
    for (const auto& [size, count] : cells_->cellSizes()) {
        const int col = (x - 1) / (size + 1) + 1;
        const int row = (y - 1) / (size + 1) + 1;
        for (int c = col - 1; c <= col; ++c)
            for (int r = row - 1; r <= row; ++r)
                if (c >= 1 && c <= GridCells::maxCells && r >= 1 && r <= GridCells::maxCells) consider(c, r);
    }
    return best;
}

QRect CellGridWidget::cellRect(int col, int row) const {
    if (!cells_ || !cells_->hasCell(col, row)) return {};
    QRect area = toQRect(cells_->cellShapes()[col][row]->bounds) | toQRect(cells_->cellLabels()[col][row]->bounds);
    if (const auto& bar = cells_->rightBars()[col][row]) area |= toQRect(bar->bounds);
    if (const auto& bar = cells_->bottomBars()[col][row]) area |= toQRect(bar->bounds);
    return area;
}

const QFont& CellGridWidget::labelFont(int fontHeight) {
    auto found = fonts_.find(fontHeight);
    if (found != fonts_.end()) return *found;
    QFont labelFont = font();
    // Negative heights give the character height in pixels; positive ones the
    // cell height, which the pixel size approximates closely enough.
    if (fontHeight != 0) labelFont.setPixelSize(fontHeight < 0 ? -fontHeight : fontHeight);
    return *fonts_.insert(fontHeight, labelFont);
}

void CellGridWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, palette().window());
    if (!cells_) return;
    for (const GridCells::Position& p : cells_->stackingOrder()) {
        if (!cellRect(p.col, p.row).intersects(dirty)) continue;
        const CellShape& shape = *cells_->cellShapes()[p.col][p.row];
        if (shape.visible) {
            const QRect bounds = toQRect(shape.bounds);
            const int pen = shape.penWidth;
            if (pen > 0) painter.fillRect(bounds, toQColor(shape.pen));
            const QRect inner = bounds.adjusted(pen, pen, -pen, -pen);
            if (inner.isValid()) painter.fillRect(inner, toQColor(shape.brush));
        }
        const CellLabel& label = *cells_->cellLabels()[p.col][p.row];
        if (label.visible && !label.text.empty()) {
            const QRect bounds = toQRect(label.bounds);
            painter.save();
            painter.setClipRect(bounds);
            painter.setFont(labelFont(label.fontHeight));
            painter.setPen(Qt::black);
            painter.drawText(bounds, Qt::AlignCenter, toQString(label.text));
            painter.restore();
        }
        if (const auto& bar = cells_->rightBars()[p.col][p.row]; bar && bar->visible)
            painter.fillRect(toQRect(bar->bounds), Qt::black);
        if (const auto& bar = cells_->bottomBars()[p.col][p.row]; bar && bar->visible)
            painter.fillRect(toQRect(bar->bounds), Qt::black);
    }
}

void CellGridWidget::mousePressEvent(QMouseEvent* event) {
    const Hit hit = hitTest(event->position().toPoint());
    pressed_ = hit.part == Hit::Part::label ? hit : Hit{};
    if (hit.part == Hit::Part::label) emit cellPressed(hit.col, hit.row, event->button());
}

void CellGridWidget::mouseReleaseEvent(QMouseEvent* event) {
    const Hit pressed = std::exchange(pressed_, Hit{});
    if (event->button() != Qt::LeftButton || pressed.part != Hit::Part::label) return;
    if (hitTest(event->position().toPoint()) == pressed) emit cellClicked(pressed.col, pressed.row);
}

void CellGridWidget::mouseMoveEvent(QMouseEvent* event) {
    lastPos_ = event->position().toPoint();
    updateCursor();
    const Hit hit = hitTest(lastPos_);
    QPointer<CellGridWidget> self(this);
    if (hit.part == Hit::Part::label) {
        if (!(hit == hovered_)) {
            leaveCell();
            if (!self) return;
            hovered_ = hit;
            emit cellEntered(hit.col, hit.row);
            if (!self) return;
        }
        emit cellMouseMove(hit.col, hit.row);
        return;
    }
    leaveCell();
    if (!self) return;
    if (hit.part == Hit::Part::none) emit backgroundMouseMove();
}

void CellGridWidget::leaveEvent(QEvent* event) {
    lastPos_ = QPoint(-1, -1);
    leaveCell();
    QWidget::leaveEvent(event);
}

void CellGridWidget::leaveCell() {
    if (hovered_.part == Hit::Part::none) return;
    const Hit old = std::exchange(hovered_, Hit{});
    emit cellLeft(old.col, old.row);
}

bool CellGridWidget::event(QEvent* event) {
    if (event->type() == QEvent::FontChange) fonts_.clear();
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = hitTest(help->pos());
        if (hintsShown_ && cells_ && hit.part == Hit::Part::label) {
            const CellLabel& label = *cells_->cellLabels()[hit.col][hit.row];
            QToolTip::showText(help->globalPos(), toQString(label.hint), this, toQRect(label.bounds));
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void CellGridWidget::updateCursor() {
    const Hit hit = lastPos_.x() < 0 ? Hit{} : hitTest(lastPos_);
    if (hit.part == Hit::Part::label)
        setCursor(toQCursor(cells_->cellLabels()[hit.col][hit.row]->cursor));
    else if (hit.part == Hit::Part::shape)
        setCursor(toQCursor(cells_->cellShapes()[hit.col][hit.row]->cursor));
    else
        unsetCursor();
}

void CellGridWidget::cellChanged(int col, int row) {
    update(cellRect(col, row));
    if (lastPos_.x() >= 0 && cellRect(col, row).contains(lastPos_)) updateCursor();
}

void CellGridWidget::layoutChanged() {
    applyExtent();
    update();
    // The label under the pointer may be gone or hidden now.
    if (hovered_.part != Hit::Part::none) {
        const Hit now = lastPos_.x() < 0 ? Hit{} : hitTest(lastPos_);
        if (!(now == hovered_)) leaveCell();
    }
    updateCursor();
}

void CellGridWidget::cursorsChanged() { updateCursor(); }

void CellGridWidget::cellsGone() {
    cells_ = nullptr;
    pressed_ = hovered_ = Hit{};
    applyExtent();
    update();
    unsetCursor();
}

void CellGridWidget::applyExtent() {
    const QSize extent = sizeHint();
    setMinimumSize(extent);
    updateGeometry();
    // A resizable scroll area sizes the widget itself (never below the
    // minimum); anywhere else the widget takes the size of its cells.
    auto* area = parentWidget() ? qobject_cast<QScrollArea*>(parentWidget()->parentWidget()) : nullptr;
    if (!area || !area->widgetResizable()) resize(extent);
}
