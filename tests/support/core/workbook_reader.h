#pragma once
// Reading written workbooks back with an independent reader: the python3
// scripts of tests/platform/fixtures, which use xlrd.

#include "support/core/ci.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

// The python3 that has xlrd (the one on the path or the system's own), or an
// empty text when none has it; a test then skips its reading back, or fails
// when CI is set (support/core/ci.h).
const std::string& xlrdPython();

#define SKIP_WITHOUT_XLRD()   \
    if (xlrdPython().empty()) \
    SKIP_OR_FAIL_IN_CI("python3-xlrd is not installed; the written files cannot be read back")

// Runs a reader script of the fixtures with that python3 on `arguments`;
// `output` gets what it printed, errors included. False when it did not end well.
bool runWorkbookReader(const char* script, const std::vector<std::string>& arguments, std::string& output);

// What read_workbook.py finds in a workbook file, one item a line; the first
// line is "error|reader failed" when the reader did not end well.
std::vector<std::string> workbookLines(const std::filesystem::path& file);

// The lines, each ended by a line break: what a failed expectation prints.
std::string joinedLines(const std::vector<std::string>& lines);

// True when `lines` holds `line` as a whole line.
bool holdsLine(const std::vector<std::string>& lines, const std::string& line);
