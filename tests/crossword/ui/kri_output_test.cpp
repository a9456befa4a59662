// The crossword's print dialog, printing and spreadsheet export in the running frame.

#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "crossword/ui/child_kriz.h"
#include "crossword/ui/print_form.h"
#include "document/ui/excel_form.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/radio_group.h"
#include "support/core/cp1250_text.h"
#include "support/core/workbook_reader.h"
#include "support/ui/modal.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTableWidget>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

// While it lives, no file may grow past `bytes`: a longer write fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : previousSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lower = saved_;
        lower.rlim_cur = bytes;
        EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &lower), 0);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousSignal_)(int);
};

// Export hosts still open (closed ones are freed first).
int openHosts() {
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<Texcelform*>(widget)) ++count;
    return count;
}

int pdfPages(const QString& file) {
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly)) return 0;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf.readAll()).count(page));
}

// The frame with its crossword print dialog registered as the program does.
class CrosswordOutputTest : public DocumentWindowTest<TMDIChildKriz, crosswordDocument> {
protected:
    void SetUp() override {
        DocumentWindowTest::SetUp();
        writeConfig({0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        registerKindForm(KindFormPlace::afterQuestionDialog, tiskkriform);
        savedPrinterCheck_ = printing::printerCheck();
        printing::printerCheck() = [] { return false; };  // no printer: prints go to PDF files
    }
    void TearDown() override {
        printing::printerCheck() = savedPrinterCheck_;
        DocumentWindowTest::TearDown();
    }

    // A 4 × 8 crossword in legend mode: "pes" and "ok" across, "po" down,
    // hidden cells; the rows below hold no words.
    TMDIChildKriz* crosswordWithLegend() {
        start();
        TMDIChildKriz* window = newDocument();
        if (!window) return nullptr;
        window->resizeGrid(4, 8);
        CellGrid& grid = window->grid();
        const char* rows[] = {"pes@", "o@@@", "@ok@"};
        for (int r = 1; r <= 3; ++r)
            for (int c = 1; c <= 4; ++c) {
                const char letter = rows[r - 1][c - 1];
                if (letter == '@') grid.setHidden(c, r, true);
                else grid.setCellText(c, r, std::string(1, letter));
            }
        grid.setRightBarVisible(3, 1, true);
        grid.setBottomBarVisible(1, 2, true);
        grid.setRightBarVisible(1, 3, true);
        grid.setRightBarVisible(3, 3, true);
        window->vytvoritlegenduExecute();
        desktop.boxes.clear();  // the clue stores are not there
        return window;
    }

    static void typeClue(QTableWidget* grid, int row, const QString& clue) { grid->item(row, 1)->setText(clue); }

    // The names in the program folder that hold `part`.
    std::vector<std::string> namesWith(const std::string& part) const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            if (entry.path().filename().string().find(part) != std::string::npos)
                names.push_back(entry.path().filename().string());
        return names;
    }

    std::function<bool()> savedPrinterCheck_;
};

TEST_F(CrosswordOutputTest, ThePrintDialogIsMadeAtStartUpWithItsControlsAndTheSavedSizes) {
    // "abc" on line 3 ends the reading: the cell size is brought into its range.
    folder.write("velikosti.sav", "1000\r\n14\r\nabc\r\n6\r\n");
    EXPECT_EQ(tiskkriform, nullptr);
    start();
    ASSERT_NE(tiskkriform, nullptr);
    Ttiskkriform& form = *tiskkriform;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Tisk klasické křížovky"));
    EXPECT_EQ(form.sizes(), (crossword::PrintSizes{400, 14, 12, 4}));

    EXPECT_EQ(form.RadioGroup1->title(), QStringLiteral("Označení řádků"));
    EXPECT_EQ(form.RadioGroup2->title(), QStringLiteral("Označení sloupců"));
    for (RadioGroup* group : {form.RadioGroup1, form.RadioGroup2}) {
        ASSERT_EQ(group->count(), 2);
        EXPECT_EQ(group->button(0)->text(), QStringLiteral("A,B,C"));
        EXPECT_EQ(group->button(1)->text(), QStringLiteral("1,2,3"));
    }
    EXPECT_EQ(form.RadioGroup1->itemIndex(), 0);
    EXPECT_EQ(form.RadioGroup2->itemIndex(), 1);
    struct Spin {
        QSpinBox* box;
        const char* name;
        int min, max;
    };
    for (const Spin& s : {Spin{form.SpinEdit1, "SpinEdit1", 10, 400}, Spin{form.SpinEdit2, "SpinEdit2", 1, 200},
                          Spin{form.SpinEdit3, "SpinEdit3", 1, 200}, Spin{form.SpinEdit4, "SpinEdit4", 0, 50}}) {
        EXPECT_EQ(s.box->objectName(), QLatin1String(s.name));
        EXPECT_EQ(s.box->minimum(), s.min) << s.name;
        EXPECT_EQ(s.box->maximum(), s.max) << s.name;
    }
    struct Check {
        QCheckBox* box;
        const char* name;
        QString caption;
    };
    for (const Check& c : {Check{form.CheckBox1, "CheckBox1", QStringLiteral("Křížovku")},
                           Check{form.CheckBox4, "CheckBox4", QStringLiteral("Oddělovače slov")},
                           Check{form.CheckBox3, "CheckBox3", QStringLiteral("Legendu vodorovně")},
                           Check{form.CheckBox2, "CheckBox2", QStringLiteral("Legendu svisle")}}) {
        EXPECT_EQ(c.box->objectName(), QLatin1String(c.name));
        EXPECT_EQ(c.box->text(), c.caption);
        EXPECT_TRUE(c.box->isChecked()) << c.name;
    }
    EXPECT_EQ(form.GroupBox1->title(), QStringLiteral("Tisknout"));
    EXPECT_EQ(form.BitBtn1->text(), QStringLiteral("&Tisknout"));
    EXPECT_TRUE(form.BitBtn1->isDefault());
    EXPECT_EQ(form.BitBtn2->text(), QStringLiteral("&Storno"));
    EXPECT_EQ(form.Button1->text(), QStringLiteral("Uložit velikosti"));

    // A size typed past its range counts as the nearest bound.
    form.SpinEdit4->findChild<QLineEdit*>()->setText(QStringLiteral("99"));
    form.SpinEdit2->findChild<QLineEdit*>()->setText(QStringLiteral("0"));
    EXPECT_EQ(form.sizes(), (crossword::PrintSizes{400, 1, 12, 50}));

    destroyForms();
    EXPECT_EQ(tiskkriform, nullptr);
}

TEST_F(CrosswordOutputTest, SavingTheSizesWritesFourLinesAndAFailedSaveKeepsTheOldFile) {
    start();
    Ttiskkriform& form = *tiskkriform;
    form.setSizes({90, 14, 10, 6});
    form.Button1->click();
    EXPECT_EQ(folder.read("velikosti.sav"), "90\r\n14\r\n10\r\n6\r\n");
    EXPECT_TRUE(desktop.boxes.isEmpty());

    form.setSizes({82, 12, 12, 4});
    {
        FileSizeLimit limit(8);  // the file takes 15 bytes
        form.Button1->click();
    }
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Message);
    EXPECT_EQ(desktop.boxes[0].text, QStringLiteral("Velikosti nelze uložit. Chyba zápisu do souboru."));
    EXPECT_EQ(folder.read("velikosti.sav"), "90\r\n14\r\n10\r\n6\r\n");
    EXPECT_EQ(namesWith("velikosti"), std::vector<std::string>{"velikosti.sav"}) << "no temporary file is left";
}

TEST_F(CrosswordOutputTest, PrintingReadsTheWordTablesAndTheDialogKeepsItsChoices) {
    TMDIChildKriz* window = crosswordWithLegend();
    ASSERT_NE(window, nullptr);
    typeClue(window->StringGrid2, 1, QStringLiteral("zvíře"));
    // Before "Dokončit křížovku" the typed clue is no clue of the word table.
    crossword::PrintedCrossword printed = window->printedCrossword();
    ASSERT_EQ(printed.across.size(), 2u);
    EXPECT_EQ(printed.across[0].clue, "");
    window->dokoncitkrizovku->trigger();
    printed = window->printedCrossword();
    EXPECT_EQ(printed.columns, 4);
    EXPECT_EQ(printed.rows, 8);
    EXPECT_EQ(printed.across[0].clue, cp("zvíře"));
    EXPECT_EQ(printed.across[0].line, 1);
    EXPECT_EQ(printed.down.size(), 1u);
    EXPECT_TRUE(printed.cell(4, 1).hidden);
    EXPECT_FALSE(printed.cell(3, 1).hidden);
    EXPECT_TRUE(printed.cell(3, 1).rightBar);
    EXPECT_TRUE(printed.cell(1, 2).bottomBar);
    EXPECT_FALSE(printed.cell(1, 1).bottomBar);
    EXPECT_FALSE(printed.cell(1, 1).rightBar);

    // "Storno" prints nothing: no file is asked for.
    window->setWindowTitle(QStringLiteral("Křížovka (k.kri)"));
    whenDialog<Ttiskkriform>([](Ttiskkriform* form) {
        form->CheckBox2->setChecked(false);
        form->BitBtn2->click();
    });
    window->actisk->trigger();
    EXPECT_TRUE(desktop.fileCaptions.isEmpty());

    // Printed, the job titled with the caption. At the default cell size the
    // clues stand below the grid; cells of 400 pixels leave them no room on
    // the first page; without the clues the grid alone takes one page.
    struct Case {
        const char* what;
        int cellSize;
        bool lists;
        int pages;
    };
    const Case cases[] = {
        {"defaults", 82, true, 1},
        {"large cells", 400, true, 2},
        {"large cells, no clues", 400, false, 1},
    };
    bool first = true;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = displayPath(folder / (std::string("krizovka") + std::to_string(c.cellSize) +
                                                   (c.lists ? "" : "-bez") + ".pdf"));
        desktop.answerFile(file);
        whenDialog<Ttiskkriform>([&](Ttiskkriform* form) {
            if (first) {
                EXPECT_FALSE(form->CheckBox2->isChecked()) << "the dialog keeps what was chosen";
            }
            form->SpinEdit1->setValue(c.cellSize);
            form->CheckBox3->setChecked(c.lists);
            form->CheckBox2->setChecked(c.lists);
            form->BitBtn1->click();
        });
        first = false;
        window->actisk->trigger();
        EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(MindgridMainForm->printer()->docName(), QStringLiteral("Křížovka (k.kri)"));
        EXPECT_EQ(pdfPages(file), c.pages);
    }
}

TEST_F(CrosswordOutputTest, TheExportWritesBothSheetsFromTheClueGrids) {
    TMDIChildKriz* window = crosswordWithLegend();
    ASSERT_NE(window, nullptr);
    typeClue(window->StringGrid2, 1, QStringLiteral("zvíře"));

    // Cancelling the chooser writes nothing.
    window->acExport->trigger();
    EXPECT_TRUE(namesWith("krizovka").empty());

    desktop.answerFile(displayPath(folder / "krizovka"));
    window->acExport->trigger();
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(openHosts(), 0);
    ASSERT_TRUE(std::filesystem::exists(folder / "krizovka.xls"));

    SKIP_WITHOUT_XLRD();
    const auto lines = workbookLines(folder / "krizovka.xls");
    const std::string all = joinedLines(lines);
    EXPECT_TRUE(holdsLine(lines, "sheet|1|Nevyplnena|0")) << all;
    EXPECT_TRUE(holdsLine(lines, "sheet|2|Vyplnena|1")) << all;
    // The clue typed into the grid, not yet taken over, is exported.
    EXPECT_TRUE(holdsLine(lines, "cell|1|2|1|zvíře|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holdsLine(lines, "cell|2|2|1|pes|0|-|0:-|0:-|0:-|0:-|Arial|10|0")) << all;
    EXPECT_TRUE(holdsLine(lines, "cell|2|1|2|p|0|-|2:000000|1:000000|2:000000|1:000000|Arial|10|0")) << all;
}

TEST_F(CrosswordOutputTest, AFailedExportIsReportedLeavesTheOldFileAndClosesTheHost) {
    TMDIChildKriz* window = crosswordWithLegend();
    ASSERT_NE(window, nullptr);
    desktop.boxes.clear();
    folder.write("stara.xls", "old");
    typeClue(window->StringGrid1, 1, QStringLiteral("zvíře"));
    desktop.answerFile(displayPath(folder / "stara.xls"));
    {
        FileSizeLimit limit(64);  // a write that does not fit on the disk
        window->acExport->trigger();
    }
    EXPECT_EQ(desktop.boxTexts(), QStringList{Texcelform::writeFailure(displayPath(folder / "stara.xls"))});
    EXPECT_EQ(folder.read("stara.xls"), "old");
    EXPECT_EQ(openHosts(), 0);
    EXPECT_EQ(namesWith("stara"), std::vector<std::string>{"stara.xls"}) << "no partial file is left";
}

// A clue that no workbook cell can hold (from a file or a clue store) is
// named, word and list, before a file is chosen; one that fits exports.
TEST_F(CrosswordOutputTest, AClueLongerThanAWorkbookCellIsNamedBeforeAnythingIsWritten) {
    TMDIChildKriz* window = crosswordWithLegend();
    ASSERT_NE(window, nullptr);
    struct Case {
        const char* what;
        QTableWidget* grid;
        int length;
        QString message;  // empty: the export is written
    };
    const Case cases[] = {
        {"256 characters down", window->StringGrid1, 256,
         QStringLiteral("Legenda slova \"po\" (svisle) má víc než 255 znaků a do buňky sešitu se nevejde. "
                        "Zkraťte ji a export opakujte.")},
        {"300 characters across", window->StringGrid2, 300,
         QStringLiteral("Legenda slova \"ok\" (vodorovně) má víc než 255 znaků a do buňky sešitu se nevejde. "
                        "Zkraťte ji a export opakujte.")},
        {"255 characters", window->StringGrid2, 255, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        desktop.boxes.clear();
        desktop.fileCaptions.clear();
        std::filesystem::remove(folder / "sesit.xls");
        for (QTableWidget* grid : {window->StringGrid1, window->StringGrid2})
            for (int row = 1; row < grid->rowCount(); ++row) typeClue(grid, row, QStringLiteral("krátká"));
        typeClue(c.grid, c.grid->rowCount() - 1, QString(c.length, QChar(u'ž')));
        if (c.message.isEmpty()) desktop.answerFile(displayPath(folder / "sesit.xls"));
        window->acExport->trigger();
        EXPECT_EQ(openHosts(), 0);
        if (c.message.isEmpty()) {
            EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('\n')).toStdString();
            EXPECT_TRUE(std::filesystem::exists(folder / "sesit.xls"));
            continue;
        }
        EXPECT_EQ(desktop.boxTexts(), QStringList{c.message});
        EXPECT_TRUE(desktop.fileCaptions.isEmpty()) << "no file was asked for";
        EXPECT_TRUE(namesWith("sesit").empty());
    }
}

// Typed or pasted, a clue takes at most what one workbook cell holds.
TEST_F(CrosswordOutputTest, TheClueGridsTakeAtMost255Characters) {
    TMDIChildKriz* window = crosswordWithLegend();
    ASSERT_NE(window, nullptr);
    for (QTableWidget* grid : {window->StringGrid2, window->StringGrid1}) {
        SCOPED_TRACE(grid->objectName().toStdString());
        grid->setCurrentCell(1, 1);
        grid->editItem(grid->item(1, 1));
        auto* editor = grid->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        editor->clear();
        editor->insert(QString(300, QLatin1Char('x')));  // as a paste puts it in
        EXPECT_EQ(editor->text().size(), 255);
        QTest::keyClick(editor, Qt::Key_Y);
        EXPECT_EQ(editor->text().size(), 255) << "typing adds nothing";
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::sendPostedEvents();  // the delegate commits through a queued call
        EXPECT_EQ(grid->item(1, 1)->text(), QString(255, QLatin1Char('x')));
    }
}

}  // namespace
