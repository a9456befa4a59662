#include "platform/ui/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QtDebug>

QTranslator* loadQtCzechTranslation() {
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) return nullptr;
    // The catalogue lives as long as the application.
    auto* catalogue = new QTranslator(application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!catalogue->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"), QStringLiteral("_"),
                         folder) ||
        !QCoreApplication::installTranslator(catalogue)) {
        qWarning("Qt's Czech texts (qtbase_cs.qm) were not found in %s; Qt's own texts stay in English.",
                 qUtf8Printable(folder));
        delete catalogue;
        return nullptr;
    }
    return catalogue;
}
