#include "frame/core/config.h"

#include "document/core/document_kinds.h"
#include "platform/core/folders.h"
#include "platform/core/textfile.h"

#include <algorithm>
#include <string>

#include <unistd.h>

ConfigRecord configRecord{};
FrameSettings frameSettings{};
CrosswordSettings crosswordSettings{};
CrissCrossSettings crissCrossSettings{};
WordSearchSettings wordSearchSettings{};

int FrameSettings::cellSize() const { return clampCellSize(bytes[4]); }

namespace {

// The live byte behind record byte `index`: the blocks follow each other in
// the order of the record.
std::uint8_t& liveByte(std::size_t index) {
    if (index < 5) return frameSettings.bytes[index];
    if (index < 9) return crosswordSettings.bytes[index - 5];
    if (index < 12) return crissCrossSettings.bytes[index - 9];
    return wordSearchSettings.bytes.at(index - 12);
}

}  // namespace

std::uint8_t liveSetting(std::size_t index) { return liveByte(index); }

void setLiveSetting(std::size_t index, std::uint8_t value) { liveByte(index) = value; }

void recordToLiveBlocks() {
    for (std::size_t i = 0; i < configRecordSize; ++i) liveByte(i) = configRecord[i];
}

void liveBlocksToRecord() {
    for (std::size_t i = 0; i < configRecordSize; ++i) configRecord[i] = liveByte(i);
}

std::filesystem::path configFile() { return programFile("mindgrid.cfg"); }

std::optional<ConfigRecord> parseConfig(std::string_view bytes) {
    if (bytes.size() < configRecordSize) return std::nullopt;
    ConfigRecord record{};
    std::copy_n(bytes.begin(), configRecordSize, record.begin());
    return record;
}

std::string configBytes(const ConfigRecord& record) { return std::string(record.begin(), record.end()); }

ConfigOutcome loadConfig() {
    const auto bytes = readFileStart(configFile(), configRecordSize);
    if (!bytes) return ConfigOutcome::CannotOpen;
    const auto record = parseConfig(*bytes);
    if (!record) return ConfigOutcome::CannotRead;
    configRecord = *record;
    recordToLiveBlocks();
    return ConfigOutcome::Done;
}

ConfigOutcome saveConfig() {
    const auto path = configFile();
    if (writeFileAtomic(path, configBytes(configRecord))) return ConfigOutcome::Done;
    // The writer creates its temporary file in the target folder: a folder that
    // is missing or closed to us means the file could not even be opened.
    const auto folder = path.parent_path();
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return ConfigOutcome::CannotOpen;
    return ConfigOutcome::CannotWrite;
}
