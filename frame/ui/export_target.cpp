#include "frame/ui/export_target.h"

#include "platform/ui/desktop.h"

#include <QDir>
#include <QFile>

#include <system_error>

namespace exporttarget {

std::filesystem::path toPath(const QString& name) { return std::filesystem::path(QFile::encodeName(name).toStdString()); }

QString toText(const std::filesystem::path& path) { return QFile::decodeName(QByteArray::fromStdString(path.string())); }

QString overwriteQuestion(const QString& path) {
    return QStringLiteral("Soubor %1 již existuje. Chcete ho přepsat?").arg(QDir::toNativeSeparators(path));
}

bool mayWrite(QWidget* parent, const QString& chosen, const std::filesystem::path& target) {
    if (target == toPath(chosen)) return true;
    std::error_code error;
    if (!std::filesystem::exists(target, error)) return true;
    return desktop::ask(parent, overwriteQuestion(toText(target)));
}

}  // namespace exporttarget
