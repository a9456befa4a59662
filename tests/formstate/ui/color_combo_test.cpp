#include "formstate/ui/color_combo.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

constexpr int silver = 12632256;
constexpr int brown = 0x123456;  // red 86, green 52, blue 18

TEST(ColorComboBox, ListsTheSixteenBasicColoursInOrder) {
    TColorComboBox box;
    const std::pair<const char*, int> expected[] = {
        {"Black", 0},          {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
        {"Navy", 0x800000},    {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
        {"Silver", 0xC0C0C0},  {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},    {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF},
    };
    ASSERT_EQ(box.count(), 16);
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(box.itemText(i).toStdString(), expected[i].first);
        EXPECT_EQ(box.itemData(i).toInt(), expected[i].second) << expected[i].first;
    }
    // A new box holds black, with its item chosen, and offers choosing only.
    EXPECT_EQ(box.readColorValue(), 0);
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.comboStyle(), TOwnerDrawComboBox::DropDownList);
    EXPECT_FALSE(box.isEditable());

    // Names of one's own, where given and not empty; the value stays.
    box.writeColorValue(silver);
    box.setColorNames({QStringLiteral("černá"), QString(), QStringLiteral("zelená")});
    EXPECT_EQ(box.itemText(0), QStringLiteral("černá"));
    EXPECT_EQ(box.itemText(1), QStringLiteral("Maroon"));
    EXPECT_EQ(box.itemText(2), QStringLiteral("zelená"));
    EXPECT_EQ(box.itemText(8), QStringLiteral("Silver"));
    EXPECT_EQ(box.readColorValue(), silver);
    EXPECT_EQ(box.currentIndex(), 8);
}

TEST(ColorComboBox, ColorValueSelectsItsItemOrNoneAndNotifies) {
    TColorComboBox box;
    QSignalSpy changes(&box, &TColorComboBox::OnChange);

    // Through the property, as the window-state storage sets it.
    ASSERT_TRUE(box.setProperty("ColorValue", silver));
    EXPECT_EQ(box.currentIndex(), 8);
    EXPECT_EQ(box.currentText(), QStringLiteral("Silver"));
    EXPECT_EQ(box.property("ColorValue").toInt(), silver);
    EXPECT_EQ(changes.count(), 1);

    box.writeColorValue(silver);
    EXPECT_EQ(changes.count(), 1) << "the same value again changes nothing";

    box.writeColorValue(brown);
    EXPECT_EQ(box.currentIndex(), -1) << "no item has that colour";
    EXPECT_EQ(box.readColorValue(), brown);
    EXPECT_EQ(changes.count(), 2);

    // With nothing selected, even the stored value is written again.
    box.writeColorValue(brown);
    EXPECT_EQ(changes.count(), 3);
}

TEST(ColorComboBox, ChoosingAnItemWritesItsColour) {
    TColorComboBox box;
    box.writeColorValue(silver);
    QSignalSpy changes(&box, &TColorComboBox::OnChange);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.currentIndex(), 9);
    EXPECT_EQ(box.readColorValue(), 0x0000FF) << "Red";
    EXPECT_EQ(changes.count(), 1);

    box.setCurrentIndex(15);  // set by the program, not chosen: no change of value
    EXPECT_EQ(box.readColorValue(), 0x0000FF);
}

// In the styles that take typed text the value follows the text.
TEST(ColorComboBox, TypedTextIsReadAsAColour) {
    TColorComboBox box;
    box.setComboStyle(TOwnerDrawComboBox::DropDown);
    ASSERT_TRUE(box.isEditable());
    QSignalSpy changes(&box, &TColorComboBox::OnChange);

    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"Aqua", 0xFFFF00},      // an item's text
        {"12345", 12345},        // a number
        {"$00123456", 0x123456}, // a number as the platform writes colours
        {"nic", 0x123456},       // neither: the value stays
        {"Black", 0},
    };
    for (const Case& c : cases) {
        box.setEditText(QString::fromLatin1(c.text));
        EXPECT_EQ(box.readColorValue(), c.value) << c.text;
    }
    EXPECT_EQ(changes.count(), 4) << "every typed change of value, not the text that changed nothing";

    // A colour that no item has is shown by its value.
    box.writeColorValue(brown);
    EXPECT_EQ(box.currentText(), QStringLiteral("$00123456"));
    EXPECT_EQ(box.readColorValue(), brown);
}

// Items are painted by the box: a framed swatch of the colour, then the name.
TEST(ColorComboBox, SwatchesSpanTheItemLessFivePixelsWithoutNames) {
    TColorComboBox box;
    box.setDisplayNames(false);
    QImage image(50, 20, QImage::Format_RGB32);
    image.fill(Qt::green);
    {
        QPainter painter(&image);
        box.drawItem(painter, QRect(0, 0, 50, 20), 9, false);  // Red
    }
    const QRgb frame = box.palette().color(QPalette::WindowText).rgb();
    const QRgb base = box.palette().color(QPalette::Base).rgb();
    // Frame from x 2 to 46 and y 2 to 17: 45 pixels wide, 50 − 5.
    EXPECT_EQ(image.pixel(1, 10), base);
    EXPECT_EQ(image.pixel(2, 10), frame);
    EXPECT_EQ(image.pixel(3, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(45, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(46, 10), frame);
    EXPECT_EQ(image.pixel(47, 10), base);
    EXPECT_EQ(image.pixel(20, 2), frame);
    EXPECT_EQ(image.pixel(20, 17), frame);
    EXPECT_EQ(image.pixel(20, 18), base);
    EXPECT_EQ(TColorComboBox::swatchRect(QRect(0, 0, 50, 20), false).width(), 45);
    EXPECT_EQ(TColorComboBox::swatchRect(QRect(10, 0, 120, 20), true), QRect(12, 2, 22, 16));

    // Items are the font's height plus one pixel, never below 9.
    QFont tiny = box.font();
    tiny.setPixelSize(3);
    box.setFont(tiny);
    EXPECT_EQ(box.itemHeight(), 9);
    QFont large = box.font();
    large.setPixelSize(30);
    box.setFont(large);
    EXPECT_EQ(box.itemHeight(), QFontMetrics(large).height() + 1);
}

}  // namespace
