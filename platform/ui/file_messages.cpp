#include "platform/ui/file_messages.h"

#include <QFile>

std::filesystem::path localPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

QString displayPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.string())); }

namespace {

// A number of bytes in megabytes with one decimal at most, rounded up, so
// that a file just over its limit never reads as the limit itself: "8", "8,1".
QString megabytes(std::uint64_t bytes) {
    constexpr std::uint64_t megabyte = fileLimit::megabyte;
    const std::uint64_t rest = bytes % megabyte;
    std::uint64_t whole = bytes / megabyte;
    std::uint64_t tenths = (rest * 10 + megabyte - 1) / megabyte;
    if (tenths == 10) {
        ++whole;
        tenths = 0;
    }
    QString text = QString::number(whole);
    if (tenths != 0) text += QLatin1Char(',') + QString::number(tenths);
    return text;
}

// What a line out of range may hold: "2 až 40", or "16777215, 255 nebo 0".
QString allowedValues(const FileError& error) {
    if (error.allowed.empty()) return QStringLiteral("%1 až %2").arg(error.min).arg(error.max);
    QString text;
    for (std::size_t i = 0; i < error.allowed.size(); ++i) {
        if (i > 0) text += i + 1 == error.allowed.size() ? QStringLiteral(" nebo ") : QStringLiteral(", ");
        text += QString::number(error.allowed[i]);
    }
    return text;
}

// What a line refused for its text should have held, after "na řádku N".
QString expectedText(const FileError& error) {
    using E = FileError::Expected;
    switch (error.expected) {
    case E::TextWithoutCR:
        return QStringLiteral("je uvnitř textu znak CR");
    case E::CellText:
        return QStringLiteral("má být text políčka: nic, jeden znak, \"ch\" nebo \"@\"");
    case E::DigitCellText:
        return QStringLiteral("má být text políčka: nic, jedna číslice nebo \"@\"");
    case E::Digits:
        return QStringLiteral("má být číslo o 1 až %1 číslicích").arg(error.max);
    case E::PhraseLetters:
        return QStringLiteral("má být tajenka s nejvýše %1 různými písmeny").arg(error.max);
    case E::WordLetters:
        return QStringLiteral("má být slovo s nejvýše %1 písmeny, delší se do mřížky nevejde").arg(error.max);
    case E::Unsaid:
    case E::Number:
        break;
    }
    return {};
}

}  // namespace

// The path and the line go in with one arg() call, so that a "%2" in a file
// name stays as it is.
QString readFailureText(const QString& path, const FileError& error) {
    const QString line = QString::number(error.line);
    switch (error.kind) {
    case FileError::Kind::CannotOpen:
        return QStringLiteral("Soubor %1 nelze otevřít.").arg(path);
    case FileError::Kind::EndOfFile:
        return QStringLiteral("Soubor %1 nelze načíst: končí předčasně, chybí v něm řádek %2.").arg(path, line);
    case FileError::Kind::NotANumber:
        return QStringLiteral("Soubor %1 nelze načíst: na řádku %2 má být číslo.").arg(path, line);
    case FileError::Kind::OutOfRange:
        if (error.expected != FileError::Expected::Number)
            return QStringLiteral("Soubor %1 nelze načíst: číslo na řádku %2 je mimo povolený rozsah.").arg(path, line);
        return QStringLiteral("Soubor %1 nelze načíst: číslo na řádku %2 je mimo povolený rozsah (%3).")
            .arg(path, line, allowedValues(error));
    case FileError::Kind::TooLarge:
        return QStringLiteral("Soubor %1 je příliš velký (%2 MB), nejvýše lze načíst %3 MB.")
            .arg(path, megabytes(error.size), megabytes(error.limit));
    case FileError::Kind::OutOfMemory:
        return QStringLiteral("Soubor %1 nelze načíst: nedostatek paměti.").arg(path);
    case FileError::Kind::BadValue:
        break;
    }
    const QString expected = expectedText(error);
    if (!expected.isEmpty()) return QStringLiteral("Soubor %1 nelze načíst: na řádku %2 %3.").arg(path, line, expected);
    return QStringLiteral("Soubor %1 nelze načíst: chybný řádek %2.").arg(path, line);
}
