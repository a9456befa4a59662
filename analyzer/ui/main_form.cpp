#include "analyzer/ui/main_form.h"

#include "analyzer/ui/about_box.h"
#include "analyzer/ui/lamps.h"
#include "analyzer/ui/progress_form.h"
#include "analyzer/ui/puzzle_view.h"
#include "analyzer/ui/results_form.h"
#include "analyzer/ui/wizard_form.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/file_messages.h"
#include "wordsearch/core/osm_file.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace analyzer {

namespace {

const QString kTitle = QStringLiteral("Analyzer");

// A hint "short|long": the short part is the tool tip, the long part goes to
// the status bar.
void setHint(QAction* action, const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action->setToolTip(bar < 0 ? hint : hint.left(bar));
    action->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

QAction* makeAction(QObject* parent, const char* name, const QString& caption, const QKeySequence& shortcut,
                    const QString& hint) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    setHint(action, hint);
    return action;
}

QIcon letterIcon(const QString& letters) {
    QPixmap picture(24, 24);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, letters);
    return QIcon(picture);
}

QLabel* lampLabel(QWidget* parent, const char* name, int top) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(10, top, 16, 16);
    return label;
}

}  // namespace

TForm1::TForm1(QStringList parameters, QWidget* parent)
    : QMainWindow(parent), parameters_(std::move(parameters)), puzzle_(std::make_shared<const Puzzle>()) {
    setObjectName(QStringLiteral("Form1"));
    // Qt shows every window's title followed by " — " and the application's
    // display name, unless the title ends with that name. The analyzer's
    // windows carry their whole titles ("Analyzer - path", "Analyzer -
    // výsledky kontroly"), so the name stays empty, which every title ends with.
    QGuiApplication::setApplicationDisplayName(QString());
    setTitle(kTitle);

    acOpen = makeAction(this, "acOpen", QStringLiteral("&Otevřít osmisměrku"), QKeySequence(Qt::CTRL | Qt::Key_O),
                        QStringLiteral("Otevřít|Otevře osmisměrku"));
    acWizard = makeAction(this, "acWizard", QStringLiteral("&Zadat osmisměrku..."), {},
                          QStringLiteral("Zadat osmsiměrku|Spustí průvodce na zadání osmisměrky"));
    acAnalyzovat = makeAction(this, "acAnalyzovat", QStringLiteral("Z&kontroluj"), QKeySequence(Qt::Key_F5),
                              QStringLiteral("Zkontroluj|Zkontroluje osmisměrku"));
    acVysledky = makeAction(this, "acVysledky", QStringLiteral("&Výsledky"), QKeySequence(Qt::Key_F6),
                            QStringLiteral("Výsledky|Zobrazí výsledky kontroly"));
    acCHButton = makeAction(this, "acCHButton", QStringLiteral("&CH je jedno písmeno"), QKeySequence(Qt::Key_F7),
                            QStringLiteral("CH je jedno písmeno|Je-li zvoleno, všechna CH jsou brány jako jedno písmeno"));
    acExit = makeAction(this, "acExit", QStringLiteral("&Konec"), QKeySequence(Qt::ALT | Qt::Key_F4),
                        QStringLiteral("Konec|Ukončí program"));
    acAbout = makeAction(this, "acAbout", QStringLiteral("&O programu"), {},
                         QStringLiteral("O programu|Zobrazí název a verzi programu"));
    acCHButton->setCheckable(true);
    acCHButton->setChecked(true);
    acOpen->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    acAnalyzovat->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    acVysledky->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    acCHButton->setIcon(letterIcon(QStringLiteral("CH")));
    for (QAction* action : {acOpen, acWizard, acAnalyzovat, acVysledky, acCHButton, acExit, acAbout})
        addAction(action);

    connect(acOpen, &QAction::triggered, this, &TForm1::acOpenExecute);
    connect(acWizard, &QAction::triggered, this, &TForm1::acWizardExecute);
    connect(acAnalyzovat, &QAction::triggered, this, &TForm1::acAnalyzovatExecute);
    connect(acVysledky, &QAction::triggered, this, &TForm1::acVysledkyExecute);
    connect(acCHButton, &QAction::triggered, this, &TForm1::acCHButtonExecute);
    connect(acExit, &QAction::triggered, this, &TForm1::acExitExecute);
    connect(acAbout, &QAction::triggered, this, &TForm1::acAboutExecute);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&Soubor"));
    file->setObjectName(QStringLiteral("Soubor1"));
    file->addAction(acOpen);
    file->addAction(acWizard);
    file->addSeparator();
    file->addAction(acAnalyzovat);
    file->addAction(acVysledky);
    file->addSeparator();
    file->addAction(acCHButton);
    file->addSeparator();
    file->addAction(acExit);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Nápověda"));
    help->setObjectName(QStringLiteral("Napoveda1"));
    help->addAction(acAbout);

    ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->addAction(acOpen);
    ToolBar1->addSeparator();
    ToolBar1->addAction(acAnalyzovat);
    ToolBar1->addAction(acVysledky);
    ToolBar1->addSeparator();
    chbutton = new QToolButton(ToolBar1);
    chbutton->setObjectName(QStringLiteral("chbutton"));
    chbutton->setDefaultAction(acCHButton);
    ToolBar1->addWidget(chbutton);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    Panel3 = new QWidget(central);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setFixedHeight(63);
    Image1 = lampLabel(Panel3, "Image1", 8);
    Image2 = lampLabel(Panel3, "Image2", 24);
    Image3 = lampLabel(Panel3, "Image3", 40);

    Splitter1 = new QSplitter(Qt::Horizontal, central);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    ScrollBox1 = new QScrollArea(Splitter1);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ScrollBox1->horizontalScrollBar()->setSingleStep(10);
    ScrollBox1->verticalScrollBar()->setSingleStep(10);
    view = new PuzzleView;
    ScrollBox1->setWidget(view);
    Panel2 = new QWidget(Splitter1);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    ListBox1 = new QListWidget(Panel2);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    auto* panel2Layout = new QVBoxLayout(Panel2);
    panel2Layout->setContentsMargins(0, 0, 0, 0);
    panel2Layout->addWidget(ListBox1);
    Splitter1->addWidget(ScrollBox1);
    Splitter1->addWidget(Panel2);
    Splitter1->setStretchFactor(0, 1);
    Splitter1->setStretchFactor(1, 0);
    Splitter1->setSizes({600, 185});

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel3);
    layout->addWidget(Splitter1, 1);
    setCentralWidget(central);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));

    // A mouse click shows the word when the button is released; the keyboard
    // shows it as the selection moves.
    ListBox1->viewport()->installEventFilter(this);
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] {
        if (!listMouseDown_) ListBox1Click();
    });
    connect(ListBox1, &QListWidget::itemClicked, this, &TForm1::ListBox1Click);

    Form2 = new TForm2(this);
    Form3 = new TForm3(this);
    AboutBox = new TAboutBox(this);
    connect(Form2, &TForm2::checkDone, this, &TForm1::checkDone);
    connect(Form2, &QDialog::finished, this, &TForm1::updateActions);

    setLamps({});
    updateActions();
    resize(800, 600);
}

TForm1::~TForm1() { Form2->stopCheck(); }

void TForm1::setTitle(const QString& title) {
    // The message boxes are titled as the main window is.
    desktop::setBoxTitle(title);
    setWindowTitle(title);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    // The command line is taken once the window is on the screen.
    QMetaObject::invokeMethod(this, &TForm1::FormShow, Qt::QueuedConnection);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            listMouseDown_ = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            listMouseDown_ = false;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    Form2->stopCheck();
    event->accept();
}

void TForm1::FormShow() {
    // The parameters joined with single blanks: a path with a blank that was
    // passed unquoted is whole again.
    QString path;
    for (const QString& parameter : parameters_) path += QLatin1Char(' ') + parameter;
    path = path.trimmed();
    if (!path.isEmpty()) loadOsm(path);
}

void TForm1::loadOsm(const QString& path) {
    if (Form2->busy()) return;
    const std::string native = localPath(path).string();
    // The path tried: with ".osm" when it was added.
    const QString tried = displayPath(withDocumentExtension(native, ".osm"));
    const LoadResult loaded = analyzer::loadOsm(native);
    if (const auto* error = std::get_if<FileError>(&loaded)) {
        desktop::message(this, readFailureText(tried, *error));
        return;
    }
    auto puzzle = std::make_shared<const Puzzle>(std::get<LoadedPuzzle>(loaded).puzzle);
    showPuzzle(std::move(puzzle), kTitle + QStringLiteral(" - ") + tried, QStringLiteral("Osmisměrka není dodělaná."));
}

bool TForm1::takeTypedPuzzle(Puzzle puzzle) {
    if (Form2->busy()) return false;
    puzzle.loadedFromFile = false;
    puzzle.solutionPhrase.clear();
    showPuzzle(std::make_shared<const Puzzle>(std::move(puzzle)), kTitle + QStringLiteral(" - zadaná osmisměrka"),
               QStringLiteral("Nejsou zadána všechna pole."));
    return Form2->busy();
}

// The puzzle replaces the one shown. A complete puzzle is shown and checked at
// once; an incomplete one is kept but neither shown nor offered for a check.
void TForm1::showPuzzle(std::shared_ptr<const Puzzle> puzzle, const QString& title,
                        const QString& incompleteMessage) {
    puzzle_ = std::move(puzzle);
    result_.reset();
    canAnalyse_ = puzzle_->isComplete();
    // A file read afresh starts with every lamp off; a typed puzzle keeps them
    // until its check ends.
    if (puzzle_->loadedFromFile) setLamps({});
    if (!canAnalyse_) {
        view->clear();
        ScrollBox1->hide();
        ListBox1->clear();
        setTitle(kTitle);
        updateActions();
        desktop::message(this, incompleteMessage);
        return;
    }
    // A puzzle says by its cells whether it was made with CH as one letter;
    // checked the other way its words with "ch" would be reported missing.
    if (const std::optional<bool> ch = chAsOneLetterShown(*puzzle_)) acCHButton->setChecked(*ch);
    view->showPuzzle(*puzzle_);
    ScrollBox1->show();
    std::vector<std::string> words = puzzle_->words;
    sortAsListed(words);
    ListBox1->blockSignals(true);
    ListBox1->clear();
    for (const std::string& word : words) {
        auto* item = new QListWidgetItem(toQString(word), ListBox1);
        item->setData(Qt::UserRole, QByteArray::fromStdString(word));
    }
    ListBox1->blockSignals(false);
    setTitle(title);
    updateActions();
    acAnalyzovatExecute();
}

void TForm1::updateActions() {
    const bool busy = Form2->busy();
    acOpen->setEnabled(!busy);
    acWizard->setEnabled(!busy);
    acCHButton->setEnabled(!busy);
    acAnalyzovat->setEnabled(!busy && canAnalyse_);
    acVysledky->setEnabled(result_.has_value());
}

void TForm1::setLamps(Lamps lamps) {
    lamps_ = lamps;
    Image1->setPixmap(lampPicture(Lamp::Top, lamps.top));
    Image2->setPixmap(lampPicture(Lamp::Middle, lamps.middle));
    Image3->setPixmap(lampPicture(Lamp::Bottom, lamps.bottom));
}

void TForm1::acOpenExecute() {
    if (Form2->busy()) return;
    const QString path = desktop::chooseOpenFile(this, QStringLiteral("Otevřít osmisměrku"),
                                                 QStringLiteral("Soubory osmisměrek (*.osm)|*.osm"));
    if (path.isEmpty()) return;
    loadOsm(path);
}

void TForm1::acWizardExecute() {
    if (Form2->busy()) return;
    Twizardform wizard(this);
    wizard.exec();
}

void TForm1::acAnalyzovatExecute() {
    if (Form2->busy() || !canAnalyse_) return;
    result_.reset();
    Form2->startCheck(puzzle_, AnalysisOptions{acCHButton->isChecked()});
    updateActions();
}

void TForm1::checkDone(const AnalysisResult& result) {
    result_ = result;
    updateActions();
    setLamps(updateLeds(result, puzzle_->loadedFromFile, puzzle_->isComplete()));
}

void TForm1::acVysledkyExecute() {
    if (!result_) return;
    Form3->fillResults(*result_, puzzle_->solutionPhrase);
    Form3->setWindowState(Form3->windowState() | Qt::WindowMaximized);
    Form3->exec();
}

// "CH je jedno písmeno" decides how the next check reads CH; the puzzle shown
// is checked again at once. Each puzzle shown sets it first as its cells tell.
void TForm1::acCHButtonExecute() {
    if (canAnalyse_) acAnalyzovatExecute();
}

void TForm1::acExitExecute() { close(); }

void TForm1::acAboutExecute() { AboutBox->exec(); }

void TForm1::ListBox1Click() {
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item) return;
    if (!result_) {
        desktop::message(this, QStringLiteral("Osmisměrka ještě nebyla analyzována"));
        return;
    }
    const std::string word = item->data(Qt::UserRole).toByteArray().toStdString();
    const auto found = std::find_if(result_->found.begin(), result_->found.end(),
                                    [&](const Occurrence& o) { return o.word == word; });
    if (found == result_->found.end()) {
        desktop::message(this, QStringLiteral("Toto slovo v osmisměrce není"));
        return;
    }
    view->resetColours();
    highlight(*found);
    // The first further occurrence, when there is one.
    const auto& duplicates = result_->duplicates.entries;
    const auto duplicate =
        std::find_if(duplicates.begin(), duplicates.end(), [&](const Occurrence& o) { return o.word == word; });
    if (duplicate != duplicates.end()) highlight(*duplicate);
}

void TForm1::highlight(const Occurrence& occurrence) { view->highlight(occurrenceCells(occurrence)); }

}  // namespace analyzer
