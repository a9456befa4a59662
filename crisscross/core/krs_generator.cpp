#include "crisscross/core/krs_generator.h"

#include "crisscross/core/krs_document.h"
#include "frame/core/documents.h"

#include <algorithm>
#include <exception>
#include <unordered_set>

namespace {

constexpr char freeMark = '?';  // a free cell not drawn yet

// The most numbers of one length the puzzle may hold and still have them all
// differ: 10 × L, but 20 for two digits.
std::size_t mostNumbersOfLength(std::size_t length) { return length == 2 ? 20 : 10 * length; }

std::uint64_t hashOf(std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash ^ (hash >> 29);
}

}  // namespace

CrissCrossFill::CrissCrossFill(int columns, int rows, std::vector<std::string> cells, bool allowOneDigitNumbers)
    : columns_(std::max(columns, 0)), rows_(std::max(rows, 0)), cells_(std::move(cells)) {
    cells_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
    std::vector<int> freeIndex(cells_.size(), -1);
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        if (!cells_[i].empty()) continue;
        freeIndex[i] = static_cast<int>(freeCells_.size());
        freeCells_.push_back(FreeCell{static_cast<int>(i)});
    }

    std::vector<int> run;  // the cells of the run being collected
    const auto closeRun = [&](int direction) {
        int length = 0;
        for (const int cell : run) length += cells_[cell].empty() ? 1 : static_cast<int>(cells_[cell].size());
        if (length == 0 || (length == 1 && !allowOneDigitNumbers)) {
            run.clear();
            return;
        }
        runs_.push_back(Run{static_cast<int>(text_.size()), length});
        // Two runs are bound to be equal when their fixed texts and free cells
        // stand alike all along; how the fixed text is split into cells does
        // not matter.
        std::string key;
        for (const int cell : run) {
            if (const int f = freeIndex[static_cast<std::size_t>(cell)]; f >= 0) {
                freeCells_[static_cast<std::size_t>(f)].places[direction] = static_cast<int>(text_.size());
                text_ += freeMark;
                key += '\x02';
                key.append(reinterpret_cast<const char*>(&cell), sizeof cell);
            } else {
                text_ += cells_[static_cast<std::size_t>(cell)];
                for (const char c : cells_[static_cast<std::size_t>(cell)]) {
                    key += '\x01';
                    key += c;
                }
            }
        }
        forcedKeys_.push_back(std::move(key));
        run.clear();
    };
    const auto visit = [&](int column, int row, int direction) {
        const int cell = (row - 1) * columns_ + (column - 1);
        if (cells_[static_cast<std::size_t>(cell)] == hiddenCellText) closeRun(direction);
        else run.push_back(cell);
    };
    for (int row = 1; row <= rows_; ++row) {
        for (int column = 1; column <= columns_; ++column) visit(column, row, 0);
        closeRun(0);
    }
    for (int column = 1; column <= columns_; ++column) {
        for (int row = 1; row <= rows_; ++row) visit(column, row, 1);
        closeRun(1);
    }

    std::size_t capacity = 16;
    while (capacity < runs_.size() * 2) capacity *= 2;
    slotRun_.assign(capacity, -1);
    slotStamp_.assign(capacity, 0);
}

bool CrissCrossFill::feasibilityTrips() const {
    std::vector<std::size_t> counts;
    for (const Run& run : runs_) {
        const auto length = static_cast<std::size_t>(run.length);
        if (counts.size() <= length) counts.resize(length + 1);
        ++counts[length];
    }
    for (std::size_t length = 1; length < counts.size(); ++length)
        if (counts[length] > mostNumbersOfLength(length)) return true;
    return false;
}

bool CrissCrossFill::runsForcedEqual() const {
    std::unordered_set<std::string_view> seen;
    seen.reserve(forcedKeys_.size());
    for (const std::string& key : forcedKeys_)
        if (!seen.insert(key).second) return true;
    return false;
}

void CrissCrossFill::draw(RandomSource& random) {
    for (FreeCell& cell : freeCells_) {
        const char digit = static_cast<char>('0' + std::clamp(random.random(10), 0, 9));
        cell.digit = digit;
        for (const int place : cell.places)
            if (place >= 0) text_[static_cast<std::size_t>(place)] = digit;
    }
}

bool CrissCrossFill::hasRepeat() {
    if (++stamp_ == 0) {  // the stamps went round: empty the table for real
        std::fill(slotStamp_.begin(), slotStamp_.end(), 0u);
        stamp_ = 1;
    }
    const std::size_t mask = slotRun_.size() - 1;
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const std::string_view number = runText(runs_[r]);
        std::size_t slot = static_cast<std::size_t>(hashOf(number)) & mask;
        for (; slotStamp_[slot] == stamp_; slot = (slot + 1) & mask)
            if (runText(runs_[static_cast<std::size_t>(slotRun_[slot])]) == number) return true;
        slotStamp_[slot] = stamp_;
        slotRun_[slot] = static_cast<std::int32_t>(r);
    }
    return false;
}

std::vector<std::string> CrissCrossFill::numbers() const {
    std::vector<std::string> numbers;
    numbers.reserve(runs_.size());
    for (const Run& run : runs_) numbers.emplace_back(runText(run));
    return numbers;
}

std::vector<std::string> CrissCrossFill::cells() const {
    std::vector<std::string> cells = cells_;
    for (const FreeCell& cell : freeCells_) cells[static_cast<std::size_t>(cell.cell)] = std::string(1, cell.digit);
    return cells;
}

CrissCrossResult generateCrissCross(const CrissCrossSetup& setup, RandomSource& random,
                                    const std::atomic<bool>& stop) {
    CrissCrossResult result;
    CrissCrossFill fill(setup.columns, setup.rows, setup.cells, setup.allowOneDigitNumbers);
    bool repeatAllowed = setup.repeatAllowed;
    if (!repeatAllowed && (fill.feasibilityTrips() || fill.runsForcedEqual())) {
        result.repeatsAllowedAfterAll = true;
        repeatAllowed = true;
    }
    for (;;) {
        if (stop.load(std::memory_order_relaxed)) {
            result.outcome = CrissCrossOutcome::stopped;
            return result;
        }
        if (result.attempts >= setup.maxAttempts) {
            result.outcome = CrissCrossOutcome::attemptsExhausted;
            return result;
        }
        ++result.attempts;
        fill.draw(random);
        if (repeatAllowed || !fill.hasRepeat()) break;
    }
    result.outcome = CrissCrossOutcome::completed;
    result.cells = fill.cells();
    result.numbers = fill.numbers();
    sortNumbers(result.numbers);
    return result;
}

struct CrissCrossWorker::Run {
    std::atomic<bool> stop{false};
    std::atomic<bool> ended{false};
    std::jthread thread;  // last member: joined before the flags it uses go away
};

CrissCrossWorker::CrissCrossWorker(RandomSource& random) : random_(random) {}

CrissCrossWorker::~CrissCrossWorker() { stop(); }

void CrissCrossWorker::start(CrissCrossSetup setup, Done done) {
    stop();
    run_ = std::make_unique<Run>();
    Run* run = run_.get();
    run->thread = std::jthread([this, run, setup = std::move(setup), done = std::move(done)] {
        CrissCrossResult result;
        try {
            result = generateCrissCross(setup, random_, run->stop);
        } catch (const std::exception&) {
            result = CrissCrossResult{};
            result.outcome = CrissCrossOutcome::failed;
        }
        if (done) done(std::move(result));
        run->ended.store(true);
    });
}

void CrissCrossWorker::requestStop() {
    if (run_) run_->stop.store(true);
}

void CrissCrossWorker::stop() {
    if (!run_) return;
    run_->stop.store(true);
    if (run_->thread.joinable()) run_->thread.join();
}

bool CrissCrossWorker::running() const { return run_ && !run_->ended.load(); }
