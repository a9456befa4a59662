#include "support/ui/scripted_desktop.h"

ScriptedDesktop::ScriptedDesktop() {
    auto& h = desktop::hooks();
    h.box = [this](desktop::DesktopHooks::Box kind, const QString& text) {
        boxes.append({kind, text});
        if (kind != desktop::DesktopHooks::Box::Question || answers_.empty()) return true;
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    };
    h.fileName = [this](const QString& caption, const QString&, bool) {
        fileCaptions << caption;
        if (files_.empty()) return QString();
        QString path = files_.front();
        files_.pop_front();
        return path;
    };
    h.start = [this](const QString& program, const QStringList& arguments) {
        starts.append({program, arguments});
        return startSucceeds;
    };
    h.open = [this](const QUrl& url) {
        opened.append(url);
        return openSucceeds;
    };
}

ScriptedDesktop::~ScriptedDesktop() { desktop::hooks() = {}; }

QStringList ScriptedDesktop::boxTexts() const {
    QStringList texts;
    for (const Box& box : boxes) texts << box.text;
    return texts;
}
