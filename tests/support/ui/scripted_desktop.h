#pragma once
// Answers the program's message boxes and file choosers for a test and
// records what the program showed or started. Restores the real desktop when
// it goes out of scope.

#include "platform/ui/desktop.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>

class ScriptedDesktop {
public:
    struct Box {
        desktop::DesktopHooks::Box kind;
        QString text;
    };
    struct Start {
        QString program;
        QStringList arguments;
    };

    ScriptedDesktop();
    ~ScriptedDesktop();
    ScriptedDesktop(const ScriptedDesktop&) = delete;
    ScriptedDesktop& operator=(const ScriptedDesktop&) = delete;

    // What the next file choosers answer, in order; an empty text cancels.
    // With the queue empty, a chooser is cancelled.
    void answerFile(const QString& path) { files_.push_back(path); }
    // What the next questions answer, in order; with the queue empty, "Yes".
    void answerQuestion(bool yes) { answers_.push_back(yes); }
    // Whether program starts and desktop openings succeed.
    bool startSucceeds = true;
    bool openSucceeds = true;

    QList<Box> boxes;
    QList<Start> starts;
    QList<QUrl> opened;
    QStringList fileCaptions;

    QStringList boxTexts() const;

private:
    std::deque<QString> files_;
    std::deque<bool> answers_;
};
