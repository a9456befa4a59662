// analyzer: checks a finished word search.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("analyzer"));
    QMainWindow window;
    window.setObjectName(QStringLiteral("AnalyzerMainForm"));
    window.setWindowTitle(QStringLiteral("Analyzer"));
    window.resize(480, 320);
    window.show();
    return QApplication::exec();
}
