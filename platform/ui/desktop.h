#pragma once
// Message boxes, file choosers, program start and the desktop's default handler.
//
// Everything that talks to the user or to the rest of the desktop goes through
// these functions, so a test can answer for the user (see DesktopHooks).

#include <QCursor>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class QWidget;

namespace desktop {

// A warning with one OK button.
void warning(QWidget* parent, const QString& text);
// A plain message box titled with boxTitle().
void message(QWidget* parent, const QString& text);
// A question with Yes and No, titled with boxTitle(); true for Yes.
bool ask(QWidget* parent, const QString& text);

// The title of message and question boxes: the one a program set, else the
// application's display name ("Mindgrid!" when that is empty). The analyzer
// titles its boxes as its main window is titled; Qt's own display name is
// not used for that, since Qt also appends it to every window's title.
QString boxTitle();
void setBoxTitle(const QString& title);  // an empty title: the display name again

// File choosers; an empty text when the user cancelled. `filter` uses the
// "Description|*.ext;*.ext2|Description|*.ext" form of the program's captions.
// An open chooser wants a file that exists; with `mustExist` false it also
// lets a typed name through that is not there as typed, for a caller that
// completes the name (with its extension, say) before it looks for the file.
QString chooseOpenFile(QWidget* parent, const QString& caption, const QString& filter,
                       const QString& folder = {}, bool mustExist = true);
QString chooseSaveFile(QWidget* parent, const QString& caption, const QString& filter,
                       const QString& folder = {}, bool askBeforeOverwrite = true);

// Starts a program with its arguments (never a joined command line); true when it started.
bool startProgram(const QString& program, const QStringList& arguments);
// Opens a file or address with the desktop's default handler; true when that worked.
bool openWithDesktop(const QUrl& url);

// Converts a "Description|*.a;*.b|..." filter to Qt's ";;"-separated form.
QString qtFilter(const QString& filter);

// The program's numbered screen cursors (loaded from cursor files at start-up).
void setScreenCursor(int number, const QCursor& cursor);
QCursor screenCursor(int number);  // the arrow for a number never set

// Reads a Windows cursor file: first by the bare name (current folder), then
// from the program's folder. Nothing when neither exists or the file is bad.
std::optional<QCursor> loadCursorFile(const QString& name);

// What the functions above do instead of asking the user, while a test sets them.
struct DesktopHooks {
    enum class Box { Warning, Message, Question };
    // Answers every box; for a question, the return value is the answer.
    std::function<bool(Box, const QString& text)> box;
    // Answers every file chooser; `save` tells a save chooser from an open one.
    std::function<QString(const QString& caption, const QString& filter, bool save)> fileName;
    std::function<bool(const QString& program, const QStringList& arguments)> start;
    std::function<bool(const QUrl& url)> open;
};
DesktopHooks& hooks();

}  // namespace desktop
