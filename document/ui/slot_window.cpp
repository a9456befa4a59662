#include "document/ui/slot_window.h"

#include "document/ui/direction_form.h"
#include "document/ui/document_host.h"
#include "platform/core/czech.h"
#include "platform/ui/cell_grid_widget.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/typed_text.h"
#include "stores/core/word_stores.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <optional>
#include <utility>
#include <vector>

namespace {

// Whether every character of a typed word is a letter the code page holds.
bool onlyLetters(const QString& word) {
    for (const QChar c : word)
        if (!c.isLetter() || !fromQString(QString(c))) return false;
    return !word.isEmpty();
}

}  // namespace

SlotWindow::SlotWindow(int kind, Behaviour behaviour)
    : DocumentWindow(kind), behaviour_(behaviour), engine_(grid(), letterUse, behaviour.rules) {
    Panel6 = new QWidget(this);
    Panel6->setObjectName(QStringLiteral("Panel6"));
    inputword = new QLineEdit(Panel6);
    inputword->setObjectName(QStringLiteral("inputword"));
    vlozitbutton = new QToolButton(Panel6);
    vlozitbutton->setObjectName(QStringLiteral("vlozitbutton"));
    vlozitbutton->setText(QStringLiteral("&Vložit"));
    vlozitbutton->setAutoRaise(true);
    vlozitbutton->setEnabled(false);
    infopanel = makeInfoPanel(Panel6);
    ListBox1 = new CandidateList(Panel6);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->installEventFilter(this);
    timerzobrazenislov = new QTimer(this);
    timerzobrazenislov->setObjectName(QStringLiteral("timerzobrazenislov"));
    timerzobrazenislov->setSingleShot(true);
    timerzobrazenislov->setInterval(100);

    auto* entry = new QHBoxLayout;
    entry->addWidget(inputword, 1);
    entry->addWidget(vlozitbutton);
    auto* panel = new QVBoxLayout(Panel6);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addLayout(entry);
    panel->addWidget(infopanel);
    panel->addWidget(ListBox1, 1);

    // The edit holds lower case only, as the words of the stores are written.
    keepToRules(inputword, {.lowerCase = true});
    connect(inputword, &QLineEdit::textChanged, this, &SlotWindow::inputwordChange);
    connect(vlozitbutton, &QToolButton::clicked, this, &SlotWindow::vlozitbuttonClick);
    connect(ListBox1, &CandidateList::doubleClicked, this, &SlotWindow::ListBox1DblClick);
    connect(timerzobrazenislov, &QTimer::timeout, this, &SlotWindow::timerzobrazenislovTimer);
    connect(cellGrid, &CellGridWidget::cellMouseMove, this, &SlotWindow::cellMouseMove);
    // The empty part of the pane: between the cells, and beside the grid.
    connect(cellGrid, &CellGridWidget::backgroundMouseMove, this, &SlotWindow::ScrollBox1MouseMove);
    ScrollBox1->viewport()->setMouseTracking(true);
    ScrollBox1->viewport()->installEventFilter(this);
    if (behaviour.selectOnPress)
        connect(cellGrid, &CellGridWidget::cellPressed, this, [this](int col, int row) { cellClick(col, row); });
    else
        connect(cellGrid, &CellGridWidget::cellClicked, this, &SlotWindow::cellClick);

    setWordLists({.dictionaryWords = &documentDictionaryWords, .userWords = &documentUserWords});
}

SlotWindow::~SlotWindow() = default;

QAction* SlotWindow::addDeleteWordAction(const QString& caption, QMenu* menu) {
    smazatslovo = addDocumentAction("smazatslovo", caption, menu, false);
    connect(smazatslovo, &QAction::triggered, this, &SlotWindow::smazatslovoExecute);
    return smazatslovo;
}

WordFillSettings SlotWindow::settings() const { return host() ? host()->wordFillSettings() : WordFillSettings{}; }

bool SlotWindow::chAsOneLetter() const { return settings().chAsOneLetter; }

WordIndex& SlotWindow::userIndex() {
    std::unique_ptr<WordIndex>& index = userIndexes_[chAsOneLetter() ? 1 : 0];
    if (!index) index = std::make_unique<WordIndex>(documentUserWords, chAsOneLetter());
    return *index;
}

CellGrid::ResizeResult SlotWindow::resizeGrid(int cols, int rows) {
    // The hover frame and the selection must never name a cell the resize frees.
    resetHover();
    const CellGrid::ResizeResult result = DocumentWindow::resizeGrid(cols, rows);
    if (result == CellGrid::ResizeResult::resized) gridChanged();
    return result;
}

void SlotWindow::gridChanged() {
    timerzobrazenislov->stop();
    engine_.dropSelection();
    resetHover();
    setCellCursor(cellcursor::startCursor);
    ListBox1->clear();
    infopanel->clear();
    if (smazatslovo) smazatslovo->setEnabled(false);
    selectionLost();
    inputwordChange();
}

void SlotWindow::designerOpening(GridShape&, DesignerOffer&) { plainHoverFrame(); }

void SlotWindow::shapeDesigned(const GridShape&) { gridChanged(); }

void SlotWindow::plainHoverFrame() { grid().setPen(hoverCell_.col, hoverCell_.row, colors::black, 1); }

void SlotWindow::resetHover() {
    plainHoverFrame();
    hoverCell_ = {1, 1};
}

void SlotWindow::setCellCursor(int cursor) {
    CellGrid& cells = grid();
    GridCells::Batch batch(cells);
    for (int col = 1; col <= cells.currentCols(); ++col)
        for (int row = 1; row <= cells.currentRows(); ++row) cells.setCursor(col, row, cursor);
}

void SlotWindow::cellMouseMove(int col, int row) {
    if (CellPos{col, row} != hoverCell_) plainHoverFrame();
    // Also the hover cell itself, when the pointer comes back to it from the pane.
    grid().setPen(col, row, colors::blue, 2);
    hoverCell_ = {col, row};
}

void SlotWindow::ScrollBox1MouseMove() { plainHoverFrame(); }

void SlotWindow::cellClick(int col, int row) {
    if (cellTaken(col, row)) return;
    if (!engine_.selection().waitingForSecondClick) {
        // The first click: whatever was selected or searched before ends.
        timerzobrazenislov->stop();
        setCellCursor(cellcursor::endCursor);
        infopanel->clear();
        engine_.firstClick({col, row});
        if (smazatslovo) smazatslovo->setEnabled(false);
        selectionLost();
        inputwordChange();
        return;
    }
    setCellCursor(cellcursor::startCursor);
    if (engine_.secondClick({col, row})) {
        if (smazatslovo) smazatslovo->setEnabled(true);
        selectionChecked(engine_.selection().singleCellSelection);
        timerzobrazenislov->start();
    } else {
        infopanel->setText(QStringLiteral("Špatný výběr polí"));
    }
    inputwordChange();
}

void SlotWindow::timerzobrazenislovTimer() {
    timerzobrazenislov->stop();
    infopanel->setText(QStringLiteral("Vyhledávám slova..."));
    ListBox1->clear();
    infopanel->repaint();
    const SlotEngine::Selection& selection = engine_.selection();
    if (selection.selectionValid && selection.selectionCurrent) {
        const bool chAsOne = chAsOneLetter();
        CandidateStores stores;
        switch (settings().candidateSource) {
        case CandidateSource::All:
            stores = {&sharedWordIndex(dictionaryWords, chAsOne), &userIndex(), &sharedWordIndex(builtinWords, chAsOne)};
            break;
        case CandidateSource::BuiltinOnly:
            stores.builtin = &sharedWordIndex(builtinWords, chAsOne);
            break;
        case CandidateSource::UserOnly:
            stores.user = &userIndex();
            break;
        }
        std::vector<std::string> words = findCandidates(engine_.pattern(chAsOne), stores);
        sortCzechThenBytes(words);
        ListBox1->showWords(std::move(words));
    }
    infopanel->setText(ListBox1->count() > 0 ? QStringLiteral("Nalezená slova")
                                             : QStringLiteral("Žádné slovo nebylo nalezeno"));
}

bool SlotWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ScrollBox1->viewport() && event->type() == QEvent::MouseMove) ScrollBox1MouseMove();
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ListBox1KeyPress(key);
            return true;
        }
    }
    return DocumentWindow::eventFilter(watched, event);
}

void SlotWindow::ListBox1KeyPress(int key) {
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ListBox1->count() > 0) insertWord({});
}

void SlotWindow::ListBox1DblClick() { insertWord({}); }

void SlotWindow::insertWord(const std::string& word) {
    std::string chosen = word;
    if (chosen.empty()) {
        std::optional<std::string> selected = ListBox1->selectedWord();
        if (!selected) return;
        chosen = std::move(*selected);
    }
    engine_.insertWord(chosen, chAsOneLetter());
}

void SlotWindow::inputwordChange() {
    const SlotEngine::Selection& selection = engine_.selection();
    const auto typed = fromQString(inputword->text());
    vlozitbutton->setEnabled(selection.selectionCurrent && typed && !typed->empty() &&
                             static_cast<int>(letterUnitCount(*typed, chAsOneLetter())) == selection.slotLength);
}

bool SlotWindow::askDirection(const QString& question) {
    Tvodsviform* form = host() ? host()->directionQuestion() : nullptr;
    if (!form) return false;
    const Tvodsviform::Answer answer = form->ask(question);
    if (answer == Tvodsviform::Cancel) return false;
    engine_.setDirection(answer == Tvodsviform::Yes ? Direction::across : Direction::down);
    return true;
}

void SlotWindow::vlozitbuttonClick() {
    const QString typed = inputword->text();
    inputword->clear();
    if (!engine_.selection().selectionCurrent) return;
    const auto word = fromQString(typed);
    if (!onlyLetters(typed) || !word) {
        desktop::warning(this, cannotInsert());
        return;
    }
    if (engine_.selection().slotLength == 1 && behaviour_.askDirectionOfOneLetter &&
        !askDirection(QStringLiteral("Je vybráno jen jedno písmeno. Chcete jej vložit vodorovně nebo svisle?")))
        return;
    if (!engine_.wordFitsSlot(*word, chAsOneLetter())) {
        desktop::warning(this, cannotInsert());
        return;
    }
    if (settings().addWordsToUserStore) addToUserWords(*word);
    insertWord(*word);
}

void SlotWindow::addToUserWords(const std::string& word) {
    const bool known = userWords.find(word) || dictionaryWords.find(word);
    if (known) return;
    userWords.addKey(word);
    documentUserWords.addKey(word);
}

void SlotWindow::smazatslovoExecute() {
    if (!engine_.selection().selectionCurrent) return;
    if (engine_.selection().singleCellSelection &&
        !askDirection(QStringLiteral("Je vybráno jen jedno písmeno. Chcete jej smazat vodorovně nebo svisle?")))
        return;
    engine_.deleteWord();
}

QString SlotWindow::cannotInsert() { return QStringLiteral("Toto slovo nelze vložit"); }
