#pragma once
// The compound file ("OLE2 structured storage") that Excel 5.0/95 workbooks are
// kept in: a small file system of 512-byte sectors holding named streams.

#include <string>
#include <vector>

struct CompoundStream {
    std::string name;   // ASCII, at most 31 characters
    std::string bytes;
};

// A version 3 compound file with these streams in its root storage. Streams
// under 4096 bytes go into the mini stream, as readers expect. Throws
// std::length_error when the content needs more than the 109 allocation
// sectors the header can list (about 6.8 MB), and std::invalid_argument for a
// bad name.
std::string compoundFile(const std::vector<CompoundStream>& streams);
