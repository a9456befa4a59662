#include "document/ui/picture_form.h"

#include "formstate/ui/color_combo.h"
#include "formstate/ui/form_storage.h"
#include "platform/core/textfile.h"
#include "platform/ui/desktop.h"
#include "platform/ui/export_target.h"
#include "platform/ui/file_messages.h"
#include "platform/ui/painter_canvas.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include <string_view>

Tpictureform* pictureform = nullptr;

namespace {

// The picture is drawn as on a screen of 96 pixels per inch, which turns the
// font's points into pixels.
constexpr int dotsPerMeter = 3780;

QSpinBox* spinBox(QWidget* parent, const char* name, int minimum, int maximum, int value) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    result->setBuddy(buddy);
    return result;
}

}  // namespace

Tpictureform::Tpictureform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("pictureform"));
    setWindowTitle(QStringLiteral("Export do obrázku"));
    const PictureOptions defaults;

    Button1 = new QPushButton(QStringLiteral("Překreslit"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("Uložit"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3 = new QPushButton(QStringLiteral("Zavřít okno"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    for (QPushButton* button : {Button1, Button2, Button3}) button->setAutoDefault(false);
    CheckBox2 = new QCheckBox(QStringLiteral("Zobrazit oddělovače"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox2->setChecked(defaults.showBars);
    CheckBox1 = new QCheckBox(QStringLiteral("Vyplnit pole"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(defaults.fillCells);
    SpinEdit1 = spinBox(this, "SpinEdit1", PictureOptions::minCellSize, PictureOptions::maxCellSize, defaults.cellSize);
    Label1 = label(this, "Label1", QStringLiteral("Velikost pole"), SpinEdit1);
    SpinEdit2 = spinBox(this, "SpinEdit2", PictureOptions::minFontSize, PictureOptions::maxFontSize, defaults.fontSize);
    Label2 = label(this, "Label2", QStringLiteral("Velikost písma"), SpinEdit2);
    SpinEdit3 = spinBox(this, "SpinEdit3", PictureOptions::minBarHalfWidth, PictureOptions::maxBarHalfWidth,
                        defaults.barHalfWidth);
    Label3 = label(this, "Label3", QStringLiteral("Tloušťka oddělovačů"), SpinEdit3);
    ColorComboBox1 = new TColorComboBox(this);
    ColorComboBox1->setObjectName(QStringLiteral("ColorComboBox1"));
    ColorComboBox1->setDisplayNames(false);
    ColorComboBox1->writeColorValue(static_cast<int>(defaults.secretColor));
    Label4 = label(this, "Label4", QStringLiteral("Barva tajenky"), ColorComboBox1);

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    connect(Button1, &QPushButton::clicked, this, &Tpictureform::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tpictureform::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto* checks = new QVBoxLayout;
    checks->addWidget(CheckBox2);
    checks->addWidget(CheckBox1);
    checks->addStretch();
    auto* fields = new QGridLayout;
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(SpinEdit1, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(SpinEdit2, 1, 1);
    fields->addWidget(Label3, 0, 2);
    fields->addWidget(SpinEdit3, 0, 3);
    fields->addWidget(Label4, 1, 2);
    fields->addWidget(ColorComboBox1, 1, 3);
    auto* panel = new QHBoxLayout;
    panel->addLayout(buttons);
    panel->addLayout(checks);
    panel->addLayout(fields);
    panel->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panel);
    layout->addWidget(ScrollBox1, 1);
    resize(560, 480);

    FormStorage1 = new TFormStorage(this);
    FormStorage1->setIniFileName(QStringLiteral("mindgrid.ini"));
    FormStorage1->setIniSection(QStringLiteral("Okno exportu do obr"));
    FormStorage1->setStoredProps({QStringLiteral("SpinEdit1.Value"), QStringLiteral("SpinEdit2.Value"),
                                  QStringLiteral("SpinEdit3.Value"), QStringLiteral("CheckBox1.Checked"),
                                  QStringLiteral("CheckBox2.Checked"), QStringLiteral("ColorComboBox1.ColorValue")});
}

Tpictureform::~Tpictureform() {
    // Shown and never closed: the options are kept now, while the controls are all there.
    FormStorage1->formDestroy();
}

PictureOptions Tpictureform::options() const {
    PictureOptions result;
    result.cellSize = SpinEdit1->value();
    result.fontSize = SpinEdit2->value();
    result.barHalfWidth = SpinEdit3->value();
    result.fillCells = CheckBox1->isChecked();
    result.showBars = CheckBox2->isChecked();
    result.secretColor = static_cast<Color>(ColorComboBox1->readColorValue());
    return result;
}

void Tpictureform::setOptions(const PictureOptions& given) {
    const PictureOptions options = given.clamped();
    SpinEdit1->setValue(options.cellSize);
    SpinEdit2->setValue(options.fontSize);
    SpinEdit3->setValue(options.barHalfWidth);
    CheckBox1->setChecked(options.fillCells);
    CheckBox2->setChecked(options.showBars);
    ColorComboBox1->writeColorValue(static_cast<int>(options.secretColor));
}

void Tpictureform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Button1Click();
}

void Tpictureform::Button1Click() {
    switch (style_) {
    case PictureStyle::none:
        break;
    case PictureStyle::plainGrid:
        drawGrid();
        break;
    case PictureStyle::crosswordGrid:
        drawCrosswordGrid();
        break;
    }
}

void Tpictureform::setCrosswordControlsEnabled(bool enabled) {
    CheckBox2->setEnabled(enabled);
    SpinEdit3->setEnabled(enabled);
    ColorComboBox1->setEnabled(enabled);
}

bool Tpictureform::newPicture() {
    const PictureSize size = pictureSize(*this, options());
    picture_ = QImage();
    if (size.width > 0 && size.height > 0) picture_ = QImage(size.width, size.height, QImage::Format_RGB32);
    if (picture_.isNull()) return false;
    picture_.setDotsPerMeterX(dotsPerMeter);
    picture_.setDotsPerMeterY(dotsPerMeter);
    picture_.fill(Qt::white);
    return true;
}

void Tpictureform::showPicture() {
    // The image control is made anew for every picture; the scroll box frees the old one.
    pictureImage = new QLabel;
    pictureImage->setObjectName(QStringLiteral("pictureImage"));
    pictureImage->setPixmap(QPixmap::fromImage(picture_));
    pictureImage->setFixedSize(picture_.size());
    ScrollBox1->setWidget(pictureImage);
}

void Tpictureform::drawGrid() {
    setCrosswordControlsEnabled(false);
    if (newPicture()) {
        QPainter painter(&picture_);
        PainterCanvas canvas(painter);
        ::drawGrid(canvas, *this, options());
    }
    showPicture();
}

void Tpictureform::drawCrosswordGrid() {
    setCrosswordControlsEnabled(true);
    if (newPicture()) {
        QPainter painter(&picture_);
        PainterCanvas canvas(painter);
        ::drawCrosswordGrid(canvas, *this, options());
    }
    showPicture();
}

QString Tpictureform::saveFailure(const QString& path) {
    return QStringLiteral("Obrázek nelze uložit do souboru %1.").arg(QDir::toNativeSeparators(path));
}

void Tpictureform::Button2Click() {
    const QString chosen = desktop::chooseSaveFile(this, QStringLiteral("Uložit jako"),
                                                   QStringLiteral("Bitmapy (*.bmp)|*.bmp"), lastFolder_, true);
    if (chosen.isEmpty()) return;
    lastFolder_ = QFileInfo(chosen).absolutePath();
    const std::filesystem::path target = withPictureExtension(localPath(chosen));
    if (!exporttarget::mayWrite(this, chosen, target)) return;

    // The whole file is made in memory first and then written through a
    // temporary file and a rename, so a failure leaves no partial picture.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    const bool encoded = !picture_.isNull() && buffer.open(QIODevice::WriteOnly) && picture_.save(&buffer, "BMP");
    if (!encoded || !writeFileAtomic(target, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        desktop::warning(this, saveFailure(displayPath(target)));
}
