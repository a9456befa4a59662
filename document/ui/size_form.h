#pragma once
// The grid-size dialog: columns and rows, each 2 to 40. The caller presets
// both spin boxes with the document's size, shows it and, on OK, reads
// columns() and rows().

#include <QDialog>

class QLabel;
class QPushButton;
class QSpinBox;

class Tnastavvelform : public QDialog {
    Q_OBJECT
public:
    explicit Tnastavvelform(QWidget* parent = nullptr);

    void setGridSize(int cols, int rows);
    // What the boxes hold, always within 2 to 40: a typed value outside the
    // range counts as the nearest bound, a box left without a number as 2.
    int columns() const;
    int rows() const;

    QLabel* Label1;
    QSpinBox* SpinEdit1;
    QLabel* Label2;
    QSpinBox* SpinEdit2;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* event) override;
};

// The one instance, created at start-up and shared by every document window.
extern Tnastavvelform* nastavvelform;
