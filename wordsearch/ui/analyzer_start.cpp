#include "wordsearch/ui/analyzer_start.h"

#include "platform/core/folders.h"

#include <cstdlib>
#include <memory>

namespace {

// Destroyed when the program ends, which gives the folder up.
std::unique_ptr<AnalyzerFolder>& ownFolder() {
    static std::unique_ptr<AnalyzerFolder> folder;
    return folder;
}

std::filesystem::path temporaryFolder() {
    for (const char* name : {"TMP", "TEMP", "TMPDIR"}) {
        const char* value = std::getenv(name);
        if (value && *value) return value;
    }
    return "/tmp";
}

}  // namespace

std::filesystem::path analyzerCopyFolder() {
    std::unique_ptr<AnalyzerFolder>& folder = ownFolder();
    std::error_code error;
    if (folder && std::filesystem::is_directory(folder->path(), error)) return folder->path();
    folder = AnalyzerFolder::make(temporaryFolder());
    return folder ? folder->path() : programFolder();
}

AnalyzerFolder::Hold holdAnalyzerCopyFolder() {
    const std::unique_ptr<AnalyzerFolder>& folder = ownFolder();
    return folder ? folder->holdForProgram() : AnalyzerFolder::Hold();
}

void releaseAnalyzerCopyFolder() { ownFolder().reset(); }

int removeUnusedAnalyzerCopyFolders() { return removeUnusedAnalyzerFolders(temporaryFolder()); }

std::filesystem::path analyzerProgram() { return programFile("analyzer"); }
