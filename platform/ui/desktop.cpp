#include "platform/ui/desktop.h"

#include "platform/core/folders.h"
#include "platform/core/textfile.h"
#include "platform/ui/file_messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QtEndian>

namespace desktop {

DesktopHooks& hooks() {
    static DesktopHooks instance;
    return instance;
}

namespace {

QString& programBoxTitle() {
    static QString title;
    return title;
}

}  // namespace

QString boxTitle() {
    if (!programBoxTitle().isEmpty()) return programBoxTitle();
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Mindgrid!") : name;
}

void setBoxTitle(const QString& title) { programBoxTitle() = title; }

void warning(QWidget* parent, const QString& text) {
    if (hooks().box) {
        hooks().box(DesktopHooks::Box::Warning, text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Upozornění"), text, QMessageBox::Ok, parent);
    box.exec();
}

void message(QWidget* parent, const QString& text) {
    if (hooks().box) {
        hooks().box(DesktopHooks::Box::Message, text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, boxTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool ask(QWidget* parent, const QString& text) {
    if (hooks().box) return hooks().box(DesktopHooks::Box::Question, text);
    QMessageBox box(QMessageBox::Question, boxTitle(), text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("&Ano"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Ne"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == yes;
}

QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // The description may already show its patterns, as in "Osmisměrky (*.osm)".
        entries << (parts[i].endsWith(QLatin1Char(')')) ? parts[i]
                                                         : parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return entries.join(QStringLiteral(";;"));
}

QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter, const QString& folder,
                       bool mustExist) {
    if (hooks().fileName) return hooks().fileName(caption, filter, false);
    if (mustExist) return QFileDialog::getOpenFileName(parent, caption, folder, qtFilter(filter));
    QFileDialog chooser(parent, caption, folder, qtFilter(filter));
    chooser.setAcceptMode(QFileDialog::AcceptOpen);
    chooser.setFileMode(QFileDialog::AnyFile);
    if (chooser.exec() != QDialog::Accepted) return {};
    return chooser.selectedFiles().value(0);
}

QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter, const QString& folder,
                       bool askBeforeOverwrite) {
    if (hooks().fileName) return hooks().fileName(caption, filter, true);
    return QFileDialog::getSaveFileName(parent, caption, folder, qtFilter(filter), nullptr,
                                        askBeforeOverwrite ? QFileDialog::Options{}
                                                           : QFileDialog::DontConfirmOverwrite);
}

bool startProgram(const QString& program, const QStringList& arguments) {
    if (hooks().start) return hooks().start(program, arguments);
    return QProcess::startDetached(program, arguments);
}

bool openWithDesktop(const QUrl& url) {
    if (hooks().open) return hooks().open(url);
    return QDesktopServices::openUrl(url);
}

namespace {
QHash<int, QCursor>& cursorTable() {
    static QHash<int, QCursor> table;
    return table;
}

// A Windows cursor file is an icon file of type 2 whose directory entries carry
// the hot spot where an icon keeps its plane and bit counts.
std::optional<QCursor> parseCursor(QByteArray bytes) {
    if (bytes.size() < 6 + 16) return std::nullopt;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (qFromLittleEndian<quint16>(data) != 0 || qFromLittleEndian<quint16>(data + 2) != 2 ||
        qFromLittleEndian<quint16>(data + 4) < 1)
        return std::nullopt;
    const int hotX = qFromLittleEndian<quint16>(data + 10);
    const int hotY = qFromLittleEndian<quint16>(data + 12);
    // Present it to the image reader as an icon: type 1, planes 1, 32 bits.
    bytes[2] = 1;
    bytes[10] = 1;
    bytes[11] = 0;
    bytes[12] = 32;
    bytes[13] = 0;
    QImage image;
    if (!image.loadFromData(bytes, "ICO") || image.isNull()) return std::nullopt;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}
}  // namespace

void setScreenCursor(int number, const QCursor& cursor) { cursorTable().insert(number, cursor); }

QCursor screenCursor(int number) { return cursorTable().value(number, QCursor(Qt::ArrowCursor)); }

std::optional<QCursor> loadCursorFile(const QString& name) {
    const QString candidates[] = {name, displayPath(programFile(localPath(name)))};
    // A cursor file holds a few kilobytes; a far larger one is no cursor and is
    // not read whole.
    constexpr std::uint64_t cursorFileLimit = 1 << 20;
    for (const QString& path : candidates) {
        const ReadResult<std::string> read = readFileBytes(localPath(path), cursorFileLimit);
        const auto* bytes = std::get_if<std::string>(&read);
        if (!bytes) continue;
        if (auto cursor = parseCursor(QByteArray::fromStdString(*bytes))) return cursor;
    }
    return std::nullopt;
}

}  // namespace desktop
