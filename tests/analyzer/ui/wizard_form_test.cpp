#include "analyzer_fixture.h"

#include "analyzer/ui/puzzle_view.h"
#include "analyzer/ui/wizard_form.h"
#include "support/ui/modal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>

using namespace analyzer;

namespace {

void typeLine(QLineEdit* edit, const QString& text) {
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

}  // namespace

// Size 3 × 2, one word, six cells; "Dokončit" shows the typed puzzle and checks it.
TEST_F(AnalyzerWindowTest, WizardWalkAndFinish) {
    start();
    bool walked = false;
    whenDialog<Twizardform>([&](Twizardform* wizard) {
        auto* notebook = wizard->findChild<QStackedWidget*>("Notebook1");
        auto* next = wizard->findChild<QPushButton*>("btndalsi");
        auto* prior = wizard->findChild<QPushButton*>("btnzpet");
        auto* finish = wizard->findChild<QPushButton*>("btndokoncit");
        auto* letters = wizard->findChild<QLineEdit*>("Edit1");
        auto* column = wizard->findChild<QLabel*>("Label7");
        auto* row = wizard->findChild<QLabel*>("Label8");
        EXPECT_EQ(notebook->currentWidget()->objectName(), QStringLiteral("Prvni"));
        EXPECT_FALSE(prior->isEnabled());

        wizard->findChild<QSpinBox*>("SpinEdit1")->setValue(3);
        wizard->findChild<QSpinBox*>("SpinEdit2")->setValue(2);
        next->click();
        EXPECT_EQ(notebook->currentWidget()->objectName(), QStringLiteral("Druha"));
        auto* words = wizard->findChild<QLineEdit*>("Edit2");
        typeLine(words, QStringLiteral("PES"));  // forced to lower case
        typeLine(words, QStringLiteral("   "));  // a blank word is not added
        typeLine(words, QStringLiteral("kos"));
        auto* list = wizard->findChild<QListWidget*>("ListBox1");
        EXPECT_EQ(listTexts(list), (QStringList{"kos", "pes"}));
        list->setCurrentRow(0);
        emit list->itemDoubleClicked(list->item(0));
        EXPECT_EQ(listTexts(list), QStringList{"pes"});

        next->click();
        EXPECT_EQ(notebook->currentWidget()->objectName(), QStringLiteral("Treti"));
        EXPECT_FALSE(next->isEnabled());
        const QStringList typed = {"p", "e", "s", "", "ch", "x"};
        const QStringList shown = {"2/1", "3/1", "1/2", "2/2", "3/2", "3/2"};
        for (int i = 0; i < typed.size(); ++i) {
            EXPECT_TRUE(letters->isEnabled()) << i;
            EXPECT_FALSE(finish->isEnabled()) << i;
            typeLine(letters, typed[i]);
            EXPECT_EQ(column->text() + "/" + row->text(), shown[i]) << i;
        }
        EXPECT_FALSE(letters->isEnabled());
        EXPECT_TRUE(finish->isEnabled());

        // Back and forth with the same size keeps the letters.
        prior->click();
        prior->click();
        next->click();
        next->click();
        EXPECT_TRUE(finish->isEnabled());
        walked = true;
        finish->click();
    });
    form->acWizard->trigger();  // returns when the wizard has closed
    ASSERT_TRUE(walked);
    ASSERT_TRUE(checkEnded());

    EXPECT_EQ(form->windowTitle(), QStringLiteral("Analyzer - zadaná osmisměrka"));
    EXPECT_EQ(listTexts(form->ListBox1), QStringList{"pes"});
    EXPECT_EQ(form->view->cellText(1, 2), QStringLiteral("@"));
    EXPECT_EQ(form->view->cellText(2, 2), QStringLiteral("CH"));
    EXPECT_EQ(form->view->cellColour(1, 2), QColor(Qt::black));
    ASSERT_TRUE(form->lastResult().has_value());
    EXPECT_EQ(form->lastResult()->remainingLetters, "CHX");
    // A typed puzzle has no phrase: every word once and letters left light the bottom lamp.
    EXPECT_EQ(shownLamps(), kBottomLamp);
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('|')).toStdString();
}

// "Storno" hands nothing over.
TEST_F(AnalyzerWindowTest, WizardCancelLeavesThePuzzle) {
    start();
    whenModal([](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QPushButton*>("Button3")->click();
    });
    form->acWizard->trigger();
    EXPECT_FALSE(form->Form2->busy());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Analyzer"));
    EXPECT_FALSE(form->acAnalyzovat->isEnabled());
}
