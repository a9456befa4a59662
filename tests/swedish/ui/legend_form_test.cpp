#include "tests/document/ui/document_checks.h"
#include "tests/swedish/ui/swedish_test_forms.h"
#include "tests/frame/ui/frame_fixture.h"

#include "platform/ui/codec.h"
#include "stores/core/word_stores.h"
#include "support/core/cp1250_text.h"
#include "support/ui/modal.h"
#include "swedish/ui/child_svekriz.h"
#include "swedish/ui/legend_form.h"
#include "swedish/ui/swedish_forms.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <cstdint>
#include <functional>
#include <limits>

namespace {

// The legend editor of clue cell (2, 2) of a Swedish window in the running frame.
class LegendEditorTest : public RunningSwedishTest {
protected:
    void SetUp() override {
        RunningSwedishTest::SetUp();
        window = newDocument();
        ASSERT_NE(window, nullptr);
        window->grid().setBrush(2, 2, colors::black);
    }

    swedish::LegendCell& record() { return window->legendCell[2][2]; }

    // Opens the editor, lets `act` work in it, and closes it with OK or "Storno".
    void edit(const std::function<void(Tsvelegform*)>& act, bool ok = true) {
        bool opened = false;
        whenDialog<Tsvelegform>([&](Tsvelegform* form) {
            opened = true;
            act(form);
            (ok ? form->BitBtn1 : form->BitBtn2)->click();
        });
        window->editLegend(2, 2);
        EXPECT_TRUE(opened);
    }

    static QStringList lines(const Tsvelegform* form) {
        QStringList texts;
        for (int i = 0; i < form->ComboBox1->count(); ++i) texts << form->ComboBox1->itemText(i);
        return texts;
    }
    static bool textEditing(const Tsvelegform* form) {
        const bool on = form->BitBtn7->isEnabled();
        EXPECT_EQ(form->Edit1->isEnabled(), on);
        EXPECT_EQ(form->SpinEdit1->isEnabled(), on);
        return on;
    }

    TMDIChildSveKriz* window = nullptr;
};

TEST_F(LegendEditorTest, LinesAreAppendedEditedAndMovedInTheCopyAndTakenOverOnOk) {
    edit([](Tsvelegform* form) {
        EXPECT_TRUE(lines(form).isEmpty());
        EXPECT_FALSE(textEditing(form)) << "nothing to edit in an empty record";
        EXPECT_FALSE(form->BitBtn5->isEnabled());
        EXPECT_FALSE(form->BitBtn6->isEnabled());
        EXPECT_FALSE(form->BitBtn9->isVisible());

        form->SpinEdit1->setValue(9);
        form->BitBtn3->click();  // "Vložit text"
        EXPECT_EQ(form->Edit1->text(), QStringLiteral("Text 1"));
        EXPECT_TRUE(textEditing(form));
        EXPECT_TRUE(form->BitBtn5->isEnabled() && form->BitBtn6->isEnabled());
        form->BitBtn4->click();  // "Vložit oddělovač"
        EXPECT_EQ(form->Edit1->text(), QStringLiteral("*oddělovač*"));
        EXPECT_FALSE(textEditing(form));
        form->BitBtn6->click();  // "Posuň dolu": the separator, 70 → 71

        form->ComboBox1->setCurrentIndex(0);
        EXPECT_TRUE(textEditing(form));
        EXPECT_EQ(form->SpinEdit1->value(), 9);
        form->Edit1->setText(QStringLiteral("Řeka"));
        form->SpinEdit1->setValue(8);
        form->BitBtn7->click();  // "Upravit text"
        form->BitBtn5->click();  // "Posuň nahoru": 50 → 49
        EXPECT_EQ(lines(form), (QStringList{QStringLiteral("Řeka"), QStringLiteral("*oddělovač*")}));
        EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
    });
    ASSERT_EQ(record().count(), 2);
    EXPECT_EQ(record().line(1), (swedish::LegendLine{cp("Řeka"), 49, 8}));
    EXPECT_EQ(record().line(2), (swedish::LegendLine{cp("*oddělovač*"), 71, 6}));

    // Shown again: the first line is selected and shown.
    edit([](Tsvelegform* form) {
        EXPECT_EQ(form->ComboBox1->currentIndex(), 0);
        EXPECT_EQ(form->Edit1->text(), QStringLiteral("Řeka"));
        EXPECT_EQ(form->SpinEdit1->value(), 8);
        EXPECT_TRUE(textEditing(form));
        // Edited to the separator's text, the line is a separator.
        form->Edit1->setText(QStringLiteral("*oddělovač*"));
        form->BitBtn7->click();
        EXPECT_FALSE(textEditing(form));
    });
    EXPECT_TRUE(record().line(1).isSeparator());
    EXPECT_EQ(record().line(1).top, 49) << "its place stays";
}

TEST_F(LegendEditorTest, SmazatEmptiesTheCountOnlyAndStornoKeepsTheRecord) {
    record().appendText(8);
    record().appendSeparator();
    const swedish::LegendCell before = record();

    edit(
        [](Tsvelegform* form) {
            form->BitBtn8->click();  // "Smazat"
            EXPECT_TRUE(lines(form).isEmpty());
            EXPECT_TRUE(form->Edit1->text().isEmpty());
            EXPECT_EQ(form->SpinEdit1->value(), 6);
            EXPECT_FALSE(form->BitBtn5->isEnabled());
            EXPECT_FALSE(textEditing(form));
            form->BitBtn5->click();  // no line: nothing moves
            form->BitBtn7->click();
        },
        false);
    EXPECT_EQ(record(), before) << "Storno";

    edit([](Tsvelegform* form) { form->BitBtn8->click(); });
    EXPECT_EQ(record().count(), 0);
    EXPECT_EQ(record().line(2), before.line(2)) << "the lines stay for the file";

    edit([](Tsvelegform* form) {
        form->BitBtn3->click();
        EXPECT_EQ(lines(form), QStringList{QStringLiteral("Text 1")});
    });
    EXPECT_EQ(record().line(1).text, "Text 1");
    EXPECT_EQ(record().line(2), before.line(2));
}

TEST_F(LegendEditorTest, AnEleventhLineIsRefusedWithAMessage) {
    for (int n = 0; n < 9; ++n) record().appendText(6);
    edit([this](Tsvelegform* form) {
        form->BitBtn4->click();
        EXPECT_TRUE(desktop.boxes.isEmpty());
        for (QPushButton* append : {form->BitBtn3, form->BitBtn4}) {
            desktop.boxes.clear();
            append->click();
            EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Do pole lze vložit nejvýše 10 položek.")});
            EXPECT_EQ(form->ComboBox1->count(), 10);
        }
    });
    EXPECT_EQ(record().count(), 10);
    EXPECT_TRUE(record().line(10).isSeparator());
}

TEST_F(LegendEditorTest, TheTextEditKeepsToWhatALineOfTheFileCanHold) {
    record().appendText(6);
    record().setLine(1, "Text 1", std::numeric_limits<std::int32_t>::max(), 500);  // as a file may give it
    edit([this](Tsvelegform* form) {
        EXPECT_EQ(form->SpinEdit1->value(), 200) << "shown at the nearer bound";
        form->BitBtn6->click();  // at the largest top: stays

        form->Edit1->clear();
        form->Edit1->insert(QString(150, QLatin1Char('x')));
        EXPECT_EQ(form->Edit1->text().size(), 100) << "a paste is cut";
        form->Edit1->clear();
        form->Edit1->insert(QStringLiteral("dva\nřádky"));
        EXPECT_EQ(form->Edit1->text(), QStringLiteral("dva řádky"));

        form->Edit1->setText(QStringLiteral("sněhulák ☃"));
        form->BitBtn7->click();
        EXPECT_EQ(desktop.boxTexts(), QStringList{codePageRefusal()});
        EXPECT_EQ(form->ComboBox1->itemText(0), QStringLiteral("Text 1"));
        // OK refuses it too, and the dialog stays open with the text.
        desktop.boxes.clear();
        form->BitBtn1->click();
        EXPECT_EQ(desktop.boxTexts(), QStringList{codePageRefusal()});
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->Edit1->text(), QStringLiteral("sněhulák ☃"));
        form->Edit1->setText(QStringLiteral("Text 1"));
    });
    EXPECT_EQ(record().line(1), (swedish::LegendLine{"Text 1", std::numeric_limits<std::int32_t>::max(), 500}))
        << "the size stays in the record until the line is edited";
}

TEST_F(LegendEditorTest, WhatIsTypedForTheSelectedLineGoesInWithOkOrEnterButNotWithStorno) {
    record().appendText(6);
    record().appendText(6);
    struct Case {
        const char* name;
        std::function<void(Tsvelegform*)> close;
        swedish::LegendLine second;  // line 2 afterwards
    };
    const Case cases[] = {
        {"Enter in the text field", [](Tsvelegform* form) { QTest::keyClick(form->Edit1, Qt::Key_Return); },
         {"reka 7", 50, 7}},
        {"OK", [](Tsvelegform* form) { form->BitBtn1->click(); }, {"reka 8", 50, 8}},
        {"Storno", [](Tsvelegform* form) { form->BitBtn2->click(); }, {"reka 8", 50, 8}},
    };
    int size = 7;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool closed = false;
        whenDialog<Tsvelegform>([&](Tsvelegform* form) {
            form->ComboBox1->setCurrentIndex(1);
            form->Edit1->selectAll();
            QTest::keyClicks(form->Edit1, QStringLiteral("reka %1").arg(size));
            form->SpinEdit1->setValue(size++);
            c.close(form);
            closed = !form->isVisible();
        });
        window->editLegend(2, 2);
        EXPECT_TRUE(closed);
        EXPECT_EQ(record().line(1), (swedish::LegendLine{"Text 1", 50, 6})) << "the other line stays";
        EXPECT_EQ(record().line(2), c.second);
    }
}

TEST_F(LegendEditorTest, ShowingTheEditorLoadsTheClueStoresOnTheirFirstUse) {
    legendsLoaded = false;
    folder.write("legendy.sav", "pes;hafan\r\nkos;ptak\r\n");
    svelegform->setWords({"kos", "pes"});
    svelegform->show();
    EXPECT_TRUE(legendsLoaded);
    EXPECT_EQ(svelegform->ComboBox2->currentText(), QStringLiteral("ptak"));
    EXPECT_EQ(svelegform->ComboBox3->currentText(), QStringLiteral("hafan"));
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Nelze otevřít soubor s legendou.")}) << "krizleg.dat is missing";
    svelegform->hide();
}

}  // namespace
