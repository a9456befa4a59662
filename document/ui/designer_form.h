#pragma once
// The shape designer ("Návrhář") that every document window uses: the user
// shows or hides cells, marks secret-phrase cells red and clue cells black,
// and in a criss-cross places the digits of the coded phrase into the red
// cells with the right mouse button.
//
// A caller calls resizeGrid with its size and cell size, copies each cell's
// visibility and colour into designer() (a caller with digits also the texts
// of its red cells and fullDigits), gives the tools its kind offers, shows
// the window modally and, on OK only, reads the cells back (a caller with
// digits also the red cells' texts, which hold the digits placed).

#include "document/core/shape_designer.h"

#include <QDialog>
#include <QString>

class CellGridWidget;
class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QToolBar;
class QToolButton;

class Tnavrharform : public QDialog {
    Q_OBJECT
public:
    explicit Tnavrharform(QWidget* parent = nullptr);

    ShapeDesigner& designer() { return designer_; }
    const ShapeDesigner& designer() const { return designer_; }

    // The designer's grid gets cols × rows cells of `cellSize` pixels, with
    // the progress window (a warning and no change when it cannot be
    // opened); every cell's text is emptied.
    CellGrid::ResizeResult resizeGrid(int cols, int rows, int cellSize);

    void setTools(const ShapeDesigner::Tools& tools) { designer_.tools = tools; }
    const ShapeDesigner::Tools& tools() const { return designer_.tools; }

    void cellMouseDown(int col, int row, Qt::MouseButton button);
    void cellMouseMove(int col, int row);
    void acSmazatTajenkuExecute();

    // "Již jsou určeny všechny cifry."
    static QString allDigitsPlaced();

    QToolBar* ToolBar1;
    QAction* acSmazat_Zobrazit;
    QAction* acTajenka;
    QAction* acLegenda;
    QAction* acSmazatTajenku;
    QScrollArea* ScrollBox1;
    CellGridWidget* cellGrid;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QWidget* Panel4;
    QToolButton* SpeedButton1;
    QLabel* Label1;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showRemainingDigits();

    ShapeDesigner designer_;
};

extern Tnavrharform* navrharform;
