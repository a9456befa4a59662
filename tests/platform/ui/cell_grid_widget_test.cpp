#include "platform/ui/cell_grid_widget.h"

#include "platform/ui/desktop.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QToolTip>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>

namespace {

// A grid as the frame builds it: cells of `size` pixels laid out column
// first from 1, each with a label hint "col.row".
class TestGrid : public GridCells {
public:
    void build(int cols, int rows, int size, bool bars = false) {
        Batch batch(*this);
        for (int row = 1; row <= rows; ++row)
            for (int col = 1; col <= cols; ++col) {
                if (hasCell(col, row)) continue;
                CellShape shape;
                shape.bounds = cellgeometry::shape(col, row, size);
                shape.visible = true;
                CellLabel label;
                label.bounds = cellgeometry::label(col, row, size);
                label.visible = true;
                label.fontHeight = 9 - size;
                label.hint = std::to_string(col) + "." + std::to_string(row);
                createCell(col, row, shape, label);
                if (bars)
                    createEdgeBars(col, row, {cellgeometry::rightBar(col, row, size), false},
                                   {cellgeometry::bottomBar(col, row, size), false});
            }
    }
    void recreate(int col, int row, int size) {
        removeCell(col, row);
        build(col, row, size);  // only this cell is missing
    }
    void shrink(int cols, int rows) {
        Batch batch(*this);
        for (int col = 1; col <= maxCells; ++col)
            for (int row = 1; row <= maxCells; ++row)
                if (col > cols || row > rows) removeCell(col, row);
    }
};

using Part = CellGridWidget::Hit::Part;

void send(QWidget* widget, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
void moveTo(QWidget* widget, QPoint pos) { send(widget, QEvent::MouseMove, pos); }
void leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

// A point inside the label of a cell.
QPoint inLabel(const GridCells& grid, int col, int row) {
    const CellRect& r = grid.cellLabels()[col][row]->bounds;
    return QPoint(r.left + r.width / 2, r.top + r.height / 2);
}

// Records the area of each paint.
struct PaintSpy : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

}  // namespace

TEST(CellGridWidget, HitTestingFindsTheTopmostVisiblePart) {
    TestGrid grid;
    grid.build(10, 10, 20, true);
    CellGridWidget widget;
    widget.setCells(&grid);
    grid.setRightBarVisible(1, 1, true);
    grid.setLabelVisible(4, 4, false);
    grid.setCellVisible(5, 5, false);
    grid.setShapeVisible(6, 6, false);  // a designer cell taken out: its label still takes clicks

    struct Case {
        QPoint point;
        CellGridWidget::Hit hit;
    };
    const Case cases[] = {
        {{0, 0}, {Part::none, 0, 0}},
        {{1, 1}, {Part::shape, 1, 1}},            // the frame of the first cell
        {{2, 2}, {Part::label, 1, 1}},
        {{19, 19}, {Part::label, 1, 1}},
        {{20, 10}, {Part::bar, 1, 1}},            // the shown bar over the right edge ...
        {{21, 10}, {Part::bar, 1, 1}},            // ... and the gap
        {{22, 10}, {Part::shape, 2, 1}},          // the next cell, created later, lies over the bar
        {{21, 30}, {Part::none, 0, 0}},           // a gap without a bar
        {{22, 43}, {Part::shape, 2, 3}},
        {{23, 44}, {Part::label, 2, 3}},
        {{40, 61}, {Part::label, 2, 3}},
        {{41, 62}, {Part::shape, 2, 3}},
        {inLabel(grid, 4, 4), {Part::shape, 4, 4}},
        {inLabel(grid, 5, 5), {Part::none, 0, 0}},
        {inLabel(grid, 6, 6), {Part::label, 6, 6}},
        {inLabel(grid, 10, 10), {Part::label, 10, 10}},
        {{211, 211}, {Part::none, 0, 0}},
        {{5000, 5}, {Part::none, 0, 0}},
    };
    for (const Case& c : cases) {
        const auto hit = widget.hitTest(c.point);
        EXPECT_EQ(hit, c.hit) << c.point.x() << "," << c.point.y() << " gave part " << int(hit.part) << " at "
                              << hit.col << "." << hit.row;
    }
}

TEST(CellGridWidget, WhereCellsOfTwoSizesOverlapTheLaterOneIsHit) {
    TestGrid grid;
    grid.build(10, 10, 30);
    grid.build(12, 12, 20);  // column 11 starts at 211, inside column 7 of the 30-pixel cells
    CellGridWidget widget;
    widget.setCells(&grid);
    EXPECT_EQ(widget.hitTest({215, 10}), (CellGridWidget::Hit{Part::label, 11, 1}));
    EXPECT_EQ(widget.hitTest({200, 10}), (CellGridWidget::Hit{Part::label, 7, 1}));
    EXPECT_EQ(widget.hitTest({inLabel(grid, 12, 12)}), (CellGridWidget::Hit{Part::label, 12, 12}));
    EXPECT_EQ(widget.hitTest({inLabel(grid, 10, 10)}), (CellGridWidget::Hit{Part::label, 10, 10}));

    TestGrid other;
    other.build(12, 12, 20);
    other.recreate(7, 1, 30);  // now at 187 to 216, over columns 9 to 11
    widget.setCells(&other);
    EXPECT_EQ(widget.hitTest({200, 10}), (CellGridWidget::Hit{Part::label, 7, 1}));
    EXPECT_EQ(widget.hitTest({220, 10}), (CellGridWidget::Hit{Part::label, 11, 1}));
}

TEST(CellGridWidget, PressesAndClicksAreReportedForLabelsOnly) {
    TestGrid grid;
    grid.build(10, 10, 20);
    CellGridWidget widget;
    widget.setCells(&grid);
    QSignalSpy pressed(&widget, &CellGridWidget::cellPressed);
    QSignalSpy clicked(&widget, &CellGridWidget::cellClicked);

    send(&widget, QEvent::MouseButtonPress, inLabel(grid, 3, 4), Qt::RightButton);
    send(&widget, QEvent::MouseButtonRelease, inLabel(grid, 3, 4), Qt::RightButton);
    ASSERT_EQ(pressed.count(), 1);
    EXPECT_EQ(pressed[0], (QVariantList{3, 4, QVariant::fromValue(Qt::RightButton)}));
    EXPECT_EQ(clicked.count(), 0) << "only the left button clicks";

    send(&widget, QEvent::MouseButtonPress, inLabel(grid, 2, 7), Qt::LeftButton);
    send(&widget, QEvent::MouseButtonRelease, inLabel(grid, 2, 7), Qt::LeftButton);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0], (QVariantList{2, 7}));

    send(&widget, QEvent::MouseButtonPress, inLabel(grid, 2, 7), Qt::LeftButton);
    send(&widget, QEvent::MouseButtonRelease, inLabel(grid, 3, 7), Qt::LeftButton);
    send(&widget, QEvent::MouseButtonPress, {1, 1}, Qt::LeftButton);      // a frame
    send(&widget, QEvent::MouseButtonRelease, {1, 1}, Qt::LeftButton);
    send(&widget, QEvent::MouseButtonPress, {21, 5}, Qt::LeftButton);     // a gap
    send(&widget, QEvent::MouseButtonRelease, {21, 5}, Qt::LeftButton);
    grid.setCellVisible(8, 8, false);
    send(&widget, QEvent::MouseButtonPress, inLabel(grid, 8, 8), Qt::LeftButton);
    send(&widget, QEvent::MouseButtonRelease, inLabel(grid, 8, 8), Qt::LeftButton);
    EXPECT_EQ(pressed.count(), 3);
    EXPECT_EQ(clicked.count(), 1);
}

TEST(CellGridWidget, HoverFollowsThePointerFromCellToCell) {
    TestGrid grid;
    grid.build(10, 10, 20);
    CellGridWidget widget;
    widget.setCells(&grid);
    QStringList log;
    auto note = [&](const char* what) {
        return [&log, what](int col, int row) { log << QStringLiteral("%1 %2.%3").arg(what).arg(col).arg(row); };
    };
    QObject::connect(&widget, &CellGridWidget::cellEntered, note("enter"));
    QObject::connect(&widget, &CellGridWidget::cellLeft, note("leave"));
    QObject::connect(&widget, &CellGridWidget::cellMouseMove, note("move"));
    QObject::connect(&widget, &CellGridWidget::backgroundMouseMove, [&] { log << QStringLiteral("background"); });

    moveTo(&widget, inLabel(grid, 1, 1));
    moveTo(&widget, inLabel(grid, 1, 1) + QPoint(1, 1));
    moveTo(&widget, inLabel(grid, 2, 1));
    moveTo(&widget, {21, 5});
    moveTo(&widget, {22, 5});  // the frame of 2.1: neither cell nor background
    moveTo(&widget, inLabel(grid, 3, 3));
    leave(&widget);
    leave(&widget);
    moveTo(&widget, inLabel(grid, 4, 4));
    grid.shrink(3, 3);  // the cell under the pointer goes away
    EXPECT_EQ(log, (QStringList{"enter 1.1", "move 1.1", "move 1.1", "leave 1.1", "enter 2.1", "move 2.1",
                                "leave 2.1", "background", "enter 3.3", "move 3.3", "leave 3.3", "enter 4.4",
                                "move 4.4", "leave 4.4"}));
}

TEST(CellGridWidget, TheCursorIsTheOneOfThePartUnderThePointer) {
    desktop::setScreenCursor(cellcursor::startCursor, QCursor(Qt::CrossCursor));
    desktop::setScreenCursor(cellcursor::endCursor, QCursor(Qt::SizeAllCursor));
    TestGrid grid;
    grid.build(10, 10, 20);
    for (int col = 1; col <= 10; ++col)
        for (int row = 1; row <= 10; ++row) grid.setCursor(col, row, cellcursor::startCursor);
    grid.setCursor(5, 5, cellcursor::handPoint);
    QWidget window;
    CellGridWidget& widget = *new CellGridWidget(&window);
    widget.setCells(&grid);

    moveTo(&widget, inLabel(grid, 2, 2));
    EXPECT_EQ(widget.cursor().shape(), Qt::CrossCursor);
    moveTo(&widget, {1, 1});  // the shape's frame carries the cursor too
    EXPECT_EQ(widget.cursor().shape(), Qt::CrossCursor);
    moveTo(&widget, inLabel(grid, 5, 5));
    EXPECT_EQ(widget.cursor().shape(), Qt::PointingHandCursor);
    moveTo(&widget, {21, 5});
    EXPECT_FALSE(widget.testAttribute(Qt::WA_SetCursor)) << "the background keeps the parent's cursor";

    // A kind switches every cell to its end cursor while the pointer rests on one.
    moveTo(&widget, inLabel(grid, 2, 2));
    {
        GridCells::Batch batch(grid);
        for (int col = 1; col <= 10; ++col)
            for (int row = 1; row <= 10; ++row) grid.setCursor(col, row, cellcursor::endCursor);
    }
    EXPECT_EQ(widget.cursor().shape(), Qt::SizeAllCursor);
}

TEST(CellGridWidget, AChangedCellRepaintsOnlyItself) {
    TestGrid grid;
    grid.build(40, 40, 20, true);
    CellGridWidget widget;
    widget.setCells(&grid);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QApplication::processEvents();
    EXPECT_EQ(widget.size(), QSize(40 + 40 * 20 + 2, 40 + 40 * 20 + 2)) << "the widget takes the size of its cells";

    PaintSpy spy;
    widget.installEventFilter(&spy);
    grid.setText(7, 9, "a");
    grid.setRightBarVisible(20, 20, true);
    QApplication::processEvents();
    const QRect cell(127, 169, 22, 22);  // cell 7.9 with its bars
    const QRect bar(400, 400, 22, 22);   // cell 20.20 with its bars
    EXPECT_FALSE(spy.painted.isEmpty());
    for (const QRect& r : spy.painted) EXPECT_TRUE(cell.contains(r) || bar.contains(r)) << r.x() << "," << r.y();

    grid.shrink(5, 5);
    QApplication::processEvents();
    EXPECT_EQ(widget.size(), QSize(5 + 5 * 20 + 2, 5 + 5 * 20 + 2));
}

TEST(CellGridWidget, CellsArePaintedWithTheirColoursFramesTextsAndBars) {
    TestGrid grid;
    grid.build(10, 10, 20, true);
    for (int col = 1; col <= 10; ++col) grid.setText(col, 1, std::string(1, static_cast<char>('a' + col - 1)));
    grid.setText(2, 2, "ch");
    grid.setText(3, 3, "\xE8");  // č
    grid.setBrush(4, 4, colors::red);
    grid.setCellVisible(5, 5, false);
    grid.setText(5, 5, "@");
    grid.setPen(6, 6, colors::blue, 2);
    grid.setRightBarVisible(7, 7, true);
    grid.setBottomBarVisible(8, 8, true);
    CellGridWidget widget;
    widget.setCells(&grid);
    const QImage image = widget.grab().toImage();

    const auto at = [&](int col, int row, int dx, int dy) {
        const CellRect r = cellgeometry::shape(col, row, 20);
        return image.pixelColor(r.left + dx, r.top + dy);
    };
    const QColor background = widget.palette().color(QPalette::Window);
    EXPECT_EQ(at(1, 2, 10, 10), QColor(Qt::white));
    EXPECT_EQ(at(1, 2, 0, 0), QColor(Qt::black)) << "a thin black frame";
    EXPECT_EQ(at(1, 2, 1, 1), QColor(Qt::white));
    EXPECT_EQ(at(4, 4, 10, 2), QColor(Qt::red));
    EXPECT_EQ(at(5, 5, 10, 10), background) << "a hidden cell shows nothing";
    EXPECT_EQ(at(6, 6, 1, 1), QColor(Qt::blue)) << "the hover frame is two pixels wide";
    EXPECT_EQ(at(6, 6, 18, 18), QColor(Qt::blue));
    EXPECT_EQ(at(6, 6, 2, 2), QColor(Qt::white));
    EXPECT_EQ(at(7, 7, 20, 10), QColor(Qt::black)) << "the right bar crosses the gap";
    EXPECT_EQ(at(8, 8, 10, 20), QColor(Qt::black)) << "the bottom bar crosses the gap";
    EXPECT_EQ(at(9, 9, 20, 10), background);

    int dark = 0;
    for (int x = 2; x < 20; ++x)
        for (int y = 2; y < 20; ++y)
            if (at(1, 1, x, y).lightness() < 128) ++dark;
    EXPECT_GT(dark, 5) << "the letter is drawn";
}

TEST(CellGridWidget, HintsShowAsToolTipsWhenWanted) {
    TestGrid grid;
    grid.build(10, 10, 20);
    CellGridWidget widget;
    widget.setCells(&grid);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    auto ask = [&](QPoint pos) {
        QHelpEvent event(QEvent::ToolTip, pos, widget.mapToGlobal(pos));
        QApplication::sendEvent(&widget, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(ask(inLabel(grid, 3, 7)), QString());
    widget.setHintsShown(true);
    EXPECT_EQ(ask({21, 5}), QString());
    EXPECT_EQ(ask(inLabel(grid, 3, 7)), QStringLiteral("3.7"));
    QToolTip::hideText();
}

TEST(CellGridWidget, ScrollAreasScrollOverTheWholeGrid) {
    TestGrid grid;
    grid.build(40, 40, 20);
    for (bool resizable : {false, true}) {
        QScrollArea area;
        area.resize(300, 200);
        area.setWidgetResizable(resizable);
        auto* widget = new CellGridWidget;
        widget->setCells(&grid);
        area.setWidget(widget);
        area.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
        QApplication::processEvents();
        EXPECT_EQ(widget->width(), 840) << "resizable " << resizable;
        EXPECT_EQ(widget->height(), 840);
        EXPECT_GT(area.horizontalScrollBar()->maximum(), 0);
        widget->setCells(nullptr);
    }
}
