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

}  // namespace

// The path and the line go in with one arg() call, so that a "%2" in a file
// name stays as it is.
QString readFailureText(const QString& path, const FileError& error, const QString& allowedRange) {
    const QString line = QString::number(error.line);
    switch (error.kind) {
    case FileError::Kind::CannotOpen:
        return QStringLiteral("Soubor %1 nelze otevřít.").arg(path);
    case FileError::Kind::EndOfFile:
        return QStringLiteral("Soubor %1 nelze načíst: končí předčasně, chybí v něm řádek %2.").arg(path, line);
    case FileError::Kind::NotANumber:
        return QStringLiteral("Soubor %1 nelze načíst: na řádku %2 má být číslo.").arg(path, line);
    case FileError::Kind::OutOfRange:
        if (allowedRange.isEmpty())
            return QStringLiteral("Soubor %1 nelze načíst: číslo na řádku %2 je mimo povolený rozsah.").arg(path, line);
        return QStringLiteral("Soubor %1 nelze načíst: číslo na řádku %2 je mimo povolený rozsah (%3).")
            .arg(path, line, allowedRange);
    case FileError::Kind::TooLarge:
        return QStringLiteral("Soubor %1 je příliš velký (%2 MB), nejvýše lze načíst %3 MB.")
            .arg(path, megabytes(error.size), megabytes(error.limit));
    case FileError::Kind::OutOfMemory:
        return QStringLiteral("Soubor %1 nelze načíst: nedostatek paměti.").arg(path);
    case FileError::Kind::BadValue:
        break;
    }
    return QStringLiteral("Soubor %1 nelze načíst: chybný řádek %2.").arg(path, line);
}
