#include "analyzer/ui/results_form.h"

#include "analyzer/core/results.h"
#include "platform/core/czech.h"
#include "platform/ui/codec.h"

#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace analyzer {

namespace {

QListWidget* captionedList(QSplitter* splitter, const char* name, const QString& caption) {
    auto* box = new QWidget(splitter);
    auto* header = new QLabel(caption, box);
    header->setFrameShape(QFrame::Panel);
    header->setFrameShadow(QFrame::Raised);
    header->setAlignment(Qt::AlignCenter);
    header->setWordWrap(true);
    // Room for two lines, so the five lists start at the same height.
    header->setMinimumHeight(2 * header->fontMetrics().lineSpacing() + 6);
    auto* list = new QListWidget(box);
    list->setObjectName(QLatin1String(name));
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header);
    layout->addWidget(list, 1);
    splitter->addWidget(box);
    return list;
}

// Shows the texts sorted as the word lists are; when the list could not keep
// every entry, a last line says how many more there were.
void fillList(QListWidget* list, std::vector<std::string> texts, std::size_t omitted = 0) {
    list->clear();
    std::stable_sort(texts.begin(), texts.end(), CzechLess{});
    for (const std::string& text : texts) list->addItem(toQString(text));
    if (omitted > 0) list->addItem(QStringLiteral("Dalších záznamů: %1").arg(omitted));
}

void fillList(QListWidget* list, const EntryList& entries) {
    std::vector<std::string> texts;
    texts.reserve(entries.entries.size());
    for (const Occurrence& entry : entries.entries) texts.push_back(formatEntry(entry));
    fillList(list, std::move(texts), entries.omitted());
}

}  // namespace

TForm3::TForm3(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Analyzer - výsledky kontroly"));

    auto* vertical = new QSplitter(Qt::Vertical, this);
    vertical->setObjectName(QStringLiteral("Splitter1"));

    Panel1 = new QWidget(vertical);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    StringGrid1 = new QTableWidget(0, 4, Panel1);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Slovo"), QStringLiteral("Index 1.písmene (X)"),
                                            QStringLiteral("Index 1.písmene (Y)"), QStringLiteral("Směr textu")});
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setDefaultSectionSize(150);
    StringGrid1->horizontalHeader()->setSectionsMovable(true);
    StringGrid1->horizontalHeader()->setStretchLastSection(false);
    StringGrid1->verticalHeader()->setDefaultSectionSize(15);
    StringGrid1->verticalHeader()->setMinimumSectionSize(15);
    StringGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* panel1Layout = new QVBoxLayout(Panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    panel1Layout->addWidget(StringGrid1);
    vertical->addWidget(Panel1);

    Panel2 = new QSplitter(Qt::Horizontal, vertical);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    ListBox1 = captionedList(Panel2, "ListBox1", QStringLiteral("Slova, která nebyla nalezena"));
    ListBox2 = captionedList(Panel2, "ListBox2", QStringLiteral("Slova, která jsou tam víckrát"));
    ListBox3 = captionedList(Panel2, "ListBox3", QStringLiteral("Slova, která jsou tam navíc (vyhledávání odpředu)"));
    ListBox4 = captionedList(Panel2, "ListBox4", QStringLiteral("Slova, která jsou tam navíc (vyhledávání odzadu)"));
    ListBox5 = captionedList(Panel2, "ListBox5", QStringLiteral("Slova, která jsou tam navíc (vyhledávání náhodně)"));
    vertical->addWidget(Panel2);
    vertical->setSizes({357, 300});

    Panel9 = new QWidget(this);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setFixedHeight(67);
    Memo1 = new QPlainTextEdit(Panel9);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setToolTip(QStringLiteral("Další informace"));
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* panel9Layout = new QVBoxLayout(Panel9);
    panel9Layout->setContentsMargins(0, 0, 0, 0);
    panel9Layout->addWidget(Memo1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(vertical, 1);
    layout->addWidget(Panel9);
    resize(900, 600);
}

void TForm3::fillResults(const AnalysisResult& result, const std::string& solutionPhrase) {
    // With nothing found the grid still shows one empty row under its headers.
    StringGrid1->clearContents();
    StringGrid1->setRowCount(std::max<int>(static_cast<int>(result.found.size()), 1));
    int row = 0;
    for (const Occurrence& found : result.found) {
        const QString cells[] = {toQString(found.word), QString::number(found.column), QString::number(found.row),
                                 toQString(directionStep(found.direction).name)};
        for (int column = 0; column < 4; ++column)
            StringGrid1->setItem(row, column, new QTableWidgetItem(cells[column]));
        ++row;
    }

    fillList(ListBox1, result.notFound);
    fillList(ListBox2, result.duplicates);
    fillList(ListBox3, result.forwardExtras);
    fillList(ListBox4, result.backwardExtras);
    fillList(ListBox5, result.randomExtras);

    QStringList lines;
    for (const std::string& line : memoLines(solutionPhrase, result)) lines << toQString(line);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
}

}  // namespace analyzer
