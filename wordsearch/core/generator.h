#pragma once
// The word-search generator: fills a grid with words in eight directions around
// the letters of a secret phrase, so that the letters left over after a solver
// strikes every listed word spell the phrase, read row by row.
//
// The algorithm (`OsmGenerator::generate`) works on its own copy of the grid and
// its own word lists and never touches a window. Everything the window must show
// goes out through a GeneratorListener, which the worker thread calls (see
// generator_run.h). All texts are Windows-1250 bytes.
//
// Every random draw goes through the RandomSource given to the generator, in a
// fixed order, so a scripted source reproduces a run exactly.
//
// A puzzle the run reports finished reads as the analyzer reads it
// (wordsearch/core/reading.h): every listed word lies exactly once, none across
// a letter of the secret phrase, each with a cell no other listed word covers.
// A placement after which that would no longer hold is refused like one that
// does not fit (see listed_reading.h), and a pass whose grid does not read so
// as it starts fails.

#include "document/core/document_kinds.h"
#include "platform/core/random.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// The byte that stands for "ch" inside the generator when the digraph counts
// as one letter.
inline constexpr char kDigraphPlaceholder = '#';

// What a run does when every word of the pool has been drawn once and the grid
// is still not full (`wordSearchSettings` byte 3).
enum class OnFailure : unsigned char { Restart = 0, Pause = 1, Stop = 2 };

// One window cell as a run starts from it: its label text as shown ("" empty,
// one letter, "ch" for the digraph, "@" hidden) and whether its shape is red
// (a letter of the secret phrase).
struct WsCell {
    std::string text;
    bool red = false;
    bool operator==(const WsCell&) const = default;
};

// The window's cells, indexed [col][row] from 1 to maxGridSide like the window's own tables.
class WsCells {
public:
    WsCell& at(int col, int row) { return cells_[index(col, row)]; }
    const WsCell& at(int col, int row) const { return cells_[index(col, row)]; }
    bool operator==(const WsCells&) const = default;

private:
    static int index(int col, int row) { return row * (maxGridSide + 1) + col; }
    std::array<WsCell, (maxGridSide + 1) * (maxGridSide + 1)> cells_{};
};

// A text the window shows in one cell: a letter, or "ch" for the digraph.
struct CellText {
    int col = 0;
    int row = 0;
    std::string text;
    bool operator==(const CellText&) const = default;
};

// Everything a run is started with; the run keeps its own copy.
struct GeneratorSetup {
    int cols = 10;  // 2..40
    int rows = 10;  // 2..40
    WsCells cells;
    // The word pool in the window's sorted order (see buildWordPool, word_pool.h).
    // A word that buildWordPool would refuse is drawn like any other but never placed.
    std::vector<std::string> words;
    // The placed-word list (`ListBox1`) as the run starts: its words count for the
    // suitability test from the first draw on.
    std::vector<std::string> placedWords;
    // `processedSecretPhrase`: "#" stands for the digraph, no blanks (see processSecretPhrase).
    std::string secretPhrase;
    bool firstRun = true;            // false: a resumed run, which protects the red cells
    bool chAsOneLetter = false;      // `wordSearchSettings` byte 0
    bool preferEmptyCells = false;   // byte 1
    OnFailure onFailure = OnFailure::Restart;  // byte 3
    bool randomOrder = true;         // "Vkládání": "Náhodně"; the window may change it during the run
};

// What a run reports. Called on the thread that runs the generator (the worker
// thread in the program), never on the window's thread: an implementation must
// copy what it needs and hand it over (the window queues the calls to itself).
// No call may wait for the window.
class GeneratorListener {
public:
    virtual ~GeneratorListener() = default;

    // A status text for `infopanel`.
    virtual void statusChanged(const std::string& text) = 0;
    // A word was placed (the first word too): show `cells` in the labels, in the
    // word's letter order, and add `word` (with "ch" spelled out) to `ListBox1`.
    // These are ordinary letters: their shapes are white (a red cell that held
    // no letter is not kept for the phrase and may be filled by a word).
    virtual void wordPlaced(const std::string& word, const std::vector<CellText>& cells) = 0;
    // The secret phrase was scattered: show each letter and paint its shape red.
    virtual void secretPhrasePlaced(const std::vector<CellText>& cells) = 0;
    // The run starts over after a failed pass: empty `ListBox1`; every cell whose
    // label is not "@" gets an empty label and a white shape.
    virtual void lettersCleared() = 0;
    // The run paused itself (on-failure choice "pause") and ends: take the
    // paused state if this run is still the window's running one. This is not
    // the pause button's toggle; a window that is already paused ignores it.
    virtual void pausedOnFailure() = 0;
    // The run gave up (on-failure choice "stop") and ends: the failed state.
    virtual void reportFailure() = 0;
    // The run ends before the first word of a pass, whatever the on-failure
    // choice, because the pool can never fill the grid: its usable words hold
    // `letters` letters ("ch" one letter when the setting says so), fewer
    // than the `cells` free cells the words must fill (empty cells less the
    // phrase's letters). The failed state; a listener that tells the user
    // nothing more may leave this as a plain failure.
    virtual void wordsTooFew(std::int64_t letters, int cells) {
        (void)letters;
        (void)cells;
        reportFailure();
    }
    // The grid is full: every cell of the grid with its label upper-cased, in
    // reading order; then the finished state.
    virtual void finishGeneration(const std::vector<CellText>& upperCasedCells) = 0;
};

// The flags the window writes while a run goes on. Safe to use from any thread.
class GeneratorControl {
public:
    void requestStop() {
        {
            std::lock_guard lock(mutex_);
            stop_.store(true);
        }
        wake_.notify_all();
    }
    bool stopRequested() const { return stop_.load(); }
    void setRandomOrder(bool value) { randomOrder_.store(value); }
    bool randomOrder() const { return randomOrder_.load(); }

    // Sleeps for up to `duration`, returning at once when a stop is requested.
    void waitUnlessStopped(std::chrono::steady_clock::duration duration) {
        std::unique_lock lock(mutex_);
        wake_.wait_for(lock, duration, [this] { return stop_.load(); });
    }

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> randomOrder_{true};
    std::mutex mutex_;
    std::condition_variable wake_;
};

// How a run ended.
enum class GeneratorOutcome {
    Completed,        // the grid is full and finishGeneration was reported
    Stopped,          // a stop was requested (pause, cancel, close)
    PausedOnFailure,  // on-failure choice "pause"
    Failed,           // on-failure choice "stop"
    WordsTooFew,      // the pool's letters can never fill the grid (wordsTooFew was reported)
};

struct GeneratorStats {
    std::int64_t wordsTried = 0;  // words drawn by the word loop, suitable or not
    int passes = 0;               // 1 + the number of restarts
};

// The status texts a run shows, Windows-1250.
extern const std::string kStatusPlacingFirstWord;     // "Vkládám první slovo..."
extern const std::string kStatusPlacingSecretPhrase;  // "Vkládám tajenku..."
extern const std::string kStatusSearchingWords;       // "Vyhledávám vhodná slova..."

// `processedSecretPhrase` of a typed phrase: each "ch" (lower case, left to
// right) becomes "#" when the digraph counts as one letter; then every blank goes.
std::string processSecretPhrase(std::string_view typedPhrase, bool chAsOneLetter);

class OsmGenerator {
public:
    // The words of `setup` are read in place: `setup`, `random`, `listener` and
    // `control` must outlive the generator.
    OsmGenerator(const GeneratorSetup& setup, RandomSource& random, GeneratorListener& listener,
                 GeneratorControl& control);
    ~OsmGenerator();
    OsmGenerator(const OsmGenerator&) = delete;
    OsmGenerator& operator=(const OsmGenerator&) = delete;

    // A restart does not begin sooner than this after the pass before it began,
    // so a run that restarts over and over cannot flood the window with reports.
    void setMinimumPassTime(std::chrono::steady_clock::duration duration);

    // The run: first word and secret phrase (first runs) or protection of the red
    // cells (resumed runs), then words until the grid is full or the pool is used
    // up, when the on-failure choice decides. Before the first word of a pass the
    // run ends at once (wordsTooFew) when the usable words' letters are fewer
    // than the free cells less the phrase's letters: restarting could never
    // change that. Call once.
    GeneratorOutcome generate();

    const GeneratorStats& stats() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
