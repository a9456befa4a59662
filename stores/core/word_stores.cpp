#include "stores/core/word_stores.h"

#include "platform/core/cp1250.h"
#include "platform/core/czech.h"
#include "platform/core/textfile.h"
#include "stores/core/clue_index.h"
#include "stores/core/word_index.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <new>
#include <optional>
#include <string_view>
#include <system_error>
#include <type_traits>
#include <unordered_map>
#include <utility>
#include <variant>

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

// The user stores as they were read from their files: what this run changed
// in them is what it writes back into the files at exit.
StringPairList loadedUserWords;
StringPairList loadedUserLegends;

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

FileText readWhole(const fs::path& path, std::uint64_t limit) {
    FileText file;
    std::error_code error;
    if (!fs::exists(fs::status(path, error))) {
        file.state = ClueFile::Missing;
        return file;
    }
    // A folder of that name, a file over the limit or one that memory runs out
    // on is there but cannot be read.
    ReadResult<std::string> read = readFileBytes(path, limit);
    if (auto* bytes = std::get_if<std::string>(&read)) file.bytes = std::move(*bytes);
    else file.state = ClueFile::Unreadable;
    return file;
}

// Reads one store file and parses its bytes into a fresh model. Nothing when the
// file is missing or unreadable (`state` tells which, when given); memory running
// out while parsing makes the file unreadable too, and nothing of it is kept.
template <class Parse, class Model = std::invoke_result_t<Parse, std::string_view>>
std::optional<Model> loadStoreFile(const fs::path& path, std::uint64_t limit, Parse&& parse,
                                   ClueFile* state = nullptr) {
    const FileText file = readWhole(path, limit);
    if (state) *state = file.state;
    if (!file.bytes) return std::nullopt;
    try {
        return parse(std::string_view(*file.bytes));
    } catch (const std::bad_alloc&) {
        if (state) *state = ClueFile::Unreadable;
        return std::nullopt;
    }
}

DictionaryNameTable readChoice(const fs::path& path) {
    auto names = loadStoreFile(path, fileLimit::choiceList, parseChoiceList);
    return names ? std::move(*names) : DictionaryNameTable{};
}

bool writeChoice(const fs::path& path, const DictionaryNameTable& names) {
    return writeLinesAtomic(path, choiceListLines(names));
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

    // name + ".slv" (which may not exist), or the file found for the name;
    // nothing for a name that is not plain, so that no name leads elsewhere.
    std::optional<fs::path> file(std::string_view name) const {
        if (!isPlainDictionaryName(name)) return std::nullopt;
        const std::string stem = cp1250::cp1250ToUtf8(name);
        const auto found = byStem_.find(stem);
        return folder_ / (found != byStem_.end() ? found->second : stem + ".slv");
    }

private:
    fs::path folder_;
    std::map<std::string, std::string> byStem_;  // name without its ending -> file name
};

}  // namespace

bool isPlainDictionaryName(std::string_view name) {
    constexpr std::string_view forbidden("/\0\r\n", 4);
    return !name.empty() && name != "." && name != ".." && name.find_first_of(forbidden) == std::string_view::npos;
}

StringPairList parseWordList(std::string_view bytes, bool scrambled) {
    StringPairList words;
    forEachLine(bytes, [&](std::string_view line) {
        if (line.empty()) return;
        std::string word(line);
        if (scrambled) decodeLine(word);
        words.addKey(std::move(word));
    });
    return words;
}

std::vector<std::string> wordListLines(const StringPairList& words, bool scrambled) {
    std::vector<std::string> lines;
    words.forEachPair([&](const StringPairList::Node& pair) {
        lines.push_back(pair.key);
        if (scrambled) scrambleLine(lines.back());
    });
    return lines;
}

StringPairList parseClueList(std::string_view bytes, bool scrambled) {
    StringPairList clues;
    std::string decoded;
    forEachLine(bytes, [&](std::string_view line) {
        if (scrambled) {
            decoded.assign(line);
            decodeLine(decoded);
            line = decoded;
        }
        const std::size_t semicolon = line.find(';');
        if (semicolon == std::string_view::npos || semicolon == 0) return;
        clues.addPair(std::string(line.substr(0, semicolon)), std::string(line.substr(semicolon + 1)));
    });
    return clues;
}

std::vector<std::string> clueListLines(const StringPairList& clues, bool scrambled) {
    std::vector<std::string> lines;
    clues.forEachPair([&](const StringPairList::Node& pair) {
        std::string line = pair.key;
        line += ';';
        line += pair.value;
        if (scrambled) scrambleLine(line);
        lines.push_back(std::move(line));
    });
    return lines;
}

DictionaryNameTable parseChoiceList(std::string_view bytes) {
    DictionaryNameTable names;
    forEachLine(bytes, [&](std::string_view line) {
        line = line.substr(0, kDictionaryNameLength);
        if (isPlainDictionaryName(line)) names.emplace_back(line);
    });
    return names;
}

std::vector<std::string> choiceListLines(const DictionaryNameTable& names) {
    std::vector<std::string> lines;
    for (const std::string& name : names)
        if (isPlainDictionaryName(name)) lines.push_back(name);
    return lines;
}

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
    loadedUserWords.init();
    loadedUserLegends.init();
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
    const auto plainWords = [](std::string_view bytes) { return parseWordList(bytes, false); };

    auto user = loadStoreFile(folder / "slovausr.slv", fileLimit::wordStore, plainWords);
    auto builtin = loadStoreFile(folder / "kriz.dat", fileLimit::wordStore,
                                 [](std::string_view bytes) { return parseWordList(bytes, true); });

    StringPairList dictionaries;
    const DictionaryFolder files(folder);
    for (const std::string& name : crosswordDictionaryNames) {
        const auto path = files.file(name);
        if (!path) continue;
        auto words = loadStoreFile(*path, fileLimit::wordStore, plainWords);
        if (!words) continue;
        try {
            dictionaries.append(std::move(*words));
        } catch (const std::bad_alloc&) {
            // This dictionary is left out like an unreadable one.
        }
    }

    userWords = user ? std::move(*user) : StringPairList{};
    loadedUserWords = userWords;
    builtinWords = builtin ? std::move(*builtin) : StringPairList{};
    dictionaryWords = std::move(dictionaries);
}

void loadSlvDictionary(const fs::path& folder) {
    std::vector<std::string> words;
    const DictionaryFolder files(folder);
    for (const std::string& name : wordSearchDictionaryNames) {
        const auto path = files.file(name);
        if (!path) continue;
        const std::size_t before = words.size();
        // The words go straight into the one table; memory running out leaves
        // this dictionary out like an unreadable one.
        const auto added = loadStoreFile(*path, fileLimit::wordStore, [&words](std::string_view bytes) {
            std::size_t count = 0;
            forEachLine(bytes, [&count](std::string_view line) { count += !line.empty(); });
            words.reserve(words.size() + count);
            forEachLine(bytes, [&words](std::string_view line) {
                if (!line.empty()) words.emplace_back(line);
            });
            return true;
        });
        if (!added) words.resize(before);
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

    auto user = loadStoreFile(folder / "legendy.sav", fileLimit::wordStore,
                              [](std::string_view bytes) { return parseClueList(bytes, false); }, &result.user);
    userLegends = user ? std::move(*user) : StringPairList{};
    loadedUserLegends = userLegends;

    auto builtin = loadStoreFile(folder / "krizleg.dat", fileLimit::wordStore,
                                 [](std::string_view bytes) { return parseClueList(bytes, true); }, &result.builtin);
    builtinLegends = builtin ? std::move(*builtin) : StringPairList{};

    return result;
}

namespace {

// A user store as this run leaves it, laid over its file as another instance
// may have left it meanwhile: the pairs of the file in order, then each pair
// this run changed or added since `loaded` was read: a word the file holds
// takes this run's clue at its first pair, any other word is appended. When
// the file still holds what was loaded, that is the store of this run itself.
StringPairList mergeUserStore(const StringPairList& file, const StringPairList& loaded, const StringPairList& run) {
    StringPairList merged;
    std::unordered_map<std::string, std::size_t> firstPlace;
    file.forEachPair([&](const StringPairList::Node& pair) {
        firstPlace.try_emplace(pair.key, merged.size());
        merged.addPair(pair.key, pair.value);
    });
    std::size_t index = 0;
    run.forEachPair([&](const StringPairList::Node& pair) {
        const bool unchanged =
            index < loaded.size() && loaded.keyAt(index) == pair.key && loaded.valueAt(index) == pair.value;
        ++index;
        if (unchanged) return;
        const auto [found, added] = firstPlace.try_emplace(pair.key, merged.size());
        if (added) merged.addPair(pair.key, pair.value);
        else merged.setValueAt(found->second, pair.value);
    });
    return merged;
}

// Writes a user store back into its file at exit, merged with what the file
// holds then (see mergeUserStore). A file that is gone gets the store of this
// run whole, as it got it when it was first made.
template <class Parse, class Lines>
bool saveUserStore(const fs::path& path, const StringPairList& loaded, const StringPairList& run, Parse&& parse,
                   Lines&& lines) {
    return updateFileAtomic(path, fileLimit::wordStore, [&](const std::string* now) -> std::optional<std::string> {
        try {
            LineWriter bytes;
            for (const std::string& line : lines(mergeUserStore(now ? parse(*now) : loaded, loaded, run)))
                bytes.line(line);
            return bytes.bytes();
        } catch (const std::bad_alloc&) {
            return std::nullopt;
        }
    });
}

}  // namespace

bool saveUserDictionary(const fs::path& folder) {
    return saveUserStore(
        folder / "slovausr.slv", loadedUserWords, userWords,
        [](std::string_view bytes) { return parseWordList(bytes, false); },
        [](const StringPairList& words) { return wordListLines(words, false); });
}

bool saveLegends(const fs::path& folder) {
    if (!legendsLoaded) return true;
    return saveUserStore(
        folder / "legendy.sav", loadedUserLegends, userLegends,
        [](std::string_view bytes) { return parseClueList(bytes, false); },
        [](const StringPairList& clues) { return clueListLines(clues, false); });
}
