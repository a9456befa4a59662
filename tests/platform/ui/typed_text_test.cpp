#include "platform/ui/typed_text.h"

#include <QLineEdit>
#include <gtest/gtest.h>

TEST(TypedText, WhatIsTypedFollowsTheEditsRules) {
    using LineBreaks = TextRules::LineBreaks;
    struct Case {
        const char* what;
        TextRules rules;
        QString typed;  // key by key
        QString kept;
    };
    const Case cases[] = {
        {"no rules", {}, QStringLiteral("Ab\nж@"), QStringLiteral("Ab\nж@")},
        {"line breaks blanked", {.lineBreaks = LineBreaks::blanked}, QStringLiteral("a\r\nb\u2028c\u2029"),
         QStringLiteral("a  b c ")},
        {"line breaks refused", {.lineBreaks = LineBreaks::refused}, QStringLiteral("a\nb\rc\u2028"),
         QStringLiteral("abc")},
        {"outside the code page refused", {.codePageOnly = true}, QStringLiteral("Žжuk"), QStringLiteral("Žuk")},
        {"lower case", {.lowerCase = true}, QStringLiteral("ABČ"), QStringLiteral("abč")},
        {"a refused character", {.lowerCase = true, .refused = QStringLiteral("@")}, QStringLiteral("A@b"),
         QStringLiteral("ab")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QLineEdit edit;
        edit.setValidator(new TypedTextValidator(c.rules, &edit));
        for (const QChar typed : c.typed) edit.insert(QString(typed));
        EXPECT_EQ(edit.text(), c.kept);
    }
}

TEST(TypedText, ALineBreakIsNamedBeforeACharacterTheCodePageLacks) {
    const TextRules rules{.lineBreaks = TextRules::LineBreaks::refused, .codePageOnly = true, .refused = "@"};
    EXPECT_EQ(textFault(QStringLiteral("ж\n"), rules), TextFault::lineBreak);
    EXPECT_EQ(textFault(QStringLiteral("\u2029"), rules), TextFault::lineBreak);
    EXPECT_EQ(textFault(QStringLiteral("ж@"), rules), TextFault::outsideCodePage);
    EXPECT_EQ(textFault(QStringLiteral("a@"), rules), TextFault::refusedCharacter);
    EXPECT_EQ(textFault(QStringLiteral("žluťoučký kůň"), rules), TextFault::none);
}

TEST(TypedText, AnEditKeptToItsRulesChangesWhatACallerSetsButRefusesOnlyWhatIsTyped) {
    QLineEdit edit;
    keepToRules(&edit, {.lowerCase = true, .refused = QStringLiteral("@")});
    edit.setText(QStringLiteral("Kůň"));
    EXPECT_EQ(edit.text(), QStringLiteral("kůň"));
    EXPECT_EQ(edit.cursorPosition(), 3);
    edit.setCursorPosition(1);
    edit.insert(QStringLiteral("Ř"));
    EXPECT_EQ(edit.text(), QStringLiteral("křůň"));
    EXPECT_EQ(edit.cursorPosition(), 2) << "the cursor stays after what was typed";
    edit.insert(QStringLiteral("@"));
    EXPECT_EQ(edit.text(), QStringLiteral("křůň"));
    edit.setText(QStringLiteral("A@B"));
    EXPECT_EQ(edit.text(), QStringLiteral("a@b"));
}
