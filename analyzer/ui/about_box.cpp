#include "analyzer/ui/about_box.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace analyzer {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("O programu..."));

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    ProductName = new QLabel(QStringLiteral("Analyzer 2.0"), panel);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont big = ProductName->font();
    big.setBold(true);
    big.setItalic(true);
    big.setPixelSize(16);
    ProductName->setFont(big);
    Comments = new QLabel(QStringLiteral("pro Mindgrid!"), panel);
    Comments->setObjectName(QStringLiteral("Comments"));
    QFont small = Comments->font();
    small.setBold(true);
    small.setItalic(true);
    Comments->setFont(small);
    auto* names = new QVBoxLayout(panel);
    names->addWidget(ProductName, 0, Qt::AlignHCenter);
    names->addWidget(Comments, 0, Qt::AlignHCenter);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(OKButton);
    bottom->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(bottom);
    setFixedSize(sizeHint().expandedTo(QSize(240, 0)));
}

void TAboutBox::showEvent(QShowEvent* event) {
    // Centred on the main window.
    if (QWidget* owner = parentWidget()) move(owner->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

}  // namespace analyzer
