// What every kind of document window does alike, checked once over the four
// kinds in the running frame.

#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "crisscross/ui/child_krs.h"
#include "crossword/ui/child_kriz.h"
#include "document/ui/designer_form.h"
#include "document/ui/size_form.h"
#include "frame/ui/new_form.h"
#include "platform/ui/cell_grid_widget.h"
#include "platform/ui/codec.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/printing.h"
#include "stores/core/word_stores.h"
#include "support/ui/modal.h"
#include "swedish/ui/child_svekriz.h"
#include "wordsearch/core/osm_file.h"
#include "wordsearch/ui/child_osm.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <optional>
#include <string_view>

namespace {

// What differs between the kinds for these tests.
template <class Window>
struct Kind;

template <>
struct Kind<TMDIChildOsm> {
    static constexpr DocumentKind kind = wordSearchDocument;
    static LetterUseTable* letterUse(TMDIChildOsm*) { return nullptr; }
    static bool wordListsFreed(const TMDIChildOsm* window) { return window->documentWordSearchWords.empty(); }
    static constexpr bool keepsWords = true;
    static constexpr const char* texts[] = {"a", "ch", "b"};  // cells a document may hold
    // The designer's tools for a new document: show/hide, secret phrase, clue, digits.
    static constexpr ShapeDesigner::Tools designerTools{true, false, false, false};
};

template <>
struct Kind<TMDIChildKriz> {
    static constexpr DocumentKind kind = crosswordDocument;
    static LetterUseTable* letterUse(TMDIChildKriz* window) { return &window->letterUse; }
    static bool wordListsFreed(TMDIChildKriz* window) {
        return walkKeys(window->documentDictionaryWords).empty() && walkKeys(window->documentUserWords).empty();
    }
    static constexpr bool keepsWords = true;
    static constexpr const char* texts[] = {"a", "ch", "b"};
    static constexpr ShapeDesigner::Tools designerTools{true, true, false, false};
};

template <>
struct Kind<TMDIChildKrs> {
    static constexpr DocumentKind kind = crissCrossDocument;
    static LetterUseTable* letterUse(TMDIChildKrs* window) { return &window->letterUse; }
    static bool wordListsFreed(TMDIChildKrs*) { return true; }  // it keeps none
    static constexpr bool keepsWords = false;
    static constexpr const char* texts[] = {"1", "2", "3"};  // digits only
    static constexpr ShapeDesigner::Tools designerTools{true, false, false, false};  // no phrase yet
};

template <>
struct Kind<TMDIChildSveKriz> {
    static constexpr DocumentKind kind = swedishDocument;
    static LetterUseTable* letterUse(TMDIChildSveKriz* window) { return &window->letterUse; }
    static bool wordListsFreed(TMDIChildSveKriz* window) {
        return walkKeys(window->documentDictionaryWords).empty() && walkKeys(window->documentUserWords).empty();
    }
    static constexpr bool keepsWords = true;
    static constexpr const char* texts[] = {"a", "ch", "b"};
    static constexpr ShapeDesigner::Tools designerTools{true, true, true, false};
};

template <class Window>
class KindWindowTest : public DocumentWindowTest<Window, Kind<Window>::kind> {
protected:
    using Base = DocumentWindowTest<Window, Kind<Window>::kind>;

    void SetUp() override {
        Base::SetUp();
        this->writeConfig({0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }

    // The running frame, with words in the lists every kind may copy, so that
    // freeing them shows.
    TMindgridMainForm* startWithWords() {
        TMindgridMainForm* frame = this->start();
        wordSearchWords = {"auto", "kolo"};
        dictionaryWords.addKey("pes");
        userWords.addKey("lev");
        return frame;
    }
};

using Kinds = ::testing::Types<TMDIChildOsm, TMDIChildKriz, TMDIChildKrs, TMDIChildSveKriz>;
TYPED_TEST_SUITE(KindWindowTest, Kinds);

// Answers the size dialog with a new size, or cancels it when `cols` is 0.
void answerSize(int cols, int rows) {
    whenDialog<Tnastavvelform>([=](Tnastavvelform* form) {
        if (cols == 0) {
            form->BitBtn2->click();
            return;
        }
        form->SpinEdit1->setValue(cols);
        form->SpinEdit2->setValue(rows);
        form->BitBtn1->click();
    });
}

TYPED_TEST(KindWindowTest, TheSizeActionGivesANewSizeWithEveryCellEmptyAndWhite) {
    TMindgridMainForm* frame = this->start();
    TypeParam* window = this->newDocument();
    ASSERT_NE(window, nullptr);
    CellGrid& grid = window->grid();
    LetterUseTable* letterUse = Kind<TypeParam>::letterUse(window);
    const auto scribble = [&] {
        for (int col = 1; col <= grid.currentCols(); ++col)
            for (int row = 1; row <= grid.currentRows(); ++row) {
                grid.setText(col, row, "a");
                grid.setBrush(col, row, colors::red);
                if (letterUse) (*letterUse)[col][row] = {letteruse::placed, letteruse::secretPhrase};
            }
        grid.setHidden(2, 3, true);
    };
    scribble();

    answerSize(0, 0);
    frame->ToolButton6->click();
    EXPECT_EQ(grid.cellText(1, 1), "a") << "cancelled";

    // The frame's size button and the window's own size action both resize.
    struct Case {
        int cols;
        int rows;
        bool byFrame;
    };
    for (const Case& c : {Case{12, 8, true}, Case{3, 40, false}}) {
        SCOPED_TRACE(c.cols);
        scribble();
        answerSize(c.cols, c.rows);
        if (c.byFrame) frame->ToolButton6->click();
        else window->ownAction(window->kindInfo().lent.size)->trigger();
        ASSERT_EQ(grid.currentCols(), c.cols);
        ASSERT_EQ(grid.currentRows(), c.rows);
        for (int col = 1; col <= c.cols; ++col) {
            for (int row = 1; row <= c.rows; ++row) {
                ASSERT_EQ(grid.cellText(col, row), "") << col << "." << row;
                ASSERT_EQ(grid.cellShapes()[col][row]->brush, colors::white) << col << "." << row;
                if (letterUse) {
                    ASSERT_EQ((*letterUse)[col][row], LetterUse{}) << col << "." << row;
                }
            }
        }
        EXPECT_FALSE(grid.hasCell(c.cols + 1, 1));
        EXPECT_FALSE(grid.hasCell(1, c.rows + 1));
    }
}

TYPED_TEST(KindWindowTest, TheDesignerOffersTheToolsOfTheKind) {
    TMindgridMainForm* frame = this->start();
    TypeParam* window = this->newDocument();
    ASSERT_NE(window, nullptr);
    std::optional<ShapeDesigner::Tools> offered;
    whenDialog<Tnavrharform>([&](Tnavrharform* form) {
        offered = form->tools();
        form->BitBtn2->click();
    });
    frame->ToolButton7->click();
    ASSERT_TRUE(offered);
    EXPECT_EQ(*offered, Kind<TypeParam>::designerTools);
}

TYPED_TEST(KindWindowTest, WhileActiveTheWindowLendsItsControlsAndClosingGivesThemBack) {
    TMindgridMainForm* frame = this->startWithWords();
    TypeParam* window = this->newDocument();
    ASSERT_NE(window, nullptr);
    const DocumentKindInfo& kind = window->kindInfo();

    for (QObject* target : sharedControlTargets()) EXPECT_TRUE(belongsTo(target, window));
    EXPECT_EQ(frame->Export2->action(), window->ownAction(kind.lent.spreadsheetExport));
    EXPECT_EQ(frame->tooltvorba->isEnabled(), kind.creationMenuEnabled);
    EXPECT_EQ(Kind<TypeParam>::wordListsFreed(window), !Kind<TypeParam>::keepsWords) << "the frame's words handed over";

    QPointer<TypeParam> closing = window;
    window->close();
    ASSERT_TRUE(closing) << "not freed yet";
    for (QObject* target : sharedControlTargets()) EXPECT_FALSE(belongsTo(target, window));
    EXPECT_TRUE(Kind<TypeParam>::wordListsFreed(window)) << "freed on closing";
    EXPECT_TRUE(windowMenuItems().isEmpty());
}

TYPED_TEST(KindWindowTest, ATemplateNameTypedWithoutItsExtensionIsFound) {
    this->start();
    TypeParam* window = this->newDocument();
    ASSERT_NE(window, nullptr);
    this->folder.write("Sablony/tvar.sbl", "3\r\n2\r\n1\r\n0\r\n1\r\n1\r\n1\r\n1\r\n");
    desktop::hooks().fileName = nullptr;  // the real chooser, typed into

    QStringList refusals;
    ModalAnswers answers([&](QWidget* dialog) {
        if (auto* chooser = qobject_cast<QFileDialog*>(dialog)) {
            auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QStringLiteral("tvar"));
            QTimer::singleShot(0, name, [name] { QTest::keyClick(name, Qt::Key_Return); });
        } else if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            refusals << box->text();
            box->reject();
            // The chooser refused the name: give up.
            QTimer::singleShot(0, [] {
                if (auto* chooser = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) chooser->reject();
            });
        } else {
            ADD_FAILURE() << "an unexpected dialog " << dialog->metaObject()->className();
            static_cast<QDialog*>(dialog)->reject();
        }
    });
    window->ownAction("aczvolsablonu")->trigger();
    EXPECT_TRUE(refusals.isEmpty()) << refusals.join(' ').toStdString();
    EXPECT_TRUE(this->desktop.boxes.isEmpty()) << this->desktop.boxTexts().join(' ').toStdString();
    EXPECT_EQ(window->grid().currentCols(), 3);
    EXPECT_EQ(window->grid().currentRows(), 2);
    EXPECT_TRUE(window->grid().isHidden(2, 1));
}

TYPED_TEST(KindWindowTest, EveryShortcutRunsItsOneActionWhileTheWindowIsActive) {
    TMindgridMainForm* frame = this->start();
    TypeParam* window = this->newDocument();
    ASSERT_NE(window, nullptr);
    this->reactivate(frame);
    const auto realCheck = printing::printerCheck();
    printing::printerCheck() = [] { return false; };  // printing asks for a PDF name, which is cancelled

    const LentActions& own = window->kindInfo().lent;
    struct KeyCase {
        const char* key;
        const char* action;
    };
    const KeyCase cases[] = {{"Ctrl+N", "FileNew1"}, {"Ctrl+O", "FileOpen1"}, {"F1", "acobsaharejstrik"},
                             {"Ctrl+S", own.save},   {"Ctrl+P", own.print}};
    // Where the window put the focus, and on the frame's menu row, whose
    // menus show the same keys.
    for (const bool onMenuRow : {false, true}) {
        SCOPED_TRACE(onMenuRow ? "focus on the menu row" : "focus where the new window put it");
        if (onMenuRow) frame->toolsoubor->setFocus();
        else EXPECT_TRUE(window->isAncestorOf(QApplication::focusWidget()));
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(c.key);
            if (c.action == std::string_view("FileNew1"))
                whenDialog<Tnovyform>([](Tnovyform* form) { form->BitBtn2->click(); });
            EXPECT_EQ(this->actionsRunBy(QKeySequence(QString::fromLatin1(c.key))),
                      QStringList{QLatin1String(c.action)});
        }
    }
    printing::printerCheck() = realCheck;
    EXPECT_EQ(this->windows().size(), 1);
}

// The controls of `window` drawn smaller than they ask to be (texts cut), by
// name and size, and "grid" when the grid's box cannot show every cell.
QStringList cutParts(DocumentWindow* window) {
    QStringList cut;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool hasText = qobject_cast<QAbstractButton*>(control) || qobject_cast<QGroupBox*>(control) ||
                             (qobject_cast<QLabel*>(control) && !qobject_cast<QLabel*>(control)->wordWrap());
        if (!hasText || !control->isVisibleTo(window)) continue;
        const QSize wanted = control->sizeHint();
        if (control->width() >= wanted.width() && control->height() >= wanted.height()) continue;
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const QString name = control->objectName().isEmpty() && button ? button->text() : control->objectName();
        cut << QStringLiteral("%1 %2x%3").arg(name).arg(control->width()).arg(control->height());
    }
    const QSize view = window->ScrollBox1->viewport()->size();
    const QSize cells = window->cellGrid->size();
    if (view.width() < cells.width() || view.height() < cells.height()) cut << QStringLiteral("grid");
    return cut;
}

// Resizes the frame and waits until it has the new size (its area follows at once).
void resizeFrame(TMindgridMainForm* frame, const QSize& size) {
    frame->resize(size);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->size() == size; }));
}

TYPED_TEST(KindWindowTest, ANewOrOpenedWindowShowsItsControlsUncutAndItsGridAsFarAsTheAreaAllows) {
    TMindgridMainForm* frame = this->start();
    frame->showNormal();
    QWidget* room = frame->clientArea()->viewport();

    // Made while the frame still has its first small size (as the first
    // window is, before the window system has made the frame full size), it
    // grows with the frame; then a new one in the full frame.
    resizeFrame(frame, QSize(537, 350));
    TypeParam* first = this->newDocument();
    ASSERT_NE(first, nullptr);
    EXPECT_LE(first->width(), room->width());
    EXPECT_LE(first->height(), room->height());
    resizeFrame(frame, QSize(1500, 1100));
    EXPECT_EQ(cutParts(first), QStringList{}) << "grown with the frame";
    TypeParam* second = this->newDocument();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(cutParts(second), QStringList{}) << "made in the full frame";

    // A size the user gave the window stays.
    first->resize(400, 300);
    resizeFrame(frame, QSize(1500, 1050));
    EXPECT_EQ(first->size(), QSize(400, 300));

    // An opened 40 × 40 grid takes all the room there is.
    second->resizeGrid(40, 40);
    const QString file = displayPath(this->folder / "velka") + toQString(second->kindInfo().extension);
    ASSERT_TRUE(second->saveToFile(file));
    first->close();
    second->close();
    this->settle();
    resizeFrame(frame, QSize(900, 700));
    frame->openFileByExtension(file);
    ASSERT_EQ(this->windows().size(), 1);
    EXPECT_EQ(this->windows().first()->geometry(), QRect(QPoint(0, 0), room->size()));
}

// The kinds whose file is built: what a window saves opens again as it was.
template <class Window>
class KindFileTest : public KindWindowTest<Window> {};

using KindsWithFiles = ::testing::Types<TMDIChildOsm, TMDIChildKriz, TMDIChildKrs, TMDIChildSveKriz>;
TYPED_TEST_SUITE(KindFileTest, KindsWithFiles);

TYPED_TEST(KindFileTest, ASavedDocumentOpensAgainAsItWasSaved) {
    TMindgridMainForm* frame = this->start();
    TypeParam* window = this->newDocument();
    ASSERT_NE(window, nullptr);
    window->resizeGrid(7, 4);
    CellGrid& grid = window->grid();
    const auto& texts = Kind<TypeParam>::texts;
    grid.setText(1, 1, texts[0]);
    grid.setText(2, 1, texts[1]);
    grid.setBrush(3, 1, colors::red);
    grid.setText(3, 1, texts[2]);
    grid.setHidden(7, 4, true);
    const auto before = window->toDocument();

    const QString chosen = displayPath(this->folder / "hadanka");
    this->desktop.answerFile(chosen);
    window->ownAction(window->kindInfo().lent.saveAs)->trigger();
    ASSERT_EQ(window->windowTitle(), window->fileCaption(chosen));

    const QString file = chosen + toQString(window->kindInfo().extension);
    frame->openFileByExtension(file);
    ASSERT_EQ(this->windows().size(), 2);
    auto* opened = qobject_cast<TypeParam*>(this->windows().last());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), opened->fileCaption(file));
    EXPECT_EQ(opened->toDocument(), before);
    EXPECT_EQ(shapeOfGrid(opened->grid()), shapeOfGrid(grid));
    EXPECT_TRUE(this->desktop.boxes.isEmpty()) << this->desktop.boxTexts().join(QLatin1Char(' ')).toStdString();
}

}  // namespace
