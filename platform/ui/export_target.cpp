#include "platform/ui/export_target.h"

#include "platform/ui/desktop.h"
#include "platform/ui/file_messages.h"

#include <QDir>

#include <system_error>

namespace exporttarget {

QString overwriteQuestion(const QString& path) {
    return QStringLiteral("Soubor %1 již existuje. Chcete ho přepsat?").arg(QDir::toNativeSeparators(path));
}

bool mayWrite(QWidget* parent, const QString& chosen, const std::filesystem::path& target) {
    if (target == localPath(chosen)) return true;
    std::error_code error;
    if (!std::filesystem::exists(target, error)) return true;
    return desktop::ask(parent, overwriteQuestion(displayPath(target)));
}

}  // namespace exporttarget
