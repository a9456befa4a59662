#include "crossword/ui/clue_tables.h"

#include "platform/ui/codec.h"
#include "platform/ui/typed_text.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <algorithm>

namespace {

// The clue column takes one line of text the code page can hold, of at most
// the length one cell of a workbook holds (typed or pasted).
class ClueDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setValidator(new TypedTextValidator({.codePageOnly = true}, line));
            line->setMaxLength(static_cast<int>(crossword::kMaxClueLength));
        }
        return editor;
    }
};

QTableWidgetItem* cellItem(const std::string& text, bool editable) {
    auto* item = new QTableWidgetItem(toQString(text));
    item->setFlags(editable ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                            : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

QTableWidget* makeClueTable(QWidget* parent, const char* name, const QString& heading) {
    auto* grid = new QTableWidget(1, 2, parent);
    grid->setItemDelegate(new ClueDelegate(grid));
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    grid->setObjectName(QLatin1String(name));
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, 150);
    grid->setColumnWidth(1, 150);
    grid->setHorizontalHeaderLabels({heading, QStringLiteral("Legenda")});
    QHeaderView* headings = grid->horizontalHeader();
    headings->setSectionsClickable(false);
    headings->setHighlightSections(false);
    headings->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = headings->font();
    bold.setBold(true);
    headings->setFont(bold);
    grid->setRowHidden(0, true);
    return grid;
}

void fillClueTable(QTableWidget* table, const std::vector<crossword::ClueRow>& rows) {
    table->setRowCount(static_cast<int>(std::max<std::size_t>(rows.size(), 1)) + 1);
    if (rows.empty()) {
        table->setItem(1, 0, cellItem({}, false));
        table->setItem(1, 1, cellItem({}, true));
        return;
    }
    for (std::size_t k = 0; k < rows.size(); ++k) {
        QTableWidgetItem* word = cellItem(rows[k].word, false);
        // Where the word stands goes with it, for the file and the next legend.
        word->setData(Qt::UserRole, rows[k].line);
        word->setData(Qt::UserRole + 1, rows[k].ordinal);
        table->setItem(static_cast<int>(k) + 1, 0, word);
        table->setItem(static_cast<int>(k) + 1, 1, cellItem(rows[k].clue, true));
    }
}

std::vector<crossword::ClueRow> clueTableRows(const QTableWidget* table) {
    std::vector<crossword::ClueRow> rows;
    for (int k = 1; k < table->rowCount(); ++k) {
        crossword::ClueRow row{clueTableText(table, k, 0), clueTableText(table, k, 1), 0, 0};
        if (const QTableWidgetItem* word = table->item(k, 0)) {
            row.line = word->data(Qt::UserRole).toInt();
            row.ordinal = word->data(Qt::UserRole + 1).toInt();
        }
        rows.push_back(std::move(row));
    }
    // The one empty row of a list without words is no row of the list.
    if (rows.size() == 1 && rows.front().word.empty()) rows.clear();
    return rows;
}

std::string clueTableText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? fromQString(item->text()).value_or(std::string()) : std::string();
}
