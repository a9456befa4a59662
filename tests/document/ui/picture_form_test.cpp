#include "document/ui/picture_form.h"

#include "formstate/ui/color_combo.h"
#include "platform/core/textfile.h"
#include "platform/ui/export_target.h"
#include "platform/ui/file_messages.h"
#include "support/core/temp_folder.h"
#include "support/ui/scripted_desktop.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// A 10 × 10 word search as its window hands it over: letters, and "@" with
// mark 1 in the hidden cells (here the cells of the first diagonal).
void fillWordSearch(Tpictureform& form) {
    form.gridCols = 10;
    form.gridRows = 10;
    for (int c = 0; c < 10; ++c)
        for (int r = 0; r < 10; ++r) {
            const bool hidden = c == r;
            form.cellTexts[c][r] = hidden ? "@" : "W";
            form.cellMarks[c][r] = hidden ? 1 : 0;
        }
    form.setStyle(PictureStyle::plainGrid);
}

QRgb rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// Pixels that are not white inside a square of the picture.
int inkIn(const QImage& image, int left, int top, int size) {
    int ink = 0;
    for (int x = left; x < left + size; ++x)
        for (int y = top; y < top + size; ++y) ink += rgb(image, x, y) != 0xFFFFFF;
    return ink;
}

TEST(PictureForm, AWordSearchAtTheDefaultsIsThreeHundredSquareWithBlackHiddenCells) {
    Tpictureform form;
    fillWordSearch(form);
    form.show();  // every showing draws at once

    const QImage& picture = form.picture();
    ASSERT_EQ(picture.size(), QSize(300, 300));
    EXPECT_EQ(rgb(picture, 45, 45), 0x000000u) << "hidden cell (1, 1)";
    EXPECT_EQ(rgb(picture, 75, 15), 0xFFFFFFu) << "an open cell's middle, no letter at the defaults";
    EXPECT_EQ(rgb(picture, 30, 15), 0x000000u) << "the cells' border";
    EXPECT_EQ(inkIn(picture, 31, 1, 28), 0) << "no letters at the defaults";
    ASSERT_NE(form.pictureImage, nullptr);
    EXPECT_EQ(form.ScrollBox1->widget(), form.pictureImage);
    EXPECT_EQ(form.pictureImage->size(), QSize(300, 300));
    EXPECT_FALSE(form.CheckBox2->isEnabled());
    EXPECT_FALSE(form.SpinEdit3->isEnabled());
    EXPECT_FALSE(form.ColorComboBox1->isEnabled());

    // "Vyplnit pole" and a redraw write the letters.
    form.CheckBox1->setChecked(true);
    form.SpinEdit1->setValue(40);
    form.Button1->click();
    ASSERT_EQ(form.picture().size(), QSize(400, 400));
    EXPECT_GT(inkIn(form.picture(), 41, 1, 38), 0);
    EXPECT_EQ(rgb(form.picture(), 60, 60), 0x000000u) << "hidden cells stay black, without text";
    form.close();
}

TEST(PictureForm, ACrosswordShowsItsSecretPhraseCellsInTheChosenColour) {
    Tpictureform form;
    form.gridCols = 3;
    form.gridRows = 1;
    form.cellTexts[0][0] = "a";
    form.cellTexts[1][0] = "b";
    form.cellMarks[1][0] = 2;
    form.cellMarks[2][0] = 1;
    form.rightBarMarks[0][0] = 0;
    form.setStyle(PictureStyle::crosswordGrid);
    form.CheckBox2->setChecked(true);
    form.Button1->click();

    const QImage& picture = form.picture();
    ASSERT_EQ(picture.size(), QSize(90, 30));
    EXPECT_EQ(rgb(picture, 45, 3), 0xC0C0C0u) << "silver by default";
    EXPECT_EQ(rgb(picture, 75, 15), 0x000000u);
    EXPECT_EQ(rgb(picture, 28, 3), 0x000000u) << "the bar, 2 pixels either side of the edge";
    EXPECT_EQ(rgb(picture, 27, 3), 0xFFFFFFu);
    EXPECT_EQ(rgb(picture, 31, 3), 0x000000u);
    EXPECT_EQ(rgb(picture, 32, 3), 0xC0C0C0u);
    EXPECT_TRUE(form.CheckBox2->isEnabled());
    EXPECT_TRUE(form.SpinEdit3->isEnabled());
    EXPECT_TRUE(form.ColorComboBox1->isEnabled());

    // No style draws nothing: the picture stays.
    form.setStyle(PictureStyle::none);
    form.SpinEdit1->setValue(10);
    form.Button1->click();
    EXPECT_EQ(form.picture().size(), QSize(90, 30));
}

TEST(PictureForm, TheBoxesHoldTheirRangesAndStoredValuesAreBroughtIntoThem) {
    Tpictureform form;
    EXPECT_EQ(form.options(), PictureOptions{});
    EXPECT_EQ(form.ColorComboBox1->readColorValue(), 0xC0C0C0);
    EXPECT_FALSE(form.ColorComboBox1->displayNames());

    PictureOptions stored;
    stored.cellSize = 0;
    stored.fontSize = 5000;
    stored.barHalfWidth = -7;
    stored.fillCells = true;
    stored.secretColor = colors::red;
    form.setOptions(stored);
    const PictureOptions shown = form.options();
    EXPECT_EQ((std::array{shown.cellSize, shown.fontSize, shown.barHalfWidth}), (std::array{4, 200, 0}));
    EXPECT_TRUE(shown.fillCells);
    EXPECT_EQ(shown.secretColor, colors::red);

    form.SpinEdit1->setValue(100000);
    EXPECT_EQ(form.SpinEdit1->value(), 200);
    form.SpinEdit2->setValue(0);
    EXPECT_EQ(form.SpinEdit2->value(), 1);
    form.SpinEdit3->setValue(51);
    EXPECT_EQ(form.SpinEdit3->value(), 50);
}

TEST(PictureForm, SavingWritesABitmapUnderTheRightName) {
    ScriptedDesktop desktop;
    TempFolder folder;
    Tpictureform form;
    fillWordSearch(form);
    form.Button1Click();
    const auto path = [&](const char* name) { return displayPath(folder / name); };

    // Cancelled: nothing.
    form.Button2Click();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    desktop.answerFile(path("obrazek"));
    desktop.answerFile(path("PLAN.BMP"));
    form.Button2Click();
    form.Button2Click();
    for (const char* name : {"obrazek.bmp", "PLAN.BMP"}) {
        QImage saved;
        ASSERT_TRUE(saved.load(path(name), "BMP")) << name;
        EXPECT_EQ(saved.size(), QSize(300, 300));
        EXPECT_EQ(rgb(saved, 45, 45), 0x000000u);
    }
    EXPECT_EQ(desktop.fileCaptions.size(), 3);
    EXPECT_TRUE(desktop.boxes.isEmpty());

    // ".bmp" appended to a name whose file exists: asked first.
    desktop.answerFile(path("obrazek"));
    desktop.answerQuestion(false);
    folder.write("obrazek.bmp", "old");
    form.Button2Click();
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].text, exporttarget::overwriteQuestion(path("obrazek.bmp")));
    EXPECT_EQ(folder.read("obrazek.bmp"), "old");

    // A folder that does not exist: told, and no file.
    const QString missing = path("gone/obrazek.bmp");
    desktop.answerFile(missing);
    form.Button2Click();
    ASSERT_EQ(desktop.boxes.size(), 2);
    EXPECT_EQ(desktop.boxes[1].kind, desktop::DesktopHooks::Box::Warning);
    EXPECT_EQ(desktop.boxes[1].text, Tpictureform::saveFailure(missing));
    EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
}

TEST(PictureForm, ItsOptionsComeBackInTheNextWindowBeforeItDraws) {
    const std::filesystem::path ini = std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "mindgrid" / "mindgrid.ini";
    { Tpictureform neverShown; }
    EXPECT_FALSE(std::filesystem::exists(ini)) << "a window never shown writes nothing";

    {
        Tpictureform form;
        fillWordSearch(form);
        form.show();
        form.SpinEdit1->setValue(45);
        form.SpinEdit2->setValue(20);
        form.CheckBox1->setChecked(true);
        form.CheckBox2->setChecked(true);
        form.ColorComboBox1->writeColorValue(static_cast<int>(colors::red));
        form.Button3->click();  // "Zavřít okno": the dialog is done, no close event comes
        EXPECT_FALSE(form.isVisible());
    }
    const auto bytes = readFileBytes(ini, 1 << 20);
    ASSERT_TRUE(std::holds_alternative<std::string>(bytes)) << "the close wrote the options";
    const std::string& saved = std::get<std::string>(bytes);
    EXPECT_NE(saved.find("[Okno exportu do obr]\r\nFormVersion=0\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Visible=0\r\nSpinEdit1_Value=45\r\nSpinEdit2_Value=20\r\nSpinEdit3_Value=2\r\n"
                         "CheckBox1_Checked=True\r\nCheckBox2_Checked=True\r\nColorComboBox1_ColorValue=255\r\n"),
              std::string::npos)
        << saved;

    Tpictureform again;
    EXPECT_EQ(again.options(), PictureOptions{}) << "restored at the showing, not before";
    fillWordSearch(again);
    again.show();
    EXPECT_EQ(again.SpinEdit1->value(), 45);
    EXPECT_EQ(again.SpinEdit2->value(), 20);
    EXPECT_TRUE(again.CheckBox1->isChecked());
    EXPECT_TRUE(again.CheckBox2->isChecked());
    EXPECT_EQ(again.ColorComboBox1->readColorValue(), static_cast<int>(colors::red));
    EXPECT_EQ(again.picture().size(), QSize(450, 450)) << "the first picture was drawn with the stored cell size";
    again.close();
}

}  // namespace
