#include "frame/core/config.h"
#include "support/core/big_files.h"
#include "support/core/program_folder.h"
#include "tests/frame/core/frame_state.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <string>

namespace {

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int v : values) text += static_cast<char>(v);
    return text;
}

ConfigRecord filled(std::uint8_t value) {
    ConfigRecord record;
    record.fill(value);
    return record;
}

ConfigRecord allLive() {
    ConfigRecord live{};
    for (std::size_t i = 0; i < configRecordSize; ++i) live[i] = liveSetting(i);
    return live;
}

class Config : public ProgramFolderTest {
protected:
    Config() : ProgramFolderTest(clearSettings) {}
};

const std::string example = bytes({0x01, 0x01, 0x00, 0x02, 0x19, 0x01, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x01, 0x00, 0x01});

}  // namespace

TEST_F(Config, ReadsTheFirstRecordIntoTheLiveBlocks) {
    // Bytes after the first record are ignored.
    for (const std::string& file : {example, example + "\x07", example + example}) {
        clearSettings();
        folder.write("mindgrid.cfg", file);
        ASSERT_EQ(loadConfig(), ConfigOutcome::Done) << file.size() << " bytes";
        EXPECT_EQ(std::string(configRecord.begin(), configRecord.end()), example);

        EXPECT_TRUE(frameSettings.showStandardToolBar());
        EXPECT_TRUE(frameSettings.showEditToolBar());
        EXPECT_FALSE(frameSettings.maximiseWindows());
        EXPECT_EQ(frameSettings.startWindowKind(), 2);  // a new crossword
        EXPECT_EQ(frameSettings.cellSize(), 25);
        EXPECT_TRUE(crosswordSettings.rememberClues());
        EXPECT_TRUE(crosswordSettings.addWordsToUserStore());
        EXPECT_TRUE(crosswordSettings.chAsOneLetter());
        EXPECT_EQ(crosswordSettings.candidateSource(), CandidateSource::All);
        EXPECT_FALSE(crissCrossSettings.allowOneDigitNumbers());
        EXPECT_TRUE(crissCrossSettings.chAsOneLetter());
        EXPECT_TRUE(wordSearchSettings.chAsOneLetter());
        EXPECT_TRUE(wordSearchSettings.preferWholeWords());
        EXPECT_FALSE(wordSearchSettings.startAnalyzer());
        EXPECT_EQ(wordSearchSettings.failureReaction(), FailureReaction::Pause);
    }
}

TEST_F(Config, LiveBlocksFollowTheRecordInOrder) {
    for (std::size_t i = 0; i < configRecordSize; ++i) setLiveSetting(i, static_cast<std::uint8_t>(i + 1));
    EXPECT_EQ(frameSettings.bytes, (std::array<std::uint8_t, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(crosswordSettings.bytes, (std::array<std::uint8_t, 4>{6, 7, 8, 9}));
    EXPECT_EQ(crissCrossSettings.bytes, (std::array<std::uint8_t, 3>{10, 11, 12}));
    EXPECT_EQ(wordSearchSettings.bytes, (std::array<std::uint8_t, 4>{13, 14, 15, 16}));
    liveBlocksToRecord();
    for (std::size_t i = 0; i < configRecordSize; ++i) EXPECT_EQ(configRecord[i], i + 1);

    configRecord.fill(0xAA);
    recordToLiveBlocks();
    EXPECT_EQ(allLive(), configRecord);
}

TEST_F(Config, AFileThatCannotBeReadChangesNothing) {
    struct Case {
        const char* what;
        bool present;
        std::string content;
        ConfigOutcome outcome;
    };
    const Case cases[] = {
        {"missing", false, "", ConfigOutcome::CannotOpen},
        {"empty", true, "", ConfigOutcome::CannotRead},
        {"15 bytes", true, example.substr(0, 15), ConfigOutcome::CannotRead},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(folder / "mindgrid.cfg");
        if (c.present) folder.write("mindgrid.cfg", c.content);
        // From the zero state of a fresh start, and over values already in force.
        for (std::uint8_t before : {0, 9}) {
            configRecord.fill(before);
            recordToLiveBlocks();
            EXPECT_EQ(loadConfig(), c.outcome) << c.what;
            EXPECT_EQ(configRecord, filled(before)) << c.what;
            EXPECT_EQ(allLive(), configRecord) << c.what;
        }
    }
}

TEST_F(Config, ReadersKeepCellSizeAndChoicesWithinTheirRange) {
    // A missing file leaves every byte 0: cells must still have a usable size.
    EXPECT_EQ(frameSettings.cellSize(), 20);
    const std::pair<int, int> sizes[] = {{0, 20}, {19, 20}, {20, 20}, {25, 25}, {40, 40}, {41, 40}, {255, 40}};
    for (auto [stored, used] : sizes) {
        frameSettings.bytes[4] = static_cast<std::uint8_t>(stored);
        EXPECT_EQ(frameSettings.cellSize(), used) << stored;
    }
    // A choice that names no item is the first item.
    const std::pair<int, int> kinds[] = {{0, 0}, {1, 1}, {4, 4}, {5, 0}, {255, 0}};
    for (auto [stored, kind] : kinds) {
        frameSettings.bytes[3] = static_cast<std::uint8_t>(stored);
        EXPECT_EQ(frameSettings.startWindowKind(), kind) << stored;
    }
    crosswordSettings.bytes[3] = 2;
    wordSearchSettings.bytes[3] = 2;
    EXPECT_EQ(crosswordSettings.candidateSource(), CandidateSource::UserOnly);
    EXPECT_EQ(wordSearchSettings.failureReaction(), FailureReaction::Stop);
    crosswordSettings.bytes[3] = 3;
    wordSearchSettings.bytes[3] = 200;
    EXPECT_EQ(crosswordSettings.candidateSource(), CandidateSource::All);
    EXPECT_EQ(wordSearchSettings.failureReaction(), FailureReaction::Restart);
}

TEST_F(Config, SavingWritesTheRecordWhole) {
    folder.write("mindgrid.cfg", example + "tail");
    for (std::size_t i = 0; i < configRecordSize; ++i) configRecord[i] = static_cast<std::uint8_t>(0xF0 + i);
    ASSERT_EQ(saveConfig(), ConfigOutcome::Done);
    EXPECT_EQ(folder.read("mindgrid.cfg"), std::string(configRecord.begin(), configRecord.end()));
    EXPECT_EQ(allLive(), ConfigRecord{}) << "saving applies nothing";

    clearSettings();
    ASSERT_EQ(loadConfig(), ConfigOutcome::Done);
    EXPECT_EQ(configRecord[15], 0xFF);
}

TEST_F(Config, AFailedSaveLeavesTheOldFileWhole) {
    folder.write("mindgrid.cfg", example);
    configRecord.fill(0x55);

    // The file may grow to 8 bytes only, so writing the new record fails halfway.
    struct rlimit old {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 8;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const ConfigOutcome outcome = saveConfig();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);

    EXPECT_EQ(outcome, ConfigOutcome::CannotWrite);
    EXPECT_EQ(folder.read("mindgrid.cfg"), example);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary left";
    EXPECT_EQ(configRecord, filled(0x55)) << "the record keeps its values";

    setProgramFolder(folder / "no such folder");
    EXPECT_EQ(saveConfig(), ConfigOutcome::CannotOpen);
}

TEST_F(Config, AHugeFileLoadsItsFirstRecordAndNothingMore) {
    const auto path = folder / "mindgrid.cfg";
    makeSparseFile(path, 3ull << 30);
    std::fstream(path, std::ios::in | std::ios::out | std::ios::binary).write(example.data(), 16);
    ConfigOutcome outcome{};
    const std::uint64_t rise = peakMemoryRise([&] { outcome = loadConfig(); });
    ASSERT_EQ(outcome, ConfigOutcome::Done);
    EXPECT_EQ(std::string(configRecord.begin(), configRecord.end()), example);
    EXPECT_LT(rise, 16u << 20) << "peak memory rose by " << rise << " bytes";
}

TEST(ConfigFormat, TheRecordIsTheFirstSixteenBytes) {
    EXPECT_FALSE(parseConfig("").has_value());
    EXPECT_FALSE(parseConfig(example.substr(0, 15)).has_value());
    for (const std::string& bytes : {example, example + "tail"}) {
        const auto record = parseConfig(bytes);
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(configBytes(*record), example);
        EXPECT_EQ(parseConfig(configBytes(*record)), record);
    }
}
