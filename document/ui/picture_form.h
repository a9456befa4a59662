#pragma once
// The picture export window: draws a document's grid as a picture, shows it
// and saves it as a BMP file.
//
// The word-search, crossword and criss-cross windows fill the grid fields
// (cellTexts, cellMarks, gridCols, gridRows and, for a crossword, the bar
// marks; see PictureGrid), set the style their grid is drawn in and show the
// window modally. Every showing draws the picture at once with the options in the
// controls; "Překreslit" draws it again after the options changed.

#include "document/core/picture_drawing.h"

#include <QDialog>
#include <QImage>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class TColorComboBox;
class TFormStorage;

class Tpictureform : public QDialog, public PictureGrid {
    Q_OBJECT
public:
    explicit Tpictureform(QWidget* parent = nullptr);
    ~Tpictureform() override;

    void setStyle(PictureStyle style) { style_ = style; }
    PictureStyle style() const { return style_; }

    // The options the controls hold; setting them brings each number into
    // the range of its box.
    PictureOptions options() const;
    void setOptions(const PictureOptions& options);

    // The picture last drawn.
    const QImage& picture() const { return picture_; }

    // "Překreslit": the picture in the style set; PictureStyle::none draws nothing.
    void Button1Click();
    // "Uložit": asks for a file name and saves the picture as a bitmap.
    void Button2Click();
    void drawGrid();
    void drawCrosswordGrid();

    // "Obrázek nelze uložit do souboru …"
    static QString saveFailure(const QString& path);

    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
    QCheckBox* CheckBox2;
    QCheckBox* CheckBox1;
    QLabel* Label1;
    QSpinBox* SpinEdit1;
    QLabel* Label2;
    QSpinBox* SpinEdit2;
    QLabel* Label3;
    QSpinBox* SpinEdit3;
    QLabel* Label4;
    TColorComboBox* ColorComboBox1;
    QScrollArea* ScrollBox1;
    QLabel* pictureImage = nullptr;
    // The six options, kept between runs in "mindgrid.ini", section "Okno
    // exportu do obr": restored at each showing before the picture is drawn,
    // saved when the window closes.
    TFormStorage* FormStorage1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // A new white picture of the grid's size in place of the old one; false
    // when there is no memory for it (the picture is then empty).
    bool newPicture();
    void showPicture();
    void setCrosswordControlsEnabled(bool enabled);

    PictureStyle style_ = PictureStyle::none;
    QImage picture_;
    QString lastFolder_;
};

extern Tpictureform* pictureform;
