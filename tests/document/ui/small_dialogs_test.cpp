#include "document/ui/direction_form.h"
#include "document/ui/phrase_form.h"
#include "document/ui/size_form.h"

#include "support/ui/modal.h"
#include "support/ui/scripted_desktop.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {
// Types text key by key, as a user would (also letters outside ASCII).
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}
}  // namespace

TEST(Tajenkaform, CrissCrossPhrasesHoldAtMostTenDistinctCharacters) {
    struct Case {
        const char* name;
        int limit;
        bool chAsOne;
        QString typed;
        QString boxAfter;
        int refusals;
    };
    const Case cases[] = {
        {"ten letters", 10, false, "abcdefghij", "abcdefghij", 0},
        {"an eleventh letter", 10, false, "abcdefghijk", "abcdefghij", 1},
        {"a letter seen before", 10, false, "abcdefghija", "abcdefghija", 0},
        {"blanks do not count", 10, false, "a b c d e f g h i j", "a b c d e f g h i j", 0},
        {"ch as one letter", 10, true, "bdefgijklch", "bdefgijklch", 0},
        {"ch as two letters", 10, false, "bdefgijklch", "bdefgijklc", 1},
        {"an eleventh letter after ch", 10, true, "bdefgijklchm", "bdefgijklch", 1},
        {"word search use", Ttajenkaform::noLetterLimit, false, "abcdefghijklmnop", "abcdefghijklmnop", 0},
        {"typing is lower-cased", 10, false, "ABČ", "abč", 0},
        {"@ cannot be typed", 10, false, "a@b", "ab", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDesktop desktop;
        Ttajenkaform form;
        form.setLetterLimit(c.limit);
        form.setChAsOneLetter(c.chAsOne);
        form.setPhrase(QString());
        type(form.inputboxtajenka, c.typed);
        EXPECT_EQ(form.phrase(), c.boxAfter);
        EXPECT_EQ(form.lastAccepted(), c.boxAfter);
        ASSERT_EQ(desktop.boxes.size(), c.refusals) << "the restored text is not checked again";
        if (c.refusals > 0) {
            EXPECT_EQ(desktop.boxes[0].text,
                      QStringLiteral("Toto písmeno již nelze napsat, protože je již zadáno 10 různých písmen."));
        }
    }

    EXPECT_EQ(Ttajenkaform::distinctCharacters(QStringLiteral("chata"), true), 3);
    EXPECT_EQ(Ttajenkaform::distinctCharacters(QStringLiteral("chata"), false), 4);
    EXPECT_EQ(Ttajenkaform::distinctCharacters(QStringLiteral("a b c"), false), 3);
}

TEST(Tajenkaform, CountsCharactersTheCodePageCannotHoldAsThemselves) {
    struct Case {
        QString phrase;
        bool chAsOne;
        int distinct;
    };
    const Case cases[] = {
        {QStringLiteral("жж ж"), false, 1},
        {QStringLiteral("ж日本"), true, 3},
        {QStringLiteral("cжh"), true, 3},              // no "ch" across another character
        {QStringLiteral("c h"), true, 1},              // blanks go first
        {QStringLiteral("chaos 日本ch"), true, 6},     // ch a o s 日 本
        {QStringLiteral("chaos 日本ch"), false, 7},    // c h a o s 日 本
        {QStringLiteral("čž žč"), true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.phrase.toStdString());
        EXPECT_EQ(Ttajenkaform::distinctCharacters(c.phrase, c.chAsOne), c.distinct);
    }
}

TEST(Tajenkaform, WhatACallerPutsInIsNotCheckedAndStartsANewUse) {
    ScriptedDesktop desktop;
    Ttajenkaform form;
    form.setLetterLimit(10);

    // Another document's phrase, accepted while typing.
    form.setPhrase(QString());
    type(form.inputboxtajenka, "abc");
    ASSERT_EQ(form.lastAccepted(), QStringLiteral("abc"));

    // This document's phrase has twelve characters (say, typed while "ch"
    // counted as one letter): filling the box neither complains nor changes it.
    form.inputboxtajenka->setText(QStringLiteral("abcdefghijkl"));
    EXPECT_TRUE(desktop.boxes.isEmpty());
    EXPECT_EQ(form.phrase(), QStringLiteral("abcdefghijkl"));
    EXPECT_EQ(form.lastAccepted(), QStringLiteral("abcdefghijkl"));

    // It may be shortened, but no new character may join it.
    QTest::keyClick(form.inputboxtajenka, Qt::Key_Backspace);
    EXPECT_EQ(form.phrase(), QStringLiteral("abcdefghijk"));
    type(form.inputboxtajenka, "z");
    EXPECT_EQ(form.phrase(), QStringLiteral("abcdefghijk")) << "back to this use's text, not the other document's";
    EXPECT_EQ(desktop.boxes.size(), 1);

    // The next use starts from its own phrase again.
    form.setPhrase(QStringLiteral("defghijklm"));
    type(form.inputboxtajenka, "n");
    EXPECT_EQ(form.phrase(), QStringLiteral("defghijklm"));
    EXPECT_EQ(desktop.boxes.size(), 2);
}

TEST(Tnastavvelform, SizesAreHandedOverWithinTwoToForty) {
    struct Case {
        const char* typed;  // into SpinEdit2, replacing its text
        int rows;
    };
    const Case cases[] = {{"25", 25}, {"40", 40}, {"1", 2}, {"0", 2}, {"", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Tnastavvelform form;
        form.setGridSize(12, 8);
        EXPECT_EQ(form.columns(), 12);
        EXPECT_EQ(form.rows(), 8);
        form.SpinEdit2->selectAll();
        QTest::keyClick(form.SpinEdit2, Qt::Key_Delete);
        QTest::keyClicks(form.SpinEdit2, c.typed);
        EXPECT_EQ(form.rows(), c.rows);
        form.SpinEdit2->interpretText();  // as when the box loses the focus
        EXPECT_EQ(form.SpinEdit2->value(), c.rows);
        EXPECT_EQ(form.columns(), 12);
    }
}

TEST(Tnastavvelform, IsWideEnoughForItsTitle) {
    Tnastavvelform form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    ASSERT_EQ(form.windowTitle(), QStringLiteral("Nastavení velikosti"));
    // The caption in bold, beside the icon and three buttons as wide as the title bar is high.
    QFont bold = form.font();
    bold.setBold(true);
    const int titleBar = form.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &form);
    EXPECT_GE(form.width(), QFontMetrics(bold).horizontalAdvance(form.windowTitle()) + 4 * titleBar);
}

TEST(Tnastavvelform, OkAndStornoCloseTheDialog) {
    Tnastavvelform form;
    form.setGridSize(10, 10);
    whenModal([&](QWidget* dialog) {
        ASSERT_EQ(dialog, &form);
        EXPECT_EQ(form.focusWidget(), form.SpinEdit1);
        form.SpinEdit1->selectAll();
        QTest::keyClicks(form.SpinEdit1, "1");
        form.BitBtn1->click();
    });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_EQ(form.columns(), 2);
    EXPECT_EQ(form.rows(), 10);

    whenModal([&](QWidget*) { form.BitBtn2->click(); });
    EXPECT_EQ(form.exec(), QDialog::Rejected);
}

TEST(Tvodsviform, EachWayOfClosingGivesItsOwnAnswer) {
    struct Case {
        const char* how;
        std::function<void(Tvodsviform&)> close;
        Tvodsviform::Answer answer;
    };
    const Case cases[] = {
        {"Vodorovně", [](Tvodsviform& f) { f.Button1->click(); }, Tvodsviform::Yes},
        {"Svisle", [](Tvodsviform& f) { f.Button2->click(); }, Tvodsviform::No},
        {"Esc", [](Tvodsviform& f) { QTest::keyClick(&f, Qt::Key_Escape); }, Tvodsviform::Cancel},
        {"close button", [](Tvodsviform& f) { f.close(); }, Tvodsviform::Cancel},
    };
    Tvodsviform form;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        const QString question = QStringLiteral("Je vybráno jen jedno písmeno. Chcete jej vložit vodorovně nebo svisle?");
        whenModal([&](QWidget* dialog) {
            ASSERT_EQ(dialog, &form);
            EXPECT_EQ(form.Label1->text(), question);
            c.close(form);
        });
        EXPECT_EQ(form.ask(question), c.answer);
    }
}
