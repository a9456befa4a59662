#include "document/ui/designer_form.h"

#include "document/ui/grid_progress.h"
#include "platform/ui/cell_grid_widget.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "platform/ui/dialog_buttons.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QScrollArea>
#include <QShowEvent>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

Tnavrharform* navrharform = nullptr;

namespace {

// The tools' pictures: a cell, a cell made visible or hidden, a secret-phrase
// cell, a clue cell, and a digit being wiped out.
enum class Picture { showHide, secretPhrase, clue, clearDigits };

QIcon toolPicture(Picture picture) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const auto cell = [&](int x, int y, const QColor& fill) {
        painter.fillRect(x, y, 6, 6, Qt::black);
        painter.fillRect(x + 1, y + 1, 4, 4, fill);
    };
    switch (picture) {
    case Picture::showHide:
        cell(1, 1, Qt::white);
        cell(8, 1, Qt::white);
        cell(1, 8, Qt::white);
        painter.setPen(QPen(Qt::gray, 1, Qt::DotLine));
        painter.drawRect(8, 8, 5, 5);
        break;
    case Picture::secretPhrase:
        painter.fillRect(2, 2, 12, 12, Qt::black);
        painter.fillRect(3, 3, 10, 10, Qt::red);
        break;
    case Picture::clue:
        painter.fillRect(2, 2, 12, 12, Qt::black);
        break;
    case Picture::clearDigits:
        painter.fillRect(2, 2, 12, 12, Qt::black);
        painter.fillRect(3, 3, 10, 10, Qt::red);
        painter.setPen(Qt::white);
        painter.drawText(QRect(2, 2, 12, 12), Qt::AlignCenter, QStringLiteral("1"));
        painter.setPen(QPen(Qt::black, 2));
        painter.drawLine(1, 14, 14, 1);
        break;
    }
    return QIcon(pixmap);
}

QAction* toolAction(QObject* parent, const char* name, const QString& hint, Picture picture) {
    auto* action = new QAction(toolPicture(picture), hint.section(QLatin1Char('|'), 0, 0), parent);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(hint.section(QLatin1Char('|'), 0, 0));
    action->setStatusTip(hint.section(QLatin1Char('|'), 1));
    return action;
}

}  // namespace

Tnavrharform::Tnavrharform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("navrharform"));
    setWindowTitle(QStringLiteral("Návrhář"));

    acSmazat_Zobrazit = toolAction(this, "acSmazat_Zobrazit",
                                   QStringLiteral("Zviditelnit/Zneviditelnit políčka|Zviditelní nebo zneviditelní "
                                                  "políčko na které kliknete myší"),
                                   Picture::showHide);
    acTajenka = toolAction(this, "acTajenka", QStringLiteral("Tajenka|Označí políčko, kde bude tajenka"),
                           Picture::secretPhrase);
    acLegenda = toolAction(this, "acLegenda", QStringLiteral("Legenda|Označí políčko, kde bude legenda"), Picture::clue);
    acSmazatTajenku =
        toolAction(this, "acSmazatTajenku", QStringLiteral("Smazat čísla|Smaže čísla z tajenky"), Picture::clearDigits);
    auto* tools = new QActionGroup(this);
    for (QAction* action : {acSmazat_Zobrazit, acTajenka, acLegenda}) {
        action->setCheckable(true);
        tools->addAction(action);
    }
    acSmazat_Zobrazit->setChecked(true);
    connect(acSmazat_Zobrazit, &QAction::triggered, this, [this] { designer_.setMode(ShapeDesigner::showHideMode); });
    connect(acTajenka, &QAction::triggered, this, [this] { designer_.setMode(ShapeDesigner::secretPhraseMode); });
    connect(acLegenda, &QAction::triggered, this, [this] { designer_.setMode(ShapeDesigner::clueMode); });
    connect(acSmazatTajenku, &QAction::triggered, this, &Tnavrharform::acSmazatTajenkuExecute);

    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->addActions({acSmazat_Zobrazit, acTajenka, acLegenda});

    cellGrid = new CellGridWidget;
    cellGrid->setObjectName(QStringLiteral("cellGrid"));
    cellGrid->setCells(&designer_.grid());
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(true);
    ScrollBox1->setWidget(cellGrid);
    connect(cellGrid, &CellGridWidget::cellPressed, this, &Tnavrharform::cellMouseDown);
    connect(cellGrid, &CellGridWidget::cellMouseMove, this, &Tnavrharform::cellMouseMove);
    connect(cellGrid, &CellGridWidget::backgroundMouseMove, this, [this] { designer_.leaveCells(); });

    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    SpeedButton1 = new QToolButton(Panel4);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setDefaultAction(acSmazatTajenku);
    Label1 = new QLabel(QStringLiteral("Zbývá určit: "), Panel4);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* panelLayout = new QVBoxLayout(Panel4);
    panelLayout->setContentsMargins(4, 0, 0, 0);
    panelLayout->addWidget(SpeedButton1);
    panelLayout->addWidget(Label1, 1);
    Panel4->setFixedWidth(120);
    Panel4->hide();

    const DialogButtons buttons = makeDialogButtons(this, QStringLiteral("&OK"), QStringLiteral("&Storno"));
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;

    auto* middle = new QHBoxLayout;
    middle->addWidget(ScrollBox1, 1);
    middle->addWidget(Panel4);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(ToolBar1);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons.row);
    resize(480, 420);
}

CellGrid::ResizeResult Tnavrharform::resizeGrid(int cols, int rows, int cellSize) {
    GridProgress progress(this);
    return designer_.resizeGrid(cols, rows, cellSize, &progress);
}

QString Tnavrharform::allDigitsPlaced() { return QStringLiteral("Již jsou určeny všechny cifry."); }

void Tnavrharform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    designer_.begin();
    acSmazat_Zobrazit->setChecked(true);
    const ShapeDesigner::Tools& tools = designer_.tools;
    acSmazat_Zobrazit->setEnabled(tools.showHide);
    acTajenka->setEnabled(tools.secretPhrase);
    acLegenda->setEnabled(tools.clue);
    Panel4->setVisible(tools.digits);
    showRemainingDigits();
}

void Tnavrharform::done(int result) {
    designer_.finish(result == QDialog::Accepted);
    QDialog::done(result);
}

void Tnavrharform::showRemainingDigits() {
    Label1->setText(QStringLiteral("Zbývá určit: ") + toQString(designer_.remainingDigits()));
}

void Tnavrharform::cellMouseDown(int col, int row, Qt::MouseButton button) {
    switch (designer_.press(col, row, button == Qt::RightButton)) {
    case ShapeDesigner::Press::digitPlaced:
        showRemainingDigits();
        break;
    case ShapeDesigner::Press::noDigitsLeft:
        desktop::warning(this, allDigitsPlaced());
        break;
    default:
        break;
    }
}

void Tnavrharform::cellMouseMove(int col, int row) { designer_.hover(col, row); }

void Tnavrharform::acSmazatTajenkuExecute() {
    designer_.clearDigits();
    showRemainingDigits();
}
