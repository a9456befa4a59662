#include "platform/ui/qt_translation.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

QString buttonText(const QDialogButtonBox& box, QDialogButtonBox::StandardButton which) {
    const QPushButton* button = box.button(which);
    return button ? button->text() : QString();
}

}  // namespace

// Qt's own buttons and file chooser read in Czech once the catalogue is loaded.
// The catalogue comes with the system's Qt translations (Debian:
// qt6-translations-l10n); without it the test fails.
TEST(QtTranslation, QtsOwnTextsReadInCzech) {
    QTranslator* catalogue = loadQtCzechTranslation();
    ASSERT_NE(catalogue, nullptr) << "qtbase_cs.qm missing: install qt6-translations-l10n";
    // The catalogue goes again with this test.
    const std::unique_ptr<QTranslator, void (*)(QTranslator*)> loaded(catalogue, [](QTranslator* t) {
        QCoreApplication::removeTranslator(t);
        delete t;
    });

    struct Case {
        QDialogButtonBox::StandardButton button;
        std::string text;
    };
    const Case cases[] = {
        {QDialogButtonBox::Cancel, "Zrušit"},
        {QDialogButtonBox::Yes, "&Ano"},
        {QDialogButtonBox::No, "&Ne"},
        {QDialogButtonBox::Save, "Uložit"},
        {QDialogButtonBox::Open, "Otevřít"},
    };
    QDialogButtonBox box;
    for (const Case& c : cases) box.addButton(c.button);
    for (const Case& c : cases) EXPECT_EQ(buttonText(box, c.button).toStdString(), c.text) << c.text;

    QMessageBox question;
    question.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(question.button(QMessageBox::Cancel)->text().toStdString(), "Zrušit");

    // The file chooser Qt draws itself, as the programs use it.
    QFileDialog chooser;
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    const QLabel* lookIn = chooser.findChild<QLabel*>(QStringLiteral("lookInLabel"));
    ASSERT_NE(lookIn, nullptr);
    EXPECT_EQ(lookIn->text().toStdString(), "Hledat v:");
    const QLabel* fileName = chooser.findChild<QLabel*>(QStringLiteral("fileNameLabel"));
    ASSERT_NE(fileName, nullptr);
    EXPECT_EQ(fileName->text().toStdString(), "Název &souboru:");
}
