#pragma once
// The program's vocabulary: five stores of words and clues, the sorted word list
// of the word searches and the two tables of chosen dictionaries, with the files
// they are read from and written to.
//
// Files (program folder unless a folder is given; CR LF lines, Windows-1250):
//   *.slv, "slovausr.slv"    one word a line, as typed
//   "kriz.dat"               one word a line, scrambled (see decodeLine)
//   "krizleg.dat"            word;clue lines, scrambled
//   "legendy.sav"            word;clue lines, plain; split at the first ";"
//   "osmslov.sav"            chosen word-search dictionaries, one name a line (no ".slv")
//   "krislov.sav"            chosen crossword dictionaries, likewise
//
// Empty lines of word files and clue lines without a word and ";" are skipped on
// reading: an empty key would end every walk of a store early. Each file is read
// only up to the limit of its kind (fileLimit in platform/core/textfile.h); a
// larger file, or one that memory runs out on, counts as unreadable.
//
// The stores are used from the GUI thread, or from one worker while the GUI
// thread waits for it; nothing here locks them. The user's files are shared by
// every running instance: each writes back what its run changed, merged with
// what the file holds at that moment, under a lock on the file.

#include "platform/core/folders.h"
#include "stores/core/string_pair_list.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

extern StringPairList builtinWords;     // "kriz.dat"; never saved
extern StringPairList dictionaryWords;  // the chosen crossword dictionaries; never saved
extern StringPairList userWords;        // "slovausr.slv"; saved at exit
extern StringPairList builtinLegends;   // "krizleg.dat"; never saved
extern StringPairList userLegends;      // "legendy.sav"; saved at exit when loaded

// The word-search vocabulary in Czech order, each word once ignoring case (the
// spelling read first is kept).
extern std::vector<std::string> wordSearchWords;

// Dictionary names: file names without folder and without ".slv". The tables
// grow as needed; a name longer than kDictionaryNameLength is cut to that length.
using DictionaryNameTable = std::vector<std::string>;
constexpr std::size_t kDictionaryNameLength = 255;

// Whether `name` can name a dictionary: a plain name of a file in the program
// folder. Not empty, not "." or "..", and no "/", NUL or line break, so that no
// name leads out of the folder. Other names are skipped wherever names are read,
// written or turned into files.
bool isPlainDictionaryName(std::string_view name);
extern DictionaryNameTable wordSearchDictionaryNames;  // "osmslov.sav"
extern DictionaryNameTable crosswordDictionaryNames;   // "krislov.sav"

// Set once the clue stores have been read (they are read on first use only).
extern bool legendsLoaded;

// Empties every store and table and clears legendsLoaded: the state at the start of a run.
void resetWordStores();

// The built-in files are stored through a substitution of 30 characters onto
// themselves. decodeLine turns a stored line into plain text; scrambleLine is its
// exact inverse, used by the tools that build those files.
void decodeLine(std::string& line);
void scrambleLine(std::string& line);

// The formats of the store files, from their bytes and back to their lines:
// parsing the lines a ...Lines function gives (joined with CR LF) gives the
// same model again. The loaders and savers below read and write through them.

// A word file (*.slv, "kriz.dat" when scrambled): its non-empty lines in order.
StringPairList parseWordList(std::string_view bytes, bool scrambled);
std::vector<std::string> wordListLines(const StringPairList& words, bool scrambled);

// A clue file ("legendy.sav", "krizleg.dat" when scrambled): word;clue lines, split
// at the first ";"; a line without ";" or without a word is skipped.
StringPairList parseClueList(std::string_view bytes, bool scrambled);
std::vector<std::string> clueListLines(const StringPairList& clues, bool scrambled);

// A choice file: its plain dictionary names in order, each cut to
// kDictionaryNameLength; empty lines and other names are skipped.
DictionaryNameTable parseChoiceList(std::string_view bytes);
std::vector<std::string> choiceListLines(const DictionaryNameTable& names);

// Choice files. Loading replaces the table with the file's names (see
// parseChoiceList); a missing or unreadable file leaves it empty. Saving writes the table in order; false when the
// file could not be written (the old file then stays as it was).
void loadOsmDictionarySelection(const std::filesystem::path& folder = programFolder());
bool saveOsmDictionarySelection(const std::filesystem::path& folder = programFolder());
void loadDictionaryList(const std::filesystem::path& folder = programFolder());
bool saveDictionaryList(const std::filesystem::path& folder = programFolder());

// Fills userWords from "slovausr.slv", builtinWords from "kriz.dat" and
// dictionaryWords from the dictionaries of crosswordDictionaryNames in table order.
// A dictionary is the file name + ".slv", or name + that ending in other letter
// case when only such a file is there. Missing and unreadable dictionaries, and
// names that are not plain (isPlainDictionaryName), are skipped without a word.
void loadCrosswordWords(const std::filesystem::path& folder = programFolder());

// Fills wordSearchWords from the dictionaries of wordSearchDictionaryNames.
void loadSlvDictionary(const std::filesystem::path& folder = programFolder());

// How reading one clue file went.
enum class ClueFile { Read, Missing, Unreadable };
struct LegendLoadResult {
    ClueFile user = ClueFile::Read;     // "legendy.sav"
    ClueFile builtin = ClueFile::Read;  // "krizleg.dat"
    // True when either file could not be opened: the user is told.
    bool failed() const { return user != ClueFile::Read || builtin != ClueFile::Read; }
};

// Fills userLegends and builtinLegends, each from its own file independently of
// the other. Does not touch legendsLoaded.
LegendLoadResult loadLegends(const std::filesystem::path& folder = programFolder());

// Writes the words this run added to userWords into "slovausr.slv": the file
// keeps the words it holds now (another instance may have added some since it
// was read), and this run's new words it lacks follow in walk order. Alone, a
// run writes its whole store in walk order, as does a run that finds the file
// gone. False when the file could not be written, or when it is there but
// cannot be read (it is then left alone rather than replaced by this run's words).
bool saveUserDictionary(const std::filesystem::path& folder = programFolder());

// Writes userLegends into "legendy.sav" in the same way when the clues were
// loaded in this run (true without writing otherwise): each clue this run
// remembered goes to the first pair of its word in the file, or to a new line
// at the end. False as above.
bool saveLegends(const std::filesystem::path& folder = programFolder());
