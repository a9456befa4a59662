#include "platform/ui/file_chooser.h"

#include "platform/ui/desktop.h"

#include <QFileInfo>

FileChooser::FileChooser(const QString& name, Mode mode, QObject* parent) : QObject(parent), mode_(mode) {
    setObjectName(name);
}

bool FileChooser::execute(QWidget* parent) {
    // The chooser opens in its initial folder, or else where the last chosen file was.
    const QString folder = !initialFolder.isEmpty() ? initialFolder
                           : fileName_.isEmpty()     ? QString()
                                                     : QFileInfo(fileName_).absolutePath();
    const QString chosen =
        mode_ == Mode::Open
            ? desktop::chooseOpenFile(parent, QStringLiteral("Otevřít"), filter, folder, mustExist)
            : desktop::chooseSaveFile(parent, QStringLiteral("Uložit jako"), filter, folder, askBeforeOverwrite);
    if (chosen.isEmpty()) return false;
    fileName_ = chosen;
    return true;
}
