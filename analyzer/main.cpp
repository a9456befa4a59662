// analyzer: checks a finished word search. The command line may name the
// puzzle's file; it is then read and checked at once.
#include "analyzer/ui/main_form.h"
#include "platform/ui/qt_translation.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("analyzer"));
    QApplication::setApplicationDisplayName(QStringLiteral("Analyzer"));
    loadQtCzechTranslation();
    analyzer::TForm1 window(QApplication::arguments().mid(1));
    window.showMaximized();
    return QApplication::exec();
}
