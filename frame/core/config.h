#pragma once
// The program's settings.
//
// Every setting of grilpad lives in one binary record of 16 bytes, stored alone
// in "mindgrid.cfg" beside the program (no header, no version). At start-up the
// record is read and split into four live blocks that the frame and the
// document windows read whenever they need a setting; the settings dialog edits
// the live blocks and, on its "Uložit" button, writes the record to the file.
//
// Booleans are one byte (0 off, anything else on), choices are the index of a
// radio item, the cell size is a byte in pixels. Readers go through the
// accessors below: they keep a damaged or missing file from producing cells of
// 0 pixels or choices that do not exist.

#include "stores/core/word_index.h"  // CandidateSource

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t configRecordSize = 16;
using ConfigRecord = std::array<std::uint8_t, configRecordSize>;

// Where each setting sits in the record.
namespace configByte {
enum : std::size_t {
    showStandardToolBar = 0,       // tool bar "Standardní" shown
    showEditToolBar = 1,           // tool bar "Úpravy" shown
    maximiseWindows = 2,           // document windows open maximised
    startWindow = 3,               // kind of window opened at start, 0 none
    cellSize = 4,                  // side of a grid cell in pixels
    rememberClues = 5,             // crossword clues go to the user's clue store
    addWordsToUserStore = 6,       // inserted crossword words go to the user's words
    crosswordChAsOneLetter = 7,    // "ch" is one letter in (Swedish) crosswords
    crosswordWordSource = 8,       // which word stores offer candidates
    allowOneDigitNumbers = 9,      // criss-cross numbers of one digit
    crissCrossChAsOneLetter = 10,  // "ch" is one letter in criss-cross puzzles
    // Kept in the file and carried over by the settings dialog, whose box for it
    // is hidden; nothing acts on it.
    hiddenCellsInShapeEditing = 11,
    wordSearchChAsOneLetter = 12,  // "ch" is one letter in word searches
    preferWholeWords = 13,         // the generator prefers whole words in empty cells
    startAnalyzer = 14,            // start the analyzer after a successful generation
    failureReaction = 15,          // what the generator does when it fails
};
}  // namespace configByte

// A radio choice as stored: the item index, or the first item when the byte
// names no item of the group.
inline int radioChoice(std::uint8_t value, int itemCount) { return value < itemCount ? value : 0; }

struct FrameSettings {  // record bytes 0 to 4
    std::array<std::uint8_t, 5> bytes{};

    bool showStandardToolBar() const { return bytes[0] != 0; }
    bool showEditToolBar() const { return bytes[1] != 0; }
    bool maximiseWindows() const { return bytes[2] != 0; }
    // The document kind of the window opened at start (1 to 4), 0 for none.
    int startWindowKind() const { return radioChoice(bytes[3], 5); }
    // Side of a grid cell in pixels, always within 20 to 40.
    int cellSize() const;
};

struct CrosswordSettings {  // record bytes 5 to 8
    std::array<std::uint8_t, 4> bytes{};

    bool rememberClues() const { return bytes[0] != 0; }
    bool addWordsToUserStore() const { return bytes[1] != 0; }
    bool chAsOneLetter() const { return bytes[2] != 0; }
    CandidateSource candidateSource() const { return static_cast<CandidateSource>(radioChoice(bytes[3], 3)); }
};

struct CrissCrossSettings {  // record bytes 9 to 11
    std::array<std::uint8_t, 3> bytes{};

    bool allowOneDigitNumbers() const { return bytes[0] != 0; }
    bool chAsOneLetter() const { return bytes[1] != 0; }
    // bytes[2]: hiddenCellsInShapeEditing, which nothing acts on.
};

enum class FailureReaction { Restart = 0, Pause = 1, Stop = 2 };

struct WordSearchSettings {  // record bytes 12 to 15
    std::array<std::uint8_t, 4> bytes{};

    bool chAsOneLetter() const { return bytes[0] != 0; }
    bool preferWholeWords() const { return bytes[1] != 0; }
    bool startAnalyzer() const { return bytes[2] != 0; }
    FailureReaction failureReaction() const { return static_cast<FailureReaction>(radioChoice(bytes[3], 3)); }
};

// The record as last read, applied or saved, and the live blocks. All are zero
// until loadConfig succeeds. Only the GUI thread writes them.
extern ConfigRecord configRecord;
extern FrameSettings frameSettings;
extern CrosswordSettings crosswordSettings;
extern CrissCrossSettings crissCrossSettings;
extern WordSearchSettings wordSearchSettings;

// The live byte that mirrors record byte `index` (0 to 15).
std::uint8_t liveSetting(std::size_t index);
void setLiveSetting(std::size_t index, std::uint8_t value);

// Copies between the record and the live blocks, byte for byte.
void recordToLiveBlocks();
void liveBlocksToRecord();

// "mindgrid.cfg" in the program folder.
std::filesystem::path configFile();

enum class ConfigOutcome {
    Done,
    CannotOpen,   // the file is missing or cannot be created
    CannotRead,   // the file holds fewer than 16 bytes
    CannotWrite,  // writing failed; the old file is left whole
};

// The file's format: the record is its first 16 bytes, and bytes after them are
// ignored; nothing when fewer than 16 bytes are given. configBytes is the whole
// file as saveConfig writes it.
std::optional<ConfigRecord> parseConfig(std::string_view bytes);
std::string configBytes(const ConfigRecord& record);

// Reads the first record of the file into `configRecord` and the live blocks.
// Only the first 16 bytes are read, however large the file. On failure nothing changes.
ConfigOutcome loadConfig();

// Writes `configRecord` as the whole new file, atomically. The record and the
// live blocks keep their values whatever happens.
ConfigOutcome saveConfig();
