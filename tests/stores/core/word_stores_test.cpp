#include "stores/core/word_stores.h"

#include "platform/core/textfile.h"
#include "stores/core/clue_index.h"
#include "support/core/big_files.h"
#include "support/core/child_process.h"
#include "support/core/cp1250_text.h"
#include "support/core/program_folder.h"
#include "tests/frame/core/frame_state.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

std::string scrambled(std::string line) {
    scrambleLine(line);
    return line;
}

// A file of CR LF lines, each line given in UTF-8 and stored in Windows-1250.
std::string crlf(const Words& utf8Lines, bool scramble = false) {
    std::string bytes;
    for (const std::string& line : utf8Lines) bytes += (scramble ? scrambled(cp(line)) : cp(line)) + "\r\n";
    return bytes;
}

Words cpWords(const Words& utf8) {
    Words words;
    for (const std::string& w : utf8) words.push_back(cp(w));
    return words;
}

class WordStores : public ProgramFolderTest {
protected:
    WordStores() : ProgramFolderTest(resetWordStores) {}
};

TEST(Substitution, IsAPermutationOfThirtyCharactersThatScrambleUndoes) {
    int changed = 0;
    for (int c = 0; c < 256; ++c) {
        const std::string one(1, static_cast<char>(c));
        std::string decoded = one;
        decodeLine(decoded);
        changed += decoded != one;
        EXPECT_EQ(scrambled(decoded), one) << c;
        std::string back = scrambled(one);
        decodeLine(back);
        EXPECT_EQ(back, one) << c;
    }
    EXPECT_EQ(changed, 30);
}

TEST(Substitution, HidesEveryVowelAndTheCommonestConsonants) {
    for (char c : cp("aeiouyáéíýěůntsrlkvdpm")) {
        const std::string plain(1, c);
        EXPECT_NE(scrambled(plain), plain) << cp1250::cp1250ToUtf8(plain);
    }
    std::string line = scrambled(cp("pes;domácí zvíře; přítel člověka"));
    EXPECT_EQ(line.find("pes"), std::string::npos);
    decodeLine(line);
    EXPECT_EQ(line, cp("pes;domácí zvíře; přítel člověka"));
}

TEST_F(WordStores, ChoiceFilesLoadTheirNonEmptyLines) {
    std::string many;
    Words manyNames;
    for (int i = 0; i < 1500; ++i) {
        manyNames.push_back("d" + std::to_string(i));
        many += manyNames.back() + "\r\n";
    }
    struct Case {
        const char* name;
        std::optional<std::string> content;  // nothing: no file
        Words expected;
    };
    const Case cases[] = {
        {"empty line between", std::string("A\r\n\r\nB\r\n"), {"A", "B"}},
        {"LF and no last line end", std::string("A\nB"), {"A", "B"}},
        {"missing file", std::nullopt, {}},
        {"more than 1000 names", many, manyNames},
        {"long name cut", std::string(300, 'x') + "\r\n", {std::string(255, 'x')}},
    };
    struct File {
        const char* name;
        std::function<void()> load;
        DictionaryNameTable& table;
    };
    const File files[] = {{"osmslov.sav", [] { loadOsmDictionarySelection(); }, wordSearchDictionaryNames},
                          {"krislov.sav", [] { loadDictionaryList(); }, crosswordDictionaryNames}};
    for (const File& file : files) {
        for (const Case& c : cases) {
            fs::remove(folder / file.name);
            if (c.content) folder.write(file.name, *c.content);
            file.table = {"old"};
            file.load();
            EXPECT_EQ(file.table, c.expected) << file.name << ": " << c.name;
        }
    }
}

TEST_F(WordStores, ChoiceFilesAreWrittenInTableOrder) {
    wordSearchDictionaryNames = {"cestina", cp("příroda")};
    crosswordDictionaryNames = {"b", "a"};
    ASSERT_TRUE(saveOsmDictionarySelection());
    ASSERT_TRUE(saveDictionaryList());
    EXPECT_EQ(folder.read("osmslov.sav"), crlf({"cestina", "příroda"}));
    EXPECT_EQ(folder.read("krislov.sav"), "b\r\na\r\n");

    EXPECT_FALSE(saveOsmDictionarySelection(folder / "missing"));
    EXPECT_FALSE(saveDictionaryList(folder / "missing"));
}

TEST_F(WordStores, CrosswordWordsComeFromTheirThreeSources) {
    folder.write("slovausr.slv", crlf({"mrak", "", "déšť"}));
    folder.write("kriz.dat", crlf({"kočka", "", "pes"}, true));
    folder.write("A.slv", crlf({"a1", "a2"}));
    folder.write("B.slv", "b1\n\nb2");
    folder.write("C.SLV", crlf({"c1"}));
    folder.write("krislov.sav", "A\r\n\r\nmissing\r\nB\r\nC\r\n");
    folder.write("osmslov.sav", "B\r\n");

    loadDictionaryList();
    loadCrosswordWords();

    EXPECT_EQ(walkKeys(userWords), cpWords({"mrak", "déšť"}));
    EXPECT_EQ(walkKeys(builtinWords), cpWords({"kočka", "pes"}));
    EXPECT_EQ(walkKeys(dictionaryWords), (Words{"a1", "a2", "b1", "b2", "c1"}));
}

TEST_F(WordStores, AnExactDictionaryNameWinsOverOtherSpellingsOfItsEnding) {
    folder.write("d.SLV", "upper\r\n");
    folder.write("d.slv", "lower\r\n");
    folder.write("e.Slv", "mixed\r\n");
    folder.write("e.SLV", "upper\r\n");
    crosswordDictionaryNames = {"d", "e"};
    loadCrosswordWords();
    // Of two endings in other case, the smaller file name is taken.
    EXPECT_EQ(walkKeys(dictionaryWords), (Words{"lower", "upper"}));
}

TEST_F(WordStores, MissingFilesLeaveTheStoresEmpty) {
    crosswordDictionaryNames = {"nothing"};
    wordSearchDictionaryNames = {"nothing"};
    loadCrosswordWords();
    loadSlvDictionary();
    EXPECT_TRUE(walkKeys(userWords).empty());
    EXPECT_TRUE(walkKeys(builtinWords).empty());
    EXPECT_TRUE(walkKeys(dictionaryWords).empty());
    EXPECT_TRUE(wordSearchWords.empty());
}

TEST_F(WordStores, WordSearchWordsAreSortedAndKeepTheFirstSpellingRead) {
    folder.write("prvni.slv", crlf({"Pes", "hrad", "chata", "", "čáp", "cesta", "hrad"}));
    folder.write("druhy.slv", crlf({"pes", "ivan", "PES", "ŽÁBA", "pás", "pas", "CHATA"}));
    folder.write("osmslov.sav", "prvni\r\ndruhy\r\n");
    loadOsmDictionarySelection();
    loadSlvDictionary();
    EXPECT_EQ(wordSearchWords, cpWords({"cesta", "čáp", "hrad", "chata", "ivan", "pas", "pás", "Pes", "ŽÁBA"}));

    // Read the other way round, the other spellings are kept.
    wordSearchDictionaryNames = {"druhy", "prvni"};
    loadSlvDictionary();
    EXPECT_EQ(wordSearchWords, cpWords({"cesta", "čáp", "hrad", "CHATA", "ivan", "pas", "pás", "pes", "ŽÁBA"}));

    // Many words, so that the order of equal words rests on the sort itself.
    std::string upper, lower;
    Words expected;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'e'; ++b) {
            const std::string word{'K', a, b};
            upper = word + "\r\n" + upper;
            lower += std::string{'k', a, b} + "\r\n";
            expected.push_back(word);
        }
    folder.write("velka.slv", upper);
    folder.write("mala.slv", lower);
    wordSearchDictionaryNames = {"velka", "mala"};
    loadSlvDictionary();
    EXPECT_EQ(wordSearchWords, expected);
}

TEST_F(WordStores, ClueWithItsOwnSemicolonRoundTripsByteForByte) {
    const std::string file = crlf({"pes;domácí zvíře; přítel člověka", "kos;pták", "hrad;"});
    folder.write("legendy.sav", file);
    folder.write("krizleg.dat", crlf({"pes;štěkající zvíře"}, true));

    EXPECT_FALSE(loadLegends().failed());
    legendsLoaded = true;
    ASSERT_NE(userLegends.find("pes"), nullptr);
    EXPECT_EQ(userLegends.find("pes")->value, cp("domácí zvíře; přítel člověka"));
    EXPECT_EQ(builtinLegends.find("pes")->value, cp("štěkající zvíře"));
    EXPECT_EQ(userLegends.find("hrad")->value, "");

    fs::remove(folder / "legendy.sav");
    ASSERT_TRUE(saveLegends());
    EXPECT_EQ(folder.read("legendy.sav"), file);
}

TEST_F(WordStores, BrokenClueLinesNeitherHideLaterCluesNorShortenTheSavedFile) {
    folder.write("legendy.sav", crlf({"pes;zvíře", "", "bez středníku", ";bez slova", "kos;pták"}));
    folder.write("krizleg.dat", crlf({"", "nic", "les;stromy"}, true));
    loadLegends();
    legendsLoaded = true;
    EXPECT_EQ(walkPairs(builtinLegends), (std::vector<std::pair<std::string, std::string>>{{"les", "stromy"}}));

    // Searches made by the clue features leave nothing behind in the saved file.
    userLegends.find("neznámé");
    userLegends.addPair("vlk", cp("šelma"));
    userLegends.find("x");
    ASSERT_TRUE(saveLegends());
    EXPECT_EQ(folder.read("legendy.sav"), crlf({"pes;zvíře", "kos;pták", "vlk;šelma"}));
}

TEST_F(WordStores, EachClueFileIsReadWhateverHappenedToTheOther) {
    struct Case {
        const char* name;
        int user;     // 0 missing, 1 present, 2 unreadable (a folder of that name)
        bool builtin;
        ClueFile userState, builtinState;
        bool failed;
    };
    const Case cases[] = {
        {"both there", 1, true, ClueFile::Read, ClueFile::Read, false},
        {"first run without user clues", 0, true, ClueFile::Missing, ClueFile::Read, true},
        {"user clues unreadable", 2, true, ClueFile::Unreadable, ClueFile::Read, true},
        {"built-in clues missing", 1, false, ClueFile::Read, ClueFile::Missing, true},
        {"neither", 0, false, ClueFile::Missing, ClueFile::Missing, true},
    };
    for (const Case& c : cases) {
        TempFolder run;
        if (c.user == 1) run.write("legendy.sav", crlf({"kos;pták"}));
        if (c.user == 2) fs::create_directory(run / "legendy.sav");
        if (c.builtin) run.write("krizleg.dat", crlf({"pes;zvíře"}, true));

        const LegendLoadResult result = loadLegends(run.path());
        EXPECT_EQ(result.user, c.userState) << c.name;
        EXPECT_EQ(result.builtin, c.builtinState) << c.name;
        EXPECT_EQ(result.failed(), c.failed) << c.name;
        EXPECT_EQ(userLegends.find("kos") != nullptr, c.user == 1) << c.name;
        EXPECT_EQ(builtinLegends.find("pes") != nullptr, c.builtin) << c.name;

        // What the exit then does with "legendy.sav".
        legendsLoaded = true;
        userLegends.addPair("vlk", cp("šelma"));
        EXPECT_EQ(saveLegends(run.path()), c.user != 2) << c.name;
        if (c.user == 2) EXPECT_TRUE(fs::is_directory(run / "legendy.sav")) << c.name;
        else EXPECT_EQ(run.read("legendy.sav"), crlf(c.user == 1 ? Words{"kos;pták", "vlk;šelma"} : Words{"vlk;šelma"}))
                 << c.name;
    }
}

TEST_F(WordStores, ARunWithoutCluesLeavesTheUserClueFileUntouched) {
    const std::string odd = "pes;zvíře\n\nno semicolon\r\n";
    folder.write("legendy.sav", odd);
    EXPECT_TRUE(saveLegends());
    EXPECT_EQ(folder.read("legendy.sav"), odd);

    TempFolder empty;
    EXPECT_TRUE(saveLegends(empty.path()));
    EXPECT_FALSE(fs::exists(empty / "legendy.sav"));
}

TEST_F(WordStores, UserWordsAreWrittenBackInWalkOrder) {
    folder.write("slovausr.slv", crlf({"mrak", "", "déšť"}));
    loadCrosswordWords();
    userWords.find("neznámé");
    userWords.addKey(cp("žirafa"));
    ASSERT_TRUE(saveUserDictionary());
    EXPECT_EQ(folder.read("slovausr.slv"), crlf({"mrak", "déšť", "žirafa"}));

    EXPECT_FALSE(saveUserDictionary(folder / "missing"));
}

TEST_F(WordStores, AnUnreadableUserWordFileIsNotReplaced) {
    fs::create_directory(folder / "slovausr.slv");
    fs::create_directory(folder / "kriz.dat");
    folder.write("kriz.dat/inside", "x");
    loadCrosswordWords();
    userWords.addKey("nove");
    EXPECT_FALSE(saveUserDictionary());
    EXPECT_TRUE(fs::is_directory(folder / "slovausr.slv"));
    EXPECT_TRUE(walkKeys(builtinWords).empty());

    // A missing file is normal: it is created at exit.
    resetWordStores();
    fs::remove(folder / "slovausr.slv");
    loadCrosswordWords();
    userWords.addKey("nove");
    EXPECT_TRUE(saveUserDictionary());
    EXPECT_EQ(folder.read("slovausr.slv"), "nove\r\n");
}

// What one run of the program does to the user stores before it exits.
struct UserRun {
    Words words;                                         // added to the user's words
    std::vector<std::pair<std::string, std::string>> clues;  // remembered (word, clue)
};

// A run of the program on the folder: reads the user stores, does what `run`
// says as the windows do, and does not exit yet.
void startRun(const fs::path& folder, const UserRun& run) {
    resetWordStores();
    loadCrosswordWords(folder);
    loadLegends(folder);
    legendsLoaded = true;
    for (const std::string& word : run.words) userWords.addKey(cp(word));
    for (const auto& [word, clue] : run.clues) clueIndex(userLegends).remember(cp(word), cp(clue));
}

bool exitRun(const fs::path& folder) { return saveUserDictionary(folder) && saveLegends(folder); }

TEST_F(WordStores, InstancesThatRunTogetherKeepEachOthersWordsAndClues) {
    struct Case {
        const char* name;
        std::optional<std::string> words, clues;  // the files at the start (nothing: none)
        std::optional<UserRun> other;             // another instance that starts after this one and exits first
        UserRun mine;
        std::string wordsAfter, cluesAfter;
    };
    const Case cases[] = {
        {"alone", "mrak\n\ndéšť", "pes;zvíře\nkos;pták\n", std::nullopt,
         {{"žirafa"}, {{"pes", "přítel člověka"}, {"vlk", "šelma"}}},
         "mrak\r\ndéšť\r\nžirafa\r\n", "pes;přítel člověka\r\nkos;pták\r\nvlk;šelma\r\n"},
        {"both add words", "mrak\r\n", std::nullopt, UserRun{{"kos"}, {}}, {{"žirafa"}, {}},
         "mrak\r\nkos\r\nžirafa\r\n", ""},
        {"both add the same word", "mrak\r\n", std::nullopt, UserRun{{"kos", "lev"}, {}}, {{"kos"}, {}},
         "mrak\r\nkos\r\nlev\r\n", ""},
        {"neither had a file", std::nullopt, std::nullopt, UserRun{{"kos"}, {{"kos", "pták"}}},
         {{"žirafa"}, {{"vlk", "šelma"}}}, "kos\r\nžirafa\r\n", "kos;pták\r\nvlk;šelma\r\n"},
        {"each changes other clues", "", "pes;zvíře\r\nkos;pták\r\n",
         UserRun{{}, {{"kos", "černý pták"}, {"lev", "král zvířat"}, {"vlk", "les"}}},
         {{}, {{"pes", "přítel člověka"}, {"vlk", "šelma"}}}, "",
         "pes;přítel člověka\r\nkos;černý pták\r\nlev;král zvířat\r\nvlk;šelma\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder run;
        if (c.words) run.write("slovausr.slv", cp(*c.words));
        if (c.clues) run.write("legendy.sav", cp(*c.clues));
        startRun(run.path(), c.mine);
        // The lines of this run's own stores, as a run alone has always written them.
        LineWriter aloneWords, aloneClues;
        for (const std::string& line : wordListLines(userWords, false)) aloneWords.line(line);
        for (const std::string& line : clueListLines(userLegends, false)) aloneClues.line(line);
        if (c.other) {
            EXPECT_EQ(inChild([&]() -> std::string {
                          startRun(run.path(), *c.other);
                          return exitRun(run.path()) ? "" : "the other instance could not write its stores";
                      }),
                      "");
        }
        ASSERT_TRUE(exitRun(run.path()));
        EXPECT_EQ(run.read("slovausr.slv"), cp(c.wordsAfter));
        EXPECT_EQ(run.read("legendy.sav"), cp(c.cluesAfter));
        if (!c.other) {
            EXPECT_EQ(run.read("slovausr.slv"), aloneWords.bytes());
            EXPECT_EQ(run.read("legendy.sav"), aloneClues.bytes());
        }
    }
}

TEST_F(WordStores, DictionariesOverTheLimitAreSkippedWithoutTakingTheirSize) {
    makeSparseFile(folder / "huge.slv", 3ull << 30);
    makeRepeatedFile(folder / "ends.slv", '\n', 100ull << 20);
    folder.write("small.slv", crlf({"pes", "kos"}));
    folder.write("osmslov.sav", "huge\r\nends\r\nsmall\r\n");
    folder.write("krislov.sav", "huge\r\nends\r\nsmall\r\n");
    const std::uint64_t rise = peakMemoryRise([] {
        loadOsmDictionarySelection();
        loadSlvDictionary();
        loadDictionaryList();
        loadCrosswordWords();
    });
    EXPECT_EQ(wordSearchWords, (Words{"kos", "pes"}));
    EXPECT_EQ(walkKeys(dictionaryWords), (Words{"pes", "kos"}));
    EXPECT_LT(rise, 16u << 20) << "peak memory rose by " << rise << " bytes";
}

TEST_F(WordStores, ADictionaryOfManyLinesLoadsWithoutATableOfThem) {
    constexpr std::uint64_t lineEnds = 48ull << 20;
    makeRepeatedFile(folder / "ends.slv", '\n', lineEnds);
    std::ofstream(folder / "ends.slv", std::ios::binary | std::ios::app) << "konec\r\n";
    wordSearchDictionaryNames = {"ends"};
    const std::uint64_t rise = peakMemoryRise([] { loadSlvDictionary(); });
    EXPECT_EQ(wordSearchWords, Words{"konec"});
    // A table of the lines would take 16 bytes a line.
    EXPECT_LT(rise, lineEnds * 8) << "peak memory rose by " << rise << " bytes";
}

TEST_F(WordStores, UserFilesOverTheLimitAreUnreadableAndKeptAtExit) {
    const std::uint64_t size = fileLimit::wordStore + 1;
    makeSparseFile(folder / "slovausr.slv", size);
    makeSparseFile(folder / "legendy.sav", size);
    loadCrosswordWords();
    EXPECT_EQ(loadLegends().user, ClueFile::Unreadable);
    legendsLoaded = true;
    userWords.addKey("nove");
    userLegends.addPair("vlk", cp("šelma"));
    EXPECT_FALSE(saveUserDictionary());
    EXPECT_FALSE(saveLegends());
    EXPECT_EQ(fs::file_size(folder / "slovausr.slv"), size);
    EXPECT_EQ(fs::file_size(folder / "legendy.sav"), size);
}

// Names in the choice files are plain names of files in the program folder:
// none leads to a file elsewhere, however it is written.
TEST_F(WordStores, DictionaryNamesLeadNowhereOutsideTheProgramFolder) {
    TempFolder run;
    const fs::path program = run / "program";
    run.write("x.slv", "venku\r\n");
    run.write("abs.slv", "absolutne\r\n");
    run.write("program/a/b.slv", "podslozka\r\n");
    run.write("program/n", "za nulou\r\n");  // what "n\0x" + ".slv" opens when cut at its NUL
    run.write("program/.slv", "bez jmena\r\n");
    run.write("program/..slv", "tecka\r\n");
    run.write("program/...slv", "dve tecky\r\n");
    run.write("program/ok.slv", "doma\r\n");
    const Words names = {"../x", (run / "abs").string(), "/etc/passwd", "a/b", "", ".", "..",
                         std::string("n\0x", 3), "ok"};
    std::string choice;
    for (const std::string& name : names) choice += name + "\r\n";
    run.write("program/osmslov.sav", choice);
    run.write("program/krislov.sav", choice);

    loadOsmDictionarySelection(program);
    loadDictionaryList(program);
    EXPECT_EQ(wordSearchDictionaryNames, Words{"ok"});
    EXPECT_EQ(crosswordDictionaryNames, Words{"ok"});

    // Names that reach the tables some other way are never read either, nor written.
    wordSearchDictionaryNames = names;
    crosswordDictionaryNames = names;
    loadSlvDictionary(program);
    loadCrosswordWords(program);
    EXPECT_EQ(wordSearchWords, Words{"doma"});
    EXPECT_EQ(walkKeys(dictionaryWords), Words{"doma"});
    ASSERT_TRUE(saveOsmDictionarySelection(program));
    EXPECT_EQ(run.read("program/osmslov.sav"), "ok\r\n");
}

// The store formats as the fuzz targets see them: what is parsed, written as
// lines and parsed again is the same model.
TEST(StoreFormats, ParsingTheWrittenLinesGivesTheSameModel) {
    const std::string inputs[] = {
        "",
        "\r\n\n\r",
        "pes\r\nkos",
        "a\r\r\nb\rc\r\n\r\nd\r",
        ";bez slova\r\nslovo;\r\nk;v;w\r\nbez stredniku\r\n",
        cp("kůň;zvíře\r\nžába\r\n"),
        std::string(300, 'x') + "\n../x\n/etc\n.\n..\nok\n",
    };
    auto bytesOf = [](const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) bytes += line + "\r\n";
        return bytes;
    };
    for (const std::string& input : inputs) {
        for (const bool scrambled : {false, true}) {
            const StringPairList words = parseWordList(input, scrambled);
            EXPECT_EQ(parseWordList(bytesOf(wordListLines(words, scrambled)), scrambled), words) << input;
            const StringPairList clues = parseClueList(input, scrambled);
            EXPECT_EQ(parseClueList(bytesOf(clueListLines(clues, scrambled)), scrambled), clues) << input;
        }
        const DictionaryNameTable names = parseChoiceList(input);
        EXPECT_EQ(parseChoiceList(bytesOf(choiceListLines(names))), names) << input;
    }
    EXPECT_EQ(parseChoiceList(inputs[6]), (Words{std::string(255, 'x'), "ok"}));
    std::string stored = cp("kos;pták");
    scrambleLine(stored);
    EXPECT_EQ(clueListLines(parseClueList(stored, true), true), Words{stored});
}

}  // namespace
