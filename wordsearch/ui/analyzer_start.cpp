#include "wordsearch/ui/analyzer_start.h"

#include "platform/core/folders.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <stdlib.h>

namespace {

std::filesystem::path temporaryFolder() {
    for (const char* name : {"TMP", "TEMP", "TMPDIR"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return "/tmp";
}

std::optional<std::filesystem::path>& madeFolder() {
    static std::optional<std::filesystem::path> folder;
    return folder;
}

}  // namespace

std::filesystem::path analyzerCopyFolder() {
    std::optional<std::filesystem::path>& folder = madeFolder();
    std::error_code error;
    if (folder && std::filesystem::is_directory(*folder, error)) return *folder;
    folder.reset();
    // mkdtemp makes the folder with a name no one else has, open to its owner only.
    std::string pattern = (temporaryFolder() / "grilpad-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) return programFolder();
    folder = std::filesystem::path(buffer.data());
    return *folder;
}

std::filesystem::path analyzerProgram() { return programFile("analyzer"); }
