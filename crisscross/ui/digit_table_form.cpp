#include "crisscross/ui/digit_table_form.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

Tkrspiscisform* krspiscisform = nullptr;

namespace {

constexpr int cellSide = 18;

// The table, which hands over what a cell being edited shows.
class DigitGrid : public QTableWidget {
public:
    using QTableWidget::QTableWidget;
    void commitEditing() {
        if (QWidget* editor = indexWidget(currentIndex())) commitData(editor);
    }
    // Every column as wide as its entry needs, and never narrower than a
    // digit's cell: a "ch" cut to nothing would look like a free digit.
    void fitColumns() {
        int width = 0;
        for (int column = 0; column < columnCount(); ++column) {
            setColumnWidth(column, std::max(cellSide, sizeHintForColumn(column)));
            width += columnWidth(column);
        }
        const int frame = 2 * frameWidth();
        setFixedSize(width + frame, 2 * cellSide + frame);
    }
};

}  // namespace

Tkrspiscisform::Tkrspiscisform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("krspiscisform"));
    setWindowTitle(QStringLiteral("Kris-kros"));

    StringGrid1 = new DigitGrid(2, digitCount, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setMinimumSectionSize(cellSide);
    StringGrid1->verticalHeader()->setMinimumSectionSize(cellSide);
    StringGrid1->horizontalHeader()->setDefaultSectionSize(cellSide);
    StringGrid1->verticalHeader()->setDefaultSectionSize(cellSide);
    StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    const QColor fixedColour = palette().color(QPalette::Button);
    for (int digit = 0; digit < digitCount; ++digit) {
        // Row 0 is fixed: the digits, which the user cannot change.
        auto* header = new QTableWidgetItem(QString::number(digit));
        header->setFlags(Qt::ItemIsEnabled);
        header->setTextAlignment(Qt::AlignCenter);
        header->setBackground(fixedColour);
        StringGrid1->setItem(0, digit, header);
        auto* letter = new QTableWidgetItem(QString(QChar(u'A' + digit)));
        letter->setTextAlignment(Qt::AlignCenter);
        StringGrid1->setItem(1, digit, letter);
    }
    auto* grid = static_cast<DigitGrid*>(StringGrid1);
    grid->fitColumns();
    StringGrid1->setCurrentCell(1, 0);
    // An entry given or typed widens its column as far as it needs.
    connect(StringGrid1, &QTableWidget::itemChanged, this, [grid] { grid->fitColumns(); });

    btnok = new QPushButton(QStringLiteral("OK"), this);
    btnok->setObjectName(QStringLiteral("btnok"));
    btnok->setDefault(true);
    connect(btnok, &QPushButton::clicked, this, [this] {
        // A letter still being typed counts as typed.
        static_cast<DigitGrid*>(StringGrid1)->commitEditing();
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(StringGrid1, 0, Qt::AlignHCenter);
    layout->addWidget(btnok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Tkrspiscisform::setLetters(const QStringList& letters) {
    for (int digit = 0; digit < digitCount; ++digit)
        StringGrid1->item(1, digit)->setText(digit < letters.size() ? letters[digit] : QString());
}

QStringList Tkrspiscisform::letters() const {
    QStringList letters;
    for (int digit = 0; digit < digitCount; ++digit) letters << StringGrid1->item(1, digit)->text();
    return letters;
}
