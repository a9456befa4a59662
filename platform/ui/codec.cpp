#include "platform/ui/codec.h"

#include "platform/core/cp1250.h"

QString toQString(std::string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (const char ch : text) out.append(QChar(static_cast<char16_t>(cp1250::toUnicode(static_cast<unsigned char>(ch)))));
    return out;
}

std::optional<std::string> fromQString(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar ch : text) {
        const auto byte = cp1250::fromUnicode(ch.unicode());
        if (!byte) return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

bool fitsCodePage(const QString& text) {
    for (const QChar ch : text)
        if (!cp1250::fromUnicode(ch.unicode())) return false;
    return true;
}

QString trimControls(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20) ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20) --end;
    return text.mid(begin, end - begin);
}

QString codePageRefusal() {
    return QStringLiteral("Text obsahuje znak, který nelze uložit v kódování Windows-1250 (střední Evropa).");
}
