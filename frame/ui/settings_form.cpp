#include "frame/ui/settings_form.h"

#include "document/core/document_kinds.h"
#include "document/ui/icons.h"
#include "frame/core/config.h"
#include "frame/ui/config_messages.h"
#include "frame/ui/main_form.h"
#include "platform/ui/dialog_buttons.h"
#include "platform/ui/placement.h"
#include "platform/ui/radio_group.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

Tnastaveniform* nastaveniform = nullptr;

namespace {
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

QWidget* page(QTabWidget* pages, const char* name, const QString& caption) {
    auto* widget = new QWidget;
    widget->setObjectName(QLatin1String(name));
    pages->addTab(widget, caption);
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}
}  // namespace

Tnastaveniform::Tnastaveniform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("nastaveniform"));
    setWindowTitle(QStringLiteral("Nastavení"));

    PageControl = new QTabWidget(this);
    PageControl->setObjectName(QStringLiteral("PageControl"));
    PageControl->setUsesScrollButtons(false);

    // "Mindgrid!": the frame.
    pagegeneral = page(PageControl, "pagegeneral", QStringLiteral("Mindgrid!"));
    GroupBox2 = new QGroupBox(QStringLiteral("Zobrazit panel"), pagegeneral);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    CheckBox11 = checkBox(GroupBox2, "CheckBox11", QStringLiteral("&Standardní"));
    CheckBox12 = checkBox(GroupBox2, "CheckBox12", QStringLiteral("&Úpravy"));
    auto* panels = new QVBoxLayout(GroupBox2);
    panels->addWidget(CheckBox11);
    panels->addWidget(CheckBox12);
    CheckBox10 = checkBox(pagegeneral, "CheckBox10", QStringLiteral("Okna spouštět maximalizovaná"));
    RadioGroup1 = new RadioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Při spuštění zobrazit nové okno"),
                                 {QStringLiteral("Žá&dné"), QStringLiteral("&Osmisměrky"),
                                  QStringLiteral("&Klasické křížovky"), QStringLiteral("K&ris-krosu"),
                                  QStringLiteral("Š&védské křížovky")},
                                 1, pagegeneral);
    GroupBox1 = new QGroupBox(QStringLiteral("Velikost polí"), pagegeneral);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    SpinEdit1 = new QSpinBox(GroupBox1);
    SpinEdit1->setObjectName(QStringLiteral("SpinEdit1"));
    SpinEdit1->setRange(minCellSize, maxCellSize);
    auto* cells = new QHBoxLayout(GroupBox1);
    cells->addWidget(SpinEdit1);
    cells->addStretch();
    auto* general = new QGridLayout(pagegeneral);
    general->addWidget(GroupBox2, 0, 0);
    general->addWidget(GroupBox1, 1, 0);
    general->addWidget(CheckBox10, 2, 0, 1, 2);
    general->addWidget(RadioGroup1, 0, 1, 2, 1);
    general->setRowStretch(3, 1);

    // "Osmisměrky": word searches.
    pageosm = page(PageControl, "pageosm", QStringLiteral("Osmisměrky"));
    CheckBox13 = checkBox(pageosm, "CheckBox13", QStringLiteral("&Ch jako jedno písmeno"));
    Button1 = button(pageosm, "Button1", QStringLiteral("Slovníky..."));
    CheckBox8 = checkBox(pageosm, "CheckBox8", QStringLiteral("&Upřednostňovat vkládání celých slov do prázdných polí"));
    CheckBox9 = checkBox(pageosm, "CheckBox9", QStringLiteral("&Automaticky spustit Analyzer"));
    RadioGroup2 = new RadioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Při neúspěchu"),
                                 {QStringLiteral("&Začít znovu"), QStringLiteral("&Pozastavit"),
                                  QStringLiteral("&Skončit")},
                                 2, pageosm);
    auto* osm = new QVBoxLayout(pageosm);
    auto* osmTop = new QHBoxLayout;
    osmTop->addWidget(CheckBox13);
    osmTop->addStretch();
    osmTop->addWidget(Button1);
    osm->addLayout(osmTop);
    osm->addWidget(CheckBox8);
    osm->addWidget(CheckBox9);
    osm->addWidget(RadioGroup2);
    osm->addStretch();

    // "Křížovky": crosswords.
    pagekri = page(PageControl, "pagekri", QStringLiteral("Křížovky"));
    CheckBox1 = checkBox(pagekri, "CheckBox1", QStringLiteral("&Pamatovat si legendu (jen u klasických křížovek)"));
    CheckBox3 = checkBox(pagekri, "CheckBox3", QStringLiteral("&Automaticky přidávat slova do uživatelského slovníku"));
    CheckBox4 = checkBox(pagekri, "CheckBox4", QStringLiteral("&Ch jako jedno písmeno"));
    Button2 = button(pagekri, "Button2", QStringLiteral("Slovníky..."));
    RadioGroup3 = new RadioGroup(QStringLiteral("RadioGroup3"), QStringLiteral("Používat slovník"),
                                 {QStringLiteral("&Všechny"), QStringLiteral("Jen &křížovkářský"),
                                  QStringLiteral("Jen &uživatelský")},
                                 2, pagekri);
    auto* kri = new QVBoxLayout(pagekri);
    kri->addWidget(CheckBox1);
    kri->addWidget(CheckBox3);
    auto* kriMiddle = new QHBoxLayout;
    kriMiddle->addWidget(CheckBox4);
    kriMiddle->addStretch();
    kriMiddle->addWidget(Button2);
    kri->addLayout(kriMiddle);
    kri->addWidget(RadioGroup3);
    kri->addStretch();

    // "Kris-krosy": criss-cross puzzles.
    pagekrs = page(PageControl, "pagekrs", QStringLiteral("Kris-krosy"));
    CheckBox5 = checkBox(pagekrs, "CheckBox5", QStringLiteral("&Dovolit jednomístná čísla"));
    CheckBox6 = checkBox(pagekrs, "CheckBox6", QStringLiteral("&Ch jako jedno písmeno"));
    CheckBox7 = checkBox(pagekrs, "CheckBox7", QStringLiteral("&Při úpravě tvaru zadávat neviditelná pole"));
    CheckBox7->setVisible(false);  // kept in the file, offered nowhere
    CheckBox7->setEnabled(false);
    auto* krs = new QVBoxLayout(pagekrs);
    krs->addWidget(CheckBox5);
    krs->addWidget(CheckBox6);
    krs->addWidget(CheckBox7);
    krs->addStretch();
    PageControl->setCurrentIndex(0);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // OK applies the controls to the live settings, then closes the dialog.
    const DialogButtons buttons =
        makeDialogButtons(this, QStringLiteral("OK"), QStringLiteral("Storno"), ButtonIcons::standard, Panel1,
                          [this] { BitBtn1Click(); });
    BitBtn1 = buttons.ok;
    BitBtn2 = buttons.cancel;
    BitBtn4 = button(Panel1, "BitBtn4", QStringLiteral("Uložit"));
    BitBtn4->setIcon(toolImage(8));
    BitBtn4->setAutoDefault(false);
    buttons.row->setContentsMargins(0, 0, 0, 0);
    buttons.row->addWidget(BitBtn4);
    Panel1->setLayout(buttons.row);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl, 1);
    layout->addWidget(Panel1);

    connect(BitBtn4, &QPushButton::clicked, this, &Tnastaveniform::BitBtn4Click);
    connect(Button1, &QPushButton::clicked, this, &Tnastaveniform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tnastaveniform::Button2Click);

    using namespace configByte;
    bindings_ = {
        {showStandardToolBar, CheckBox11},
        {showEditToolBar, CheckBox12},
        {maximiseWindows, CheckBox10},
        {startWindow, nullptr, RadioGroup1},
        {cellSize, nullptr, nullptr, SpinEdit1},
        {rememberClues, CheckBox1},
        {addWordsToUserStore, CheckBox3},
        {crosswordChAsOneLetter, CheckBox4},
        {crosswordWordSource, nullptr, RadioGroup3},
        {allowOneDigitNumbers, CheckBox5},
        {crissCrossChAsOneLetter, CheckBox6},
        {hiddenCellsInShapeEditing, CheckBox7},
        {wordSearchChAsOneLetter, CheckBox13},
        {preferWholeWords, CheckBox8},
        {startAnalyzer, CheckBox9},
        {failureReaction, nullptr, RadioGroup2},
    };
    for (std::size_t i = 0; i < bindings_.size(); ++i) Q_ASSERT(bindings_[i].index == i);  // in record order
}

std::uint8_t Tnastaveniform::controlValue(std::size_t index) const {
    const Binding& b = bindings_.at(index);
    if (b.check) return b.check->isChecked() ? 1 : 0;
    if (b.radio) return static_cast<std::uint8_t>(b.radio->itemIndex());
    return static_cast<std::uint8_t>(b.spin->value() & 0xFF);
}

void Tnastaveniform::setControlValue(std::size_t index, std::uint8_t value) {
    const Binding& b = bindings_.at(index);
    if (b.check) b.check->setChecked(value != 0);
    else if (b.radio) b.radio->setItemIndex(value);
    else b.spin->setValue(value);  // the box keeps to 20 .. 40
}

void Tnastaveniform::FormShow() {
    for (std::size_t i = 0; i < configRecordSize; ++i) setControlValue(i, liveSetting(i));
}

void Tnastaveniform::BitBtn1Click() {
    for (std::size_t i = 0; i < configRecordSize; ++i) setLiveSetting(i, controlValue(i));
    liveBlocksToRecord();
}

void Tnastaveniform::BitBtn4Click() {
    for (std::size_t i = 0; i < configRecordSize; ++i) configRecord[i] = controlValue(i);
    saveConfigOrWarn(this);
}

void Tnastaveniform::Button1Click() {
    if (chooseDictionaries) chooseDictionaries(1);
}

void Tnastaveniform::Button2Click() {
    if (chooseDictionaries) chooseDictionaries(2);
}

void Tnastaveniform::showEvent(QShowEvent* event) {
    centreWindow(this, MindgridMainForm);
    FormShow();
    QDialog::showEvent(event);
}
