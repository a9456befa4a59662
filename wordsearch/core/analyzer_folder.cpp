#include "wordsearch/core/analyzer_folder.h"

#include <cerrno>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* lockFileName = "grilpad.lock";
constexpr std::string_view folderPrefix = "grilpad-";
constexpr std::size_t randomPartLength = 6;

enum class Inherit { No, Yes };

// Opens the folder's lock file without following a link; a descriptor to
// hand to a started program stays open across exec.
int openLock(const fs::path& folder, Inherit inherit, int extraFlags = 0) {
    int flags = O_RDWR | O_NOFOLLOW | extraFlags;
    if (inherit == Inherit::No) flags |= O_CLOEXEC;
    int descriptor = -1;
    do {
        descriptor = ::open((folder / lockFileName).c_str(), flags, 0600);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

bool lockFile(int descriptor, int operation) {
    int result = -1;
    do {
        result = ::flock(descriptor, operation);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

// Whether `descriptor` is still the lock file named in `folder`: nobody has
// removed the folder (and someone made another of the same name) since.
bool stillNamed(int descriptor, const fs::path& folder) {
    struct stat opened {};
    struct stat named {};
    return ::fstat(descriptor, &opened) == 0 && ::lstat((folder / lockFileName).c_str(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

// With `descriptor` on the folder's lock file: removes the folder when the
// lock can be had exclusively, while holding it. True when the folder went.
bool removeIfUnused(int descriptor, const fs::path& folder) {
    if (!lockFile(descriptor, LOCK_EX | LOCK_NB) || !stillNamed(descriptor, folder)) return false;
    std::error_code error;
    fs::remove_all(folder, error);
    return !error;
}

void closeDescriptor(int descriptor) {
    if (descriptor >= 0) ::close(descriptor);
}

}  // namespace

AnalyzerFolder::Hold::~Hold() { closeDescriptor(descriptor_); }

AnalyzerFolder::Hold::Hold(Hold&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}

AnalyzerFolder::Hold& AnalyzerFolder::Hold::operator=(Hold&& other) noexcept {
    if (this != &other) {
        closeDescriptor(descriptor_);
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

std::unique_ptr<AnalyzerFolder> AnalyzerFolder::make(const fs::path& parent) {
    // A grilpad starting elsewhere may take a folder made here before its
    // lock is held, as one nobody uses; then another folder is made.
    for (int attempt = 0; attempt < 3; ++attempt) {
        // mkdtemp makes the folder with a name no one else has, open to its owner only.
        const std::string pattern = (parent / (std::string(folderPrefix) + "XXXXXX")).string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        if (!::mkdtemp(buffer.data())) return nullptr;
        fs::path folder(buffer.data());
        const int lock = openLock(folder, Inherit::No, O_CREAT | O_EXCL);
        if (lock < 0) {
            std::error_code error;
            fs::remove(folder, error);
            return nullptr;
        }
        const bool locked = lockFile(lock, LOCK_SH);
        if (locked && stillNamed(lock, folder))
            return std::unique_ptr<AnalyzerFolder>(new AnalyzerFolder(std::move(folder), lock));
        // A folder that went while the lock was awaited is no longer ours to
        // remove; one that could not be locked is, or it would stay for good.
        if (!locked && stillNamed(lock, folder)) {
            std::error_code error;
            fs::remove_all(folder, error);
        }
        closeDescriptor(lock);
    }
    return nullptr;
}

AnalyzerFolder::~AnalyzerFolder() {
    // The shared lock turns exclusive only when no started program holds one.
    removeIfUnused(lock_, path_);
    closeDescriptor(lock_);
}

AnalyzerFolder::Hold AnalyzerFolder::holdForProgram() const {
    const int descriptor = openLock(path_, Inherit::Yes);
    if (descriptor < 0) return {};
    if (!lockFile(descriptor, LOCK_SH)) {
        closeDescriptor(descriptor);
        return {};
    }
    return Hold(descriptor);
}

bool isAnalyzerFolderName(std::string_view name) {
    if (name.size() != folderPrefix.size() + randomPartLength || !name.starts_with(folderPrefix)) return false;
    for (const char c : name.substr(folderPrefix.size())) {
        const bool letterOrDigit = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!letterOrDigit) return false;
    }
    return true;
}

int removeUnusedAnalyzerFolders(const fs::path& parent) {
    std::vector<fs::path> candidates;
    std::error_code error;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error))
        if (isAnalyzerFolderName(it->path().filename().string())) candidates.push_back(it->path());

    const uid_t user = ::geteuid();
    int removed = 0;
    for (const fs::path& folder : candidates) {
        struct stat entry {};
        if (::lstat(folder.c_str(), &entry) != 0 || !S_ISDIR(entry.st_mode) || entry.st_uid != user) continue;
        const int lock = openLock(folder, Inherit::No, O_NONBLOCK);
        if (lock < 0) continue;  // no lock file: not known to be unused
        struct stat file {};
        if (::fstat(lock, &file) == 0 && S_ISREG(file.st_mode) && file.st_uid == user && removeIfUnused(lock, folder))
            ++removed;
        closeDescriptor(lock);
    }
    return removed;
}
