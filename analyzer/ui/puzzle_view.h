#pragma once
// The painted view of the puzzle in the main window: one widget for the whole
// grid (up to 255 × 255 cells), meant to sit in a QScrollArea.
//
// Every cell is a 20 × 20 square with a silver frame, white, or black for a
// hidden cell ("@"); squares stand 19 pixels apart, so neighbours share their
// border line. The cell text is drawn in bold "Courier New", 16 pixels high,
// centred, two pixels below the square's top edge. A cell can be painted red
// to show where a word lies.

#include "analyzer/core/puzzle.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

#include <utility>
#include <vector>

namespace analyzer {

class PuzzleView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellSize = 20;
    static constexpr int kPitch = 19;
    static const QColor kFrame;      // silver
    static const QColor kHighlight;  // red

    explicit PuzzleView(QWidget* parent = nullptr);

    // Shows the cells of `puzzle`, all in their normal colours.
    void showPuzzle(const Puzzle& puzzle);
    void clear();

    int columns() const { return columns_; }
    int rows() const { return rows_; }

    // Every cell back to white, or black when hidden.
    void resetColours();
    // Paints these cells (column, row from 1) red; cells outside the grid are skipped.
    void highlight(const std::vector<std::pair<int, int>>& cells);

    // The fill of a cell as it is painted now, and where its square lies.
    QColor cellColour(int column, int row) const;
    QRect cellRect(int column, int row) const;
    QString cellText(int column, int row) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool contains(int column, int row) const { return column >= 1 && column <= columns_ && row >= 1 && row <= rows_; }
    std::size_t index(int column, int row) const {
        return static_cast<std::size_t>(row - 1) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(column - 1);
    }

    int columns_ = 0;
    int rows_ = 0;
    std::vector<QString> texts_;
    std::vector<bool> hidden_;
    std::vector<bool> highlighted_;
    QFont font_;
};

}  // namespace analyzer
