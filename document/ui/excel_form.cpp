#include "document/ui/excel_form.h"

#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/export_target.h"
#include "platform/ui/file_messages.h"

#include <QDir>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <exception>

namespace {

QColor qtColour(Color colour) { return QColor(colors::redOf(colour), colors::greenOf(colour), colors::blueOf(colour)); }

constexpr int columnWidth = 64;
constexpr int rowHeight = 17;
constexpr int headerWidth = 32;

}  // namespace

TF1Book::TF1Book(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("xls"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

// The current sheet as a spreadsheet shows it: column names above, row
// numbers on the left, then the cells with their fills, texts and borders.
void TF1Book::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int columns = width() / columnWidth + 1;
    const int rows = height() / rowHeight + 1;
    const auto cellBox = [](int row, int column) {
        return QRect(headerWidth + (column - 1) * columnWidth, rowHeight * row, columnWidth, rowHeight);
    };

    painter.fillRect(QRect(0, 0, width(), rowHeight), palette().button());
    painter.fillRect(QRect(0, 0, headerWidth, height()), palette().button());
    painter.setPen(palette().color(QPalette::Mid));
    for (int column = 1; column <= columns; ++column) {
        const QRect box = cellBox(0, column);
        painter.drawText(box, Qt::AlignCenter, QString::fromStdString(columnName(column)));
        painter.drawLine(box.topRight(), QPoint(box.right(), height()));
    }
    for (int row = 1; row <= rows; ++row) {
        painter.drawText(QRect(0, rowHeight * row, headerWidth, rowHeight), Qt::AlignCenter, QString::number(row));
        painter.drawLine(0, rowHeight * (row + 1) - 1, width(), rowHeight * (row + 1) - 1);
    }

    for (const auto& [place, cell] : book_.cells(book_.currentSheet())) {
        const auto [row, column] = place;
        if (row > rows || column > columns) continue;
        const QRect box = cellBox(row, column).adjusted(0, 0, -1, -1);
        const CellFormat& format = cell.format;
        if (format.pattern != patterns::none) painter.fillRect(box, qtColour(format.foreground));
        if (!cell.text.empty()) {
            QFont font = painter.font();
            font.setBold(format.font.bold);
            painter.setFont(font);
            painter.setPen(qtColour(format.font.color));
            painter.drawText(box.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, toQString(cell.text));
        }
        const auto side = [&](const CellSide& line, QPoint from, QPoint to) {
            if (line.style == borders::none) return;
            painter.setPen(QPen(qtColour(line.color), line.style == borders::thick ? 2 : 1));
            painter.drawLine(from, to);
        };
        side(format.left, box.topLeft(), box.bottomLeft());
        side(format.right, box.topRight(), box.bottomRight());
        side(format.top, box.topLeft(), box.topRight());
        side(format.bottom, box.bottomLeft(), box.bottomRight());
    }
}

Texcelform::Texcelform(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("excelform"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Export do Microsoft Excel"));
    resize(544, 375);
    xls = new TF1Book(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(xls);
}

void Texcelform::clearSheets() {
    Workbook& book = workbook();
    for (int sheet = 1; sheet <= 2; ++sheet) {
        book.setCurrentSheet(sheet);
        if (book.lastRow() > 0 && book.lastColumn() > 0) book.clearRange(1, -1, book.lastRow(), -1);
    }
    xls->update();
}

bool Texcelform::saveWorkbook(const QString& path) {
    xls->update();
    return writeWorkbook(workbook(), localPath(path));
}

QString Texcelform::writeFailure(const QString& path) {
    return QStringLiteral("Sešit nelze zapsat do souboru %1.").arg(QDir::toNativeSeparators(path));
}

WorkbookExport exportWorkbook(QWidget* parent, const QString& chosenPath, const std::function<void(Workbook&)>& fill) {
    const std::filesystem::path target = withWorkbookExtension(localPath(chosenPath));
    if (!exporttarget::mayWrite(parent, chosenPath, target)) return WorkbookExport::declined;

    auto* host = new Texcelform(parent);
    host->show();
    bool written = false;
    try {
        host->clearSheets();
        fill(host->workbook());
        written = host->saveWorkbook(displayPath(target));
    } catch (const std::exception&) {
        written = false;  // reported below like any other failure to write
    }
    host->close();
    if (written) return WorkbookExport::written;
    desktop::warning(parent, Texcelform::writeFailure(displayPath(target)));
    return WorkbookExport::failed;
}
