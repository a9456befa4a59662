#include "crisscross/ui/child_krs.h"

#include "crisscross/core/krs_phrase.h"
#include "crisscross/core/krs_print.h"
#include "crisscross/ui/digit_table_form.h"
#include "document/core/document_kinds.h"
#include "document/core/grid_shape.h"
#include "document/core/phrase_letters.h"
#include "document/core/print_layout.h"
#include "document/ui/document_files.h"
#include "document/ui/phrase_form.h"
#include "frame/core/config.h"
#include "platform/ui/actions.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/typed_text.h"

#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <string>
#include <utility>
#include <vector>

namespace {

QString lineBreakInTable() { return QStringLiteral("Písmena v tabulce nesmí obsahovat konec řádku."); }

// Every cell's text as the numbers read it, rows outer.
std::vector<std::string> cellTexts(const CellGrid& cells) {
    std::vector<std::string> texts;
    for (int row = 1; row <= cells.currentRows(); ++row)
        for (int col = 1; col <= cells.currentCols(); ++col) texts.push_back(cells.cellText(col, row));
    return texts;
}

}  // namespace

TMDIChildKrs::TMDIChildKrs()
    : DocumentWindow(crissCrossDocument),
      randomSource(&programRandom()),
      runs_(this, [this](std::vector<CrissCrossResult>& results) {
          for (CrissCrossResult& result : results)
              if (runs_.running()) finishGeneration(std::move(result));
      }) {
    const GridActions gridActions = addGridActions(QStringLiteral("Návrhář"), {.showHide = true});
    acVelikost = gridActions.size;
    acNavrhar = gridActions.designer;
    zadattajenku = addDocumentAction("zadattajenku", QStringLiteral("&Tajenka"), menuupravy);
    prirazenicisel = addDocumentAction("prirazenicisel", QStringLiteral("&Přiřadit čísla"), menuupravy);
    menuupravy->addSeparator();
    smazatpismena = addDocumentAction("smazatpismena", QStringLiteral("S&mazat písmena"), menuupravy);

    vytvoritkrsnotopakovat = addDocumentAction(
        "vytvoritkrsnotopakovat", QStringLiteral("&Vytvořit kris-kros bez možnosti opakovat čísla"), menutvorba);
    vytvoritkrsopakovat = addDocumentAction(
        "vytvoritkrsopakovat", QStringLiteral("Vytvořit kris-kros s možností &opakovat čísla"), menutvorba);

    const TemplateActions templates = addTemplateActions();
    aczvolsablonu = templates.open;
    aculozsablonu = templates.save;

    const FileActions file = addFileActions();
    aculoz = file.save;
    aculozjako = file.saveAs;
    actisk = file.print;
    acexport = file.spreadsheetExport;
    acExportObr = file.pictureExport;

    setDocumentFile<KrsDocument>(
        krsCodec, [this] { return toDocument(); }, [this](const KrsDocument& document) { return showDocument(document); });

    // The grid on the left, the numbers beside it.
    Splitter1 = new QSplitter(Qt::Horizontal);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    ListBox1 = new QListWidget;
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    Splitter1->addWidget(ScrollBox1);
    Splitter1->addWidget(ListBox1);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setSizes({330, 110});

    // Shown when a generation takes longer than a moment.
    progressWindow = new QDialog(this);
    progressWindow->setObjectName(QStringLiteral("progressWindow"));
    progressWindow->setWindowTitle(QStringLiteral("Mindgrid!"));
    auto* progressText = new QLabel(QStringLiteral("Vytvářím kris-kros..."), progressWindow);
    auto* stopButton = new QPushButton(QStringLiteral("Storno"), progressWindow);
    stopButton->setObjectName(QStringLiteral("BitBtn2"));
    auto* progressLayout = new QVBoxLayout(progressWindow);
    progressLayout->addWidget(progressText);
    progressLayout->addWidget(stopButton, 0, Qt::AlignHCenter);
    progressLayout->setSizeConstraint(QLayout::SetFixedSize);
    connect(stopButton, &QPushButton::clicked, progressWindow, &QDialog::reject);
    connect(progressWindow, &QDialog::rejected, this, &TMDIChildKrs::cancelGeneration);
    progressTimer_ = new QTimer(this);
    progressTimer_->setSingleShot(true);
    connect(progressTimer_, &QTimer::timeout, this, [this] {
        if (runs_.running()) progressWindow->show();
    });

    connect(zadattajenku, &QAction::triggered, this, &TMDIChildKrs::zadattajenkuExecute);
    connect(prirazenicisel, &QAction::triggered, this, [this] { prirazeniciselExecute(); });
    connect(smazatpismena, &QAction::triggered, this, &TMDIChildKrs::smazatpismenaExecute);
    connect(vytvoritkrsnotopakovat, &QAction::triggered, this, &TMDIChildKrs::vytvoritkrsnotopakovatExecute);
    connect(vytvoritkrsopakovat, &QAction::triggered, this, &TMDIChildKrs::vytvoritkrsopakovatExecute);
    connect(acExportObr, &QAction::triggered, this, &TMDIChildKrs::acExportObrExecute);
    connect(actisk, &QAction::triggered, this, &TMDIChildKrs::actiskExecute);
    connect(acexport, &QAction::triggered, this, &TMDIChildKrs::acexportExecute);

    setWidget(Splitter1);
}

TMDIChildKrs::~TMDIChildKrs() {
    // A window deleted without closing must not leave a worker that reports to it.
    stopWork();
}

QString TMDIChildKrs::repeatsAllowedText() {
    return QStringLiteral("Tento kris-kros nelze vytvořit tak, aby se čísla neopakovala, proto byl vytvořen s "
                          "čísly, která se opakují.");
}

QString TMDIChildKrs::tooManyLettersText() { return QStringLiteral("Tajenka smí obsahovat nejvýše 10 různých písmen."); }

// ---- the puzzle -------------------------------------------------------------

KrsDocument TMDIChildKrs::toDocument() const {
    const CellGrid& cells = grid();
    KrsDocument document = KrsDocument::blank(cells.currentCols(), cells.currentRows());
    for (int row = 1; row <= document.rows; ++row)
        for (int col = 1; col <= document.columns; ++col) {
            KrsCell& cell = document.cell(col, row);
            cell.text = cells.cellText(col, row);
            cell.colour = cells.cellShapes()[col][row]->brush;
            document.letterUse[col][row] = letterUse[col][row];
        }
    document.codedSecretPhrase = codedSecretPhrase;
    document.secretPhrase = secretPhrase;
    document.numberList = numberList;
    document.digitTable = digitTable;
    document.digitKey = digitKey;
    document.lastDigitKeyLine = lastDigitKeyLine;
    return document;
}

bool TMDIChildKrs::showDocument(const KrsDocument& document) {
    if (resizeGrid(document.columns, document.rows) == CellGrid::ResizeResult::noProgress) return false;
    {
        CellGrid& cells = grid();
        GridCells::Batch batch(cells);
        for (int row = 1; row <= document.rows; ++row)
            for (int col = 1; col <= document.columns; ++col) {
                const KrsCell& cell = document.cell(col, row);
                cells.setCellText(col, row, cell.text);
                cells.setBrush(col, row, cell.colour);
                letterUse[col][row] = document.letterUse[col][row];
            }
    }
    secretPhrase = document.secretPhrase;
    digitTable = document.digitTable;
    codedSecretPhrase = document.codedSecretPhrase;
    // A table that was never confirmed used to leave the phrase's letters
    // here; the designer places digits only.
    if (!allDigits(codedSecretPhrase))
        codedSecretPhrase = encodeTajenka(secretPhrase, digitTable, crissCrossSettings.chAsOneLetter());
    hasSecretPhrase = !secretPhrase.empty();
    numberList = document.numberList;
    showNumbers();
    digitKey = document.digitKey;
    lastDigitKeyLine = document.lastDigitKeyLine;
    return true;
}

void TMDIChildKrs::showNumbers() {
    QStringList items;
    items.reserve(static_cast<qsizetype>(numberList.size()));
    for (const std::string& number : numberList) items << toQString(number);
    ListBox1->clear();
    ListBox1->addItems(items);
}

void TMDIChildKrs::dropNumbers() {
    numberList.clear();
    ListBox1->clear();
    lastDigitKeyLine = -1;
}

void TMDIChildKrs::buildKey() {
    lastDigitKeyLine = numberList.empty() ? -1 : buildDigitKey(secretPhrase, digitTable, digitKey);
}

CellGrid::ResizeResult TMDIChildKrs::resizeGrid(int cols, int rows) {
    const CellGrid::ResizeResult result = DocumentWindow::resizeGrid(cols, rows);
    if (result == CellGrid::ResizeResult::resized) dropNumbers();
    return result;
}

void TMDIChildKrs::enableAfterClearing() {
    enableActions({acVelikost, zadattajenku}, true);
    if (!secretPhrase.empty()) prirazenicisel->setEnabled(true);
}

void TMDIChildKrs::smazatpismenaExecute() {
    dropNumbers();
    CellGrid& cells = grid();
    {
        GridCells::Batch batch(cells);
        for (int row = 1; row <= cells.currentRows(); ++row)
            for (int col = 1; col <= cells.currentCols(); ++col)
                if (!cells.isHidden(col, row) && !letterUse[col][row].secret()) cells.setText(col, row, {});
    }
    enableAfterClearing();
}

void TMDIChildKrs::clearForTemplate() {
    dropNumbers();
    DocumentWindow::clearForTemplate();
    enableAfterClearing();
}

void TMDIChildKrs::actiskExecute() {
    const KrsDocument document = toDocument();
    printDocument([&](Canvas& canvas) { drawCrissCrossPrint(canvas, document, printlayout::labelFont()); });
}

void TMDIChildKrs::acexportExecute() {
    const KrsDocument document = toDocument();
    exportBook([&](Workbook& book) { return fillCrissCrossWorkbook(book, document); });
}

void TMDIChildKrs::acExportObrExecute() {
    const auto picture = std::make_unique<PictureGrid>();
    fillCrissCrossPicture(*picture, toDocument());
    showPicture(*picture, PictureStyle::plainGrid);
}

void TMDIChildKrs::designerOpening(GridShape& shape, DesignerOffer& offer) {
    const CellGrid& cells = grid();
    for (int row = 1; row <= shape.rows; ++row)
        for (int col = 1; col <= shape.columns; ++col) {
            GridShape::Cell& cell = shape.cell(col, row);
            if (cell.shown && cell.colour == colors::red) cell.text = cells.cellLabels()[col][row]->text;
        }
    // The secret-phrase tool and the digits come with a phrase only.
    offer.tools.secretPhrase = offer.tools.digits = hasSecretPhrase;
    if (hasSecretPhrase) offer.digits = codedSecretPhrase;
    textsBeforeDesigner_ = cellTexts(cells);
}

void TMDIChildKrs::shapeDesigned(const GridShape& designed) {
    CellGrid& cells = grid();
    {
        GridCells::Batch batch(cells);
        for (int row = 1; row <= designed.rows; ++row)
            for (int col = 1; col <= designed.columns; ++col) {
                const GridShape::Cell& cell = designed.cell(col, row);
                const bool red = cell.colour == colors::red;
                letterUse[col][row] = red ? LetterUse{letteruse::secretPhrase, letteruse::secretPhrase} : LetterUse{};
                // A red cell holds the digit placed in it, or nothing.
                if (red && cell.shown) cells.setText(col, row, cell.text);
            }
    }
    // A cell blocked, opened or given another digit: the numbers were made
    // of other cells.
    if (cellTexts(cells) != textsBeforeDesigner_) dropNumbers();
}

// ---- the secret phrase ----------------------------------------------------

void TMDIChildKrs::zadattajenkuExecute() {
    const bool chAsOne = crissCrossSettings.chAsOneLetter();
    // Each character of the phrase becomes one digit.
    const auto typed = askSecretPhrase(secretPhrase, Tkrspiscisform::digitCount, chAsOne);
    if (!typed) return;
    const std::string phrase = trimmedPhrase(*typed, krs::maxTextLength);
    // The same phrase again keeps the table the user made for it.
    if (phrase == secretPhrase) return;

    if (phrase.empty()) {
        secretPhrase.clear();
        codedSecretPhrase.clear();
        hasSecretPhrase = false;
        prirazenicisel->setEnabled(false);
        buildKey();
        return;
    }
    const std::optional<DigitTable> table = assignDigitsToLetters(phrase, chAsOne);
    if (!table) {
        // Only ten digits: a phrase of more letters (one given with "ch" as one
        // letter, say, and the setting changed since) cannot be coded.
        desktop::warning(this, tooManyLettersText());
        return;
    }
    secretPhrase = phrase;
    digitTable = *table;
    hasSecretPhrase = true;
    prirazenicisel->setEnabled(true);
    // The coded phrase is always digits: a table the user did not confirm
    // codes it as assigned.
    if (!prirazeniciselExecute()) {
        codedSecretPhrase = encodeTajenka(secretPhrase, digitTable, chAsOne);
        buildKey();
    }
}

bool TMDIChildKrs::prirazeniciselExecute() {
    if (!krspiscisform) return false;
    QStringList letters;
    for (const std::string& entry : digitTable) letters << toQString(entry);
    krspiscisform->setLetters(letters);
    if (krspiscisform->exec() != QDialog::Accepted) return false;

    DigitTable table;
    const QStringList given = krspiscisform->letters();
    for (std::size_t digit = 0; digit < table.size(); ++digit) {
        const QString text = given.value(static_cast<qsizetype>(digit));
        const TextFault fault = textFault(text, {.lineBreaks = TextRules::LineBreaks::refused, .codePageOnly = true});
        if (fault != TextFault::none) {
            desktop::warning(this, fault == TextFault::lineBreak ? lineBreakInTable() : codePageRefusal());
            return false;
        }
        table[digit] = trimmedPhrase(fromQString(text).value_or(std::string()), krs::maxTextLength);
    }
    digitTable = table;
    codedSecretPhrase = encodeTajenka(secretPhrase, digitTable, crissCrossSettings.chAsOneLetter());
    buildKey();
    return true;
}

// ---- generation -------------------------------------------------------------

void TMDIChildKrs::vytvoritkrsnotopakovatExecute() { generate(false); }

void TMDIChildKrs::vytvoritkrsopakovatExecute() { generate(true); }

void TMDIChildKrs::generate(bool repeatAllowed) {
    if (runs_.running()) return;
    worker_.reset();  // a run cancelled before has ended already

    CrissCrossSetup setup;
    const CellGrid& cells = grid();
    setup.columns = cells.currentCols();
    setup.rows = cells.currentRows();
    setup.cells.reserve(static_cast<std::size_t>(setup.columns) * static_cast<std::size_t>(setup.rows));
    for (int row = 1; row <= setup.rows; ++row)
        for (int col = 1; col <= setup.columns; ++col) setup.cells.push_back(cells.cellText(col, row));
    setup.allowOneDigitNumbers = crissCrossSettings.allowOneDigitNumbers();
    setup.repeatAllowed = repeatAllowed;
    setup.drawnAttempts = drawnAttempts;

    // Nothing may change the grid under the run, nor start a second one.
    actionsBeforeRun_.clear();
    for (QAction* action : {acVelikost, acNavrhar, zadattajenku, prirazenicisel, smazatpismena,
                            vytvoritkrsnotopakovat, vytvoritkrsopakovat, aczvolsablonu, aculozsablonu}) {
        actionsBeforeRun_.emplace_back(action, action->isEnabled());
        action->setEnabled(false);
    }

    const int run = runs_.begin();
    worker_ = std::make_unique<CrissCrossWorker>(*randomSource);
    // On the worker: hand the result to the window's thread and return.
    worker_->start(std::move(setup), [this, run](CrissCrossResult result) { runs_.send(run, std::move(result)); });
    progressTimer_->start(progressDelayMs);
}

void TMDIChildKrs::endRun() {
    runs_.end();
    progressTimer_->stop();
    progressWindow->hide();
    if (worker_) worker_->stop();
    for (const auto& [action, enabled] : actionsBeforeRun_) action->setEnabled(enabled);
    actionsBeforeRun_.clear();
}

void TMDIChildKrs::finishGeneration(CrissCrossResult result) {
    endRun();
    switch (result.outcome) {
    case CrissCrossOutcome::completed: {
        CellGrid& cells = grid();
        {
            GridCells::Batch batch(cells);
            std::size_t at = 0;
            for (int row = 1; row <= cells.currentRows(); ++row)
                for (int col = 1; col <= cells.currentCols(); ++col, ++at)
                    if (!cells.isHidden(col, row) && at < result.cells.size()) cells.setText(col, row, result.cells[at]);
        }
        numberList = std::move(result.numbers);
        showNumbers();
        buildKey();
        enableActions({acVelikost, zadattajenku, prirazenicisel}, false);
        if (result.repeatsAllowedAfterAll) desktop::message(this, repeatsAllowedText());
        break;
    }
    case CrissCrossOutcome::failed:
        desktop::warning(this, QStringLiteral("Kris-kros se nepodařilo vytvořit: není dostatek paměti."));
        break;
    case CrissCrossOutcome::stopped:
        break;
    }
}

void TMDIChildKrs::cancelGeneration() {
    if (!runs_.running()) return;
    endRun();
}

bool TMDIChildKrs::generating() const { return runs_.running() || (worker_ && worker_->running()); }

void TMDIChildKrs::stopWork() {
    runs_.end();
    progressTimer_->stop();
    progressWindow->hide();
    // The worker never waits for the window, so this wait ends.
    worker_.reset();
}
