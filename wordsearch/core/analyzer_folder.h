#pragma once
// The private folders in which grilpad hands the analyzer a copy of a word
// search, and their removal once nobody needs them.
//
// A folder is "grilpad-" and six letters or digits under the temporary
// folder, open to its owner only, and holds the lock file "grilpad.lock".
// The grilpad that made the folder keeps a shared lock (flock) on that file
// for as long as it runs; every analyzer it starts inherits a descriptor of
// its own with a shared lock and keeps it until it ends. Whoever gets the
// lock exclusively therefore knows that no grilpad and no analyzer uses the
// folder any more, and removes it while holding the lock.
//
// A folder is removed when its grilpad gives it up (at its end) unless an
// analyzer still runs, and otherwise by the next grilpad that starts. Only
// directories of this user with the folder name and a lock file that is a
// regular file of this user are ever touched; folders without a lock file
// (of builds that made none) are left alone, since nothing tells whether
// their grilpad still runs.

#include <filesystem>
#include <memory>
#include <string_view>

class AnalyzerFolder {
public:
    // A shared lock for a program about to start: a descriptor of the lock
    // file that is not closed on exec, so that the program inherits it with
    // its lock. Let the hold go once the program has started: the program
    // keeps the lock until it ends. An empty hold (no descriptor) when the
    // lock file could not be opened.
    class Hold {
    public:
        Hold() = default;
        explicit Hold(int descriptor) : descriptor_(descriptor) {}
        ~Hold();
        Hold(Hold&& other) noexcept;
        Hold& operator=(Hold&& other) noexcept;
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

        bool held() const { return descriptor_ >= 0; }

    private:
        int descriptor_ = -1;
    };

    // Makes a new folder under `parent` and takes its lock; nothing when the
    // folder or its lock file cannot be made.
    static std::unique_ptr<AnalyzerFolder> make(const std::filesystem::path& parent);

    // Gives up this process's lock and removes the folder unless a program
    // started with a hold still runs.
    ~AnalyzerFolder();
    AnalyzerFolder(const AnalyzerFolder&) = delete;
    AnalyzerFolder& operator=(const AnalyzerFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    Hold holdForProgram() const;

private:
    AnalyzerFolder(std::filesystem::path path, int lock) : path_(std::move(path)), lock_(lock) {}

    std::filesystem::path path_;
    int lock_;  // the descriptor holding this process's shared lock
};

// "grilpad-" and six ASCII letters or digits, as mkdtemp makes them.
bool isAnalyzerFolderName(std::string_view name);

// Removes the folders under `parent` that no grilpad and no analyzer uses
// (see above); returns how many went.
int removeUnusedAnalyzerFolders(const std::filesystem::path& parent);
