#pragma once
// The running program's forms, the criss-cross's digit table among them, with
// real criss-cross windows, and helpers to draw a grid, look at it and answer
// the dialogs a window opens.

#include "tests/document/ui/document_checks.h"
#include "tests/frame/ui/frame_fixture.h"

#include "crisscross/ui/child_krs.h"
#include "crisscross/ui/digit_table_form.h"
#include "frame/core/config.h"
#include "platform/core/random.h"
#include "support/ui/modal.h"

#include <QApplication>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <atomic>
#include <deque>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

// Draws from a script, then zeros; counts the draws. Safe on the worker.
class ScriptedDraws : public RandomSource {
public:
    explicit ScriptedDraws(std::vector<int> draws = {}) : draws_(draws.begin(), draws.end()) {}
    int random(int) override {
        std::lock_guard lock(mutex_);
        ++count_;
        if (draws_.empty()) return 0;
        const int value = draws_.front();
        draws_.pop_front();
        return value;
    }
    int count() const { return count_.load(); }

private:
    std::mutex mutex_;
    std::deque<int> draws_;
    std::atomic<int> count_{0};
};

class KrsWindowTest : public DocumentWindowTest<TMDIChildKrs, crissCrossDocument> {
protected:
    void SetUp() override {
        DocumentWindowTest::SetUp();
        registerKindForm(KindFormPlace::afterQuestionDialog, krspiscisform);
        writeConfig({0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    }

    // A new criss-cross of the running frame (started on first use).
    TMDIChildKrs* newKrs() {
        if (!MindgridMainForm) start();
        auto* window = newDocument();
        EXPECT_NE(window, nullptr);
        return window;
    }

    // The settings of the criss-cross: one-digit numbers, "ch" as one letter.
    static void setCrissCrossSettings(bool oneDigit, bool chAsOne) {
        crissCrossSettings.bytes = {static_cast<std::uint8_t>(oneDigit), static_cast<std::uint8_t>(chAsOne), 0};
    }

    // Gives the window a grid drawn as text, one string a row: '.' an empty
    // cell, '#' a blocked one, a digit a cell holding it, 'r' an empty
    // secret-phrase cell and 'a' to 'j' a secret-phrase cell holding 0 to 9.
    static void draw(TMDIChildKrs* window, std::initializer_list<std::string> rows) {
        const int cols = static_cast<int>(rows.begin()->size());
        window->resizeGrid(cols, static_cast<int>(rows.size()));
        CellGrid& grid = window->grid();
        int row = 0;
        for (const std::string& line : rows) {
            ++row;
            for (int col = 1; col <= cols; ++col) {
                const char c = line[static_cast<std::size_t>(col - 1)];
                const bool secret = c == 'r' || (c >= 'a' && c <= 'j');
                if (c == '#') grid.setHidden(col, row, true);
                else if (c >= '0' && c <= '9') grid.setText(col, row, std::string(1, c));
                else if (c >= 'a' && c <= 'j') grid.setText(col, row, std::string(1, static_cast<char>('0' + c - 'a')));
                if (secret) {
                    grid.setBrush(col, row, colors::red);
                    window->letterUse[col][row] = {letteruse::secretPhrase, letteruse::secretPhrase};
                }
            }
        }
    }

    // The grid in the same letters; a red cell that is no secret-phrase cell
    // shows '?', a secret-phrase cell that is not red '!'.
    static std::vector<std::string> picture(const TMDIChildKrs* window) {
        const CellGrid& grid = window->grid();
        std::vector<std::string> rows;
        for (int row = 1; row <= grid.currentRows(); ++row) {
            std::string line;
            for (int col = 1; col <= grid.currentCols(); ++col) {
                const std::string text = grid.cellText(col, row);
                const bool red = grid.cellShapes()[col][row]->brush == colors::red;
                const LetterUse use = window->letterUse[col][row];
                const bool secret = use == LetterUse{letteruse::secretPhrase, letteruse::secretPhrase};
                if (text == "@") line += '#';
                else if (red != secret && (red || use != LetterUse{})) line += red ? '?' : '!';
                else if (red) line += text.empty() ? 'r' : static_cast<char>('a' + text[0] - '0');
                else line += text.empty() ? "." : text;
            }
            rows.push_back(line);
        }
        return rows;
    }

    // Whether each action is on ("1") or off ("0"): acVelikost acNavrhar
    // zadattajenku prirazenicisel smazatpismena vytvoritkrsnotopakovat
    // vytvoritkrsopakovat aczvolsablonu aculozsablonu.
    static QString states(const TMDIChildKrs* window) {
        QString bits;
        for (const QAction* action : {window->acVelikost, window->acNavrhar, window->zadattajenku,
                                      window->prirazenicisel, window->smazatpismena, window->vytvoritkrsnotopakovat,
                                      window->vytvoritkrsopakovat, window->aczvolsablonu, window->aculozsablonu})
            bits += action->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
        return bits;
    }

    static QStringList listed(const TMDIChildKrs* window) {
        QStringList items;
        for (int i = 0; i < window->ListBox1->count(); ++i) items << window->ListBox1->item(i)->text();
        return items;
    }

    // Waits, serving the event loop, until `done` holds; a generous limit only
    // keeps a broken run from hanging the tests.
    static bool eventually(const std::function<bool()>& done) { return QTest::qWaitFor(done, 60000); }
};
