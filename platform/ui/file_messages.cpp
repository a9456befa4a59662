#include "platform/ui/file_messages.h"

#include <QFile>

std::filesystem::path localPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

QString displayPath(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.string())); }

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
    case FileError::Kind::BadValue:
        break;
    }
    return QStringLiteral("Soubor %1 nelze načíst: chybný řádek %2.").arg(path, line);
}
