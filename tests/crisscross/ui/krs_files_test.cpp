#include "tests/crisscross/ui/krs_window_fixture.h"

#include "crisscross/core/krs_file.h"
#include "crisscross/core/krs_print.h"
#include "crisscross/ui/digit_table_form.h"
#include "document/core/print_layout.h"
#include "document/ui/designer_form.h"
#include "document/ui/document_files.h"
#include "document/ui/phrase_form.h"
#include "document/ui/size_form.h"
#include "platform/core/textfile.h"
#include "platform/ui/file_chooser.h"
#include "platform/ui/file_messages.h"
#include "support/ui/modal.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <functional>
#include <string>
#include <tuple>
#include <variant>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

QString qpath(const fs::path& path) { return displayPath(path); }

std::string fixture(const char* name) {
    const auto bytes = readFileBytes(testDataFolder() / "crisscross" / "fixtures" / name, fileLimit::document);
    return std::holds_alternative<std::string>(bytes) ? std::get<std::string>(bytes) : std::string();
}

KrsDocument read(const fs::path& path) {
    const KrsReadResult result = readKrsFile(path);
    EXPECT_TRUE(std::holds_alternative<KrsDocument>(result)) << path;
    return std::holds_alternative<KrsDocument>(result) ? std::get<KrsDocument>(result) : KrsDocument();
}

std::string lineOf(const std::string& bytes, int number) {
    std::size_t start = 0;
    for (int line = 1; line < number; ++line) start = bytes.find("\r\n", start) + 2;
    return bytes.substr(start, bytes.find("\r\n", start) - start);
}

// What the print draws: kind, place and text of every operation.
using Drawn = std::tuple<RecordingCanvas::Kind, int, int, int, int, std::string, Color>;
std::vector<Drawn> printOf(const KrsDocument& document) {
    RecordingCanvas canvas;
    drawCrissCrossPrint(canvas, document, printlayout::labelFont());
    std::vector<Drawn> drawn;
    for (const auto& op : canvas.operations())
        drawn.emplace_back(op.kind, op.left, op.top, op.right, op.bottom, op.text, op.brush);
    return drawn;
}

std::vector<std::string> printedTexts(const KrsDocument& document) {
    std::vector<std::string> texts;
    for (const Drawn& op : printOf(document))
        if (std::get<0>(op) == RecordingCanvas::Kind::Text) texts.push_back(std::get<5>(op));
    return texts;
}

// Every cell of both sheets with its text and format.
std::string workbookOf(const KrsDocument& document) {
    Workbook book;
    EXPECT_TRUE(fillCrissCrossWorkbook(book, document));
    std::string all;
    for (int sheet = 1; sheet <= book.sheetCount(); ++sheet)
        for (const auto& [place, cell] : book.cells(sheet))
            all += std::to_string(sheet) + "|" + std::to_string(place.first) + "|" + std::to_string(place.second) +
                   "|" + cell.text + "|" + std::to_string(cell.format.pattern) + "|" +
                   std::to_string(cell.format.left.style) + std::to_string(cell.format.right.style) +
                   std::to_string(cell.format.top.style) + std::to_string(cell.format.bottom.style) + "\n";
    return all;
}

// "Tajenka": `typed` entered, the digit table confirmed as assigned.
void enterPhrase(TMDIChildKrs* window, const QString& typed) {
    ModalAnswers answers([&](QWidget* dialog) {
        if (auto* form = qobject_cast<Ttajenkaform*>(dialog)) {
            form->inputboxtajenka->setText(typed);
            form->BitBtn1->click();
        } else if (auto* table = qobject_cast<Tkrspiscisform*>(dialog)) {
            table->btnok->click();
        }
    });
    window->zadattajenku->trigger();
}

}  // namespace

TEST_F(KrsWindowTest, SaveAsFollowsTheExtensionRuleAndSaveReachesTheSameFile) {
    TMindgridMainForm* frame = start();
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);

    struct Case {
        const char* chosen;
        const char* written;
    };
    for (const Case& c : {Case{"hadanka", "hadanka.krs"}, Case{"hadanka.krs.txt", "hadanka.krs.txt"}}) {
        SCOPED_TRACE(c.chosen);
        window->grid().setText(2, 2, "5");
        const QString chosen = qpath(folder / c.chosen);
        desktop.answerFile(chosen);
        window->aculozjako->trigger();
        EXPECT_EQ(read(folder / c.written).cell(2, 2).text, "5");
        const QString caption = QStringLiteral("Kris-kros (") + chosen + QLatin1Char(')');
        EXPECT_EQ(window->windowTitle(), caption);
        EXPECT_EQ(frame->windowMenuItem(window->objectName())->text(), caption);

        // "Uložit" goes back to the same file without asking.
        const qsizetype asked = desktop.fileCaptions.size();
        window->grid().setText(2, 2, "6");
        window->aculoz->trigger();
        EXPECT_EQ(desktop.fileCaptions.size(), asked);
        EXPECT_EQ(read(folder / c.written).cell(2, 2).text, "6");
    }
    EXPECT_FALSE(fs::exists(folder / "hadanka")) << "only the extended name is written";
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

TEST_F(KrsWindowTest, AnExistingFileBehindTheExtendedNameIsOnlyReplacedWhenTheUserSaysSo) {
    start();
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    folder.write("hadanka.krs", "old");
    const QString chosen = qpath(folder / "hadanka");
    const QString caption = window->windowTitle();

    desktop.answerFile(chosen);
    desktop.answerQuestion(false);
    window->aculozjako->trigger();
    EXPECT_EQ(desktop.boxTexts(),
              QStringList{QStringLiteral("Soubor %1.krs již existuje. Chcete jej přepsat?").arg(chosen)});
    EXPECT_EQ(folder.read("hadanka.krs"), "old");
    EXPECT_EQ(window->windowTitle(), caption);

    desktop.answerFile(chosen);
    desktop.answerQuestion(true);
    window->aculozjako->trigger();
    EXPECT_EQ(read(folder / "hadanka.krs").columns, 10);
}

TEST_F(KrsWindowTest, AFailedSaveSaysSoKeepsTheOldFileAndTheCaption) {
    TMindgridMainForm* frame = start();
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    const fs::path file = folder / "hadanka.krs";
    desktop.answerFile(qpath(file));
    window->aculozjako->trigger();
    const std::string old = folder.read("hadanka.krs");
    const QString caption = window->windowTitle();
    const QString failure =
        QStringLiteral("Soubor %1 se nepodařilo uložit. Jeho dosavadní obsah zůstal beze změny.").arg(qpath(file));

    // A table entry holding a line break could not be read back.
    window->grid().setText(1, 1, "3");
    window->digitTable[4] = "a\nb";
    window->aculoz->trigger();
    EXPECT_EQ(desktop.boxTexts(), QStringList{failure});
    EXPECT_EQ(folder.read("hadanka.krs"), old);
    EXPECT_EQ(window->windowTitle(), caption);
    EXPECT_EQ(frame->windowMenuItem(window->objectName())->text(), caption);
    EXPECT_FALSE(window->saveToFile(qpath(file)));

    // A folder the user may not write to; permissions do not bind root.
    if (::geteuid() != 0) {
        window->digitTable[4] = "x";
        fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(window->saveToFile(qpath(file)));
        fs::permissions(folder.path(), fs::perms::owner_all);
        EXPECT_EQ(folder.read("hadanka.krs"), old);
    }
}

TEST_F(KrsWindowTest, APuzzleSavedBeforeAnyGenerationHasNoNumbers) {
    start();
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    desktop.answerFile(qpath(folder / "prazdny"));
    window->aculozjako->trigger();
    const std::string bytes = folder.read("prazdny.krs");
    EXPECT_EQ(bytes, fixture("blank_10x10.krs"));
    EXPECT_EQ(lineOf(bytes, 205), "0") << "N";
}

TEST_F(KrsWindowTest, AfterClearingTheDigitsTheListTheFileAndThePrintHoldNoNumbersAndNoKey) {
    start();
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    draw(window, {"...", "#..", "..#"});
    window->secretPhrase = "ab";
    window->digitTable = {"a", "b", " ", " ", " ", " ", " ", " ", " ", " "};
    ScriptedDraws draws({1, 2, 3, 4, 5, 6, 7});
    window->randomSource = &draws;
    window->vytvoritkrsopakovat->trigger();
    ASSERT_TRUE(eventually([&] { return !window->generating(); }));
    ASSERT_EQ(listed(window), (QStringList{"35", "45", "67", "123", "247"}));
    ASSERT_EQ(printedTexts(window->toDocument()),
              (std::vector<std::string>{"35, ", "45, ", "67; ", "123, ", "247", "0 = a, ", "1 = b."}));

    window->smazatpismena->trigger();
    EXPECT_TRUE(listed(window).isEmpty());
    EXPECT_TRUE(printedTexts(window->toDocument()).empty());

    // A new phrase over the cleared grid brings no digit key either.
    enterPhrase(window, QStringLiteral("chata"));
    ASSERT_EQ(window->secretPhrase, "chata");
    EXPECT_TRUE(printedTexts(window->toDocument()).empty());
    desktop.answerFile(qpath(folder / "smazany.krs"));
    window->aculozjako->trigger();
    const KrsDocument saved = read(folder / "smazany.krs");
    EXPECT_TRUE(saved.numberList.empty());
    EXPECT_EQ(saved.lastDigitKeyLine, -1);
}

TEST_F(KrsWindowTest, NumbersAndKeyGoWhenTheCellsChangeAndTheKeyFollowsANewPhrase) {
    TMindgridMainForm* frame = start();
    TMDIChildKrs* made = newKrs();
    ASSERT_NE(made, nullptr);
    draw(made, {"..", ".b"});
    made->secretPhrase = "ab";
    made->digitTable = {"a", "b", " ", " ", " ", " ", " ", " ", " ", " "};
    ScriptedDraws draws({4, 5, 1});
    made->randomSource = &draws;
    made->vytvoritkrsopakovat->trigger();
    ASSERT_TRUE(eventually([&] { return !made->generating(); }));
    const std::vector<std::string> printed{"11, ", "41, ", "45, ", "51", "0 = a, ", "1 = b."};
    ASSERT_EQ(printedTexts(made->toDocument()), printed);
    // A puzzle opened from its file may be resized and given a new phrase.
    const QString file = qpath(folder / "hotovy.krs");
    desktop.answerFile(file);
    made->aculozjako->trigger();

    const auto size = [](int cols, int rows) {
        whenDialog<Tnastavvelform>([=](Tnastavvelform* form) {
            form->SpinEdit1->setValue(cols);
            form->SpinEdit2->setValue(rows);
            form->BitBtn1->click();
        });
    };
    const auto designer = [](const std::function<void(Tnavrharform*)>& act) {
        whenDialog<Tnavrharform>([=](Tnavrharform* form) { act(form); });
    };
    struct Case {
        const char* name;
        std::function<void(TMDIChildKrs*)> act;
        std::vector<std::string> printed;  // numbers and digit key
    };
    const std::vector<Case> cases{
        {"another size", [&](TMDIChildKrs* w) { size(3, 2); w->acVelikost->trigger(); }, {}},
        {"the same size", [&](TMDIChildKrs* w) { size(2, 2); w->acVelikost->trigger(); }, printed},
        {"a cell blocked in the designer",
         [&](TMDIChildKrs* w) {
             designer([](Tnavrharform* form) {
                 form->cellMouseDown(1, 1, Qt::LeftButton);
                 form->BitBtn1->click();
             });
             w->acNavrhar->trigger();
         },
         {}},
        {"the digit of a red cell taken off in the designer",
         [&](TMDIChildKrs* w) {
             designer([](Tnavrharform* form) {
                 form->acSmazatTajenku->trigger();
                 form->BitBtn1->click();
             });
             w->acNavrhar->trigger();
         },
         {}},
        {"the designer's OK without a change", [&](TMDIChildKrs* w) {
             designer([](Tnavrharform* form) { form->BitBtn1->click(); });
             w->acNavrhar->trigger();
         },
         printed},
        {"a new phrase",
         [](TMDIChildKrs* w) { enterPhrase(w, QStringLiteral("ba")); },
         {"11, ", "41, ", "45, ", "51", "0 = b, ", "1 = a."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        frame->openFileByExtension(file);
        auto* window = qobject_cast<TMDIChildKrs*>(windows().last());
        ASSERT_NE(window, nullptr);
        ASSERT_EQ(listed(window).size(), 4);
        c.act(window);
        const KrsDocument document = window->toDocument();
        EXPECT_EQ(printedTexts(document), c.printed);
        EXPECT_EQ(listed(window).size(), c.printed.empty() ? 0 : 4);
        EXPECT_EQ(workbookOf(document).find("|1|1|11|") != std::string::npos, !c.printed.empty())
            << "the export's numbers";
        window->close();
    }
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

TEST_F(KrsWindowTest, APuzzleSavedAndOpenedAgainPrintsAndExportsTheSame) {
    TMindgridMainForm* frame = start();
    setCrissCrossSettings(false, true);
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    draw(window, {"..#..", ".r...", "##.r.", "....."});
    window->secretPhrase = "chata";
    window->digitTable = {"ch", "a", "t", " ", " ", " ", " ", " ", " ", " "};
    window->codedSecretPhrase = "0121";
    ScriptedDraws draws({3, 1, 4, 1, 5, 9, 2, 6, 5, 3, 5, 8, 9, 7, 9, 3, 2});
    window->randomSource = &draws;
    window->vytvoritkrsopakovat->trigger();
    ASSERT_TRUE(eventually([&] { return !window->generating(); }));
    ASSERT_EQ(window->lastDigitKeyLine, 2);
    const KrsDocument before = window->toDocument();

    const QString file = qpath(folder / "hadanka.krs");
    desktop.answerFile(file);
    window->aculozjako->trigger();
    frame->openFileByExtension(file);
    ASSERT_EQ(windows().size(), 2);
    auto* opened = qobject_cast<TMDIChildKrs*>(windows().last());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("Kris-kros (") + file + QLatin1Char(')'));
    EXPECT_EQ(opened->toDocument(), before);
    EXPECT_EQ(picture(opened), picture(window));
    EXPECT_EQ(listed(opened), listed(window));
    EXPECT_EQ(printOf(opened->toDocument()), printOf(before));
    EXPECT_EQ(workbookOf(opened->toDocument()), workbookOf(before));
    EXPECT_TRUE(opened->hasSecretPhrase) << "a loaded phrase counts as entered";
    EXPECT_EQ(states(opened), QStringLiteral("111111111")) << "loading keeps the states of a new window";
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

TEST_F(KrsWindowTest, ABadFileIsReportedWithItsLineAndChangesNothing) {
    TMindgridMainForm* frame = start();
    const std::string good = fixture("four_numbers_2x2.krs");
    const auto withLine = [&](int number, const std::string& replacement) {
        std::string bytes;
        for (int line = 1; line <= 46; ++line) bytes += (line == number ? replacement : lineOf(good, line)) + "\r\n";
        return bytes;
    };
    struct Case {
        const char* name;
        std::string bytes;
        QString problem;  // after "Soubor … nelze načíst: "
    };
    const Case cases[] = {
        {"columns abc", withLine(1, "abc"), QStringLiteral("na řádku 1 má být číslo.")},
        {"columns of 26 digits", withLine(1, "12345678901234567890123456"),
         QStringLiteral("velikost mřížky na řádku 1 musí být od 2 do 40.")},
        {"cell x", withLine(5, "x"), QStringLiteral("na řádku 5 má být text políčka: nic, jedna číslice nebo \"@\".")},
        {"colour black", withLine(4, "0"),
         QStringLiteral("číslo na řádku 4 je mimo povolený rozsah (16777215 nebo 255).")},
        {"letter use 1", withLine(19, "1"), QStringLiteral("číslo na řádku 19 je mimo povolený rozsah (0 nebo 2).")},
        {"eleven letters", withLine(12, "abcdefghijk"),
         QStringLiteral("na řádku 12 má být tajenka s nejvýše 10 různými písmeny.")},
        {"a number with a letter", withLine(15, "1x"), QStringLiteral("na řádku 15 má být číslo o 1 až 40 číslicích.")},
    };
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    draw(window, {"1r", "#3"});
    window->numberList = {"13"};
    const KrsDocument before = window->toDocument();
    const QString caption = window->windowTitle();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.boxes.clear();
        const QString file = qpath(folder.write(std::string(c.name) + ".krs", c.bytes));
        window->loadFromFile(file);
        ASSERT_EQ(desktop.boxes.size(), 1);
        EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Soubor ") + file + QStringLiteral(" nelze načíst: ") + c.problem});
        EXPECT_EQ(window->toDocument(), before);
        EXPECT_EQ(window->windowTitle(), caption);
    }

    // Opened by the frame, the new window goes again.
    window->close();
    settle();
    desktop.boxes.clear();
    frame->openFileByExtension(qpath(folder / "cell x.krs"));
    EXPECT_EQ(desktop.boxes.size(), 1);
    settle();
    EXPECT_TRUE(windows().isEmpty());
}

TEST_F(KrsWindowTest, ACodedPhraseOfLettersIsCodedAgainWhenOpened) {
    TMindgridMainForm* frame = start();
    setCrissCrossSettings(false, true);
    std::string bytes = fixture("chata_5x4.krs");
    bytes.replace(bytes.find("\r\n0121\r\n"), 8, "\r\nchata\r\n");  // as an unconfirmed table left it
    frame->openFileByExtension(qpath(folder.write("pismena.krs", bytes)));
    ASSERT_EQ(windows().size(), 1);
    auto* window = qobject_cast<TMDIChildKrs*>(windows()[0]);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->codedSecretPhrase, "0121");
    EXPECT_EQ(window->secretPhrase, "chata");
    EXPECT_EQ(picture(window), (std::vector<std::string>{"4a7#5", "2b#83", "#c619", "3b5#0"}));
    EXPECT_EQ(listed(window), (QStringList{"21", "42", "65", "81", "83", "315", "407", "0121", "2619", "5390"}));
}

TEST_F(KrsWindowTest, TheExportWritesAWorkbookUnderTheNameWithItsExtension) {
    start();
    TMDIChildKrs* window = newKrs();
    ASSERT_NE(window, nullptr);
    desktop.answerFile(qpath(folder / "Puzzle.XLS"));
    window->acexport->trigger();
    EXPECT_TRUE(fs::exists(folder / "Puzzle.XLS.xls"));
    EXPECT_FALSE(fs::exists(folder / "Puzzle.XLS"));
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}
