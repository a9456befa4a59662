#pragma once
// The rules for text typed into an edit for the core, and the one validator
// that holds an edit to them. Each edit names what it needs: line breaks
// kept, turned into blanks or refused, characters the code page cannot hold
// refused, lower case, characters of the program's own marks refused.

#include <QString>
#include <QValidator>

class QLineEdit;

struct TextRules {
    // A line break is CR, LF or a Unicode line or paragraph separator.
    enum class LineBreaks { kept, blanked, refused };
    LineBreaks lineBreaks = LineBreaks::kept;
    bool codePageOnly = false;  // a character Windows-1250 cannot hold is refused
    bool lowerCase = false;     // upper case becomes lower case
    QString refused = {};       // characters that may not stand in the text
};

// What refuses a text by the rules, the first of these that applies.
enum class TextFault { none, lineBreak, outsideCodePage, refusedCharacter };
TextFault textFault(const QString& text, const TextRules& rules);

// The text with what the rules change changed: line breaks blanked, lower case.
QString followingRules(const QString& text, const TextRules& rules);

// What is typed or pasted into an edit with this validator is changed as the
// rules change it, and refused (it does not go in) when the rules refuse it.
class TypedTextValidator : public QValidator {
public:
    TypedTextValidator(TextRules rules, QObject* parent);
    State validate(QString& input, int& position) const override;

private:
    TextRules rules_;
};

// The edit takes the validator, and a text a caller sets (setText) is changed
// as the rules change it too; the cursor stays where it was.
void keepToRules(QLineEdit* edit, const TextRules& rules);
