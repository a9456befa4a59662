#include "tests/document/ui/document_checks.h"
#include "tests/swedish/ui/swedish_test_forms.h"
#include "tests/frame/ui/frame_fixture.h"

#include "document/ui/document_files.h"
#include "platform/ui/cell_grid_widget.h"
#include "platform/ui/codec.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/printing.h"
#include "stores/core/word_stores.h"
#include "support/core/cp1250_text.h"
#include "support/ui/modal.h"
#include "swedish/ui/child_svekriz.h"
#include "swedish/ui/print_form.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The Swedish window's files and printout in the running frame.
class SwedishFileTest : public RunningSwedishTest {
protected:
    static void press(TMDIChildSveKriz* window, int col, int row) {
        const CellRect r = cellgeometry::label(col, row, 20);
        QTest::mouseClick(window->cellGrid, Qt::LeftButton, {}, QPoint(r.left + r.width / 2, r.top + r.height / 2));
    }
    static Color brush(const TMDIChildSveKriz* window, int col, int row) {
        return window->grid().cellShapes()[col][row]->brush;
    }
    static swedish::SkrDocument saved(const fs::path& file) {
        const auto read = swedish::readSkrFile(file);
        EXPECT_TRUE(std::holds_alternative<swedish::SkrDocument>(read)) << file;
        return std::holds_alternative<swedish::SkrDocument>(read) ? std::get<swedish::SkrDocument>(read)
                                                                  : swedish::SkrDocument{};
    }
    TMDIChildSveKriz* lastWindow() const { return qobject_cast<TMDIChildSveKriz*>(windows().value(windows().size() - 1)); }
};

TEST_F(SwedishFileTest, AWindowSavedClosedAndOpenedAgainShowsEverythingItHad) {
    TMDIChildSveKriz* window = newDocument();
    ASSERT_NE(window, nullptr);
    window->resizeGrid(4, 3);
    CellGrid& grid = window->grid();
    grid.setHidden(1, 1, true);
    grid.setText(2, 1, "ch");
    grid.setBrush(3, 1, colors::red);
    grid.setText(3, 1, cp("ř"));
    grid.setBrush(1, 2, colors::black);
    window->legendCell[1][2].appendText(9);
    window->legendCell[1][2].appendSeparator();
    window->legendCell[1][2].moveLine(2, -80);
    window->legendCell[1][2].appendText(6);
    window->legendCell[1][2].setLine(3, "zapomenuto", 90, 7);
    window->legendCell[1][2].setCount(2);  // the third line stays in the file
    window->legendCell[4][3].appendText(5);  // a letter cell's old record
    window->letterUse[2][1] = {letteruse::placed, letteruse::unused};
    window->letterUse[3][1] = {letteruse::placed, letteruse::placed};
    grid.setHidden(4, 1, true);
    grid.setText(4, 1, {});  // "Smazat písmena" took the @ of a hidden cell
    const swedish::SkrDocument before = window->toDocument();

    const QString chosen = displayPath(folder / "hadanka");
    desktop.answerFile(chosen);
    window->ulozjako->trigger();
    ASSERT_EQ(window->windowTitle(), QStringLiteral("Švédská křížovka (%1)").arg(chosen));
    window->close();
    settle();

    MindgridMainForm->openFileByExtension(chosen + QStringLiteral(".skr"));
    TMDIChildSveKriz* opened = lastWindow();
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("Švédská křížovka (%1.skr)").arg(chosen));
    EXPECT_EQ(opened->toDocument(), before);
    EXPECT_TRUE(opened->grid().isHidden(1, 1));
    EXPECT_EQ(opened->grid().cellText(2, 1), "ch");
    EXPECT_EQ(opened->legendCell[1][2].line(3).text, "zapomenuto");
    EXPECT_EQ(opened->legendCell[1][2].line(2).top, -10);
    EXPECT_EQ(opened->letterUse[3][1], (LetterUse{letteruse::placed, letteruse::placed}));
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char(' ')).toStdString();
}

TEST_F(SwedishFileTest, AHandWrittenFileShowsEachUseInItsDirectionAndSavesBackAsItWas) {
    const std::string bytes = folder.read(testDataFolder() / "swedish" / "fixtures" / "small.skr");
    const QString path = displayPath(folder.write("mala.skr", bytes));
    MindgridMainForm->openFileByExtension(path);
    TMDIChildSveKriz* window = lastWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->grid().currentCols(), 3);
    // "ch" was placed across, the red "a" down, the "ž" both ways.
    EXPECT_EQ(window->letterUse[2][1], (LetterUse{letteruse::placed, letteruse::unused}));
    EXPECT_EQ(window->letterUse[3][1], (LetterUse{letteruse::unused, letteruse::placed}));
    EXPECT_EQ(window->letterUse[2][2], (LetterUse{letteruse::placed, letteruse::placed}));
    EXPECT_EQ(window->letterUse[1][1], LetterUse{});

    window->uloz->trigger();
    EXPECT_EQ(folder.read("mala.skr"), bytes);
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char(' ')).toStdString();
}

TEST_F(SwedishFileTest, ABadFileIsReportedByNameAndLineAndLeavesNoWindow) {
    std::string bytes = "2\r\n2\r\nTRUE\r\nxyz\r\n";
    folder.write("zla.skr", bytes);
    MindgridMainForm->openFileByExtension(displayPath(folder / "zla.skr"));
    settle();
    EXPECT_TRUE(windows().isEmpty());
    ASSERT_EQ(desktop.boxes.size(), 1);
    EXPECT_EQ(desktop.boxTexts().front(),
              QStringLiteral("Soubor %1 nelze načíst: na řádku 4 má být text políčka: nic, jeden znak, \"ch\" nebo "
                             "\"@\".")
                  .arg(displayPath(folder / "zla.skr")));
}

TEST_F(SwedishFileTest, SavingTakesTheHighlightOffTheScreenAndKeepsTheSelection) {
    dictionaryWords.addKey("pes");
    TMDIChildSveKriz* window = newDocument();
    ASSERT_NE(window, nullptr);
    window->grid().setBrush(2, 1, colors::red);
    press(window, 1, 1);
    press(window, 3, 1);
    ASSERT_EQ(brush(window, 2, 1), colors::silver);
    const swedish::SkrDocument selected = window->toDocument();

    ASSERT_TRUE(window->saveToFile(displayPath(folder / "vyber")));
    const swedish::SkrDocument file = saved(folder / "vyber.skr");
    EXPECT_EQ(file.cell(1, 1).colour, swedish::kSkrWhite);
    EXPECT_EQ(file.cell(2, 1).colour, swedish::kSkrRed);
    EXPECT_EQ(brush(window, 1, 1), colors::white);
    EXPECT_EQ(brush(window, 2, 1), colors::red);
    EXPECT_EQ(window->toDocument(), selected) << "what is printed does not depend on the highlight";

    // The selection is still there: a word goes into it.
    window->inputword->setText(QStringLiteral("pes"));
    window->vlozitbutton->click();
    EXPECT_EQ(window->grid().cellText(2, 1), "e");
}

TEST_F(SwedishFileTest, ANameWithoutTheExtensionOrWithParenthesesSavesBackToItself) {
    TMDIChildSveKriz* window = newDocument();
    ASSERT_NE(window, nullptr);
    for (const fs::path& name : {folder / "krizovka", folder / "a (1)" / "b (2).skr"}) {
        SCOPED_TRACE(name);
        fs::create_directories(name.parent_path());
        const QString chosen = displayPath(name);
        desktop.answerFile(chosen);
        window->ulozjako->trigger();
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Švédská křížovka (%1)").arg(chosen)) << "as typed";
        const fs::path file = name.extension() == ".skr" ? name : fs::path(name.string() + ".skr");
        ASSERT_TRUE(fs::exists(file));

        window->grid().setText(5, 5, "x");
        window->uloz->trigger();
        EXPECT_EQ(saved(file).cell(5, 5).text, "x") << "Uložit writes the same file";
        window->grid().setText(5, 5, {});
    }
    EXPECT_FALSE(fs::exists(folder / "krizovka")) << "never without the extension";
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char(' ')).toStdString();
}

// Makes writing into `folder` fail while it lives: the folder is read-only,
// and since that does not bind root, files may not grow either.
class UnwritableFolder {
public:
    explicit UnwritableFolder(const fs::path& folder) : folder_(folder) {
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
        if (::geteuid() == 0) {
            ::getrlimit(RLIMIT_FSIZE, &limit_);
            rlimit none = limit_;
            none.rlim_cur = 0;
            ::setrlimit(RLIMIT_FSIZE, &none);
            signal_ = std::signal(SIGXFSZ, SIG_IGN);
        }
    }
    ~UnwritableFolder() {
        if (::geteuid() == 0) {
            ::setrlimit(RLIMIT_FSIZE, &limit_);
            std::signal(SIGXFSZ, signal_);
        }
        fs::permissions(folder_, fs::perms::owner_all);
    }

private:
    fs::path folder_;
    rlimit limit_{};
    void (*signal_)(int) = SIG_DFL;
};

TEST_F(SwedishFileTest, AFailedSaveKeepsTheOldFileAndTheCaptionAndSaysSo) {
    TMDIChildSveKriz* window = newDocument();
    ASSERT_NE(window, nullptr);
    fs::create_directories(folder / "jen-cteni");
    const QString chosen = displayPath(folder / "jen-cteni" / "stara.skr");
    desktop.answerFile(chosen);
    window->ulozjako->trigger();
    const std::string old = folder.read("jen-cteni/stara.skr");
    const QString caption = window->windowTitle();

    window->grid().setText(1, 1, "n");
    {
        UnwritableFolder readOnly(folder / "jen-cteni");
        EXPECT_FALSE(window->saveToFile(chosen));
        window->uloz->trigger();
    }
    EXPECT_EQ(folder.read("jen-cteni/stara.skr"), old);
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_EQ(desktop.boxTexts(), QStringList(2, writeFailureText(chosen)));
}

TEST_F(SwedishFileTest, PrintingAsksForTheOptionsWhichLastForTheRun) {
    const auto savedCheck = printing::printerCheck();
    printing::printerCheck() = [] { return false; };  // no printer: a PDF file
    TMDIChildSveKriz* window = newDocument();
    ASSERT_NE(window, nullptr);
    window->grid().setBrush(1, 1, colors::black);
    window->legendCell[1][1].appendText(8);

    whenDialog<Ttisksvekriform>([](Ttisksvekriform* form) {
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Tisk švédské křížovky"));
        EXPECT_EQ(form->SpinEdit4->value(), 4);
        EXPECT_EQ(form->SpinEdit4->minimum(), 0);
        EXPECT_EQ(form->SpinEdit4->maximum(), 50);
        const swedish::SkrPrintOptions options = form->options();
        EXPECT_EQ(options.clueFill, colors::silver);
        EXPECT_EQ(options.secretFill, colors::white);
        EXPECT_EQ(options.letterFill, colors::white);
        form->SpinEdit4->setValue(7);
        form->BitBtn2->click();  // "Storno"
    });
    window->print->trigger();
    EXPECT_TRUE(desktop.fileCaptions.isEmpty()) << "nothing printed";

    const fs::path pdf = folder / "svedska.pdf";
    desktop.answerFile(displayPath(pdf));
    whenDialog<Ttisksvekriform>([](Ttisksvekriform* form) {
        EXPECT_EQ(form->SpinEdit4->value(), 7) << "kept from the last use";
        EXPECT_EQ(form->BitBtn1->text(), QStringLiteral("&Tisknout"));
        form->BitBtn1->click();
    });
    window->print->trigger();
    QFile file(displayPath(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char(' ')).toStdString();
    printing::printerCheck() = savedCheck;
}

}  // namespace
