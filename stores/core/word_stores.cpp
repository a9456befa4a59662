#include "stores/core/word_stores.h"

#include "platform/core/cp1250.h"
#include "platform/core/czech.h"
#include "platform/core/textfile.h"
#include "stores/core/clue_index.h"
#include "stores/core/word_index.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

StringPairList builtinWords;
StringPairList dictionaryWords;
StringPairList userWords;
StringPairList builtinLegends;
StringPairList userLegends;
std::vector<std::string> wordSearchWords;
DictionaryNameTable wordSearchDictionaryNames;
DictionaryNameTable crosswordDictionaryNames;
bool legendsLoaded = false;

namespace {

// Set when a user file existed but could not be read: writing the stores back
// would then replace the user's words or clues by those of this run alone.
bool userWordsUnreadable = false;
bool userLegendsUnreadable = false;

// The substitution of the built-in files: each pair is (stored character, plain
// character). Both columns hold the same 30 characters, so the substitution is a
// permutation and can be undone exactly. Vowels and the commonest consonants are
// swapped among each other, which leaves a stored file unreadable as text.
constexpr std::array<std::pair<unsigned char, unsigned char>, 30> kSubstitution{{
    {'k', 'a'},    {'t', 'e'},    {'r', 'i'},    {'m', 'o'},    {'b', 'u'},
    {'h', 'y'},    {0xE8, 0xE1},  {0xF8, 0xE9},  {0x9A, 0xED},  {'j', 0xFD},  // č→á ř→é š→í j→ý
    {'z', 0xEC},   {'c', 0xF9},   {'o', 'n'},    {'e', 't'},    {'a', 's'},    // z→ě c→ů
    {'i', 'r'},    {'u', 'l'},    {'y', 'k'},    {0xE1, 'v'},   {0xED, 'd'},   // á→v í→d
    {0xE9, 'p'},   {0xFD, 'm'},   {0xEC, 'c'},   {0xF9, 'z'},   {'n', 'b'},    // é→p ý→m ě→c ů→z
    {'s', 'j'},    {'l', 'h'},    {'v', 0xE8},   {'d', 0xF8},   {'p', 0x9A},   // v→č d→ř p→š
}};

struct SubstitutionTables {
    std::array<unsigned char, 256> decode{};
    std::array<unsigned char, 256> scramble{};
    SubstitutionTables() {
        for (int c = 0; c < 256; ++c) decode[c] = scramble[c] = static_cast<unsigned char>(c);
        // Filled from the last pair up, so that the first pair of a character
        // wins, as in a scan of the table in order.
        for (auto it = kSubstitution.rbegin(); it != kSubstitution.rend(); ++it) {
            decode[it->first] = it->second;
            scramble[it->second] = it->first;
        }
    }
};

const SubstitutionTables& substitution() {
    static const SubstitutionTables tables;
    return tables;
}

void translate(std::string& line, const std::array<unsigned char, 256>& table) {
    for (char& c : line) c = static_cast<char>(table[static_cast<unsigned char>(c)]);
}

// The whole content of a file and how opening it went.
struct FileText {
    std::optional<std::string> bytes;
    ClueFile state = ClueFile::Read;
};

FileText readWhole(const fs::path& path) {
    FileText file;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        file.state = ClueFile::Missing;
        return file;
    }
    // A folder of that name is there but cannot be read as a file.
    if (!fs::is_directory(status)) file.bytes = readFileBytes(path);
    if (!file.bytes) file.state = ClueFile::Unreadable;
    return file;
}

// Appends the non-empty lines of a word file to `words`.
void addWords(std::string_view text, bool scrambled, StringPairList& words) {
    for (std::string_view line : splitLines(text)) {
        if (line.empty()) continue;
        std::string word(line);
        if (scrambled) decodeLine(word);
        words.addKey(std::move(word));
    }
}

// The word;clue lines of a clue file; lines without ";" or without a word are skipped.
StringPairList readClues(std::string_view text, bool scrambled) {
    StringPairList clues;
    std::string decoded;
    for (std::string_view line : splitLines(text)) {
        if (scrambled) {
            decoded.assign(line);
            decodeLine(decoded);
            line = decoded;
        }
        const std::size_t semicolon = line.find(';');
        if (semicolon == std::string_view::npos || semicolon == 0) continue;
        clues.addPair(std::string(line.substr(0, semicolon)), std::string(line.substr(semicolon + 1)));
    }
    return clues;
}

DictionaryNameTable readChoice(const fs::path& path) {
    DictionaryNameTable names;
    if (const auto bytes = readWhole(path).bytes)
        for (std::string_view line : splitLines(*bytes))
            if (!line.empty()) names.emplace_back(line.substr(0, kDictionaryNameLength));
    return names;
}

bool writeChoice(const fs::path& path, const DictionaryNameTable& names) {
    LineWriter out;
    for (const std::string& name : names) out.line(name);
    return out.commit(path);
}

// Finds the files of dictionary names with one pass over the folder. File names
// on this system are UTF-8; names inside the program are Windows-1250.
class DictionaryFolder {
public:
    explicit DictionaryFolder(const fs::path& folder) : folder_(folder) {
        std::error_code error;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            std::string name = it->path().filename().string();
            if (name.size() < 4) continue;
            std::string extension = name.substr(name.size() - 4);
            for (char& c : extension)
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (extension != ".slv") continue;
            // name + ".slv" itself wins; among other spellings of the ending the
            // smallest name does, so the choice never depends on the listing order.
            const bool exact = name.ends_with(".slv");
            auto [entry, added] = byStem_.try_emplace(name.substr(0, name.size() - 4), name);
            if (!added && !entry->second.ends_with(".slv") && (exact || name < entry->second))
                entry->second = std::move(name);
        }
    }

    // name + ".slv" (which may not exist), or the file found for the name.
    fs::path file(std::string_view name) const {
        const std::string stem = cp1250::cp1250ToUtf8(name);
        const auto found = byStem_.find(stem);
        return folder_ / (found != byStem_.end() ? found->second : stem + ".slv");
    }

private:
    fs::path folder_;
    std::map<std::string, std::string> byStem_;  // name without its ending -> file name
};

}  // namespace

void resetWordStores() {
    resetSharedWordIndexes();
    resetClueIndexes();
    builtinWords.init();
    dictionaryWords.init();
    userWords.init();
    builtinLegends.init();
    userLegends.init();
    wordSearchWords.clear();
    wordSearchDictionaryNames.clear();
    crosswordDictionaryNames.clear();
    legendsLoaded = false;
    userWordsUnreadable = false;
    userLegendsUnreadable = false;
}

void decodeLine(std::string& line) { translate(line, substitution().decode); }
void scrambleLine(std::string& line) { translate(line, substitution().scramble); }

void loadOsmDictionarySelection(const fs::path& folder) {
    wordSearchDictionaryNames = readChoice(folder / "osmslov.sav");
}

bool saveOsmDictionarySelection(const fs::path& folder) {
    return writeChoice(folder / "osmslov.sav", wordSearchDictionaryNames);
}

void loadDictionaryList(const fs::path& folder) { crosswordDictionaryNames = readChoice(folder / "krislov.sav"); }

bool saveDictionaryList(const fs::path& folder) {
    return writeChoice(folder / "krislov.sav", crosswordDictionaryNames);
}

void loadCrosswordWords(const fs::path& folder) {
    StringPairList user, builtin, dictionaries;

    const FileText userFile = readWhole(folder / "slovausr.slv");
    if (userFile.bytes) addWords(*userFile.bytes, false, user);

    if (const auto bytes = readWhole(folder / "kriz.dat").bytes) addWords(*bytes, true, builtin);

    const DictionaryFolder files(folder);
    for (const std::string& name : crosswordDictionaryNames)
        if (const auto bytes = readWhole(files.file(name)).bytes) addWords(*bytes, false, dictionaries);

    userWords = std::move(user);
    builtinWords = std::move(builtin);
    dictionaryWords = std::move(dictionaries);
    userWordsUnreadable = userFile.state == ClueFile::Unreadable;
}

void loadSlvDictionary(const fs::path& folder) {
    std::vector<std::string> words;
    const DictionaryFolder files(folder);
    for (const std::string& name : wordSearchDictionaryNames) {
        const auto bytes = readWhole(files.file(name)).bytes;
        if (!bytes) continue;
        const auto lines = splitLines(*bytes);
        words.reserve(words.size() + lines.size());
        for (std::string_view line : lines)
            if (!line.empty()) words.emplace_back(line);
    }
    // Stable, so that among words equal but for letter case the one read first
    // comes first and is the one kept.
    std::stable_sort(words.begin(), words.end(), CzechLess{});
    words.erase(std::unique(words.begin(), words.end(),
                            [](const std::string& a, const std::string& b) { return czechCompare(a, b) == 0; }),
                words.end());
    wordSearchWords = std::move(words);
}

LegendLoadResult loadLegends(const fs::path& folder) {
    LegendLoadResult result;
    resetClueIndexes();  // the stores are read anew

    const FileText user = readWhole(folder / "legendy.sav");
    result.user = user.state;
    userLegends = user.bytes ? readClues(*user.bytes, false) : StringPairList{};
    userLegendsUnreadable = user.state == ClueFile::Unreadable;

    const FileText builtin = readWhole(folder / "krizleg.dat");
    result.builtin = builtin.state;
    builtinLegends = builtin.bytes ? readClues(*builtin.bytes, true) : StringPairList{};

    return result;
}

bool saveUserDictionary(const fs::path& folder) {
    if (userWordsUnreadable) return false;
    LineWriter out;
    for (const std::string* word = &userWords.firstKey(); !word->empty(); word = &userWords.nextKey())
        out.line(*word);
    return out.commit(folder / "slovausr.slv");
}

bool saveLegends(const fs::path& folder) {
    if (!legendsLoaded) return true;
    if (userLegendsUnreadable) return false;
    LineWriter out;
    for (const auto* pair = &userLegends.firstPair(); !pair->key.empty(); pair = &userLegends.nextPair()) {
        std::string line = pair->key;
        line += ';';
        line += pair->value;
        out.line(line);
    }
    return out.commit(folder / "legendy.sav");
}
