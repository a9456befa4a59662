#include "tests/wordsearch/ui/osm_window_fixture.h"

#include "document/core/grid_template.h"
#include "document/ui/document_files.h"
#include "document/ui/phrase_form.h"
#include "platform/ui/file_chooser.h"
#include "support/ui/modal.h"
#include "wordsearch/core/osm_file.h"
#include "wordsearch/ui/analyzer_start.h"

#include <QLineEdit>
#include <QPushButton>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string crlf(std::initializer_list<std::string_view> lines, std::string_view end = "\r\n") {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += end;
    }
    return text;
}

// A paused 3 × 3 puzzle: lower-case letters, a hidden cell, a red phrase
// letter, one empty cell (column 3, row 1), both phrases and two words.
std::string pausedPuzzle(std::string_view end = "\r\n") {
    return crlf({"3", "3",
                 "p", "16777215", "e", "16777215", "", "16777215",
                 "a", "255", "@", "16777215", "k", "16777215",
                 "l", "16777215", "e", "16777215", "s", "16777215",
                 "a", "a", "2", "les", "pes"},
                end);
}

// The same grid finished: every cell holds a text.
std::string finishedPuzzle() {
    return crlf({"3", "3",
                 "P", "16777215", "E", "16777215", "S", "16777215",
                 "A", "255", "@", "16777215", "K", "16777215",
                 "L", "16777215", "E", "16777215", "S", "16777215",
                 "a", "a", "2", "les", "pes"});
}

QString qpath(const fs::path& path) { return displayPath(path); }

}  // namespace

TEST_F(OsmWindowTest, SaveAsFollowsTheExtensionRuleAndCaptionsTheNameAsChosen) {
    TMindgridMainForm* frame = start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->SaveDialog1->filter.startsWith(QStringLiteral("Osmisměrky (*.osm)|")));
    fs::create_directory(folder / "x.osm");

    // A window never saved has no path in its caption: "Uložit" asks for one.
    window->aculoz->trigger();
    EXPECT_EQ(desktop.fileCaptions.size(), 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Osmisměrka1")) << "cancelled";

    struct Case {
        const char* chosen;
        const char* written;
    };
    for (const Case& c : {Case{"rebus", "rebus.osm"}, Case{"REBUS.OSM", "REBUS.OSM.osm"},
                          Case{"a.osm.txt", "a.osm.txt"}, Case{"x.osm/rebus", "x.osm/rebus.osm"}}) {
        SCOPED_TRACE(c.chosen);
        const std::string mark(1, c.chosen[0]);  // which save wrote the file
        window->grid().setText(2, 2, mark);
        const QString chosen = qpath(folder / c.chosen);
        desktop.answerFile(chosen);
        window->aculozjako->trigger();
        const OsmReadResult written = readOsmFile(folder / c.written);
        ASSERT_TRUE(std::holds_alternative<OsmDocument>(written));
        EXPECT_EQ(std::get<OsmDocument>(written).cell(2, 2).text, mark);
        const QString caption = QStringLiteral("Osmisměrka (") + chosen + QLatin1Char(')');
        EXPECT_EQ(window->windowTitle(), caption);
        EXPECT_EQ(frame->windowMenuItem(window->objectName())->text(), caption);
    }
    EXPECT_FALSE(fs::exists(folder / "x.osm/rebus")) << "only the extended name is written";

    // "Uložit" goes back to the file of the caption without asking.
    const qsizetype asked = desktop.fileCaptions.size();
    window->grid().setText(2, 2, "z");
    window->aculoz->trigger();
    EXPECT_EQ(desktop.fileCaptions.size(), asked);
    const OsmReadResult again = readOsmFile(folder / "x.osm/rebus.osm");
    ASSERT_TRUE(std::holds_alternative<OsmDocument>(again));
    EXPECT_EQ(std::get<OsmDocument>(again).cell(2, 2).text, "z");
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

TEST_F(OsmWindowTest, AnExistingFileBehindTheExtendedNameIsOnlyOverwrittenWhenTheUserSaysSo) {
    start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    folder.write("rebus.osm", "old");
    const QString chosen = qpath(folder / "rebus");

    desktop.answerFile(chosen);
    desktop.answerQuestion(false);
    window->aculozjako->trigger();
    EXPECT_EQ(desktop.boxTexts(),
              QStringList{QStringLiteral("Soubor %1.osm již existuje. Chcete jej přepsat?").arg(chosen)});
    EXPECT_EQ(folder.read("rebus.osm"), "old");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Osmisměrka1"));

    desktop.answerFile(chosen);
    desktop.answerQuestion(true);
    window->aculozjako->trigger();
    EXPECT_NE(folder.read("rebus.osm"), "old");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Osmisměrka (") + chosen + QLatin1Char(')'));
}

TEST_F(OsmWindowTest, AFailedSaveSaysSoAndKeepsTheCaption) {
    start();
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    const QString chosen = qpath(folder / "missing" / "rebus.osm");
    desktop.answerFile(chosen);
    window->aculozjako->trigger();
    EXPECT_EQ(desktop.boxTexts(),
              QStringList{QStringLiteral("Soubor %1 se nepodařilo uložit. Jeho dosavadní obsah zůstal beze změny.")
                              .arg(chosen)});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Osmisměrka1"));
    EXPECT_FALSE(window->saveas(chosen));
}

TEST_F(OsmWindowTest, AFileInAFolderWithParenthesesIsSavedBackToItself) {
    TMindgridMainForm* frame = start();
    const fs::path puzzles = folder / "hádanky (staré)";
    fs::create_directory(puzzles);
    const fs::path path = puzzles / "rebus.osm";
    ASSERT_TRUE(writeFileAtomic(path, pausedPuzzle()));

    frame->openFileByExtension(qpath(path));
    ASSERT_EQ(windows().size(), 1);
    auto* window = qobject_cast<TMDIChildOsm*>(windows()[0]);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Osmisměrka (") + qpath(path) + QLatin1Char(')'));

    window->grid().setText(3, 1, "s");
    window->aculoz->trigger();
    const OsmReadResult saved = readOsmFile(path);
    ASSERT_TRUE(std::holds_alternative<OsmDocument>(saved));
    EXPECT_EQ(std::get<OsmDocument>(saved).cell(3, 1).text, "s");
    EXPECT_EQ(std::distance(fs::directory_iterator(puzzles), fs::directory_iterator()), 1);
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

TEST_F(OsmWindowTest, AnOpenedPuzzleIsFinishedWhenEveryCellHoldsTextAndPausedOtherwise) {
    TMindgridMainForm* frame = start();
    struct Case {
        const char* name;
        std::string bytes;
        bool complete;
        bool savesAsRead;  // saving gives the very bytes read
    };
    const Case cases[] = {
        {"paused.osm", pausedPuzzle(), false, true},
        {"lf.osm", pausedPuzzle("\n"), false, false},
        {"finished.osm", finishedPuzzle(), true, true},
        {"lower.osm", crlf({"2", "2", "a", "16777215", "ch", "16777215", "\xE1", "16777215", "@", "16777215", "", "",
                            "0"}),
         true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = folder.write(c.name, c.bytes);
        frame->openFileByExtension(qpath(path));
        auto* window = qobject_cast<TMDIChildOsm*>(windows().value(windows().size() - 1));
        ASSERT_NE(window, nullptr);
        EXPECT_FALSE(visible(window, 2, 2));
        EXPECT_EQ(text(window, 2, 2), "@");
        if (c.complete) {
            EXPECT_EQ(phase(window), QStringLiteral("0001110000 Pozastavit"));
            EXPECT_FALSE(window->aczvolsablonu->isEnabled() || window->aculozsablonu->isEnabled());
        } else {
            EXPECT_EQ(phase(window), QStringLiteral("0100000111 Spustit"));
            EXPECT_EQ(text(window, 1, 1), "p") << "letters of a paused puzzle stay as they are";
            EXPECT_EQ(brush(window, 1, 2), colors::red);
            EXPECT_EQ(window->placedWords(), (std::vector<std::string>{"les", "pes"}));
            EXPECT_EQ(window->typedSecretPhrase(), "a");
        }
        if (c.savesAsRead) {
            ASSERT_TRUE(window->saveas(qpath(folder / "again.osm")));
            EXPECT_EQ(folder.read("again.osm"), c.bytes);
        }
        window->close();
        settle();
    }
    // A complete puzzle is upper-cased as the generator leaves a finished one.
    ASSERT_TRUE(windows().isEmpty());
    frame->openFileByExtension(qpath(folder / "lower.osm"));
    auto* lower = qobject_cast<TMDIChildOsm*>(windows().value(0));
    ASSERT_NE(lower, nullptr);
    EXPECT_EQ(text(lower, 1, 1), "A");
    EXPECT_EQ(text(lower, 2, 1), "CH");
    EXPECT_EQ(text(lower, 1, 2), "\xC1");
}

TEST_F(OsmWindowTest, NonSquareGridsOfTheLargestSideOpenAndSaveWithColumnsAndRowsApart) {
    TMindgridMainForm* frame = start();
    for (const auto& [columns, rows] : {std::pair{40, 23}, std::pair{23, 40}}) {
        SCOPED_TRACE(std::to_string(columns) + " x " + std::to_string(rows));
        // A finished puzzle whose every cell tells its place by its letter; the
        // last cell of row 1 is hidden and the first of the last row is red.
        OsmDocument original = OsmDocument::blank(columns, rows);
        for (int row = 1; row <= rows; ++row)
            for (int column = 1; column <= columns; ++column)
                original.cell(column, row).text = std::string(1, static_cast<char>('A' + (column + 3 * row) % 26));
        original.cell(columns, 1).text = "@";
        original.cell(1, rows).colour = kOsmRed;
        original.processedPhrase = "LES";
        original.typedPhrase = "les";
        original.words = {"les", "pes"};
        const fs::path path = folder / "wide.osm";
        ASSERT_TRUE(writeOsmFile(path, original));

        frame->openFileByExtension(qpath(path));
        ASSERT_EQ(windows().size(), 1);
        auto* window = qobject_cast<TMDIChildOsm*>(windows()[0]);
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
        EXPECT_EQ(window->grid().currentCols(), columns);
        EXPECT_EQ(window->grid().currentRows(), rows);
        EXPECT_FALSE(visible(window, columns, 1));
        EXPECT_EQ(brush(window, 1, rows), colors::red);
        EXPECT_EQ(text(window, columns, rows), original.cell(columns, rows).text);
        EXPECT_EQ(window->toDocument(), original);
        EXPECT_EQ(phase(window), QStringLiteral("0001110000 Pozastavit")) << "opened finished";

        ASSERT_TRUE(window->saveas(qpath(folder / "again.osm")));
        EXPECT_EQ(folder.read("again.osm"), folder.read("wide.osm"));
        window->close();
        settle();
    }
}

TEST_F(OsmWindowTest, SpustitGoesOnFromTheOpenedCellsWithoutANewPhrase) {
    TMindgridMainForm* frame = start();
    setWordSearchSettings(false, true, false, FailureReaction::Stop);
    // The paused puzzle with "les" placed: "pes" fills the empty cell of row 1.
    std::string bytes = pausedPuzzle();
    bytes.replace(bytes.find("2\r\nles\r\npes"), 11, "1\r\nles");
    frame->openFileByExtension(qpath(folder.write("paused.osm", bytes)));
    auto* window = qobject_cast<TMDIChildOsm*>(windows().value(0));
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(window->placedWords(), std::vector<std::string>{"les"});
    window->documentWordSearchWords = {"pes", "sak"};
    window->acstartstop->trigger();
    ASSERT_TRUE(eventually([&] { return status(window) == QStringLiteral("Osmisměrka je hotova..."); }));
    EXPECT_EQ(text(window, 3, 1), "S");
    EXPECT_EQ(text(window, 1, 2), "A") << "the phrase cell is left alone";
    EXPECT_EQ(brush(window, 1, 2), colors::red);
    EXPECT_EQ(window->placedWords(), (std::vector<std::string>{"les", "pes"}));
    EXPECT_EQ(phase(window), QStringLiteral("0001110000 Pozastavit"));
}

TEST_F(OsmWindowTest, ABadFileIsReportedAndLeavesNoWindowBehind) {
    TMindgridMainForm* frame = start();
    struct Case {
        const char* name;
        std::string bytes;
        QString problem;
    };
    const Case cases[] = {
        {"zero.osm", crlf({"0", "2"}), QStringLiteral("velikost mřížky na řádku 1 musí být od 2 do 40")},
        {"one.osm", crlf({"1", "2"}), QStringLiteral("velikost mřížky na řádku 1 musí být od 2 do 40")},
        {"big.osm", crlf({"2", "41"}), QStringLiteral("velikost mřížky na řádku 2 musí být od 2 do 40")},
        {"negative.osm", crlf({"-3", "2"}), QStringLiteral("velikost mřížky na řádku 1 musí být od 2 do 40")},
        {"digits.osm", crlf({"12345678901234567890123456", "2"}),
         QStringLiteral("velikost mřížky na řádku 1 musí být od 2 do 40")},
        {"letters.osm", crlf({"abc", "2"}), QStringLiteral("na řádku 1 má být číslo")},
        {"short.osm", pausedPuzzle().substr(0, 40), QStringLiteral("končí předčasně")},
        {"count.osm", crlf({"2", "2", "", "0", "", "0", "", "0", "", "0", "", "", "-1"}),
         QStringLiteral("číslo na řádku 13 je mimo povolený rozsah (0 až 2147483647).")},
        {"cr.osm", crlf({"2", "2", "A\rB"}), QStringLiteral("na řádku 3 je uvnitř textu znak CR.")},
        {"cell.osm", crlf({"2", "2", "A", "0", std::string(300, 'x')}),
         QStringLiteral("na řádku 5 má být text políčka: nic, jeden znak, \"ch\" nebo \"@\".")},
        {"word.osm", crlf({"2", "2", "A", "0", "B", "0", "C", "0", "D", "0", "", "", "2", "ab", "abc"}),
         QStringLiteral("na řádku 15 má být slovo s nejvýše 2 písmeny, delší se do mřížky nevejde.")},
        {"huge.osm", std::string(9 << 20, '\n'), QStringLiteral("je příliš velký (9 MB), nejvýše lze načíst 8 MB.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.boxes.clear();
        const int counter = frame->windowCounter;
        const QString path = qpath(folder.write(c.name, c.bytes));
        frame->openFileByExtension(path);
        ASSERT_EQ(desktop.boxes.size(), 1);
        EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Warning);
        EXPECT_TRUE(desktop.boxes[0].text.contains(path)) << desktop.boxes[0].text.toStdString();
        EXPECT_TRUE(desktop.boxes[0].text.contains(c.problem)) << desktop.boxes[0].text.toStdString();
        settle();
        EXPECT_TRUE(windows().isEmpty());
        EXPECT_TRUE(windowMenuItems().isEmpty());
        EXPECT_EQ(frame->windowCounter, counter + 1);
    }
    // A missing file likewise; then a good one opens as usual.
    desktop.boxes.clear();
    frame->openFileByExtension(qpath(folder / "nothing.osm"));
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Soubor %1 nelze otevřít.").arg(qpath(folder / "nothing.osm"))});
    frame->openFileByExtension(qpath(folder.write("good.osm", pausedPuzzle())));
    EXPECT_EQ(windowMenuItems(), QStringList{QStringLiteral("okno%1*").arg(frame->windowCounter)});
}

TEST_F(OsmWindowTest, TemplatesKeepTheShapeOfTheGridAndOnlyAGoodOneChangesIt) {
    TMindgridMainForm* frame = start();
    const fs::path templates = folder / "Sablony";
    TMDIChildOsm* shaped = newOsm();
    ASSERT_NE(shaped, nullptr);
    shaped->resizeGrid(4, 3);
    hide(shaped, 2, 1);
    hide(shaped, 4, 3);
    shaped->grid().setText(1, 1, "x");

    // Saving makes the folder beside the program and opens the chooser there.
    EXPECT_FALSE(fs::exists(templates));
    desktop.answerFile(qpath(templates / "tvar"));
    shaped->aculozsablonu->trigger();
    EXPECT_EQ(frame->SaveSabDialog->initialFolder, qpath(templates));
    EXPECT_EQ(folder.read("Sablony/tvar.sbl"), crlf({"4", "3", "1", "0", "1", "1", "1", "1", "1", "1", "1", "1", "1", "0"}));

    // A puzzle with letters, red cells, words and a phrase takes the shape.
    TMDIChildOsm* window = newOsm();
    ASSERT_NE(window, nullptr);
    const auto fill = [&] {
        window->grid().setText(1, 1, "a");
        window->grid().setBrush(1, 1, colors::red);
        window->grid().setText(3, 3, "b");
        window->ListBox1->addItem(QStringLiteral("pes"));
    };
    fill();
    whenDialog<Ttajenkaform>([](Ttajenkaform* form) {
        form->inputboxtajenka->setText(QStringLiteral("xy"));
        form->BitBtn1->click();
    });
    window->aczadattajenku->trigger();
    const OsmDocument before = window->toDocument();

    // Missing or bad templates are reported and change nothing.
    folder.write("Sablony/big.sbl", crlf({"41", "2"}));
    for (const char* name : {"none", "big"}) {
        SCOPED_TRACE(name);
        desktop.boxes.clear();
        desktop.answerFile(qpath(templates / name));
        window->aczvolsablonu->trigger();
        ASSERT_EQ(desktop.boxes.size(), 1);
        EXPECT_TRUE(desktop.boxes[0].text.startsWith(QStringLiteral("Soubor %1.sbl").arg(qpath(templates / name))));
        EXPECT_EQ(window->toDocument(), before);
    }
    EXPECT_EQ(frame->OpenSabDialog->initialFolder, qpath(templates));

    desktop.answerFile(qpath(templates / "tvar.sbl"));
    window->aczvolsablonu->trigger();
    EXPECT_EQ(window->grid().currentCols(), 4);
    EXPECT_EQ(window->grid().currentRows(), 3);
    for (int row = 1; row <= 3; ++row) {
        for (int col = 1; col <= 4; ++col) {
            const bool hidden = (col == 2 && row == 1) || (col == 4 && row == 3);
            EXPECT_EQ(visible(window, col, row), !hidden) << col << "." << row;
            EXPECT_EQ(text(window, col, row), hidden ? "@" : "") << col << "." << row;
            EXPECT_EQ(brush(window, col, row), colors::white) << col << "." << row;
        }
    }
    EXPECT_EQ(window->ListBox1->count(), 0);
    EXPECT_EQ(window->typedSecretPhrase(), "xy") << "the phrase stays";

    // Any number but 0 marks a cell in use; a template of the same size still empties the letters.
    folder.write("Sablony/dva.sbl", crlf({"4", "3", "2", "0", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}));
    window->grid().setText(1, 1, "q");
    desktop.answerFile(qpath(templates / "dva"));
    window->aczvolsablonu->trigger();
    EXPECT_TRUE(visible(window, 1, 1));
    EXPECT_EQ(text(window, 1, 1), "");
    EXPECT_FALSE(visible(window, 2, 1));
    EXPECT_TRUE(visible(window, 4, 3)) << "shown again, empty";
    EXPECT_EQ(text(window, 4, 3), "");
    EXPECT_EQ(phase(window), QStringLiteral("1111011001 Pozastavit"));
}

TEST_F(OsmWindowTest, TheAnalyzerGetsACopyInAFolderOfItsOwnUnderTheTemporaryFolder) {
    TMindgridMainForm* frame = start();
    frame->openFileByExtension(qpath(folder.write("finished.osm", finishedPuzzle())));
    auto* window = qobject_cast<TMDIChildOsm*>(windows().value(0));
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->acanalyzovat->isEnabled());
    const QString caption = window->windowTitle();

    std::map<std::string, std::optional<std::string>> environment;
    for (const char* name : {"TMP", "TEMP", "TMPDIR"})
        if (const char* value = std::getenv(name)) environment[name] = value;
        else environment[name] = std::nullopt;
    struct Case {
        const char* variable;  // the first one set, in the order TMP, TEMP, TMPDIR
        const char* folder;
    };
    for (const Case& c : {Case{"TMP", "tmp"}, Case{"TEMP", "temp"}, Case{"TMPDIR", "tmpdir"}}) {
        SCOPED_TRACE(c.variable);
        for (const char* name : {"TMP", "TEMP", "TMPDIR"}) unsetenv(name);
        fs::create_directory(folder / c.folder);
        setenv(c.variable, (folder / c.folder).c_str(), 1);
        desktop.starts.clear();
        window->acanalyzovat->trigger();
        ASSERT_EQ(desktop.starts.size(), 1);
        EXPECT_EQ(desktop.starts[0].program, qpath(programFile("analyzer")));
        ASSERT_EQ(desktop.starts[0].arguments.size(), 1);
        const fs::path copy = localPath(desktop.starts[0].arguments[0]);
        EXPECT_EQ(copy.filename(), "test.osm");
        EXPECT_EQ(copy.parent_path().parent_path(), folder / c.folder);
        EXPECT_TRUE(copy.parent_path().filename().string().starts_with("grilpad-"));
        EXPECT_EQ(fs::status(copy.parent_path()).permissions() & fs::perms::all, fs::perms::owner_all);
        EXPECT_EQ(folder.read(fs::relative(copy, folder.path())), finishedPuzzle());
        EXPECT_EQ(window->windowTitle(), caption);
        // The next start of this program run uses the same folder while it exists.
        window->acanalyzovat->trigger();
        ASSERT_EQ(desktop.starts.size(), 2);
        ASSERT_EQ(desktop.starts[1].arguments.size(), 1);
        EXPECT_EQ(localPath(desktop.starts[1].arguments[0]), copy);
        fs::remove_all(copy.parent_path());
    }
    for (const char* name : {"TMP", "TEMP", "TMPDIR"}) unsetenv(name);

    desktop.startSucceeds = false;
    desktop.boxes.clear();
    window->acanalyzovat->trigger();
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Chyba při spouštění programu Analyzer.")});
    if (!desktop.starts.isEmpty() && !desktop.starts.last().arguments.isEmpty())
        fs::remove_all(localPath(desktop.starts.last().arguments[0]).parent_path());
    for (const auto& [name, value] : environment)
        if (value) setenv(name.c_str(), value->c_str(), 1);
}

// The analyzer runs as a real program here: a script in the program's folder
// that waits for a line on a named pipe. It inherits the lock on the copy's
// folder, so neither the end of this grilpad nor the start of the next one
// removes the folder while it runs; once it has ended, the next start does.
TEST_F(OsmWindowTest, TheCopysFolderStaysWhileTheAnalyzerRunsAndGoesAfterIt) {
    TMindgridMainForm* frame = start();
    frame->openFileByExtension(qpath(folder.write("finished.osm", finishedPuzzle())));
    auto* window = qobject_cast<TMDIChildOsm*>(windows().value(0));
    ASSERT_NE(window, nullptr);

    const char* const saved = std::getenv("TMP");
    const std::optional<std::string> savedTmp = saved ? std::optional<std::string>(saved) : std::nullopt;
    const fs::path temporary = folder / "tmp";
    fs::create_directory(temporary);
    ASSERT_EQ(setenv("TMP", temporary.c_str(), 1), 0);
    releaseAnalyzerCopyFolder();  // a folder of an earlier test

    const fs::path line = folder / "line";
    ASSERT_EQ(::mkfifo(line.c_str(), 0600), 0);
    folder.write("analyzer", "#!/bin/sh\nread line < '" + line.string() + "'\n");
    fs::permissions(folder / "analyzer", fs::perms::owner_all);
    const auto scriptedStart = desktop::hooks().start;
    desktop::hooks().start = nullptr;  // the real program start
    window->acanalyzovat->trigger();
    desktop::hooks().start = scriptedStart;
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('|')).toStdString();

    const fs::path copies = analyzerCopyFolder();
    EXPECT_EQ(copies.parent_path(), temporary);
    EXPECT_TRUE(fs::exists(copies / "test.osm"));
    releaseAnalyzerCopyFolder();  // this grilpad ends
    EXPECT_TRUE(fs::exists(copies / "test.osm"));
    EXPECT_EQ(removeUnusedAnalyzerCopyFolders(), 0);  // the next one starts
    EXPECT_TRUE(fs::exists(copies / "test.osm"));

    // The analyzer gets its line once it reads the pipe, and ends.
    int pipe = -1;
    ASSERT_TRUE(eventually([&] { return (pipe = ::open(line.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0; }));
    EXPECT_EQ(::write(pipe, "\n", 1), 1);
    ::close(pipe);
    EXPECT_TRUE(eventually([] { return removeUnusedAnalyzerCopyFolders() == 1; }));
    EXPECT_FALSE(fs::exists(copies));

    if (savedTmp)
        setenv("TMP", savedTmp->c_str(), 1);
    else
        unsetenv("TMP");
}
