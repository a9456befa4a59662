#pragma once
// The colour combo box: a drop-down list of the sixteen basic colours, each shown
// as a swatch, whose chosen colour is the property `ColorValue`.
//
// TOwnerDrawComboBox paints its items itself (in the list and in the closed
// box), all of one height: the font's height plus one pixel, at least 9.
// TColorComboBox fills it with the colours and keeps `ColorValue`, a colour
// value of the program (0x00BBGGRR), stored in the window-state ini file as a
// decimal integer.

#include <QComboBox>
#include <QStringList>

#include <array>

class QPainter;

class TOwnerDrawComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int Style READ comboStyle WRITE setComboStyle)

public:
    // The box's kinds: text typed into a drop-down box (0), typed into an
    // always open list (1, shown here like 0), or chosen from a list only (2).
    enum ComboStyle { DropDown = 0, Simple = 1, DropDownList = 2 };

    explicit TOwnerDrawComboBox(QWidget* parent = nullptr);

    int comboStyle() const { return style_; }
    void setComboStyle(int style);

    int itemHeight() const;

    // Paints item `index` into `rect` (in the list, or in the closed box).
    virtual void drawItem(QPainter& painter, const QRect& rect, int index, bool selected) = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int style_ = DropDownList;
};

class TColorComboBox : public TOwnerDrawComboBox {
    Q_OBJECT
    Q_PROPERTY(int ColorValue READ readColorValue WRITE writeColorValue NOTIFY OnChange)
    Q_PROPERTY(QStringList ColorNames READ colorNames WRITE setColorNames)
    Q_PROPERTY(bool DisplayNames READ displayNames WRITE setDisplayNames)

public:
    struct BasicColour {
        const char* name;
        int value;  // 0x00BBGGRR
    };
    // Black, Maroon, Green, Olive, Navy, Purple, Teal, Gray, Silver, Red, Lime,
    // Yellow, Blue, Fuchsia, Aqua, White: the list's items in order.
    static const std::array<BasicColour, 16>& basicColours();

    // The name of a colour as the list shows it: a basic colour's name, or the
    // value as "$" and eight hexadecimal digits.
    static QString colorName(int value);

    // Where the swatch of an item drawn in `item` lies: 2 pixels in from the
    // item's left, top and bottom; 24 pixels from its left when names are shown,
    // else 3 pixels in from its right.
    static QRect swatchRect(const QRect& item, bool displayNames);

    explicit TColorComboBox(QWidget* parent = nullptr);

    int readColorValue() const;
    void writeColorValue(int value);

    QStringList colorNames() const { return names_; }
    void setColorNames(const QStringList& names);
    bool displayNames() const { return displayNames_; }
    void setDisplayNames(bool display);

    void drawItem(QPainter& painter, const QRect& rect, int index, bool selected) override;

signals:
    // ColorValue changed.
    void OnChange();

private:
    void rebuildList();
    bool itemSelected() const;
    void onEditTextChanged();

    int stored_ = 0;  // black
    QStringList names_;
    bool displayNames_ = true;
    bool updating_ = false;  // the box itself is changing its text or item
    bool typed_ = false;     // text was typed since an item was last selected
};
