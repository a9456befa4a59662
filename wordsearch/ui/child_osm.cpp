#include "wordsearch/ui/child_osm.h"

#include "document/core/document_kinds.h"
#include "document/core/grid_shape.h"
#include "document/core/phrase_letters.h"
#include "document/core/picture_drawing.h"
#include "document/ui/document_files.h"
#include "document/ui/phrase_form.h"
#include "frame/core/config.h"
#include "platform/core/czech.h"
#include "platform/core/folders.h"
#include "platform/ui/actions.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/radio_group.h"
#include "stores/ui/dictionary_picker_form.h"
#include "stores/ui/sorted_words.h"
#include "stores/ui/word_editor_form.h"
#include "wordsearch/core/osm_file.h"
#include "wordsearch/core/osm_print.h"
#include "wordsearch/core/reading.h"
#include "wordsearch/core/word_pool.h"
#include "wordsearch/ui/analyzer_start.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <variant>

namespace {

const QString pauseCaption = QStringLiteral("Pozastavit");
const QString resumeCaption = QStringLiteral("Spustit");

QString tableFullText() {
    return QStringLiteral("Osmisměrku nyní nelze začít vytvářet: současně se jich vytváří už %1. "
                          "Počkejte, až se některá dokončí, nebo její vytváření zrušte.")
        .arg(GeneratorTable::kSize);
}

// The phrase's own characters must not look like the grid's marks: "@" is a
// hidden cell in the file, "#" the generator's digraph, "©" its phrase cell.
bool holdsGridMark(const std::string& phrase) {
    const std::string marks = std::string(hiddenCellText) + kDigraphPlaceholder + '\xA9';
    return phrase.find_first_of(marks) != std::string::npos;
}

}  // namespace

// Hands every report of one run to the window's queue. Runs on the worker
// thread: it copies, queues and returns, and never waits for the window.
class TMDIChildOsm::RunListener final : public GeneratorListener {
public:
    RunListener(TMDIChildOsm& window, int run) : window_(window), run_(run) {}

    void statusChanged(const std::string& text) override { send(Report::Kind::Status, text); }
    void wordPlaced(const std::string& word, const std::vector<CellText>& cells) override {
        send(Report::Kind::WordPlaced, word, cells);
    }
    void secretPhrasePlaced(const std::vector<CellText>& cells) override {
        send(Report::Kind::PhrasePlaced, {}, cells);
    }
    void lettersCleared() override { send(Report::Kind::LettersCleared); }
    void pausedOnFailure() override { send(Report::Kind::PausedOnFailure); }
    void reportFailure() override { send(Report::Kind::Failed); }
    void wordsTooFew(std::int64_t letters, int cells) override {
        Report report;
        report.kind = Report::Kind::WordsTooFew;
        report.letters = letters;
        report.freeCells = cells;
        window_.runs_.send(run_, std::move(report));
    }
    void finishGeneration(const std::vector<CellText>& upperCasedCells) override {
        send(Report::Kind::Finished, {}, upperCasedCells);
    }

private:
    void send(Report::Kind kind, std::string text = {}, std::vector<CellText> cells = {}) {
        window_.runs_.send(run_, Report{kind, std::move(text), std::move(cells)});
    }

    TMDIChildOsm& window_;
    int run_;
};

TMDIChildOsm::TMDIChildOsm()
    : DocumentWindow(wordSearchDocument), runs_(this, [this](std::vector<Report>& batch) { applyReports(batch); }) {
    const GridActions gridActions = addGridActions(QStringLiteral("Návrhář"), {.showHide = true});  // only shows and hides cells
    acVelikost = gridActions.size;
    acNavrhar = gridActions.designer;
    aczadattajenku = addDocumentAction("aczadattajenku", QStringLiteral("&Tajenka"), menuupravy);
    menuupravy->addSeparator();
    acupravitslova = addDocumentAction("acupravitslova", QStringLiteral("&Přidat/odebrat slova"), menuupravy);
    acVlozitslova = addDocumentAction("acVlozitslova", QStringLiteral("Vložit do &editoru slova ze slovníku"), menuupravy);
    acanalyzovat = addDocumentAction("acanalyzovat", QStringLiteral("&Analyzovat"), menuupravy, false);
    menuupravy->addSeparator();
    acsmazatpismena = addDocumentAction("acsmazatpismena", QStringLiteral("&Začít znovu"), menuupravy);

    generujosmismerku = addDocumentAction("generujosmismerku", QStringLiteral("&Vytvořit osmisměrku"), menutvorba);
    zrusitgenerovani =
        addDocumentAction("zrusitgenerovani", QStringLiteral("&Zrušit vytváření osmisměrky"), menutvorba, false);
    menutvorba->addSeparator();
    acstartstop = addDocumentAction("acstartstop", pauseCaption, menutvorba, false);

    const TemplateActions templates = addTemplateActions();
    aczvolsablonu = templates.open;
    aculozsablonu = templates.save;

    FileActionTexts texts;
    texts.saveAs = QStringLiteral("Ulož j&ako");
    const FileActions file = addFileActions(texts);
    aculoz = file.save;
    aculozjako = file.saveAs;
    actisk = file.print;
    acExport = file.spreadsheetExport;
    acExportObr = file.pictureExport;
    setDocumentFile<OsmDocument>(
        osmCodec, [this] { return toDocument(); }, [this](const OsmDocument& document) { return showDocument(document); });

    // The window's own controls: the generator's switches above, the grid on
    // the left, the word editor, the status and the placed words on the right.
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("client"));

    startstopbtn = new QToolButton(client);
    startstopbtn->setObjectName(QStringLiteral("startstopbtn"));
    startstopbtn->setDefaultAction(acstartstop);
    startstopbtn->setAutoRaise(true);
    startstopbtn->setToolButtonStyle(Qt::ToolButtonTextOnly);
    startstopbtn->setMinimumWidth(80);
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Vkládání"),
                                 {QStringLiteral("Náhodně"), QStringLiteral("Podle abecedy")}, 2, client);
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Vkládat slova"),
                                 {QStringLiteral("Z obou"), QStringLiteral("Z editoru"), QStringLiteral("Ze slovníků")},
                                 3, client);
    for (int i = 0; i < RadioGroup2->count(); ++i)
        connect(RadioGroup2->button(i), &QRadioButton::clicked, this, &TMDIChildOsm::RadioGroup2Click);

    Memo1 = new QPlainTextEdit(client);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    infopanel = makeInfoPanel(client);
    ListBox1 = new QListWidget(client);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(startstopbtn);
    bar->addWidget(RadioGroup2);
    bar->addWidget(RadioGroup1);
    bar->addStretch();

    setClient(client, {{Memo1, 1}, {infopanel, 0}, {ListBox1, 1}}, 190, bar);

    connect(aczadattajenku, &QAction::triggered, this, &TMDIChildOsm::aczadattajenkuExecute);
    connect(acupravitslova, &QAction::triggered, this, &TMDIChildOsm::acupravitslovaExecute);
    connect(acVlozitslova, &QAction::triggered, this, &TMDIChildOsm::acVlozitslovaExecute);
    connect(acanalyzovat, &QAction::triggered, this, &TMDIChildOsm::acanalyzovatExecute);
    connect(acsmazatpismena, &QAction::triggered, this, &TMDIChildOsm::acsmazatpismenaExecute);
    connect(generujosmismerku, &QAction::triggered, this, &TMDIChildOsm::generujosmismerkuExecute);
    connect(zrusitgenerovani, &QAction::triggered, this, &TMDIChildOsm::zrusitgenerovaniExecute);
    connect(acstartstop, &QAction::triggered, this, &TMDIChildOsm::acstartstopExecute);
    connect(actisk, &QAction::triggered, this, &TMDIChildOsm::actiskExecute);
    connect(acExport, &QAction::triggered, this, &TMDIChildOsm::acExportExecute);
    connect(acExportObr, &QAction::triggered, this, &TMDIChildOsm::acExportObrExecute);

    setWordLists({.wordSearchWords = &documentWordSearchWords});
    resize(640, 460);
}

TMDIChildOsm::~TMDIChildOsm() {
    // A window deleted without closing must not leave a worker that reports to it.
    runs_.end();
    endWorker();
}

void TMDIChildOsm::stopWork() {
    runs_.end();
    endWorker();
    generatorSlot_ = 0;
    std::vector<std::string>().swap(wordPool);
}

void TMDIChildOsm::endWorker() {
    // The worker never waits for the window, so this wait ends.
    worker_.reset();
    listener_.reset();
}

bool TMDIChildOsm::workerAlive() const { return worker_ && worker_->running(); }

// ---- size, phrase, word lists ----------------------------------------------

void TMDIChildOsm::actiskExecute() {
    const OsmDocument document = toDocument();
    printDocument([&](Canvas& canvas) { drawWordSearchPrint(canvas, document, osmprint::labelFont()); });
}

void TMDIChildOsm::acExportExecute() {
    const OsmDocument document = toDocument();
    exportBook([&](Workbook& book) { return fillWordSearchWorkbook(book, document); });
}

void TMDIChildOsm::acExportObrExecute() {
    const auto picture = std::make_unique<PictureGrid>();
    fillWordSearchPicture(*picture, toDocument());
    showPicture(*picture, PictureStyle::plainGrid);
}

void TMDIChildOsm::aczadattajenkuExecute() {
    const auto typed = askSecretPhrase(typedSecretPhrase_, Ttajenkaform::noLetterLimit, false);
    if (!typed) return;
    const std::string phrase = trimmedPhrase(*typed, kOsmMaxPhraseLength);
    if (holdsGridMark(phrase)) {
        desktop::warning(this, QStringLiteral("Tajenka nesmí obsahovat znaky @, # a ©."));
        return;
    }
    typedSecretPhrase_ = phrase;
    processedSecretPhrase_ = processSecretPhrase(typedSecretPhrase_, wordSearchSettings.chAsOneLetter());
}

std::vector<std::string> TMDIChildOsm::placedWords() const { return sortedWords(ListBox1); }

void TMDIChildOsm::addPlacedWord(const std::string& word) { insertSortedWord(ListBox1, word); }

void TMDIChildOsm::acupravitslovaExecute() {
    if (!upravitslovaform) return;
    upravitslovaform->setWords(placedWords());
    upravitslovaform->setWordLimit(longestWord(grid().currentCols(), grid().currentRows()), reading::fewestCells);
    if (upravitslovaform->exec() != QDialog::Accepted) return;
    setSortedWords(ListBox1, upravitslovaform->words());
}

void TMDIChildOsm::acVlozitslovaExecute() {
    if (!vybratslovnikform) return;
    vybratslovnikform->setWindowTitle(QStringLiteral("Vložit slova ze slovníku"));
    if (vybratslovnikform->exec() != QDialog::Accepted) return;
    const QString name = vybratslovnikform->chosenFile();
    if (name.isEmpty()) return;
    const auto read = readFileBytes(programFolder() / localPath(name), fileLimit::wordStore);
    if (const auto* error = std::get_if<FileError>(&read)) {
        desktop::message(this, error->kind == FileError::Kind::CannotOpen
                                   ? QStringLiteral("Chyba při otevírání slovníku ") + name
                                   : readFailureText(name, *error));
        return;
    }
    // The lines joined by line ends, walked one by one: a table of lines could
    // take many times the memory of the file.
    QString text;
    bool first = true;
    forEachLine(std::get<std::string>(read), [&](std::string_view line) {
        if (!first) text += QLatin1Char('\n');
        first = false;
        text += toQString(line);
    });
    Memo1->appendPlainText(text);
}

// ---- generation -----------------------------------------------------------

bool TMDIChildOsm::buildWordPool() {
    std::vector<std::string> editorLines;
    const QString text = Memo1->toPlainText();
    if (!text.isEmpty()) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const auto bytes = fromQString(line);
            if (!bytes) {
                desktop::warning(this, codePageRefusal());
                return false;
            }
            editorLines.push_back(*bytes);
        }
    }
    // The items of "Vkládat slova" are the pool's sources in their order.
    const int item = RadioGroup1->itemIndex();
    const WordSource source = item == 1 ? WordSource::Editor : item == 2 ? WordSource::Dictionaries : WordSource::Both;
    wordPool = ::buildWordPool(source, documentWordSearchWords, editorLines);
    if (wordPool.empty()) {
        desktop::message(this,
                         QStringLiteral("Ve slovníku nebo v editoru nejsou žádná slova. Generování nelze spustit."));
        return false;
    }
    return true;
}

GeneratorSetup TMDIChildOsm::makeSetup(bool firstRun) const {
    GeneratorSetup setup;
    setup.cols = grid().currentCols();
    setup.rows = grid().currentRows();
    for (int row = 1; row <= setup.rows; ++row) {
        for (int col = 1; col <= setup.cols; ++col) {
            WsCell& cell = setup.cells.at(col, row);
            cell.text = grid().cellText(col, row);
            cell.red = grid().cellShapes()[col][row]->brush == colors::red;
        }
    }
    setup.words = wordPool;
    setup.placedWords = placedWords();
    setup.secretPhrase = processedSecretPhrase_;
    setup.firstRun = firstRun;
    setup.chAsOneLetter = wordSearchSettings.chAsOneLetter();
    setup.preferEmptyCells = wordSearchSettings.preferWholeWords();
    setup.onFailure = static_cast<OnFailure>(static_cast<int>(wordSearchSettings.failureReaction()));
    setup.randomOrder = RadioGroup2->itemIndex() == 0;
    return setup;
}

bool TMDIChildOsm::startRun(bool firstRun) {
    endWorker();
    GeneratorSetup setup = makeSetup(firstRun);
    const int run = runs_.begin();
    auto listener = std::make_unique<RunListener>(*this, run);
    auto worker = std::make_unique<Tosm>(*listener);
    if (worker->start(std::move(setup)) == Tosm::StartResult::TableFull) {
        runs_.end();
        desktop::warning(this, tableFullText());
        return false;
    }
    listener_ = std::move(listener);
    worker_ = std::move(worker);
    generatorSlot_ = worker_->generatorSlot();
    infopanel->setText(QStringLiteral("Připravuji slovníky..."));
    enterGenerating();
    return true;
}

void TMDIChildOsm::generujosmismerkuExecute() {
    if (!buildWordPool()) return;
    // The setting "ch as one letter" may have changed since the phrase was typed.
    processedSecretPhrase_ = processSecretPhrase(typedSecretPhrase_, wordSearchSettings.chAsOneLetter());
    startRun(true);
}

void TMDIChildOsm::acstartstopExecute() {
    if (runs_.running()) {
        // Pause: the run stops after the step it is in; what it still reports is not shown.
        if (worker_) worker_->requestStop();
        endRun(QStringLiteral("Vytváření je pozastaveno"));
        enterPaused();
        return;
    }
    // Resume on the cells as they are, once the paused run's worker has ended.
    endWorker();
    if (!buildWordPool()) return;
    startRun(false);
}

void TMDIChildOsm::RadioGroup2Click() {
    if (runs_.running() && worker_) worker_->setRandomOrder(RadioGroup2->itemIndex() == 0);
}

void TMDIChildOsm::zrusitgenerovaniExecute() {
    endWorker();
    endRun(QStringLiteral("Vytváření bylo stornováno"));
    enterCancelled();
}

void TMDIChildOsm::endRun(const QString& status) {
    runs_.end();
    generatorSlot_ = 0;
    infopanel->setText(status);
}

void TMDIChildOsm::applyReports(std::vector<Report>& batch) {
    // A restart empties the grid and the list: of what the run reported before
    // its last restart in this batch only the status text still matters.
    std::size_t first = 0;
    for (std::size_t i = batch.size(); i-- > 0;) {
        if (batch[i].kind == Report::Kind::LettersCleared) {
            first = i;
            break;
        }
    }
    for (std::size_t i = first; i-- > 0;) {
        if (batch[i].kind == Report::Kind::Status) {
            apply(batch[i]);
            break;
        }
    }
    ListBox1->setUpdatesEnabled(false);
    // A report that ends the run ends the batch.
    for (std::size_t i = first; i < batch.size() && runs_.running(); ++i) apply(batch[i]);
    ListBox1->setUpdatesEnabled(true);
}

void TMDIChildOsm::apply(const Report& report) {
    CellGrid& cells = grid();
    switch (report.kind) {
    case Report::Kind::Status:
        infopanel->setText(toQString(report.text));
        break;
    case Report::Kind::WordPlaced:
        for (const CellText& cell : report.cells) cells.setText(cell.col, cell.row, cell.text);
        addPlacedWord(report.text);
        break;
    case Report::Kind::PhrasePlaced:
        for (const CellText& cell : report.cells) {
            cells.setText(cell.col, cell.row, cell.text);
            cells.setBrush(cell.col, cell.row, colors::red);
        }
        break;
    case Report::Kind::LettersCleared:
        ListBox1->clear();
        clearCells();
        break;
    case Report::Kind::PausedOnFailure:
        // As if the user had pressed the pause button.
        endRun(QStringLiteral("Vytváření je pozastaveno"));
        enterPaused();
        break;
    case Report::Kind::Failed:
        endRun(QStringLiteral("Osmisměrku nelze dokončit"));
        enterFailed();
        break;
    case Report::Kind::WordsTooFew: {
        // Starting over could never help: the run has ended, whatever the
        // on-failure choice. The message comes once this batch is applied.
        endRun(QStringLiteral("Osmisměrku nelze dokončit"));
        enterFailed();
        const QString text = QStringLiteral("Slova nestačí k zaplnění osmisměrky: počet písmen ve slovech je %1, "
                                            "počet volných políček mimo tajenku je %2.")
                                 .arg(report.letters)
                                 .arg(report.freeCells);
        QMetaObject::invokeMethod(this, [this, text] { desktop::message(this, text); }, Qt::QueuedConnection);
        break;
    }
    case Report::Kind::Finished: {
        GridCells::Batch batch(cells);
        for (const CellText& cell : report.cells) cells.setText(cell.col, cell.row, cell.text);
    }
        endRun(QStringLiteral("Osmisměrka je hotova..."));
        enterFinished();
        runAnalyzerIfEnabled();
        break;
    }
}

void TMDIChildOsm::runAnalyzerIfEnabled() {
    if (wordSearchSettings.startAnalyzer()) acanalyzovat->trigger();
}

// ---- phases ---------------------------------------------------------------

void TMDIChildOsm::enterGenerating() {
    enableActions(
        {acVelikost, acNavrhar, aczadattajenku, acupravitslova, acanalyzovat, acsmazatpismena, generujosmismerku}, false);
    // A template read would empty the grid under the running generator.
    enableActions({aczvolsablonu, aculozsablonu}, false);
    zrusitgenerovani->setEnabled(true);
    acstartstop->setText(pauseCaption);
    acstartstop->setEnabled(true);
    RadioGroup1->setEnabled(false);
}

void TMDIChildOsm::enterPaused() {
    enableActions({acVelikost, aczadattajenku, acupravitslova, acanalyzovat, acsmazatpismena, generujosmismerku},
                  false);
    enableActions({acNavrhar, zrusitgenerovani}, true);
    acstartstop->setText(resumeCaption);
    acstartstop->setEnabled(true);
    RadioGroup1->setEnabled(true);
}

// The same whether a run finished or a complete file was read: the grid and
// its word source stay as they are until "Začít znovu".
void TMDIChildOsm::enterFinished() {
    enableActions({acVelikost, acNavrhar, aczadattajenku, generujosmismerku, zrusitgenerovani}, false);
    enableActions({aczvolsablonu, aculozsablonu}, false);
    enableActions({acsmazatpismena, acupravitslova, acanalyzovat}, true);
    acstartstop->setText(pauseCaption);
    acstartstop->setEnabled(false);
    RadioGroup1->setEnabled(false);
}

void TMDIChildOsm::enterFailed() {
    acsmazatpismena->setEnabled(true);
    acstartstop->setText(pauseCaption);
    acstartstop->setEnabled(false);
    RadioGroup1->setEnabled(true);
    enableActions({generujosmismerku, zrusitgenerovani}, false);
}

void TMDIChildOsm::enterCancelled() {
    acstartstop->setText(pauseCaption);
    enableActions({acstartstop, zrusitgenerovani}, false);
    enableActions({acVelikost, acNavrhar, aczadattajenku, acsmazatpismena, acupravitslova}, true);
    RadioGroup1->setEnabled(true);
}

void TMDIChildOsm::enableEditing() {
    enableActions({acVelikost, acNavrhar, aczadattajenku, acupravitslova, generujosmismerku}, true);
    RadioGroup1->setEnabled(true);
}

void TMDIChildOsm::clearCells() {
    CellGrid& cells = grid();
    GridCells::Batch batch(cells);
    for (int row = cells.currentRows(); row >= 1; --row) {
        for (int col = cells.currentCols(); col >= 1; --col) {
            if (cells.isHidden(col, row)) continue;
            cells.setText(col, row, {});
            cells.setBrush(col, row, colors::white);
        }
    }
}

void TMDIChildOsm::clearLetters() {
    enableEditing();
    ListBox1->clear();
    clearCells();
}

void TMDIChildOsm::acsmazatpismenaExecute() {
    clearLetters();
    enableActions({aczvolsablonu, aculozsablonu}, true);
}

void TMDIChildOsm::upperCaseGrid() {
    CellGrid& cells = grid();
    GridCells::Batch batch(cells);
    for (int row = 1; row <= cells.currentRows(); ++row)
        for (int col = 1; col <= cells.currentCols(); ++col)
            cells.setText(col, row, czechUpperCase(cells.cellLabels()[col][row]->text));
}

// ---- files ----------------------------------------------------------------

OsmDocument TMDIChildOsm::toDocument() const {
    const CellGrid& cells = grid();
    OsmDocument document = OsmDocument::blank(cells.currentCols(), cells.currentRows());
    for (int row = 1; row <= document.rows; ++row) {
        for (int col = 1; col <= document.columns; ++col) {
            OsmCell& cell = document.cell(col, row);
            cell.text = cells.cellText(col, row);
            cell.colour = static_cast<std::int32_t>(cells.cellShapes()[col][row]->brush);
        }
    }
    document.processedPhrase = processedSecretPhrase_;
    document.typedPhrase = typedSecretPhrase_;
    document.words = placedWords();
    return document;
}

bool TMDIChildOsm::showDocument(const OsmDocument& document) {
    if (resizeGrid(document.columns, document.rows) == CellGrid::ResizeResult::noProgress) return false;
    {
        CellGrid& cells = grid();
        GridCells::Batch batch(cells);
        for (int row = 1; row <= document.rows; ++row) {
            for (int col = 1; col <= document.columns; ++col) {
                const OsmCell& cell = document.cell(col, row);
                cells.setCellText(col, row, cell.text);
                cells.setBrush(col, row, static_cast<Color>(cell.colour));
            }
        }
    }
    processedSecretPhrase_ = document.processedPhrase;
    typedSecretPhrase_ = document.typedPhrase;
    setSortedWords(ListBox1, document.words);

    if (document.isComplete()) {
        upperCaseGrid();
        enterFinished();
    } else {
        // "Spustit" goes on from the cells as they are.
        enterPaused();
    }
    return true;
}

// ---- analyzer -------------------------------------------------------------

void TMDIChildOsm::acanalyzovatExecute() {
    // The copy goes to this run's own folder; the window's caption stays.
    const QString copy = displayPath(analyzerCopyFolder() / "test.osm");
    if (!saveas(copy)) return;
    // The analyzer inherits a lock on the folder and keeps it while it runs,
    // so that no grilpad removes the folder under it.
    const AnalyzerFolder::Hold hold = holdAnalyzerCopyFolder();
    if (!desktop::startProgram(displayPath(analyzerProgram()), {copy}))
        desktop::message(this, QStringLiteral("Chyba při spouštění programu Analyzer."));
}
