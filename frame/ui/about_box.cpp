#include "frame/ui/about_box.h"

#include "document/ui/icons.h"
#include "platform/ui/desktop.h"
#include "platform/ui/placement.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

TAboutBox* AboutBox = nullptr;

const QString TAboutBox::webAddress = QStringLiteral("https://www.example.org/mindgrid/");
const QString TAboutBox::mailAddress = QStringLiteral("mindgrid@example.org");

namespace {
QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// A label that shows an address as a link and reports clicks on it.
QLabel* link(QWidget* parent, const char* name, const QString& text) {
    QLabel* l = label(parent, name, QStringLiteral("<a href=\"#\">%1</a>").arg(text.toHtmlEscaped()));
    l->setTextFormat(Qt::RichText);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}
}  // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programu"));

    ProgramIcon = label(this, "ProgramIcon", {});
    ProgramIcon->setPixmap(programIcon().pixmap(32, 32));
    ProductName = label(this, "ProductName", QStringLiteral("Mindgrid!"));
    QFont big = ProductName->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    ProductName->setFont(big);
    Version = label(this, "Version", QStringLiteral("Verze 2.1"));
    Comments = label(this, "Comments", QStringLiteral("Databáze křížovkářských slov"));
    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    weblabel = link(this, "weblabel", webAddress);
    maillabel = link(this, "maillabel", mailAddress);
    connect(weblabel, &QLabel::linkActivated, this, &TAboutBox::weblabelClick);
    connect(maillabel, &QLabel::linkActivated, this, &TAboutBox::maillabelClick);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* head = new QHBoxLayout;
    head->addWidget(ProgramIcon, 0, Qt::AlignTop);
    auto* names = new QVBoxLayout;
    names->addWidget(ProductName);
    names->addWidget(Version);
    head->addLayout(names, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(OKButton);
    bottom->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addSpacing(8);
    layout->addWidget(Comments);
    layout->addWidget(line);
    layout->addWidget(weblabel);
    layout->addWidget(maillabel);
    layout->addSpacing(8);
    layout->addLayout(bottom);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));
}

void TAboutBox::weblabelClick() {
    if (!desktop::openWithDesktop(QUrl(webAddress)))
        desktop::warning(this, QStringLiteral("Chyba při spouštění prohlížeče."));
}

void TAboutBox::maillabelClick() {
    if (!desktop::openWithDesktop(QUrl(QStringLiteral("mailto:") + mailAddress)))
        desktop::warning(this, QStringLiteral("Chyba při spouštění poštovního klienta."));
}

void TAboutBox::showEvent(QShowEvent* event) {
    centreWindow(this, nullptr);
    QDialog::showEvent(event);
}
