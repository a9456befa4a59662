#include "analyzer/ui/puzzle_view.h"

#include "document/core/document_kinds.h"
#include "platform/ui/codec.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

namespace analyzer {

const QColor PuzzleView::kFrame = QColor(192, 192, 192);
const QColor PuzzleView::kHighlight = QColor(255, 0, 0);

PuzzleView::PuzzleView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PuzzleView"));
    font_ = QFont(QStringLiteral("Courier New"));
    font_.setStyleHint(QFont::Monospace);
    font_.setBold(true);
    font_.setPixelSize(16);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    resize(sizeHint());
}

void PuzzleView::showPuzzle(const Puzzle& puzzle) {
    columns_ = std::max(puzzle.width, 0);
    rows_ = std::max(puzzle.height, 0);
    const std::size_t count = static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_);
    texts_.assign(count, QString());
    hidden_.assign(count, false);
    highlighted_.assign(count, false);
    for (int row = 1; row <= rows_; ++row)
        for (int column = 1; column <= columns_; ++column) {
            const std::string& text = puzzle.cell(column, row);
            texts_[index(column, row)] = toQString(text);
            hidden_[index(column, row)] = text == hiddenCellText;
        }
    resize(sizeHint());
    update();
}

void PuzzleView::clear() { showPuzzle(Puzzle{}); }

void PuzzleView::resetColours() {
    std::fill(highlighted_.begin(), highlighted_.end(), false);
    update();
}

void PuzzleView::highlight(const std::vector<std::pair<int, int>>& cells) {
    for (const auto& [column, row] : cells) {
        if (!contains(column, row)) continue;
        highlighted_[index(column, row)] = true;
        update(cellRect(column, row));
    }
}

QColor PuzzleView::cellColour(int column, int row) const {
    if (!contains(column, row)) return {};
    if (highlighted_[index(column, row)]) return kHighlight;
    return hidden_[index(column, row)] ? QColor(Qt::black) : QColor(Qt::white);
}

QRect PuzzleView::cellRect(int column, int row) const {
    return QRect(kPitch * (column - 1) + 1, kPitch * (row - 1) + 1, kCellSize, kCellSize);
}

QString PuzzleView::cellText(int column, int row) const {
    return contains(column, row) ? texts_[index(column, row)] : QString();
}

QSize PuzzleView::sizeHint() const {
    // The last square ends one pixel short of kPitch * n + 2.
    return QSize(columns_ > 0 ? kPitch * columns_ + 2 : 0, rows_ > 0 ? kPitch * rows_ + 2 : 0);
}

void PuzzleView::paintEvent(QPaintEvent* event) {
    if (columns_ == 0 || rows_ == 0) return;
    const QRect area = event->rect();
    // Only the cells that touch the area to repaint; a label reaches three
    // pixels below its square, so one more row above is taken.
    const int firstColumn = std::clamp((area.left() - 1) / kPitch, 0, columns_ - 1) + 1;
    const int lastColumn = std::clamp(area.right() / kPitch, 0, columns_ - 1) + 1;
    const int firstRow = std::clamp((area.top() - 3) / kPitch - 1, 0, rows_ - 1) + 1;
    const int lastRow = std::clamp(area.bottom() / kPitch, 0, rows_ - 1) + 1;

    QPainter painter(this);
    painter.setFont(font_);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const QRect square = cellRect(column, row);
            painter.setPen(kFrame);
            painter.setBrush(cellColour(column, row));
            // The frame lies inside the square: its right and bottom line are
            // the square's last pixels.
            painter.drawRect(square.adjusted(0, 0, -1, -1));
            const QString& text = texts_[index(column, row)];
            if (text.isEmpty()) continue;
            painter.setPen(Qt::black);
            painter.drawText(square.translated(0, 2), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text);
        }
}

}  // namespace analyzer
