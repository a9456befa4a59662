#pragma once
// The running program's forms with real word-search windows, and helpers to
// look at such a window and drive its runs.

#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "frame/core/config.h"
#include "platform/core/textfile.h"
#include "platform/ui/codec.h"
#include "platform/ui/radio_group.h"
#include "stores/core/word_stores.h"
#include "wordsearch/ui/child_osm.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class OsmWindowTest : public DocumentWindowTest<TMDIChildOsm, wordSearchDocument> {
protected:
    void SetUp() override {
        DocumentWindowTest::SetUp();
        writeConfig({0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }

    // A new word search of the running frame (started on first use).
    TMDIChildOsm* newOsm() {
        if (!MindgridMainForm) start();
        auto* window = newDocument();
        EXPECT_NE(window, nullptr);
        return window;
    }

    // The settings of the word search: "ch" as one letter, prefer empty cells,
    // start the analyzer, and what a failed pass does.
    static void setWordSearchSettings(bool chAsOne, bool preferEmpty, bool analyzer, FailureReaction failure) {
        wordSearchSettings.bytes = {static_cast<std::uint8_t>(chAsOne), static_cast<std::uint8_t>(preferEmpty),
                                    static_cast<std::uint8_t>(analyzer), static_cast<std::uint8_t>(failure)};
    }

    // The shipped Czech dictionary, for runs that must complete.
    static std::vector<std::string> shippedWords() {
        auto lines = readLines(std::filesystem::path(GRILPAD_PROGRAM_DIR) / "cestina.slv");
        EXPECT_TRUE(lines.has_value()) << "the shipped dictionary is built beside the program";
        return lines.value_or(std::vector<std::string>{});
    }

    // Waits, serving the event loop, until `done` holds; a generous limit only
    // keeps a broken run from hanging the tests.
    static bool eventually(const std::function<bool()>& done) { return QTest::qWaitFor(done, 60000); }

    static QString status(const TMDIChildOsm* window) { return window->infopanel->text(); }

    static std::string text(const TMDIChildOsm* window, int col, int row) {
        return window->grid().cellLabels()[col][row]->text;
    }
    static Color brush(const TMDIChildOsm* window, int col, int row) {
        return window->grid().cellShapes()[col][row]->brush;
    }
    static bool visible(const TMDIChildOsm* window, int col, int row) {
        return window->grid().cellShapes()[col][row]->visible;
    }
    static void hide(TMDIChildOsm* window, int col, int row) { window->grid().setHidden(col, row, true); }

    // The enabled state of the phase table's controls, in this order:
    // acVelikost acNavrhar aczadattajenku acupravitslova acanalyzovat
    // acsmazatpismena generujosmismerku zrusitgenerovani acstartstop
    // RadioGroup1, then the caption of acstartstop ("1" on, "0" off).
    static QString phase(const TMDIChildOsm* window) {
        QString bits;
        for (const QAction* action :
             {window->acVelikost, window->acNavrhar, window->aczadattajenku, window->acupravitslova,
              window->acanalyzovat, window->acsmazatpismena, window->generujosmismerku, window->zrusitgenerovani,
              window->acstartstop})
            bits += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        bits += window->RadioGroup1->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return bits + QLatin1Char(' ') + window->acstartstop->text();
    }
    static bool templatesEnabled(const TMDIChildOsm* window) {
        return window->aczvolsablonu->isEnabled() && window->aculozsablonu->isEnabled();
    }
    // The enabled state of aczvolsablonu and aculozsablonu ("1" on, "0" off).
    static QString templateStates(const TMDIChildOsm* window) {
        QString bits;
        for (const QAction* action : {window->aczvolsablonu, window->aculozsablonu})
            bits += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    }
};
