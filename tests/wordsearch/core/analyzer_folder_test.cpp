// The analyzer's copy folders: a folder goes when nobody uses it any more,
// never while its grilpad or an analyzer started from it runs, and nothing
// that is not such a folder of this user is touched. The analyzers here are
// real processes that inherit their hold and keep it until the test ends them.

#include "support/core/temp_folder.h"
#include "wordsearch/core/analyzer_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <memory>
#include <string>

extern char** environ;

namespace fs = std::filesystem;

namespace {

// A process standing in for an analyzer: "sh -c 'read line'" on a pipe
// that only this object writes to. It inherits every descriptor the test
// leaves open across exec (a hold among them) and keeps them until end().
class StartedProgram {
public:
    StartedProgram() {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, ends[0], 0);
        char sh[] = "sh";
        char c[] = "-c";
        char script[] = "read line";
        char* arguments[] = {sh, c, script, nullptr};
        if (posix_spawn(&pid_, "/bin/sh", &actions, nullptr, arguments, environ) != 0) pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(ends[0]);
        input_ = ends[1];
    }
    ~StartedProgram() { end(); }
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    bool running() const { return pid_ > 0; }

    // Closes its input, so that its read ends, and waits until it has exited.
    void end() {
        if (input_ >= 0) ::close(input_);
        input_ = -1;
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int input_ = -1;
};

// A folder as a grilpad makes it: the folder and its lock file.
fs::path makeFolder(const fs::path& path, bool withLock = true) {
    fs::create_directory(path);
    fs::permissions(path, fs::perms::owner_all);
    if (withLock) std::ofstream(path / "grilpad.lock").flush();
    std::ofstream(path / "test.osm") << "10\r\n";
    return path;
}

}  // namespace

TEST(AnalyzerFolder, GoesWithItsGrilpadUnlessAnAnalyzerItStartedStillRuns) {
    TempFolder temporary;
    for (const bool analyzerRuns : {false, true}) {
        SCOPED_TRACE(analyzerRuns ? "an analyzer runs" : "no analyzer");
        std::unique_ptr<AnalyzerFolder> folder = AnalyzerFolder::make(temporary.path());
        ASSERT_NE(folder, nullptr);
        const fs::path path = folder->path();
        EXPECT_EQ(path.parent_path(), temporary.path());
        EXPECT_TRUE(isAnalyzerFolderName(path.filename().string())) << path;
        EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_all);
        std::ofstream(path / "test.osm") << "10\r\n";

        // Its grilpad runs: nobody else removes it.
        EXPECT_EQ(removeUnusedAnalyzerFolders(temporary.path()), 0);
        EXPECT_TRUE(fs::exists(path / "test.osm"));

        std::unique_ptr<StartedProgram> analyzer;
        if (analyzerRuns) {
            const AnalyzerFolder::Hold hold = folder->holdForProgram();
            ASSERT_TRUE(hold.held());
            analyzer = std::make_unique<StartedProgram>();
            ASSERT_TRUE(analyzer->running());
        }
        folder.reset();  // grilpad ends
        EXPECT_EQ(fs::exists(path), analyzerRuns);
        if (!analyzerRuns) continue;

        // The next grilpad leaves it while the analyzer runs and removes it after.
        EXPECT_EQ(removeUnusedAnalyzerFolders(temporary.path()), 0);
        EXPECT_TRUE(fs::exists(path / "test.osm"));
        analyzer->end();
        EXPECT_EQ(removeUnusedAnalyzerFolders(temporary.path()), 1);
        EXPECT_FALSE(fs::exists(path));
    }
    EXPECT_TRUE(fs::is_empty(temporary.path()));
}

TEST(AnalyzerFolder, OnlyFoldersOfOursThatNobodyUsesAreRemoved) {
    TempFolder temporary;
    const fs::path& parent = temporary.path();
    const fs::path elsewhere = makeFolder(parent / "elsewhere");
    std::ofstream(parent / "plain.txt") << "x";

    // name -> whether it goes
    std::map<std::string, bool> expected;
    makeFolder(parent / "grilpad-a1B2c3");
    expected["grilpad-a1B2c3"] = true;
    for (const char* name : {"grilpad-abc", "grilpad-abcdefg", "grilpad-ab_de-", "grillpad-abcdef", "other-abcdef"}) {
        makeFolder(parent / name);  // not a name mkdtemp gives ours
        expected[name] = false;
    }
    makeFolder(parent / "grilpad-g7H8i9", false);  // no lock file: an earlier build's
    expected["grilpad-g7H8i9"] = false;
    fs::create_directory_symlink(elsewhere, parent / "grilpad-j0K1l2");
    expected["grilpad-j0K1l2"] = false;
    std::ofstream(parent / "grilpad-m3N4o5") << "a file";
    expected["grilpad-m3N4o5"] = false;
    makeFolder(parent / "grilpad-p6Q7r8", false);
    fs::create_symlink(parent / "plain.txt", parent / "grilpad-p6Q7r8" / "grilpad.lock");
    expected["grilpad-p6Q7r8"] = false;
    if (::geteuid() == 0) {
        const fs::path foreign = makeFolder(parent / "grilpad-s9T0u1");
        ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
        ASSERT_EQ(::chown((foreign / "grilpad.lock").c_str(), 65534, 65534), 0);
        expected["grilpad-s9T0u1"] = false;
    }
    // In use: a running grilpad's own folder, and one held by a running analyzer.
    std::unique_ptr<AnalyzerFolder> running = AnalyzerFolder::make(parent);
    ASSERT_NE(running, nullptr);
    expected[running->path().filename().string()] = false;
    const fs::path held = makeFolder(parent / "grilpad-v2W3x4");
    expected["grilpad-v2W3x4"] = false;
    std::unique_ptr<StartedProgram> analyzer;
    {
        // The lock as holdForProgram hands it to a program it starts.
        const int lock = ::open((held / "grilpad.lock").c_str(), O_RDWR);
        ASSERT_GE(lock, 0);
        ASSERT_EQ(::flock(lock, LOCK_SH), 0);
        const AnalyzerFolder::Hold hold(lock);
        analyzer = std::make_unique<StartedProgram>();
        ASSERT_TRUE(analyzer->running());
    }

    EXPECT_EQ(removeUnusedAnalyzerFolders(parent), 1);
    for (const auto& [name, goes] : expected) {
        SCOPED_TRACE(name);
        EXPECT_EQ(fs::exists(fs::symlink_status(parent / name)), !goes);
    }
    EXPECT_TRUE(fs::exists(elsewhere / "grilpad.lock")) << "a link's target is not touched";
    EXPECT_TRUE(fs::exists(parent / "plain.txt"));

    analyzer->end();
    EXPECT_EQ(removeUnusedAnalyzerFolders(parent), 1);
    EXPECT_FALSE(fs::exists(held));
    EXPECT_TRUE(fs::exists(running->path()));
}
