#include "wordsearch/ui/child_osm.h"

#include "platform/ui/file_messages.h"
#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"
#include "support/core/workbook_reader.h"
#include "support/ui/modal.h"
#include "support/ui/scripted_desktop.h"
#include "tests/document/ui/test_host.h"

#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// A word-search window on a host of its own, showing `document`.
struct WordSearchWindow {
    explicit WordSearchWindow(const OsmDocument& document) { EXPECT_TRUE(window->showDocument(document)); }
    ~WordSearchWindow() { delete window; }
    TestHost host;
    TMDIChildOsm* window = new TMDIChildOsm;
};

// A finished 10 × 10 word search: letters, a CH, hidden cells on the
// diagonal, and the placed words.
OsmDocument wordSearch(std::vector<std::string> words) {
    OsmDocument document = OsmDocument::blank(10, 10);
    for (int row = 1; row <= 10; ++row)
        for (int column = 1; column <= 10; ++column)
            document.cell(column, row).text = column == row ? "@" : std::string(1, static_cast<char>('A' + column));
    document.cell(3, 2).text = "CH";
    document.words = std::move(words);
    return document;
}

TEST(WordSearchOutput, TheSpreadsheetExportWritesAWorkbookThatAnIndependentReaderReads) {
    ScriptedDesktop desktop;
    TempFolder folder;
    WordSearchWindow puzzle(wordSearch({cp("čáp"), cp("žluťoučký"), "kolo"}));

    // Cancelling the chooser writes nothing.
    puzzle.window->acExportExecute();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    desktop.answerFile(displayPath(folder / "osmismerka"));
    puzzle.window->acExportExecute();
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('\n')).toStdString();
    const auto file = folder / "osmismerka.xls";
    ASSERT_TRUE(std::filesystem::exists(file));

    SKIP_WITHOUT_XLRD();
    const auto lines = workbookLines(file);
    const std::string all = joinedLines(lines);
    const auto holds = [&](const std::string& line) { return holdsLine(lines, line); };
    EXPECT_TRUE(holds("sheet|1|Osmismerka|1")) << all;
    EXPECT_TRUE(holds("sheet|2|List2|0")) << all;
    // The words in column A in the order of the window's list, the Czech letters intact.
    EXPECT_TRUE(holds("cell|1|1|1|čáp|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holds("cell|1|3|1|žluťoučký|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    // The grid from column B: "CH" in column 3 of row 2, a hidden cell inside
    // the frame solid black, a corner hidden cell with the frame on two sides.
    EXPECT_TRUE(holds("cell|1|2|4|CH|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holds("cell|1|5|6||1|000000|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holds("cell|1|1|2||1|000000|1:000000|0:-|1:000000|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holds("cell|1|10|11||1|000000|0:-|1:000000|0:-|1:000000|Arial|10|0")) << all;
}

TEST(WordSearchOutput, AWordTheWorkbookCannotHoldFailsTheExportAndLeavesNoFile) {
    ScriptedDesktop desktop;
    TempFolder folder;
    WordSearchWindow puzzle(wordSearch({std::string(300, 'x')}));
    desktop.answerFile(displayPath(folder / "dlouhe.xls"));
    puzzle.window->acExportExecute();
    EXPECT_EQ(desktop.boxTexts(), QStringList{Texcelform::writeFailure(displayPath(folder / "dlouhe.xls"))});
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

QRgb rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

TEST(WordSearchOutput, ThePictureOfATenByTenWordSearchAtTheDefaultsHasBlackHiddenCells) {
    WordSearchWindow puzzle(wordSearch({"kolo"}));
    Tpictureform& form = *puzzle.host.pictureWindow();
    QImage picture;
    bool shown = false;
    whenModal([&](QWidget* dialog) {
        shown = dialog == &form;
        picture = form.picture();
        form.Button3->click();
    });
    puzzle.window->acExportObrExecute();
    ASSERT_TRUE(shown);
    EXPECT_EQ(form.style(), PictureStyle::plainGrid);
    ASSERT_EQ(picture.size(), QSize(300, 300));
    EXPECT_EQ(rgb(picture, 45, 45), 0x000000u) << "hidden cell (2, 2)";
    EXPECT_EQ(rgb(picture, 285, 285), 0x000000u) << "hidden cell (10, 10)";
    EXPECT_EQ(rgb(picture, 75, 15), 0xFFFFFFu) << "an open cell, no letters at the defaults";
}

TEST(WordSearchOutput, TheDesignerHandsTheShapeBackOnOkOnly) {
    OsmDocument document = OsmDocument::blank(3, 2);
    document.cell(2, 1).text = "@";
    document.cell(1, 1).colour = kOsmRed;
    document.cell(3, 2).text = "k";
    WordSearchWindow puzzle(document);
    Tnavrharform& form = *puzzle.host.designer();

    whenModal([&](QWidget*) {
        const ShapeDesigner& designer = form.designer();
        EXPECT_EQ(designer.cols(), 3);
        EXPECT_EQ(designer.rows(), 2);
        EXPECT_FALSE(designer.cellShown(2, 1));
        EXPECT_TRUE(designer.cellShown(3, 2));
        EXPECT_EQ(designer.cellColor(1, 1), colors::red);
        EXPECT_FALSE(form.acTajenka->isEnabled()) << "a word search only shows and hides cells";
        form.cellMouseDown(2, 1, Qt::LeftButton);
        form.cellMouseDown(3, 2, Qt::LeftButton);
        form.BitBtn1->click();
    });
    puzzle.window->acNavrharExecute();
    const GridShape expected{3, 2,
                             {{true, colors::red, ""}, {true, colors::white, ""}, {true, colors::white, ""},
                              {true, colors::white, ""}, {true, colors::white, ""}, {false, colors::white, ""}}};
    EXPECT_EQ(shapeOfGrid(puzzle.window->grid()), expected);

    // "Storno" hands nothing back, whatever was clicked.
    whenModal([&](QWidget*) {
        form.cellMouseDown(1, 1, Qt::LeftButton);
        form.BitBtn2->click();
    });
    puzzle.window->acNavrharExecute();
    EXPECT_EQ(shapeOfGrid(puzzle.window->grid()), expected);
}

int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

TEST(WordSearchOutput, APrintedWordSearchWithALongWordListTakesTwoPages) {
    const auto savedCheck = printing::printerCheck();
    printing::printerCheck() = [] { return false; };  // no printer: the PDF path
    ScriptedDesktop desktop;
    TempFolder folder;

    // Words of sixty letters take a line each: 42 lines fit below the grid on
    // the first page, the rest go to the second. The window lists each word
    // once, so they differ in their last two letters.
    struct Case {
        int words;
        int pages;
    };
    for (const Case c : {Case{0, 1}, Case{60, 2}}) {
        SCOPED_TRACE(c.words);
        const auto file = folder / ("osmismerka" + std::to_string(c.words) + ".pdf");
        desktop.answerFile(displayPath(file));
        std::vector<std::string> words;
        for (int i = 0; i < c.words; ++i)
            words.push_back(std::string(58, 'W') + static_cast<char>('A' + i / 26) + static_cast<char>('A' + i % 26));
        WordSearchWindow puzzle(wordSearch(words));
        puzzle.window->setWindowTitle(QStringLiteral("Osmisměrka (a.osm)"));
        puzzle.window->actiskExecute();
        QFile pdf(displayPath(file));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(pdfPages(pdf.readAll()), c.pages);
    }
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('\n')).toStdString();
    printing::printerCheck() = savedCheck;
}

}  // namespace
