#include "document/ui/excel_form.h"

#include "platform/ui/export_target.h"
#include "platform/ui/file_messages.h"
#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"
#include "support/core/workbook_reader.h"
#include "support/ui/scripted_desktop.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

// Host windows that are still open (closed ones are freed first).
int openHosts() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<Texcelform*>(widget)) ++count;
    return count;
}

// What a word-search export does: a word list beside the grid, hidden cells
// filled black, a frame round the grid.
void fillWordSearch(Workbook& book) {
    book.setSheetName(1, "Osmismerka");
    book.setSheetName(2, "List2");
    book.setCurrentSheet(1);
    book.setCellText(1, 2, "K");
    book.setCellText(1, 4, "\xD8");  // Ř
    book.selectCell(cellReference(3, 1));
    book.fillSelection(1, 0, 0);
    book.selectRange(1, 2, 1, 4);
    book.setBorder(1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0);
    book.setCellText(1, 1, cp("Žluťoučký"));
    book.setCellText(2, 1, cp("kůň"));
}

TEST(ExcelForm, TheHostFillsAndWritesAWorkbookThatAnIndependentReaderReads) {
    ScriptedDesktop desktop;
    TempFolder folder;
    bool shownWhileFilling = false;
    const WorkbookExport result = exportWorkbook(nullptr, displayPath(folder / "osmismerka"), [&](Workbook& book) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* host = qobject_cast<Texcelform*>(widget))
                shownWhileFilling = host->isVisible() && host->windowTitle() == QStringLiteral("Export do Microsoft Excel");
        EXPECT_EQ(book.currentSheet(), 2);
        fillWordSearch(book);
    });
    EXPECT_EQ(result, WorkbookExport::written);
    EXPECT_TRUE(shownWhileFilling);
    EXPECT_EQ(openHosts(), 0);
    EXPECT_TRUE(desktop.boxes.isEmpty());
    const auto file = folder / "osmismerka.xls";
    ASSERT_TRUE(std::filesystem::exists(file));

    SKIP_WITHOUT_XLRD();
    const auto lines = workbookLines(file);
    const std::string all = joinedLines(lines);
    EXPECT_TRUE(holdsLine(lines, "sheet|1|Osmismerka|1")) << all;
    EXPECT_TRUE(holdsLine(lines, "sheet|2|List2|0")) << all;
    EXPECT_TRUE(holdsLine(lines, "cell|1|1|1|Žluťoučký|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holdsLine(lines, "cell|1|2|1|kůň|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holdsLine(lines, "cell|1|1|4|Ř|0|-|1:000000|1:000000|0:-|1:000000|Arial|10|0")) << all;
    // the hidden cell: solid black inside the frame
    EXPECT_TRUE(holdsLine(lines, "cell|1|1|3||1|000000|1:000000|1:000000|0:-|0:-|Arial|10|0")) << all;
}

TEST(ExcelForm, XlsIsAppendedUnlessTheNameEndsInExactlyXls) {
    ScriptedDesktop desktop;
    TempFolder folder;
    const std::pair<const char*, const char*> cases[] = {
        {"x.XLS", "x.XLS.xls"},
        {"y.xls", "y.xls"},
        {"z.xlsx", "z.xlsx.xls"},
    };
    for (const auto& [chosen, written] : cases) {
        EXPECT_EQ(exportWorkbook(nullptr, displayPath(folder / chosen), fillWordSearch), WorkbookExport::written);
        EXPECT_TRUE(std::filesystem::exists(folder / written)) << chosen;
    }
    EXPECT_FALSE(std::filesystem::exists(folder / "x.XLS"));
    EXPECT_TRUE(desktop.boxes.isEmpty());
}

TEST(ExcelForm, AFailureIsReportedLeavesNoFileAndClosesTheHost) {
    ScriptedDesktop desktop;
    TempFolder folder;

    // A folder that does not exist.
    const auto missing = folder / "gone" / "book.xls";
    EXPECT_EQ(exportWorkbook(nullptr, displayPath(missing), fillWordSearch), WorkbookExport::failed);
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Warning);
    EXPECT_EQ(desktop.boxes[0].text, Texcelform::writeFailure(displayPath(missing)));
    EXPECT_TRUE(desktop.boxes[0].text.startsWith(QStringLiteral("Sešit nelze zapsat do souboru ")));
    EXPECT_FALSE(desktop.boxes[0].text.contains(QStringLiteral(".ocx")));
    EXPECT_EQ(openHosts(), 0);

    // Filling broke off: the old file stays as it was.
    folder.write("old.xls", "old");
    EXPECT_EQ(exportWorkbook(nullptr, displayPath(folder / "old.xls"),
                             [](Workbook&) { throw std::length_error("no room for the sheet"); }),
              WorkbookExport::failed);
    EXPECT_EQ(desktop.boxes.size(), 2);
    EXPECT_EQ(folder.read("old.xls"), "old");
    EXPECT_EQ(openHosts(), 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), std::filesystem::directory_iterator()),
              1) << "no temporary file is left";
}

TEST(ExcelForm, AnAppendedNameOfAnExistingFileIsReplacedOnlyWhenTheUserAgrees) {
    ScriptedDesktop desktop;
    TempFolder folder;
    folder.write("book.xls", "old");
    int fills = 0;
    const auto fill = [&](Workbook& book) {
        ++fills;
        fillWordSearch(book);
    };

    desktop.answerQuestion(false);
    EXPECT_EQ(exportWorkbook(nullptr, displayPath(folder / "book"), fill), WorkbookExport::declined);
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Question);
    EXPECT_EQ(desktop.boxes[0].text, exporttarget::overwriteQuestion(displayPath(folder / "book.xls")));
    EXPECT_EQ(folder.read("book.xls"), "old");
    EXPECT_EQ(fills, 0);

    desktop.answerQuestion(true);
    EXPECT_EQ(exportWorkbook(nullptr, displayPath(folder / "book"), fill), WorkbookExport::written);
    EXPECT_NE(folder.read("book.xls"), "old");

    // The name as chosen was asked about by the file chooser already.
    EXPECT_EQ(exportWorkbook(nullptr, displayPath(folder / "book.xls"), fill), WorkbookExport::written);
    EXPECT_EQ(desktop.boxes.size(), 2);
    EXPECT_EQ(fills, 2);
    EXPECT_EQ(openHosts(), 0);
}

}  // namespace
