#include "platform/core/folders.h"

#include <mutex>

namespace {
std::mutex folderMutex;
std::filesystem::path& overriddenFolder() {
    static std::filesystem::path folder;
    return folder;
}
}  // namespace

std::filesystem::path programFolder() {
    std::lock_guard lock(folderMutex);
    if (!overriddenFolder().empty()) return overriddenFolder();
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) return std::filesystem::current_path(error);
    return executable.parent_path();
}

void setProgramFolder(const std::filesystem::path& folder) {
    std::lock_guard lock(folderMutex);
    overriddenFolder() = folder;
}
