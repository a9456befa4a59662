// The one writer: every file the programs write is replaced whole through here.
//
// A save writes a temporary file in the target's folder, syncs it and renames it
// over the target, then syncs the folder so the rename itself survives a crash.
// The temporary is named ".grilpad-<hash of the target's name>-<random>": short
// enough beside any file name the file system takes, and recognisable as
// belonging to that target. The writer holds an exclusive flock on its temporary
// from its creation until after the rename, so the next save of the same target
// can tell the leftovers of killed saves (nobody holds their lock) from the
// temporary of a save that is still running, and removes only the former.
//
// An existing file is replaced only when this process may write it itself: the
// rename would otherwise sidestep the file's own permissions. Where the folder
// takes no temporary but the file may be written, the file is written in place.

#include "platform/core/textfile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            if (fd_ >= 0) ::close(fd_);
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }

private:
    int fd_;
};

// As many links as the kernel follows in one path before it gives up.
constexpr int maxLinkHops = 40;

// The file a save of `path` replaces: `path` itself, or, when it is a symbolic
// link, the end of its chain of links, so the link stays a link and the file it
// names gets the new content. A dangling link gives the path it names. Nothing
// when the chain loops or a link cannot be read.
std::optional<fs::path> finalTarget(fs::path path) {
    for (int hop = 0; hop <= maxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno == ENOENT) return path;  // a new file
            return std::nullopt;
        }
        if (!S_ISLNK(st.st_mode)) return path;
        std::error_code error;
        const fs::path link = fs::read_symlink(path, error);
        if (error) return std::nullopt;
        // A relative link is read from the link's own folder. The joined path is
        // left as it is ("a/../b" is resolved by the kernel, through any linked folder).
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return std::nullopt;
}

// FNV-1a: the same 64 bits for the same name in every build and run, so the
// leftovers of an earlier run of either program are recognised.
std::uint64_t nameHash(const std::string& name) {
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : name) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    return hash;
}

constexpr std::size_t suffixLength = 6;

// ".grilpad-" and 16 hex digits of the target's name, then "-"; the random
// suffix follows. 32 bytes in all, whatever the length of the target's name.
std::string temporaryPrefix(const std::string& targetName) {
    static constexpr char hex[] = "0123456789abcdef";
    std::string prefix = ".grilpad-";
    const std::uint64_t hash = nameHash(targetName);
    for (int shift = 60; shift >= 0; shift -= 4) prefix += hex[(hash >> shift) & 0xF];
    prefix += '-';
    return prefix;
}

std::string randomSuffix() {
    static constexpr char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char bytes[suffixLength] = {};
    if (::getrandom(bytes, sizeof bytes, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof bytes)) {
        // No entropy at hand (very early boot): a mix of the process and a counter
        // still differs between tries, and O_EXCL settles any clash.
        static std::atomic<std::uint64_t> counter{0};
        std::uint64_t x = (static_cast<std::uint64_t>(::getpid()) << 32) ^ counter.fetch_add(0x9E3779B97F4A7C15ULL);
        for (unsigned char& b : bytes) {
            x ^= x >> 31;
            x *= 0xBF58476D1CE4E5B9ULL;
            b = static_cast<unsigned char>(x >> 56);
        }
    }
    std::string suffix;
    for (const unsigned char b : bytes) suffix += letters[b % (sizeof letters - 1)];
    return suffix;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when `name` in `folder` is still the file open as `fd`.
bool nameHoldsFile(int folder, const std::string& name, int fd) {
    struct stat byName {}, opened {};
    return ::fstat(fd, &opened) == 0 && ::fstatat(folder, name.c_str(), &byName, AT_SYMLINK_NOFOLLOW) == 0 &&
           sameFile(byName, opened);
}

// The target's folder. Opened for reading, so it can be listed and synced; a
// folder the user may write to but not read is still used, without both.
struct Folder {
    Descriptor fd;
    bool readable = false;
};

Folder openFolder(const fs::path& path) {
    Folder folder{Descriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)), true};
    if (!folder.fd && errno == EACCES)
        folder = {Descriptor(::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC)), false};
    return folder;
}

// Removes `name` when it is a leftover: a regular file whose lock nobody holds.
void removeIfAbandoned(int folder, const std::string& name) {
    struct stat before {};
    if (::fstatat(folder, name.c_str(), &before, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(before.st_mode)) return;
    const Descriptor fd(::openat(folder, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd) return;
    // Any failure here, a lock held by a running save among them, leaves the file.
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return;
    // The name must still be the file just locked, not a new temporary that took it.
    if (!nameHoldsFile(folder, name, fd.get())) return;
    ::unlinkat(folder, name.c_str(), 0);
}

// Removes the leftovers of earlier saves of the target whose temporaries start with `prefix`.
void removeLeftovers(int folder, const std::string& prefix) {
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* dir = ::fdopendir(listing);
    if (!dir) {
        ::close(listing);
        return;
    }
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name(entry->d_name);
        if (name.size() == prefix.size() + suffixLength && name.starts_with(prefix)) leftovers.emplace_back(name);
    }
    ::closedir(dir);
    for (const std::string& name : leftovers) removeIfAbandoned(folder, name);
}

struct Temporary {
    Descriptor fd;
    std::string name;
};

// A new temporary file in `folder`, locked by this save. `mode` is passed to
// the creation, so the umask (and a default ACL of the folder) apply as to any new file.
// When none can be made, `failure` tells why (an errno value).
std::optional<Temporary> createTemporary(int folder, const std::string& prefix, mode_t mode, int& failure) {
    failure = EEXIST;
    for (int attempt = 0; attempt < 100; ++attempt) {
        Temporary temporary{Descriptor(), prefix + randomSuffix()};
        const int flags = O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC;
        temporary.fd = Descriptor(::openat(folder, temporary.name.c_str(), flags, mode));
        if (!temporary.fd) {
            failure = errno;
            if (failure == EEXIST) continue;
            return std::nullopt;
        }
        int locked;
        while ((locked = ::flock(temporary.fd.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        // A file system without flock: the file stays unlocked, and no other save
        // can take a lock on it either, so none removes it.
        if (locked != 0) return temporary;
        // Another save's cleaning may have caught the file in the instant between
        // its creation and the lock, and removed it; then take another name.
        if (nameHoldsFile(folder, temporary.name, temporary.fd.get())) return temporary;
    }
    return std::nullopt;
}

// Gives the temporary the owner, group and mode of the file it replaces, as far
// as this process may: only root gives a file to another user, a user may still
// keep the group when it is one of theirs. Neither failure stops the save.
void keepOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) == 0 && (now.st_uid != old.st_uid || now.st_gid != old.st_gid)) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0 && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
            // The new file belongs to this process's user and group.
        }
    }
    // After the owner: a change of owner clears the set-user-ID and set-group-ID bits.
    static_cast<void>(::fchmod(fd, old.st_mode & 07777));
}

bool writeAll(int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// Whether this process may write the existing file `name` itself, as opening
// it for writing would decide (its owner, group and other bits, an ACL, a
// read-only mount, an immutable file). A file without any write bit is
// read-only for everyone, root too, whom the permissions alone would let through.
bool mayWriteExisting(int folder, const std::string& name, const struct stat& old) {
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::faccessat(folder, name.c_str(), W_OK, AT_EACCESS) == 0;
}

// Writes `bytes` over the content of the existing regular file `name`, for a
// folder that takes no temporary. The room for a longer content is taken
// before the first byte changes, so that a full disk or a file-size limit
// stops the save with the old content whole; only a failing device can leave
// the file torn.
bool writeInPlace(int folder, const std::string& name, const struct stat& old, std::string_view bytes) {
    const Descriptor fd(::openat(folder, name.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat opened {};
    if (!fd || ::fstat(fd.get(), &opened) != 0 || !sameFile(opened, old) || !S_ISREG(opened.st_mode)) return false;
    const off_t oldSize = opened.st_size;
    const off_t newSize = static_cast<off_t>(bytes.size());
    if (newSize > oldSize) {
        int reserved;
        while ((reserved = ::fallocate(fd.get(), 0, oldSize, newSize - oldSize)) != 0 && errno == EINTR) {
        }
        // A file system that cannot reserve room is written without.
        if (reserved != 0 && errno != EOPNOTSUPP && errno != ENOSYS) {
            static_cast<void>(::ftruncate(fd.get(), oldSize));
            return false;
        }
    }
    return writeAll(fd.get(), bytes) && ::ftruncate(fd.get(), newSize) == 0 && ::fsync(fd.get()) == 0;
}

}  // namespace

void ignoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool writeFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    const std::optional<fs::path> target = finalTarget(path);
    if (!target) return false;
    const std::string name = target->filename().string();
    if (name.empty() || name == "." || name == "..") return false;
    const Folder folder = openFolder(target->has_parent_path() ? target->parent_path() : fs::path("."));
    if (!folder.fd) return false;

    struct stat old {};
    const bool exists = ::fstatat(folder.fd.get(), name.c_str(), &old, 0) == 0;
    // Not knowing what stands there (nor its mode) is no ground to replace it.
    if (!exists && errno != ENOENT) return false;
    if (exists && S_ISDIR(old.st_mode)) return false;
    if (exists && !mayWriteExisting(folder.fd.get(), name, old)) return false;

    const std::string prefix = temporaryPrefix(name);
    if (folder.readable) removeLeftovers(folder.fd.get(), prefix);

    int failure = 0;
    std::optional<Temporary> temporary = createTemporary(folder.fd.get(), prefix, exists ? 0600 : 0666, failure);
    if (!temporary) {
        const bool folderRefuses = failure == EACCES || failure == EPERM;
        return exists && S_ISREG(old.st_mode) && folderRefuses && writeInPlace(folder.fd.get(), name, old, bytes);
    }
    if (exists) keepOwnerAndMode(temporary->fd.get(), old);
    // The lock is held until the descriptor closes, after the rename.
    const bool saved = writeAll(temporary->fd.get(), bytes) && ::fsync(temporary->fd.get()) == 0 &&
                       ::renameat(folder.fd.get(), temporary->name.c_str(), folder.fd.get(), name.c_str()) == 0;
    if (!saved) {
        ::unlinkat(folder.fd.get(), temporary->name.c_str(), 0);
        return false;
    }
    // Makes the rename itself durable. The new content is in place whatever this
    // answers: a failure here is no failed save, and after a crash the folder
    // would show the old file or the new one, each whole.
    if (folder.readable) static_cast<void>(::fsync(folder.fd.get()));
    return true;
}

namespace {

// An exclusive lock on the file a path names, and whether taking it made the file.
struct LockedFile {
    Descriptor fd;
    bool made = false;
};

// Locks the file `path` names, making an empty one when there is none. A save
// replaces the file by another, so a lock taken on the file that was replaced
// while this process waited for it locks nothing any longer: then the file the
// name holds now is locked instead.
std::optional<LockedFile> lockFileOf(const fs::path& path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        LockedFile file{Descriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)), false};
        if (!file.fd && errno == ENOENT) {
            file = {Descriptor(::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666)), true};
            if (!file.fd && errno == EEXIST) continue;
        }
        if (!file.fd) return std::nullopt;
        int locked;
        while ((locked = ::flock(file.fd.get(), LOCK_EX)) != 0 && errno == EINTR) {
        }
        // A file system without flock: updated without the lock.
        if (locked != 0) return file;
        struct stat opened {}, named {};
        if (::fstat(file.fd.get(), &opened) == 0 && ::stat(path.c_str(), &named) == 0 && sameFile(opened, named))
            return file;
    }
    return std::nullopt;
}

}  // namespace

bool updateFileAtomic(const std::filesystem::path& path, std::uint64_t limit,
                      const std::function<std::optional<std::string>(const std::string* current)>& update) {
    const std::optional<fs::path> target = finalTarget(path);
    if (!target) return false;
    const std::optional<LockedFile> locked = lockFileOf(*target);
    if (!locked) return false;
    std::optional<std::string> bytes;
    if (locked->made) {
        bytes = update(nullptr);
    } else {
        ReadResult<std::string> current = readFileBytes(*target, limit);
        if (const auto* read = std::get_if<std::string>(&current)) bytes = update(read);
    }
    if (bytes && writeFileAtomic(*target, *bytes)) return true;
    // The empty file made for the lock goes again, unless it has been used since.
    struct stat opened {}, named {};
    if (locked->made && ::fstat(locked->fd.get(), &opened) == 0 && ::stat(target->c_str(), &named) == 0 &&
        sameFile(opened, named) && named.st_size == 0)
        ::unlink(target->c_str());
    return false;
}

bool writeLinesAtomic(const std::filesystem::path& path, const std::vector<std::string>& lines) {
    LineWriter writer;
    for (const std::string& line : lines) writer.line(line);
    return writer.commit(path);
}
