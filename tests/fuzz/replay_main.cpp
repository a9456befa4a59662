// Replays seed files through a fuzz target without libFuzzer: every argument is a file or a
// folder whose files (in name order) are fed to LLVMFuzzerTestOneInput one by one. A target
// that fails a check aborts, naming the file on the line before. A folder without files fails,
// so a lost corpus cannot pass unnoticed.
//
//   <name>_fuzz_replay tests/fuzz/corpus/<name> [crash-file ...]

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s seed-file-or-folder...\n", argv[0]);
        return 2;
    }
    std::vector<fs::path> files;
    for (int i = 1; i < argc; ++i) {
        const fs::path given = argv[i];
        std::error_code error;
        if (fs::is_directory(given, error)) {
            std::vector<fs::path> inside;
            for (const auto& entry : fs::directory_iterator(given, error))
                if (entry.is_regular_file()) inside.push_back(entry.path());
            if (inside.empty()) {
                std::fprintf(stderr, "no seed files in %s\n", given.c_str());
                return 1;
            }
            std::sort(inside.begin(), inside.end());
            files.insert(files.end(), inside.begin(), inside.end());
        } else {
            files.push_back(given);
        }
    }
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s (%zu bytes)\n", file.c_str(), bytes.size());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("replayed %zu seed files\n", files.size());
    return 0;
}
