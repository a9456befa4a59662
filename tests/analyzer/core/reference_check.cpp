#include "reference_check.h"

#include "platform/core/czech.h"

#include <algorithm>

namespace {
constexpr char kMarker = kReferenceChMarker;
}  // namespace

ReferenceCheck::ReferenceCheck(const analyzer::Puzzle& puzzle, bool chAsOneLetter)
    : puzzle_(puzzle), ch_(chAsOneLetter), work_(puzzle.cells), marks_(puzzle.cells.size()) {
    if (ch_)
        for (std::string& text : work_)
            for (std::size_t at; (at = text.find("CH")) != std::string::npos;) text.replace(at, 2, 1, kMarker);
}

std::string& ReferenceCheck::cell(int column, int row) {
    return work_[static_cast<std::size_t>((row - 1) * puzzle_.width + column - 1)];
}

int& ReferenceCheck::mark(int column, int row) {
    return marks_[static_cast<std::size_t>((row - 1) * puzzle_.width + column - 1)];
}

std::string ReferenceCheck::convert(std::string word) const {
    while (ch_) {
        std::string upper = word;
        for (char& c : upper)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        const auto at = upper.find("CH");
        if (at == std::string::npos) break;
        word.insert(at, 1, kMarker);
        word.erase(at + 1, 2);
    }
    return czechUpperCase(word);
}

bool ReferenceCheck::findNextStart(char letter) {
    if (cursorColumn_ == puzzle_.width) {
        ++cursorRow_;
        cursorColumn_ = 0;
    }
    for (int row = cursorRow_; row <= puzzle_.height; ++row)
        for (int column = row == cursorRow_ ? cursorColumn_ + 1 : 1; column <= puzzle_.width; ++column)
            if (cell(column, row) == std::string(1, letter)) {
                startColumn_ = cursorColumn_ = column;
                startRow_ = cursorRow_ = row;
                return true;
            }
    return false;
}

bool ReferenceCheck::matches(const std::string& word, int column, int row, int direction) {
    const ReferenceDirection& step = kReferenceDirections[static_cast<std::size_t>(direction)];
    for (std::size_t i = 1; i < word.size(); ++i) {
        const int c = column + static_cast<int>(i) * step.columnStep;
        const int r = row + static_cast<int>(i) * step.rowStep;
        if (c < 1 || c > puzzle_.width || r < 1 || r > puzzle_.height) return false;
        if (cell(c, r) != std::string(1, word[i])) return false;
    }
    return true;
}

std::vector<ReferenceCheck::Found> ReferenceCheck::occurrences(const std::string& listed) {
    const std::string word = convert(listed);
    std::vector<Found> all;
    if (word.empty()) return all;
    startColumn_ = startRow_ = 1;
    cursorColumn_ = 0;
    cursorRow_ = 1;
    while (findNextStart(word[0]))
        for (int d = 0; d < static_cast<int>(kReferenceDirections.size()); ++d)
            if (matches(word, startColumn_, startRow_, d)) all.push_back({startColumn_, startRow_, d});
    return all;
}

std::string ReferenceCheck::entry(const std::string& word, const Found& found) {
    return word + "  " + std::to_string(found.column) + "," + std::to_string(found.row) + " : " +
           std::string(kReferenceDirections[static_cast<std::size_t>(found.direction)].name);
}

void ReferenceCheck::strike(const std::string& listed, std::vector<std::string>& extras) {
    const std::size_t length = convert(listed).size();
    for (const Found& f : occurrences(listed)) {
        const ReferenceDirection& step = kReferenceDirections[static_cast<std::size_t>(f.direction)];
        bool fresh = false;
        for (std::size_t i = 0; i < length; ++i)
            fresh = fresh || mark(f.column + static_cast<int>(i) * step.columnStep,
                                  f.row + static_cast<int>(i) * step.rowStep) == 0;
        if (!fresh) extras.push_back(entry(listed, f));
        for (std::size_t i = 0; i < length; ++i)
            mark(f.column + static_cast<int>(i) * step.columnStep, f.row + static_cast<int>(i) * step.rowStep) = 1;
    }
}

ReferenceCheck::Outcome ReferenceCheck::run(RandomSource& random) {
    Outcome out;
    const auto& words = puzzle_.words;
    for (const std::string& w : words) {
        const auto all = occurrences(w);
        if (all.empty()) out.notFound.push_back(w);
        else out.found.push_back(entry(w, all[0]));
    }
    for (const std::string& w : words) {
        const auto all = occurrences(w);
        for (std::size_t i = 1; i < all.size(); ++i) out.duplicates.push_back(entry(w, all[i]));
    }
    std::fill(marks_.begin(), marks_.end(), 0);
    for (const std::string& w : words) strike(w, out.forward);
    std::fill(marks_.begin(), marks_.end(), 0);
    for (auto it = words.rbegin(); it != words.rend(); ++it) strike(*it, out.backward);
    std::fill(marks_.begin(), marks_.end(), 0);
    std::vector<std::string> pool = words;
    std::stable_sort(pool.begin(), pool.end(), CzechLess{});
    for (std::size_t n = 0; n < words.size(); ++n) {
        const int k = random.random(static_cast<int>(pool.size()));
        strike(pool[static_cast<std::size_t>(k)], out.random);
        pool.erase(pool.begin() + k);
    }
    for (int row = 1; row <= puzzle_.height; ++row)
        for (int column = 1; column <= puzzle_.width; ++column)
            if (mark(column, row) == 0 && cell(column, row) != "@")
                out.remaining += puzzle_.cell(column, row);  // as it stands, CH and all
    std::string phrase = puzzle_.solutionPhrase;
    while (!phrase.empty() && static_cast<unsigned char>(phrase.front()) <= ' ') phrase.erase(0, 1);
    while (!phrase.empty() && static_cast<unsigned char>(phrase.back()) <= ' ') phrase.pop_back();
    std::erase(phrase, ' ');
    out.matches = out.remaining == czechUpperCase(phrase);
    return out;
}
