#include "crisscross/core/krs_generator.h"

#include "crisscross/core/krs_document.h"
#include "document/core/document_kinds.h"

#include <algorithm>
#include <bit>
#include <exception>
#include <functional>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr char freeMark = '?';  // a free cell not drawn yet

// The most numbers of one length the puzzle may hold and still have them all
// differ: 10 × L, but 20 for two digits.
std::size_t mostNumbersOfLength(std::size_t length) { return length == 2 ? 20 : 10 * length; }

// 10 to the power `exponent`, or the first power of ten past `cap`.
std::size_t powerOfTenPast(int exponent, std::size_t cap) {
    std::size_t value = 1;
    for (int i = 0; i < exponent && value <= cap; ++i) value *= 10;
    return value;
}

// An augmenting path from `run`: it takes one of its numbers, moving the run
// that held it to another of that run's numbers, and so on (Kuhn).
bool matchRun(std::size_t run, const std::vector<std::vector<int>>& options, std::vector<int>& runOf,
              std::vector<std::size_t>& seen, std::size_t stamp) {
    for (const int number : options[run]) {
        const auto n = static_cast<std::size_t>(number);
        if (seen[n] == stamp) continue;
        seen[n] = stamp;
        if (runOf[n] < 0 || matchRun(static_cast<std::size_t>(runOf[n]), options, runOf, seen, stamp)) {
            runOf[n] = static_cast<int>(run);
            return true;
        }
    }
    return false;
}

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
        const int runIndex = static_cast<int>(runs_.size());
        runs_.push_back(Run{static_cast<int>(text_.size()), length, direction, static_cast<int>(runFree_.size()), 0});
        // Two runs are bound to be equal when their fixed texts and free cells
        // stand alike all along; how the fixed text is split into cells does
        // not matter.
        std::string key;
        for (const int cell : run) {
            if (const int f = freeIndex[static_cast<std::size_t>(cell)]; f >= 0) {
                FreeCell& free = freeCells_[static_cast<std::size_t>(f)];
                free.places[direction] = static_cast<int>(text_.size());
                free.runs[direction] = runIndex;
                runFree_.push_back(f);
                ++runs_.back().freeCount;
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

bool CrissCrossFill::runsOutnumberTheirNumbers() const {
    std::vector<std::vector<int>> byLength;
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const auto length = static_cast<std::size_t>(runs_[r].length);
        if (byLength.size() <= length) byLength.resize(length + 1);
        byLength[length].push_back(static_cast<int>(r));
    }
    for (const std::vector<int>& group : byLength) {
        // A run that can take at least as many numbers as its length has runs
        // always finds one that the others left over: only the runs with fewer
        // numbers need to be given numbers of their own.
        std::vector<std::vector<int>> options;  // per such run: the numbers it can take
        std::unordered_map<std::string, int> numberIds;
        for (const int r : group) {
            const Run& run = runs_[static_cast<std::size_t>(r)];
            const std::size_t count = powerOfTenPast(run.freeCount, group.size());
            if (count >= group.size()) continue;
            std::string number(runText(run));
            std::vector<int>& ids = options.emplace_back();
            for (std::size_t value = 0; value < count; ++value) {
                std::size_t rest = value;
                for (int i = 0; i < run.freeCount; ++i, rest /= 10) {
                    const int place = freeCells_[freeCellOf(run, i)].places[run.direction] - run.start;
                    number[static_cast<std::size_t>(place)] = static_cast<char>('0' + rest % 10);
                }
                const int next = static_cast<int>(numberIds.size());
                ids.push_back(numberIds.try_emplace(number, next).first->second);
            }
        }
        std::vector<int> runOf(numberIds.size(), -1);
        std::vector<std::size_t> seen(numberIds.size(), options.size());
        for (std::size_t run = 0; run < options.size(); ++run)
            if (!matchRun(run, options, runOf, seen, run)) return true;
    }
    return false;
}

void CrissCrossFill::setDigit(FreeCell& cell, char digit) {
    cell.digit = digit;
    for (const int place : cell.places)
        if (place >= 0) text_[static_cast<std::size_t>(place)] = digit;
}

void CrissCrossFill::draw(RandomSource& random) {
    for (FreeCell& cell : freeCells_) setDigit(cell, static_cast<char>('0' + std::clamp(random.random(10), 0, 9)));
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

CrissCrossFill::SearchEnd CrissCrossFill::searchDistinct(RandomSource& random, const std::atomic<bool>& stop,
                                                          long long& steps) {
    // Cells are numbered by their place in reading order, which is also the
    // order the search fills them in. A set of cells is a row of bits.
    using Bits = std::uint64_t;
    const std::size_t cellCount = freeCells_.size();
    const std::size_t words = (cellCount + 63) / 64;
    std::vector<Bits> runCells(runs_.size() * words, 0);  // per run: its free cells
    std::vector<int> unset(runs_.size());                 // per run: its free cells without a digit
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        for (int i = 0; i < runs_[r].freeCount; ++i) {
            const std::size_t cell = freeCellOf(runs_[r], i);
            runCells[r * words + cell / 64] |= Bits{1} << (cell % 64);
        }
        unset[r] = runs_[r].freeCount;
    }
    for (FreeCell& cell : freeCells_) setDigit(cell, freeMark);
    const auto textOf = [this](int run) { return runText(runs_[static_cast<std::size_t>(run)]); };
    const auto unsetOf = [&unset](int run) -> int& { return unset[static_cast<std::size_t>(run)]; };

    // The numbers of the complete runs, each once.
    std::unordered_map<std::string_view, int> taken;
    taken.reserve(runs_.size() * 2);
    for (std::size_t r = 0; r < runs_.size(); ++r)
        if (unset[r] == 0 && !taken.try_emplace(runText(runs_[r]), static_cast<int>(r)).second) return SearchEnd::none;

    // Per cell: the digits not tried since the search last came to it, and the
    // cells up to it whose digits ruled out those tried.
    std::vector<std::uint16_t> untried(cellCount);
    std::vector<Bits> blamed(cellCount * words);
    const auto blamedOf = [&](std::size_t cell) { return blamed.begin() + static_cast<std::ptrdiff_t>(cell * words); };
    const auto arrive = [&](std::size_t cell) {
        untried[cell] = 0x3FF;
        std::fill_n(blamedOf(cell), words, Bits{0});
    };
    const auto addBlame = [&](std::size_t cell, std::vector<Bits>::const_iterator cells) {
        std::transform(cells, cells + static_cast<std::ptrdiff_t>(words), blamedOf(cell), blamedOf(cell),
                       std::bit_or<>());
    };
    const auto blame = [&](std::size_t cell, int run) {
        addBlame(cell, runCells.cbegin() + static_cast<std::ptrdiff_t>(static_cast<std::size_t>(run) * words));
    };
    // Takes the cell's digit away, and from `taken` the numbers it completed
    // when they were entered there.
    const auto unplace = [&](std::size_t cell, bool entered) {
        FreeCell& free = freeCells_[cell];
        for (const int run : free.runs) {
            if (run < 0) continue;
            if (entered && unsetOf(run) == 0) taken.erase(textOf(run));
            ++unsetOf(run);
        }
        setDigit(free, freeMark);
    };
    // Gives the cell a digit and enters the numbers it completes; false (and
    // nothing changed) when one of them is taken already.
    const auto place = [&](std::size_t cell, char digit) {
        FreeCell& free = freeCells_[cell];
        setDigit(free, digit);
        for (const int run : free.runs)
            if (run >= 0) --unsetOf(run);
        int entered = -1;
        for (const int run : free.runs) {
            if (run < 0 || unsetOf(run) != 0) continue;
            const auto [at, fresh] = taken.try_emplace(textOf(run), run);
            if (fresh) {
                entered = run;
                continue;
            }
            blame(cell, run);
            blame(cell, at->second);
            if (entered >= 0) taken.erase(textOf(entered));
            unplace(cell, false);
            return false;
        }
        return true;
    };

    std::size_t cell = 0;
    if (cellCount > 0) arrive(0);
    while (cell < cellCount) {
        if ((++steps & 255) == 0 && stop.load(std::memory_order_relaxed)) return SearchEnd::stopped;
        if (untried[cell] != 0) {
            // The k-th of the digits left, k drawn.
            const int left = std::popcount(untried[cell]);
            unsigned digits = untried[cell];
            for (int k = std::clamp(random.random(left), 0, left - 1); k > 0; --k) digits &= digits - 1;
            const int digit = std::countr_zero(digits);
            untried[cell] = static_cast<std::uint16_t>(untried[cell] & ~(1u << digit));
            if (place(cell, static_cast<char>('0' + digit)) && ++cell < cellCount) arrive(cell);
            continue;
        }
        // Every digit failed here: go back to the latest cell among those to
        // blame, which takes over the blame, and try its next digit there.
        const auto mine = blamedOf(cell);
        mine[static_cast<std::ptrdiff_t>(cell / 64)] &= ~(Bits{1} << (cell % 64));
        std::size_t back = cellCount;
        for (std::size_t w = words; w-- > 0 && back == cellCount;) {
            const Bits bits = mine[static_cast<std::ptrdiff_t>(w)];
            if (bits != 0) back = w * 64 + static_cast<std::size_t>(63 - std::countl_zero(bits));
        }
        if (back == cellCount) return SearchEnd::none;
        addBlame(back, mine);
        while (cell > back) unplace(--cell, true);
    }
    return SearchEnd::found;
}

CrissCrossResult generateCrissCross(const CrissCrossSetup& setup, RandomSource& random,
                                    const std::atomic<bool>& stop) {
    CrissCrossResult result;
    CrissCrossFill fill(setup.columns, setup.rows, setup.cells, setup.allowOneDigitNumbers);
    bool repeatAllowed = setup.repeatAllowed;
    if (!repeatAllowed && (fill.feasibilityTrips() || fill.runsForcedEqual() || fill.runsOutnumberTheirNumbers())) {
        result.repeatsAllowedAfterAll = true;
        repeatAllowed = true;
    }
    const auto stopped = [&] {
        result.outcome = CrissCrossOutcome::stopped;
        return result;
    };
    bool filled = false;
    while (!filled && (result.attempts == 0 || (!repeatAllowed && result.attempts < setup.drawnAttempts))) {
        if (stop.load(std::memory_order_relaxed)) return stopped();
        ++result.attempts;
        fill.draw(random);
        filled = repeatAllowed || !fill.hasRepeat();
    }
    if (!filled) {
        result.searched = true;
        switch (fill.searchDistinct(random, stop, result.searchSteps)) {
        case CrissCrossFill::SearchEnd::found:
            break;
        case CrissCrossFill::SearchEnd::stopped:
            return stopped();
        case CrissCrossFill::SearchEnd::none:
            result.repeatsAllowedAfterAll = true;
            ++result.attempts;
            fill.draw(random);
            break;
        }
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
