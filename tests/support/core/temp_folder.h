#pragma once
// A fresh folder for one test, removed afterwards.

#include <filesystem>
#include <string>
#include <string_view>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

    // Writes bytes exactly as given (no line-end conversion).
    std::filesystem::path write(const std::filesystem::path& name, std::string_view bytes) const;
    std::string read(const std::filesystem::path& name) const;

private:
    std::filesystem::path path_;
};

// The folder of the test fixtures (tests/ in the source tree).
std::filesystem::path testDataFolder();
