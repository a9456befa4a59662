#pragma once
// A host of document windows without the frame: its own printer, choosers,
// dialogs and settings, for tests of a kind's window on its
// own. It is the host while it lives and records what the windows tell the
// frame.

#include "document/ui/designer_form.h"
#include "document/ui/direction_form.h"
#include "document/ui/document_host.h"
#include "document/ui/document_window.h"
#include "document/ui/phrase_form.h"
#include "document/ui/picture_form.h"
#include "document/ui/size_form.h"
#include "platform/ui/file_chooser.h"

#include <QPageSize>
#include <QPrinter>
#include <QStringList>

class TestHost : public DocumentHost {
public:
    TestHost() : previous_(documentHost()) {
        printer_.setPageSize(QPageSize(QPageSize::A4));
        exportChooser_.filter = QStringLiteral("sešit Microsoft Excel 5.0/95|*.xls");
        setDocumentHost(this);
    }
    ~TestHost() { setDocumentHost(previous_); }
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    QPrinter* printer() override { return &printer_; }
    FileChooser* exportChooser() override { return &exportChooser_; }
    FileChooser* templateSaveChooser() override { return &templateSaveChooser_; }
    FileChooser* templateOpenChooser() override { return &templateOpenChooser_; }
    Tpictureform* pictureWindow() override { return &picture_; }
    Tnavrharform* designer() override { return &designer_; }
    Tnastavvelform* sizeDialog() override { return &size_; }
    Tvodsviform* directionQuestion() override { return &direction_; }
    Ttajenkaform* phraseDialog() override { return &phrase_; }
    int cellSize() override { return cells; }
    WordFillSettings wordFillSettings() override { return wordFill; }
    void captionChanged(DocumentWindow& window) override { captions << window.windowTitle(); }
    void windowActivated(DocumentWindow&) override {}
    void windowDeactivated(DocumentWindow&) override {}
    void windowClosing(DocumentWindow&) override {}

    QStringList captions;  // every caption a window announced, in order
    int cells = minCellSize;
    WordFillSettings wordFill;

private:
    DocumentHost* previous_;
    QPrinter printer_{QPrinter::HighResolution};
    FileChooser exportChooser_{QStringLiteral("ExportDialog"), FileChooser::Mode::Save, nullptr};
    FileChooser templateSaveChooser_{QStringLiteral("SaveSabDialog"), FileChooser::Mode::Save, nullptr};
    FileChooser templateOpenChooser_{QStringLiteral("OpenSabDialog"), FileChooser::Mode::Open, nullptr};
    Tpictureform picture_;
    Tnavrharform designer_;
    Tnastavvelform size_;
    Tvodsviform direction_;
    Ttajenkaform phrase_;
};
