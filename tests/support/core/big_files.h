#pragma once
// Large files for the tests of the readers' size limits, and the peak of the
// memory a reader took while reading one.

#include <cstdint>
#include <filesystem>

// A file of `size` bytes that takes no room on the disk: it reads as zeros.
void makeSparseFile(const std::filesystem::path& path, std::uint64_t size);

// A file of `size` bytes, each of them `byte`, written in pieces.
void makeRepeatedFile(const std::filesystem::path& path, char byte, std::uint64_t size);

// How far the peak resident set of this process rose while `run` ran, in bytes.
// The peak is restarted from the present resident set first where the system
// allows it; where it does not, an earlier higher peak can hide part of the rise,
// never add to it.
template <class Run>
std::uint64_t peakMemoryRise(Run&& run);

// The peak resident set of this process (VmHWM), in bytes.
std::uint64_t peakResidentBytes();
// Restarts the peak from the present resident set; false where the system does not allow it.
bool restartPeakResident();

template <class Run>
std::uint64_t peakMemoryRise(Run&& run) {
    restartPeakResident();
    const std::uint64_t before = peakResidentBytes();
    run();
    const std::uint64_t after = peakResidentBytes();
    return after > before ? after - before : 0;
}
