// The one writer under what happens to real saves: killed midway, through
// symbolic links, with the longest names, on a full disk, under a file-size
// limit, over files the process may not write, in folders that take no
// temporary, over other users' files, and side by side with other saves and
// updates of the same file.

#include "platform/core/textfile.h"
#include "support/core/child_process.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <csignal>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <variant>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

// `size` bytes that differ from line to line, so a torn or shifted copy shows.
std::string content(char letter, std::size_t size) {
    std::string bytes;
    bytes.reserve(size);
    for (std::size_t line = 0; bytes.size() < size; ++line)
        bytes += std::string(1, letter) + std::to_string(line) + "\r\n";
    bytes.resize(size);
    return bytes;
}

std::string readAll(const fs::path& file) {
    ReadResult<std::string> read = readFileBytes(file, fileLimit::wordStore);
    return std::holds_alternative<std::string>(read) ? std::get<std::string>(std::move(read)) : "<cannot read>";
}

// A forked child that saves `contents` to `target` one after another, round and
// round, and writes one byte to its pipe after each save ('+' saved, '-' failed).
// It is killed and reaped when the test is done with it.
class Saver {
public:
    Saver(const fs::path& target, const std::vector<std::string>& contents) {
        int ends[2];
        if (::pipe(ends) != 0) throw std::runtime_error("no pipe");
        pid_ = ::fork();
        if (pid_ < 0) throw std::runtime_error("no child process");
        if (pid_ == 0) {
            ::close(ends[0]);
            for (std::size_t i = 0;; ++i) {
                const char mark = writeFileAtomic(target, contents[i % contents.size()]) ? '+' : '-';
                if (::write(ends[1], &mark, 1) != 1) ::_exit(1);
            }
        }
        ::close(ends[1]);
        reports_ = ends[0];
        ::fcntl(reports_, F_SETFL, O_NONBLOCK);
    }
    ~Saver() {
        kill();
        ::close(reports_);
    }
    Saver(const Saver&) = delete;
    Saver& operator=(const Saver&) = delete;

    // Waits until the child has reported `count` saves in all; false when one
    // failed or the child is gone.
    bool awaitSaves(int count) {
        while (saves_ < count) {
            pollfd ready{reports_, POLLIN, 0};
            if (::poll(&ready, 1, -1) < 0 && errno != EINTR) return false;
            if (!takeReports()) return false;
        }
        return true;
    }

    // The saves reported so far, taken without waiting; false as above.
    bool takeReports() {
        char marks[64];
        for (;;) {
            const ssize_t n = ::read(reports_, marks, sizeof marks);
            if (n < 0) return errno == EAGAIN || errno == EINTR;
            if (n == 0) return false;
            for (ssize_t i = 0; i < n; ++i) {
                if (marks[i] != '+') return false;
                ++saves_;
            }
        }
    }
    int saves() const { return saves_; }

    // SIGKILL, and the child reaped: every descriptor it had, and so every lock, is gone.
    void kill() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int reports_ = -1;
    int saves_ = 0;
};

// Waits until a file of the folder not in `known` holds at least `bytes` bytes
// (a temporary of the saver) and gives its name; nothing when the saver failed
// or went through a hundred more saves without one being seen.
std::optional<std::string> awaitNewFile(Saver& saver, const fs::path& folder, const std::set<std::string>& known,
                                        std::uintmax_t bytes) {
    const int giveUp = saver.saves() + 100;
    while (saver.takeReports() && saver.saves() < giveUp) {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder, error)) {
            const std::string name = entry.path().filename().string();
            if (known.count(name) || fs::file_size(entry.path(), error) < bytes || error) continue;
            return name;
        }
        std::this_thread::yield();
    }
    return std::nullopt;
}

// The leftover temporary a save of `target` leaves when it is killed while it writes.
fs::path leftoverOfKilledSave(const fs::path& target) {
    const fs::path folder = target.parent_path();
    const std::set<std::string> known = namesIn(folder);
    const std::string big(8 << 20, 'L');
    for (int attempt = 0; attempt < 100; ++attempt) {
        Saver saver(target, {big});
        const auto name = awaitNewFile(saver, folder, known, 1);
        saver.kill();
        // Seen while it was written; unless the rename came first, it is left now.
        if (name && fs::exists(folder / *name)) return folder / *name;
    }
    throw std::runtime_error("no save was caught midway");
}

// Lowers the file-size limit of this process (a child's) to `bytes`.
bool limitFileSize(rlim_t bytes) {
    struct rlimit limit {};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    limit.rlim_cur = bytes;
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

struct stat statusOf(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) st.st_ino = 0;
    return st;
}

// Sets the umask for one scope.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }
    Umask(const Umask&) = delete;
    Umask& operator=(const Umask&) = delete;

private:
    mode_t old_;
};

}  // namespace

TEST(AtomicWriter, AKilledSaveLeavesTheOldOrTheNewContentWholeAndTheNextSaveCleansUp) {
    TempFolder folder;
    const fs::path target = folder / "big.txt";
    const std::size_t size = 4 << 20;
    const std::string oldContent = content('a', size);
    const std::string newContent = content('b', size);
    std::mt19937 draw(20240611);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_TRUE(writeFileAtomic(target, oldContent));
        {
            Saver saver(target, {newContent, oldContent});
            // The kill falls just as a save ends and the next begins, or while a
            // temporary holds a drawn number of bytes (all of them: during the
            // sync and the rename).
            if (draw() % 3 == 0) {
                ASSERT_TRUE(saver.awaitSaves(static_cast<int>(draw() % 3)));
            } else {
                const std::uintmax_t bytes = draw() % 2 ? draw() % size : size;
                awaitNewFile(saver, folder.path(), {"big.txt"}, bytes);
                ASSERT_TRUE(saver.takeReports()) << "a save failed";
            }
        }
        const std::string now = readAll(target);
        EXPECT_TRUE(now == oldContent || now == newContent) << now.size() << " bytes, starting " << now.substr(0, 8);
        ASSERT_TRUE(writeFileAtomic(target, newContent));
        ASSERT_EQ(namesIn(folder.path()), std::set<std::string>{"big.txt"});
    }
}

TEST(AtomicWriter, TheNextSaveRemovesOnlyItsOwnAbandonedTemporaries) {
    TempFolder folder;
    const fs::path target = folder / "list.txt";
    const fs::path other = folder / "other.txt";
    ASSERT_TRUE(writeFileAtomic(target, "old"));
    ASSERT_TRUE(writeFileAtomic(other, "other"));
    folder.write("notes.txt", "mine");
    folder.write(".list.txt.a1B2c3", "looks like a temporary of another program");

    // A temporary locked as a save still running holds it (here the test holds the lock).
    const fs::path running = leftoverOfKilledSave(target);
    const int held = ::open(running.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const fs::path abandoned = leftoverOfKilledSave(target);
    const fs::path othersLeftover = leftoverOfKilledSave(other);
    EXPECT_TRUE(fs::exists(running)) << "the killed saves left the locked temporary alone";

    ASSERT_TRUE(writeFileAtomic(target, "new"));
    EXPECT_FALSE(fs::exists(abandoned));
    EXPECT_TRUE(fs::exists(running)) << "a running save keeps its temporary";
    EXPECT_TRUE(fs::exists(othersLeftover)) << "another file's temporary stays";
    EXPECT_EQ(readAll(target), "new");

    ::close(held);
    ASSERT_TRUE(writeFileAtomic(target, "newer"));
    EXPECT_FALSE(fs::exists(running)) << "once its save is gone, it is a leftover";
    ASSERT_TRUE(writeFileAtomic(other, "other again"));
    EXPECT_EQ(namesIn(folder.path()),
              (std::set<std::string>{"list.txt", "other.txt", "notes.txt", ".list.txt.a1B2c3"}));
    EXPECT_EQ(folder.read(".list.txt.a1B2c3"), "looks like a temporary of another program");
}

TEST(AtomicWriter, SavesOfOneFileFromManyThreadsAllSucceed) {
    TempFolder folder;
    const fs::path target = folder / "shared.txt";
    constexpr int threadCount = 4;
    std::vector<std::string> contents;
    for (int t = 0; t < threadCount; ++t) contents.push_back(content(static_cast<char>('a' + t), 256 << 10));
    std::atomic<int> failures{0};
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < threadCount; ++t)
            threads.emplace_back([&, t] {
                for (int i = 0; i < 40; ++i)
                    if (!writeFileAtomic(target, contents[static_cast<std::size_t>(t)])) ++failures;
            });
    }
    EXPECT_EQ(failures, 0) << "no save removed the temporary of another running save";
    EXPECT_NE(std::find(contents.begin(), contents.end(), readAll(target)), contents.end());
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"shared.txt"});
}

TEST(AtomicWriter, ASaveThroughALinkWritesTheLinkedFileAndKeepsTheLink) {
    TempFolder folder;
    folder.write("real.txt", "old");
    fs::create_directory(folder / "sub");
    struct Case {
        const char* link;
        fs::path pointsTo;
        const char* written;  // the file that gets the content
    };
    const Case cases[] = {
        {"relative", "real.txt", "real.txt"},
        {"absolute", folder / "real.txt", "real.txt"},
        {"chain", "relative", "real.txt"},
        {"sub/up", "../real.txt", "real.txt"},
        {"dangling", "sub/made.txt", "sub/made.txt"},
    };
    for (const Case& c : cases) fs::create_symlink(c.pointsTo, folder / c.link);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        const std::string bytes = std::string("through ") + c.link;
        ASSERT_TRUE(writeFileAtomic(folder / c.link, bytes));
        EXPECT_TRUE(fs::is_symlink(folder / c.link));
        std::error_code error;
        EXPECT_EQ(fs::read_symlink(folder / c.link, error), c.pointsTo);
        EXPECT_EQ(folder.read(c.written), bytes);
        EXPECT_FALSE(fs::is_symlink(folder / c.written));
    }
    EXPECT_EQ(namesIn(folder.path()),
              (std::set<std::string>{"real.txt", "sub", "relative", "absolute", "chain", "dangling"}));
    EXPECT_EQ(namesIn(folder / "sub"), (std::set<std::string>{"up", "made.txt"}));

    fs::create_symlink("loop", folder / "loop");
    fs::create_symlink("missing/file.txt", folder / "nowhere");
    for (const char* link : {"loop", "nowhere"}) {
        EXPECT_FALSE(writeFileAtomic(folder / link, "x")) << link;
        EXPECT_TRUE(fs::is_symlink(folder / link)) << link;
    }
}

TEST(AtomicWriter, SavesUnderTheLongestNamesTheFileSystemTakes) {
    TempFolder folder;
    for (const std::size_t length : {249, 254, 255}) {
        const std::string name = std::string(length - 4, 'n') + ".txt";
        ASSERT_TRUE(writeFileAtomic(folder / name, "first")) << length;
        ASSERT_TRUE(writeFileAtomic(folder / name, "second")) << length;
        EXPECT_EQ(folder.read(name), "second") << length;
        EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{name}) << length;
        fs::remove(folder / name);
    }
    EXPECT_FALSE(writeFileAtomic(folder / std::string(256, 'n'), "x")) << "longer than any file system takes";
    EXPECT_TRUE(namesIn(folder.path()).empty());
}

TEST(AtomicWriter, AFullDiskKeepsTheOldFileWhole) {
    TempFolder folder;
    const fs::path disk = folder / "disk";
    fs::create_directory(disk);
    const std::string oldContent = content('o', 4096);
    const std::string report = inChild([&]() -> std::string {
        // A 64 KiB disk of its own where the child may mount one; a file-size
        // limit otherwise, which stops the write the same way halfway.
        const bool mounted = ::unshare(CLONE_NEWNS) == 0 &&
                             ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                             ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") == 0;
        if (!writeFileAtomic(disk / "keep.txt", oldContent)) return "the old file could not be written";
        if (!mounted) {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit {};
            if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return "no file-size limit";
            limit.rlim_cur = 16 << 10;
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return "no file-size limit";
        }
        std::string problems;
        if (writeFileAtomic(disk / "keep.txt", content('n', 256 << 10)))
            problems += "a save that did not fit succeeded\n";
        if (readAll(disk / "keep.txt") != oldContent) problems += "the old file changed\n";
        for (const std::string& name : namesIn(disk))
            if (name != "keep.txt") problems += "left behind: " + name + "\n";
        return problems;
    });
    EXPECT_EQ(report, "");
}

TEST(AtomicWriter, KeepsTheModeOfTheFileAndGivesANewOneTheUsualMode) {
    struct Case {
        bool exists;
        mode_t mode;  // of the existing file
        mode_t umask;
        mode_t expected;
    };
    const Case cases[] = {
        {true, 0640, 022, 0640},
        {true, 0600, 0, 0600},
        {true, 0755, 077, 0755},
        {false, 0, 022, 0644},
        {false, 0, 027, 0640},
        {false, 0, 0, 0666},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.exists ? "existing " : "new ") << std::oct << c.mode << " umask "
                                        << c.umask);
        TempFolder folder;
        const fs::path file = folder / "file.txt";
        if (c.exists) {
            folder.write("file.txt", "old");
            ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
        }
        {
            const Umask mask(c.umask);
            ASSERT_TRUE(writeFileAtomic(file, "new"));
        }
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.expected) << std::oct << (st.st_mode & 07777);
    }
}

TEST(AtomicWriter, RootKeepsTheOwnerOfAnotherUsersFile) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    TempFolder folder;
    const fs::path file = folder.write("theirs.txt", "old");
    ASSERT_EQ(::chown(file.c_str(), 12345, 12346), 0);
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(writeFileAtomic(file, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, 12345u);
    EXPECT_EQ(st.st_gid, 12346u);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(folder.read("theirs.txt"), "new");
}

TEST(AtomicWriter, ASaveOverTheFileSizeLimitFailsAndTheProgramGoesOn) {
    TempFolder folder;
    const fs::path file = folder / "big.txt";
    const std::string oldContent = content('o', 4096);
    const std::string report = inChild([&]() -> std::string {
        // As the programs do at start; without it the limit ends the process.
        ignoreFileSizeSignal();
        if (!writeFileAtomic(file, oldContent) || !limitFileSize(64 << 10)) return "no start";
        std::string problems;
        if (writeFileAtomic(file, content('n', 256 << 10))) problems += "a save over the limit succeeded\n";
        if (readAll(file) != oldContent) problems += "the old file changed\n";
        for (const std::string& name : namesIn(folder.path()))
            if (name != "big.txt") problems += "left behind: " + name + "\n";
        if (!writeFileAtomic(file, content('s', 8192)) || readAll(file) != content('s', 8192))
            problems += "a save under the limit failed afterwards\n";
        return problems;
    });
    EXPECT_EQ(report, "");
}

TEST(AtomicWriter, AFileThisProcessMayNotWriteIsNeverReplaced) {
    struct Case {
        const char* name;
        mode_t mode;
        bool othersFile;  // the file belongs to another user, in a folder everyone may write to
        bool written;
    };
    const Case cases[] = {
        {"read-only", 0444, false, false},
        {"no permissions at all", 0000, false, false},
        {"write-only", 0200, false, true},
        {"another user's file", 0644, true, false},
        {"another user's file everyone may write", 0666, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.othersFile && ::geteuid() != 0) {
            std::cout << "[  SKIPPED ] " << c.name << ": only root may make a file of another user\n";
            continue;
        }
        TempFolder folder;
        const fs::path file = folder.write("puzzle.kri", "old\r\n");
        ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
        const struct stat before = statusOf(file);
        // Another user's file is written by a process of the user otherUserId.
        bool saved = false;
        if (c.othersFile) {
            ASSERT_EQ(::chmod(folder.path().c_str(), 0777), 0);
            const std::string report = inUnprivilegedChild(
                [&]() -> std::string { return writeFileAtomic(file, "new\r\n") ? "saved" : ""; });
            saved = report == "saved";
            if (!saved) {
                EXPECT_EQ(report, "");
            }
        } else {
            saved = writeFileAtomic(file, "new\r\n");
        }
        EXPECT_EQ(saved, c.written);
        const struct stat after = statusOf(file);
        if (!c.written) {
            EXPECT_EQ(after.st_ino, before.st_ino) << "the same file, not a copy";
            EXPECT_EQ(after.st_uid, before.st_uid);
            EXPECT_EQ(after.st_mode & 07777, c.mode);
        }
        ASSERT_EQ(::chmod(file.c_str(), 0600), 0);  // so the test may read it
        EXPECT_EQ(folder.read("puzzle.kri"), c.written ? "new\r\n" : "old\r\n");
        EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"puzzle.kri"});
    }
}

TEST(AtomicWriter, AWritableFileInAFolderThatTakesNoTemporaryIsWrittenInPlace) {
    struct Case {
        const char* name;
        bool exists;
        std::size_t newSize;
        rlim_t sizeLimit;  // 0: none
        bool written;
    };
    const std::size_t oldSize = 16 << 10;
    const Case cases[] = {
        {"longer", true, 64 << 10, 0, true},
        {"shorter", true, 100, 0, true},
        {"empty", true, 0, 0, true},
        {"longer than the file-size limit", true, 64 << 10, 32 << 10, false},
        {"a new file", false, 100, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const fs::path file = folder / "puzzle.kri";
        const std::string oldContent = content('o', oldSize);
        const std::string newContent = content('n', c.newSize);
        if (c.exists) {
            folder.write("puzzle.kri", oldContent);
            ASSERT_EQ(::chmod(file.c_str(), 0666), 0);
        }
        const struct stat before = statusOf(file);
        // The folder takes no new file from the child (of the user otherUserId
        // when the tests run as root); the file itself may be written.
        ASSERT_EQ(::chmod(folder.path().c_str(), 0555), 0);
        const std::string report = inUnprivilegedChild([&]() -> std::string {
            ignoreFileSizeSignal();
            if (c.sizeLimit && !limitFileSize(c.sizeLimit)) return "no file-size limit";
            return writeFileAtomic(file, newContent) ? "saved" : "failed";
        });
        EXPECT_EQ(report, c.written ? "saved" : "failed");
        EXPECT_EQ(namesIn(folder.path()), c.exists ? std::set<std::string>{"puzzle.kri"} : std::set<std::string>{});
        if (!c.exists) continue;
        EXPECT_EQ(readAll(file), c.written ? newContent : oldContent);
        const struct stat after = statusOf(file);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode & 07777, 0666u);
    }
}

TEST(AtomicWriter, UpdatesOfOneFileFromSeveralProcessesFollowOneAnother) {
    TempFolder folder;
    const fs::path file = folder / "shared.txt";
    constexpr int processCount = 4;
    constexpr int updates = 25;
    // Each process adds its lines to what the file holds; the first one finds no file.
    std::vector<pid_t> children;
    for (int p = 0; p < processCount; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (int i = 0; i < updates; ++i) {
                const std::string line = std::to_string(p) + "-" + std::to_string(i) + "\r\n";
                const bool updated = updateFileAtomic(file, fileLimit::wordStore, [&](const std::string* now) {
                    return std::optional<std::string>((now ? *now : "") + line);
                });
                if (!updated) ::_exit(1);
            }
            ::_exit(0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    // Every line of every process, each process's in its own order.
    std::vector<int> next(processCount, 0);
    int lines = 0;
    forEachLine(readAll(file), [&](std::string_view line) {
        const std::size_t dash = line.find('-');
        const int p = std::stoi(std::string(line.substr(0, dash)));
        EXPECT_EQ(std::stoi(std::string(line.substr(dash + 1))), next[static_cast<std::size_t>(p)]++) << line;
        ++lines;
    });
    EXPECT_EQ(lines, processCount * updates);
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"shared.txt"});
}

TEST(AtomicWriter, AnUpdateSeesTheFileAsItIsOrLeavesItAlone) {
    struct Case {
        const char* name;
        std::optional<std::string> file;     // nothing: no file
        std::optional<std::string> answer;   // what the update makes of it
        bool updated;
        const char* seen;                    // what the update was given ("-": not called, "none": nullptr)
        std::optional<std::string> after;    // nothing: no file
    };
    const Case cases[] = {
        {"no file yet", std::nullopt, "new", true, "none", "new"},
        {"an existing file", "old", "old new", true, "old", "old new"},
        {"the update keeps the file", "old", std::nullopt, false, "old", "old"},
        {"the update makes no file", std::nullopt, std::nullopt, false, "none", std::nullopt},
        {"a file over the limit", "0123456789", "new", false, "-", "0123456789"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const fs::path file = folder / "list.txt";
        if (c.file) folder.write("list.txt", *c.file);
        std::string seen = "-";
        const bool updated = updateFileAtomic(file, 8, [&](const std::string* now) {
            seen = now ? *now : "none";
            return c.answer;
        });
        EXPECT_EQ(updated, c.updated);
        EXPECT_EQ(seen, c.seen);
        if (c.after) {
            EXPECT_EQ(readAll(file), *c.after);
        }
        EXPECT_EQ(namesIn(folder.path()), c.after ? std::set<std::string>{"list.txt"} : std::set<std::string>{});
    }
}
