#pragma once
// A file chooser that lives on a window and is used again and again, as the
// frame's "OpenDialog", "ExportDialog", "SaveSabDialog" and "OpenSabDialog".

#include <QObject>
#include <QString>

class QWidget;

class FileChooser : public QObject {
    Q_OBJECT
public:
    enum class Mode { Open, Save };

    FileChooser(const QString& name, Mode mode, QObject* parent);

    // "Description|*.ext;*.ext2|Description|*.ext"
    QString filter;
    // A save chooser asks before it replaces an existing file.
    bool askBeforeOverwrite = true;
    // Where the chooser opens; when empty, in the folder of the file chosen last.
    QString initialFolder;
    // An open chooser takes existing files only, unless this is false: then
    // a typed name that is not there goes to the caller, which completes it.
    bool mustExist = true;

    // Shows the chooser; true with fileName() set when the user chose a file.
    bool execute(QWidget* parent);
    QString fileName() const { return fileName_; }

private:
    Mode mode_;
    QString fileName_;
};
