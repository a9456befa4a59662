#include "frame/ui/excel_form.h"

#include "frame/ui/export_target.h"
#include "platform/core/cp1250.h"
#include "support/core/temp_folder.h"
#include "support/ui/scripted_desktop.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

QString text(const std::filesystem::path& path) { return exporttarget::toText(path); }

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
    book.setCellText(1, 1, *cp1250::utf8ToCp1250("Žluťoučký"));
    book.setCellText(2, 1, *cp1250::utf8ToCp1250("kůň"));
}

// The python3 that has xlrd, or nothing.
std::string xlrdPython() {
    for (const char* candidate : {"python3", "/usr/bin/python3"})
        if (std::system((std::string(candidate) + " -c 'import xlrd' >/dev/null 2>&1").c_str()) == 0) return candidate;
    return {};
}

// The lines the fixture's reader prints for a workbook file.
std::vector<std::string> readBack(const std::string& python, const std::filesystem::path& file) {
    const std::string command = python + " '" + (testDataFolder() / "platform" / "fixtures" / "read_workbook.py").string() +
                                "' '" + file.string() + "' 2>&1";
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return {"error|no reader"};
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = ::pclose(pipe);
    std::vector<std::string> lines;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) lines.insert(lines.begin(), "error|reader failed");
    return lines;
}

bool holds(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(ExcelForm, TheHostFillsAndWritesAWorkbookThatAnIndependentReaderReads) {
    ScriptedDesktop desktop;
    TempFolder folder;
    bool shownWhileFilling = false;
    const WorkbookExport result = exportWorkbook(nullptr, text(folder / "osmismerka"), [&](Workbook& book) {
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

    const std::string python = xlrdPython();
    if (python.empty()) GTEST_SKIP() << "python3-xlrd is not installed; the written file cannot be read back";
    const auto lines = readBack(python, file);
    std::string all;
    for (const auto& line : lines) all += line + "\n";
    EXPECT_TRUE(holds(lines, "sheet|1|Osmismerka|1")) << all;
    EXPECT_TRUE(holds(lines, "sheet|2|List2|0")) << all;
    EXPECT_TRUE(holds(lines, "cell|1|1|1|Žluťoučký|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holds(lines, "cell|1|2|1|kůň|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holds(lines, "cell|1|1|4|Ř|0|-|1:000000|1:000000|0:-|1:000000|Arial|10|0")) << all;
    // the hidden cell: solid black inside the frame
    EXPECT_TRUE(holds(lines, "cell|1|1|3||1|000000|1:000000|1:000000|0:-|0:-|Arial|10|0")) << all;
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
        EXPECT_EQ(exportWorkbook(nullptr, text(folder / chosen), fillWordSearch), WorkbookExport::written);
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
    EXPECT_EQ(exportWorkbook(nullptr, text(missing), fillWordSearch), WorkbookExport::failed);
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Warning);
    EXPECT_EQ(desktop.boxes[0].text, Texcelform::writeFailure(text(missing)));
    EXPECT_TRUE(desktop.boxes[0].text.startsWith(QStringLiteral("Sešit nelze zapsat do souboru ")));
    EXPECT_FALSE(desktop.boxes[0].text.contains(QStringLiteral(".ocx")));
    EXPECT_EQ(openHosts(), 0);

    // Filling broke off: the old file stays as it was.
    folder.write("old.xls", "old");
    EXPECT_EQ(exportWorkbook(nullptr, text(folder / "old.xls"),
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
    EXPECT_EQ(exportWorkbook(nullptr, text(folder / "book"), fill), WorkbookExport::declined);
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Question);
    EXPECT_EQ(desktop.boxes[0].text, exporttarget::overwriteQuestion(text(folder / "book.xls")));
    EXPECT_EQ(folder.read("book.xls"), "old");
    EXPECT_EQ(fills, 0);

    desktop.answerQuestion(true);
    EXPECT_EQ(exportWorkbook(nullptr, text(folder / "book"), fill), WorkbookExport::written);
    EXPECT_NE(folder.read("book.xls"), "old");

    // The name as chosen was asked about by the file chooser already.
    EXPECT_EQ(exportWorkbook(nullptr, text(folder / "book.xls"), fill), WorkbookExport::written);
    EXPECT_EQ(desktop.boxes.size(), 2);
    EXPECT_EQ(fills, 2);
    EXPECT_EQ(openHosts(), 0);
}

}  // namespace
