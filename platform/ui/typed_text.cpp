#include "platform/ui/typed_text.h"

#include "platform/ui/codec.h"

#include <QLineEdit>

#include <algorithm>

namespace {

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0x2028) || c == QChar(0x2029);
}

}  // namespace

TextFault textFault(const QString& text, const TextRules& rules) {
    if (rules.lineBreaks == TextRules::LineBreaks::refused && std::any_of(text.begin(), text.end(), isLineBreak))
        return TextFault::lineBreak;
    if (rules.codePageOnly && !fitsCodePage(text)) return TextFault::outsideCodePage;
    for (const QChar c : rules.refused)
        if (text.contains(c)) return TextFault::refusedCharacter;
    return TextFault::none;
}

QString followingRules(const QString& text, const TextRules& rules) {
    QString followed = rules.lowerCase ? text.toLower() : text;
    if (rules.lineBreaks == TextRules::LineBreaks::blanked)
        for (QChar& c : followed)
            if (isLineBreak(c)) c = QLatin1Char(' ');
    return followed;
}

TypedTextValidator::TypedTextValidator(TextRules rules, QObject* parent)
    : QValidator(parent), rules_(std::move(rules)) {}

QValidator::State TypedTextValidator::validate(QString& input, int& /*position*/) const {
    input = followingRules(input, rules_);
    return textFault(input, rules_) == TextFault::none ? Acceptable : Invalid;
}

void keepToRules(QLineEdit* edit, const TextRules& rules) {
    edit->setValidator(new TypedTextValidator(rules, edit));
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit, rules](const QString& text) {
        const QString followed = followingRules(text, rules);
        if (followed == text) return;
        const int position = edit->cursorPosition();
        edit->setText(followed);  // comes back here once more, with nothing left to change
        edit->setCursorPosition(position);
    });
}
