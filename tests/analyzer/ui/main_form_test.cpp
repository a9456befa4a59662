#include "analyzer_fixture.h"

#include "analyzer/ui/puzzle_view.h"
#include "analyzer/ui/results_form.h"
#include "platform/ui/desktop.h"
#include "support/ui/modal.h"

#include <QPlainTextEdit>
#include <QTableWidget>
#include <QWindow>

#include <QPushButton>
#include <QScrollArea>

using namespace analyzer;

namespace {

// Every word once, the leftover letters X, Y, A spell the phrase.
const std::vector<std::vector<std::string>> kPerfect = {
    {"P", "E", "S", "X"},
    {"K", "O", "T", "Y"},
    {"M", "Y", "\x8A", "A"},  // Š
};
const std::vector<std::string> kPerfectWords = {"pes", "kot", "my\x9A"};  // myš

// "chata" with the letter CH in one cell (row 1) and in two cells (row 4);
// "pes" lies twice (row 2 to the right, row 3 to the left); "kos" is missing.
const std::vector<std::vector<std::string>> kHighlight = {
    {"CH", "A", "T", "A", "X"},
    {"P", "E", "S", "Y", "Z"},
    {"S", "E", "P", "W", "@"},
    {"C", "H", "A", "T", "A"},
};
const std::vector<std::string> kHighlightWords = {"chata", "pes", "kos"};

using Cells = std::vector<std::pair<int, int>>;

// The cells the view paints red.
Cells redCells(const PuzzleView* view) {
    Cells cells;
    for (int row = 1; row <= view->rows(); ++row)
        for (int column = 1; column <= view->columns(); ++column)
            if (view->cellColour(column, row) == PuzzleView::kHighlight) cells.emplace_back(column, row);
    return cells;
}

// Every title a widget's window was given, as the window system shows it:
// Qt's platform windows show a window's title followed by " — " and the
// application's display name, unless the title already ends with that name.
// Each title is taken with the display name in force when it was given.
struct ShownTitles {
    explicit ShownTitles(QWidget* widget) {
        widget->winId();  // the window system's window
        QWindow* window = widget->windowHandle();
        titles << shown(window->title());
        QObject::connect(window, &QWindow::windowTitleChanged, &context, [this](const QString& title) {
            titles << shown(title);
        });
    }
    static QString shown(const QString& title) {
        const QString name = QGuiApplication::applicationDisplayName();
        return title.endsWith(name) ? title : title + QStringLiteral(" — ") + name;
    }
    QStringList titles;
    QObject context;
};

void clickWord(QListWidget* list, const QString& word) {
    const QList<QListWidgetItem*> items = list->findItems(word, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << word.toStdString();
    const QRect place = list->visualItemRect(items[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
}

}  // namespace

// A path with a blank, passed unquoted and without its extension, is read
// whole; the caption names it and the check runs at once.
TEST_F(AnalyzerWindowTest, CommandLineLoadsAndChecks) {
    const std::filesystem::path path = writePuzzle("my puzzle.osm", kPerfect, kPerfectWords, " x ya ");
    const QString full = QString::fromStdString(path.string());
    const QString stem = QString::fromStdString((folder / "my").string());
    start({stem, QStringLiteral("puzzle")});

    ASSERT_TRUE(QTest::qWaitFor([&] { return form->lastResult().has_value(); }, 60000));
    ASSERT_TRUE(checkEnded());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Analyzer - ") + full);
    EXPECT_EQ(desktop::boxTitle(), QStringLiteral("Analyzer - ") + full) << "message boxes are titled alike";
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(listTexts(form->ListBox1), (QStringList{"kot", "myš", "pes"}));
    EXPECT_TRUE(form->ScrollBox1->isVisible());
    EXPECT_EQ(form->view->cellText(3, 3), QStringLiteral("Š"));
    EXPECT_EQ(form->view->cellColour(1, 1), QColor(Qt::white));
    EXPECT_TRUE(form->acVysledky->isEnabled());
    EXPECT_TRUE(form->acAnalyzovat->isEnabled());
    EXPECT_TRUE(form->acOpen->isEnabled());
    EXPECT_EQ(shownLamps(), kBottomLamp);

    // The results window shows what the check found.
    form->Form3->fillResults(*form->lastResult(), form->puzzle().solutionPhrase);
    EXPECT_EQ(form->Form3->findChild<QTableWidget*>("StringGrid1")->rowCount(), 3);
    EXPECT_EQ(form->Form3->findChild<QPlainTextEdit*>("Memo1")->toPlainText(),
              QStringLiteral("Tajenka:  x ya \nStav : V pořádku"));
}

// The titles reach the window system whole: "Analyzer" at start and for an
// unfinished puzzle, "Analyzer - " and the path of a file opened, and the
// results window's own title, with nothing of Qt's appended.
TEST_F(AnalyzerWindowTest, TitlesReachTheWindowSystemWhole) {
    start();
    ShownTitles shown(form.get());
    const auto path = writePuzzle("a.osm", kPerfect, kPerfectWords, "xya");
    const QString opened = QStringLiteral("Analyzer - ") + QString::fromStdString(path.string());
    ASSERT_TRUE(open(path));
    EXPECT_EQ(shown.titles, (QStringList{"Analyzer", opened}));
    EXPECT_EQ(form->windowHandle()->title(), opened);
    EXPECT_EQ(desktop::boxTitle(), opened) << "message boxes are titled as the window is";

    QString results;
    whenModal([&](QWidget* dialog) {
        results = ShownTitles::shown(dialog->windowHandle()->title());
        dialog->close();
    });
    form->acVysledky->trigger();
    EXPECT_EQ(results, QStringLiteral("Analyzer - výsledky kontroly"));

    ASSERT_TRUE(open(writePuzzle("unfinished.osm", {{"A", ""}}, {"a"})));
    EXPECT_EQ(shown.titles, (QStringList{"Analyzer", opened, "Analyzer"}));
    EXPECT_EQ(desktop::boxTitle(), QStringLiteral("Analyzer"));
}

TEST_F(AnalyzerWindowTest, EmptyCommandLineLoadsNothing) {
    start({QStringLiteral(" "), QString()});
    QApplication::processEvents();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Analyzer"));
    EXPECT_TRUE(desktop.boxes.isEmpty());
    EXPECT_FALSE(form->acAnalyzovat->isEnabled());
    EXPECT_FALSE(form->acVysledky->isEnabled());
    EXPECT_EQ(shownLamps(), kNoLamp);
}

// Each open turns the lamps off; the check that follows lights one of them.
TEST_F(AnalyzerWindowTest, LampsFollowEachCheck) {
    start();
    struct Case {
        const char* what;
        std::vector<std::string> words;
        std::string phrase;
        Lamps lamps;
    };
    const Case cases[] = {
        {"perfect", kPerfectWords, "xya", kBottomLamp},
        {"phrase differs", kPerfectWords, "abc", kTopLamp},
        {"a word missing, phrase matches", {"pes", "kot", "my\x9A", "lev"}, "xya", kMiddleLamp},
        {"a word listed twice: an extra, phrase matches", {"pes", "pes", "kot", "my\x9A"}, "xya", kMiddleLamp},
    };
    int n = 0;
    for (const Case& c : cases) {
        const auto path = writePuzzle("case" + std::to_string(++n) + ".osm", kPerfect, c.words, c.phrase);
        ASSERT_TRUE(open(path)) << c.what;
        ASSERT_TRUE(form->lastResult().has_value()) << c.what;
        EXPECT_EQ(shownLamps(), c.lamps) << c.what;
    }
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('|')).toStdString();
}

// "Stornovat" before the outcome arrives: nothing of the check is shown, and
// while the check runs nothing else can start.
TEST_F(AnalyzerWindowTest, CancelShowsNothing) {
    start();
    const auto path = writePuzzle("rebus.osm", kHighlight, kHighlightWords);
    ASSERT_TRUE(open(path));
    ASSERT_TRUE(form->lastResult().has_value());
    const Lamps before = shownLamps();

    form->acAnalyzovat->trigger();
    EXPECT_TRUE(form->Form2->busy());
    for (QAction* action : {form->acOpen, form->acWizard, form->acAnalyzovat, form->acCHButton, form->acVysledky})
        EXPECT_FALSE(action->isEnabled()) << action->objectName().toStdString();
    EXPECT_FALSE(form->Form2->startCheck(std::make_shared<const Puzzle>(form->puzzle()), {}));
    form->Form2->findChild<QPushButton*>("Button1")->click();

    ASSERT_TRUE(checkEnded());
    EXPECT_FALSE(form->Form2->isVisible());
    EXPECT_FALSE(form->lastResult().has_value());
    EXPECT_FALSE(form->acVysledky->isEnabled());
    EXPECT_TRUE(form->acAnalyzovat->isEnabled());
    EXPECT_TRUE(form->acOpen->isEnabled());
    EXPECT_EQ(shownLamps(), before);

    clickWord(form->ListBox1, QStringLiteral("pes"));
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Osmisměrka ještě nebyla analyzována")});
    EXPECT_TRUE(redCells(form->view).empty());
}

// A click on a word paints its first place red, and its first further place.
TEST_F(AnalyzerWindowTest, ListBox1ClickHighlightsTheWord) {
    start();
    ASSERT_TRUE(open(writePuzzle("rebus.osm", kHighlight, kHighlightWords)));
    ASSERT_TRUE(form->lastResult().has_value());

    clickWord(form->ListBox1, QStringLiteral("chata"));
    EXPECT_EQ(redCells(form->view), (Cells{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(form->view->cellColour(5, 3), QColor(Qt::black));

    clickWord(form->ListBox1, QStringLiteral("pes"));
    EXPECT_EQ(redCells(form->view), (Cells{{1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}));

    // A word that is not there leaves the colours as they were.
    clickWord(form->ListBox1, QStringLiteral("kos"));
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Toto slovo v osmisměrce není")});
    EXPECT_EQ(redCells(form->view), (Cells{{1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}));

    // The keyboard moves the selection and shows the word as well.
    form->ListBox1->setFocus();
    QTest::keyClick(form->ListBox1, Qt::Key_Up);
    QTest::keyClick(form->ListBox1, Qt::Key_Up);
    EXPECT_EQ(form->ListBox1->currentItem()->text(), QStringLiteral("chata"));
    EXPECT_EQ(redCells(form->view), (Cells{{1, 1}, {2, 1}, {3, 1}, {4, 1}}));
    EXPECT_EQ(desktop.boxes.size(), 1);
}

// "CH je jedno písmeno" is on at first; switching it checks the puzzle again,
// reading CH as two letters, and back.
TEST_F(AnalyzerWindowTest, ChButtonChecksAgain) {
    start();
    EXPECT_TRUE(form->acCHButton->isChecked());
    EXPECT_TRUE(form->acCHButton->isEnabled());
    ASSERT_TRUE(open(writePuzzle("rebus.osm", kHighlight, kHighlightWords)));

    auto chataAt = [&]() -> std::pair<int, int> {
        const auto& found = form->lastResult()->found;
        EXPECT_FALSE(found.empty());
        return found.empty() ? std::pair{0, 0} : std::pair{found[0].column, found[0].row};
    };
    ASSERT_TRUE(form->lastResult().has_value());
    EXPECT_EQ(chataAt(), std::make_pair(1, 1));

    form->acCHButton->trigger();
    EXPECT_FALSE(form->acCHButton->isChecked());
    EXPECT_TRUE(form->Form2->busy());
    ASSERT_TRUE(checkEnded());
    ASSERT_TRUE(form->lastResult().has_value());
    EXPECT_EQ(chataAt(), std::make_pair(1, 4));
    clickWord(form->ListBox1, QStringLiteral("chata"));
    EXPECT_EQ(redCells(form->view), (Cells{{1, 4}, {2, 4}, {3, 4}, {4, 4}, {5, 4}}));

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form.get(), Qt::Key_F7);
    EXPECT_TRUE(form->acCHButton->isChecked());
    ASSERT_TRUE(checkEnded());
    ASSERT_TRUE(form->lastResult().has_value());
    EXPECT_EQ(chataAt(), std::make_pair(1, 1));
}

// Each puzzle shown sets "CH je jedno písmeno" as its cells tell, so a word
// search made by grilpad either way passes; one without "ch" leaves it as it is.
TEST_F(AnalyzerWindowTest, ChButtonFollowsThePuzzleShown) {
    start();
    struct Case {
        const char* what;
        std::vector<std::vector<std::string>> rows;
        std::vector<std::string> words;
        std::string phrase;
        bool checked;
    };
    const Case cases[] = {
        {"made with CH as two letters", {{"C", "H", "A", "T", "A"}, {"P", "E", "S", "X", "Y"}}, {"chata", "pes"}, "xy",
         false},
        {"no ch anywhere: as it was", kPerfect, kPerfectWords, "xya", false},
        {"made with CH as one letter", {{"CH", "A", "T", "A"}, {"P", "E", "S", "X"}}, {"chata", "pes"}, "x", true},
        {"no ch anywhere again", kPerfect, kPerfectWords, "xya", true},
    };
    int n = 0;
    for (const Case& c : cases) {
        ASSERT_TRUE(open(writePuzzle("ch" + std::to_string(++n) + ".osm", c.rows, c.words, c.phrase))) << c.what;
        EXPECT_EQ(form->acCHButton->isChecked(), c.checked) << c.what;
        ASSERT_TRUE(form->lastResult().has_value()) << c.what;
        EXPECT_TRUE(form->lastResult()->notFound.empty()) << c.what;
        EXPECT_EQ(shownLamps(), kBottomLamp) << c.what;
    }
}

// A file that cannot be read is refused with a message naming it, and the
// puzzle shown before stays, with its results and lamps.
TEST_F(AnalyzerWindowTest, BadFilesLeaveThePuzzleShown) {
    start();
    const auto good = writePuzzle("good.osm", kPerfect, kPerfectWords, "xya");
    ASSERT_TRUE(open(good));
    const QString caption = form->windowTitle();
    const QString dir = QString::fromStdString(folder.path().string());

    struct Case {
        const char* file;
        std::string bytes;
        QString message;
    };
    const Case cases[] = {
        {"missing.osm", {}, QStringLiteral("Soubor %1/missing.osm nelze otevřít.")},
        {"wide.osm", "300\r\n1\r\n",
         QStringLiteral("Soubor %1/wide.osm nelze načíst: číslo na řádku 1 je mimo povolený rozsah (0 až 255).")},
        {"words.osm", "1\r\n1\r\nA\r\n16777215\r\n\r\n\r\n6001\r\n",
         QStringLiteral("Soubor %1/words.osm nelze načíst: číslo na řádku 7 je mimo povolený rozsah (0 až 6000).")},
        {"cell.osm", "1\r\n1\r\nACHB\r\n16777215\r\n",
         QStringLiteral("Soubor %1/cell.osm nelze načíst: na řádku 3 má být text políčka: nic, jeden znak, \"ch\" "
                        "nebo \"@\".")},
        {"word.osm", "2\r\n1\r\nA\r\n16777215\r\nB\r\n16777215\r\n\r\n\r\n2\r\nch\r\n" + std::string(8'000'000, 'x'),
         QStringLiteral("Soubor %1/word.osm nelze načíst: na řádku 11 má být slovo s nejvýše 2 písmeny, delší se do "
                        "mřížky nevejde.")},
        {"short.osm", "1\r\n1\r\nA\r\n16777215\r\n\r\n",
         QStringLiteral("Soubor %1/short.osm nelze načíst: končí předčasně, chybí v něm řádek 6.")},
        {"letters.osm", "x\r\n",
         QStringLiteral("Soubor %1/letters.osm nelze načíst: na řádku 1 má být číslo.")},
        {"huge.osm", std::string(9 << 20, '\n'),
         QStringLiteral("Soubor %1/huge.osm je příliš velký (9 MB), nejvýše lze načíst 8 MB.")},
    };
    for (const Case& c : cases) {
        if (!c.bytes.empty()) folder.write(c.file, c.bytes);
        desktop.boxes.clear();
        desktop.answerFile(QString::fromStdString((folder / c.file).string()));
        form->acOpen->trigger();
        EXPECT_EQ(desktop.boxTexts(), QStringList{c.message.arg(dir)}) << c.file;
        EXPECT_FALSE(form->Form2->busy()) << c.file;
        EXPECT_EQ(form->windowTitle(), caption) << c.file;
        EXPECT_EQ(listTexts(form->ListBox1), (QStringList{"kot", "myš", "pes"})) << c.file;
        EXPECT_EQ(form->view->columns(), 4) << c.file;
        EXPECT_TRUE(form->acVysledky->isEnabled()) << c.file;
        EXPECT_TRUE(form->acAnalyzovat->isEnabled()) << c.file;
        EXPECT_EQ(shownLamps(), kBottomLamp) << c.file;
    }

    // A file read whole but not finished replaces the puzzle, is not checked
    // and turns the lamps off.
    desktop.boxes.clear();
    ASSERT_TRUE(open(writePuzzle("unfinished.osm", {{"A", ""}}, {"a"})));
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Osmisměrka není dodělaná.")});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Analyzer"));
    EXPECT_EQ(form->ListBox1->count(), 0);
    EXPECT_FALSE(form->ScrollBox1->isVisible());
    EXPECT_FALSE(form->acAnalyzovat->isEnabled());
    EXPECT_FALSE(form->acVysledky->isEnabled());
    EXPECT_EQ(shownLamps(), kNoLamp);
}

// Closing the window while its check runs stops the worker first; the late
// report of that run goes nowhere.
TEST_F(AnalyzerWindowTest, ClosingStopsTheCheck) {
    start();
    ASSERT_TRUE(open(writePuzzle("rebus.osm", kHighlight, kHighlightWords)));
    form->acAnalyzovat->trigger();
    ASSERT_TRUE(form->Form2->busy());
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->Form2->busy());
    EXPECT_FALSE(form->Form2->isVisible());
    QApplication::processEvents();
    EXPECT_FALSE(form->lastResult().has_value());
    form.reset();
    QApplication::processEvents();
}
