#pragma once
// The analyzer's main window over puzzle files written into a folder of the
// test's own, with a scripted desktop answering its message boxes.

#include "analyzer/ui/lamps.h"
#include "analyzer/ui/main_form.h"
#include "analyzer/ui/progress_form.h"
#include "platform/core/folders.h"
#include "support/core/temp_folder.h"
#include "support/ui/scripted_desktop.h"
#include "wordsearch/core/osm_file.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

class AnalyzerWindowTest : public ::testing::Test {
protected:
    // The lamp pictures are the ones the build ships beside the program.
    void SetUp() override { setProgramFolder(GRILPAD_PROGRAM_DIR); }
    void TearDown() override {
        form.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setProgramFolder({});
    }

    // Writes a word-search file as grilpad does: cells row by row (Windows-1250).
    std::filesystem::path writePuzzle(const std::string& name, const std::vector<std::vector<std::string>>& rows,
                                      const std::vector<std::string>& words, const std::string& phrase = "") {
        OsmDocument document = OsmDocument::blank(rows.empty() ? 0 : static_cast<int>(rows[0].size()),
                                                  static_cast<int>(rows.size()));
        for (int row = 1; row <= document.rows; ++row)
            for (int column = 1; column <= document.columns; ++column)
                document.cell(column, row).text =
                    rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
        document.processedPhrase = "ignored";
        document.typedPhrase = phrase;
        document.words = words;
        const std::filesystem::path path = folder / name;
        EXPECT_TRUE(writeOsmFile(path, document));
        return path;
    }

    analyzer::TForm1* start(const QStringList& parameters = {}) {
        form = std::make_unique<analyzer::TForm1>(parameters);
        form->show();
        return form.get();
    }

    // Waits until the check's dialog has closed again.
    bool checkEnded() const {
        return QTest::qWaitFor([this] { return !form->Form2->busy(); }, 60000);
    }

    // Opens a file through "Otevřít osmisměrku" and waits for its check.
    bool open(const std::filesystem::path& path) {
        desktop.answerFile(QString::fromStdString(path.string()));
        form->acOpen->trigger();
        return checkEnded();
    }

    QStringList listTexts(const QListWidget* list) const {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
        return texts;
    }

    // Which lamps show their "on" picture.
    analyzer::Lamps shownLamps() const {
        using analyzer::Lamp;
        auto on = [](const QLabel* image, Lamp lamp) {
            const QImage shown = image->pixmap().toImage();
            const bool lit = shown == analyzer::lampPicture(lamp, true).toImage();
            EXPECT_TRUE(lit || shown == analyzer::lampPicture(lamp, false).toImage()) << "a picture that is no lamp";
            return lit;
        };
        return {on(form->Image1, Lamp::Top), on(form->Image2, Lamp::Middle), on(form->Image3, Lamp::Bottom)};
    }

    TempFolder folder;
    ScriptedDesktop desktop;
    std::unique_ptr<analyzer::TForm1> form;
};

namespace analyzer {
inline void PrintTo(const Lamps& lamps, std::ostream* out) {
    *out << "top " << lamps.top << ", middle " << lamps.middle << ", bottom " << lamps.bottom;
}
}  // namespace analyzer

inline const analyzer::Lamps kTopLamp{true, false, false};
inline const analyzer::Lamps kMiddleLamp{false, true, false};
inline const analyzer::Lamps kBottomLamp{false, false, true};
inline const analyzer::Lamps kNoLamp{};
