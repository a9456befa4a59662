#include "generator_fixtures.h"

#include "wordsearch/core/word_pool.h"

#include <gtest/gtest.h>

#include <algorithm>

int ScriptedRandom::random(int n) {
    asked.push_back(n);
    if (next_ >= values_.size()) {
        ranOut = true;
        control_.requestStop();
        return 0;
    }
    const int value = values_[next_++];
    EXPECT_TRUE(value >= 0 && value < std::max(n, 1)) << "scripted " << value << " for a draw of " << n;
    return value;
}

WindowModel::WindowModel(const GeneratorSetup& setup)
    : cols(setup.cols), rows(setup.rows), cells(setup.cells), listBox(setup.placedWords) {}

namespace {
std::string describe(const std::vector<CellText>& cells) {
    std::string out;
    for (const auto& c : cells) out += " " + std::to_string(c.col) + "," + std::to_string(c.row) + "=" + c.text;
    return out;
}
}  // namespace

void WindowModel::statusChanged(const std::string& text) {
    std::lock_guard lock(mutex_);
    statuses.push_back(text);
    log.push_back("status " + text);
    reported("status");
}

void WindowModel::wordPlaced(const std::string& word, const std::vector<CellText>& placed) {
    std::lock_guard lock(mutex_);
    for (const auto& c : placed) {
        WsCell& cell = cells.at(c.col, c.row);
        if (cell.red || cell.text == "@" || (!cell.text.empty() && cell.text != c.text)) {
            conflicts.push_back(word + " at " + std::to_string(c.col) + "," + std::to_string(c.row));
        }
        cell.text = c.text;
    }
    listBox.push_back(word);
    placements.push_back(Placement{word, placed});
    log.push_back("word " + word + describe(placed));
    reported("word");
}

void WindowModel::secretPhrasePlaced(const std::vector<CellText>& placed) {
    std::lock_guard lock(mutex_);
    for (const auto& c : placed) cells.at(c.col, c.row) = WsCell{c.text, true};
    log.push_back("phrase" + describe(placed));
    reported("phrase");
}

void WindowModel::lettersCleared() {
    std::lock_guard lock(mutex_);
    listBox.clear();
    placements.clear();
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            if (cells.at(col, row).text != "@") cells.at(col, row) = WsCell{};
        }
    }
    ++clearings;
    log.push_back("cleared");
    reported("cleared");
}

void WindowModel::pausedOnFailure() {
    std::lock_guard lock(mutex_);
    paused = true;
    log.push_back("paused");
    reported("paused");
}

void WindowModel::reportFailure() {
    std::lock_guard lock(mutex_);
    failed = true;
    log.push_back("failed");
    reported("failed");
}

void WindowModel::wordsTooFew(std::int64_t letters, int cells) {
    std::lock_guard lock(mutex_);
    failed = true;
    tooFewLetters = letters;
    tooFewCells = cells;
    log.push_back("too few " + std::to_string(letters) + " " + std::to_string(cells));
    reported("too few");
}

void WindowModel::finishGeneration(const std::vector<CellText>& upperCased) {
    std::lock_guard lock(mutex_);
    for (const auto& c : upperCased) cells.at(c.col, c.row).text = c.text;
    finished = true;
    log.push_back("finished" + describe(upperCased));
    reported("finished");
}

void WindowModel::reported(const std::string& name) {
    ++reports_;
    if (afterReport) afterReport(name);
    changed_.notify_all();
}

bool WindowModel::wait(const std::function<bool(const WindowModel&)>& ready) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, std::chrono::minutes(1), [&] { return ready(*this); });
}

int WindowModel::reportCount() const {
    std::lock_guard lock(mutex_);
    return reports_;
}

GeneratorSetup gridSetup(int cols, int rows, const std::vector<std::pair<int, int>>& hidden) {
    GeneratorSetup setup;
    setup.cols = cols;
    setup.rows = rows;
    for (const auto& [col, row] : hidden) setup.cells.at(col, row).text = "@";
    return setup;
}

std::vector<std::string> madeUpPool(std::uint32_t seed, int count, int maxLength) {
    static const std::string letters = "aaeeiooucchhklmnprstv\xE1\xE8\xF8";  // a few Czech letters too
    LinearRandom random(seed);
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i) {
        const int length = 2 + random.random(maxLength - 1);
        std::string word;
        for (int j = 0; j < length; ++j) word += letters[random.random(static_cast<int>(letters.size()))];
        words.push_back(word);
    }
    return buildWordPool(WordSource::Dictionaries, words, {});
}

std::vector<std::string> cellTextsOf(const std::string& word, bool chAsOneLetter) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (chAsOneLetter && word[i] == 'c' && i + 1 < word.size() && word[i + 1] == 'h') {
            texts.push_back("ch");
            ++i;
        } else {
            texts.push_back(std::string(1, word[i]));
        }
    }
    return texts;
}
