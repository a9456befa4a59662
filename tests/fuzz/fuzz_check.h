#pragma once
// What the fuzz targets share.
//
// A target is `LLVMFuzzerTestOneInput` over the bytes of one file: it reads them, and what reads
// is written back through the format's own lines and must read again as the same model. A broken
// promise stops the run through fuzzCheck, which libFuzzer keeps as a crashing input and the
// replay of the seeds reports as a failed test.

#include "platform/core/textfile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define GRILPAD_FUZZ_TARGET extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)

// The input as text.
inline std::string_view fuzzBytes(const std::uint8_t* data, std::size_t size) {
    return size == 0 ? std::string_view() : std::string_view(reinterpret_cast<const char*>(data), size);
}

// Aborts with `what` when a promise does not hold.
inline void fuzzCheck(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

// The bytes a file of these lines is written as (every line followed by CR LF).
inline std::string writtenBytes(const std::vector<std::string>& lines) {
    LineWriter writer;
    for (const std::string& line : lines) writer.line(line);
    return writer.bytes();
}

// The number of lines a reader sees in `bytes`: one per LF, and one more for a last line
// without an end.
inline std::size_t lineCountOf(std::string_view bytes) {
    std::size_t count = 0;
    for (const char c : bytes) count += c == '\n';
    if (!bytes.empty() && bytes.back() != '\n') ++count;
    return count;
}

// A refusal names a line of the file, or the one after the last when the file ended early.
inline void checkRefusal(const FileError& error, std::string_view bytes) {
    fuzzCheck(error.kind != FileError::Kind::CannotOpen, "bytes in memory were refused as unreadable");
    fuzzCheck(error.line >= 1 && static_cast<std::size_t>(error.line) <= lineCountOf(bytes) + 1,
              "a refusal names a line the file does not have");
    fuzzCheck((error.kind == FileError::Kind::EndOfFile) ==
                  (static_cast<std::size_t>(error.line) == lineCountOf(bytes) + 1),
              "an early end names any line but the one after the last");
}
