// analyzer: checks a finished word search. The command line may name the
// puzzle's file; it is then read and checked at once.
#include "analyzer/ui/main_form.h"
#include "platform/core/textfile.h"
#include "platform/ui/qt_translation.h"

#include <QApplication>

int main(int argc, char** argv) {
    // A write over the file-size limit fails as on a full disk, never ends the program.
    ignoreFileSizeSignal();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("analyzer"));
    loadQtCzechTranslation();
    analyzer::TForm1 window(QApplication::arguments().mid(1));
    window.showMaximized();
    return QApplication::exec();
}
