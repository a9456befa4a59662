#pragma once
// Where the word-search window puts the copy of a puzzle it hands to the
// analyzer, and the analyzer program itself.

#include "wordsearch/core/analyzer_folder.h"

#include <filesystem>

// A folder of this program run's own under the temporary folder (TMP, else
// TEMP, else TMPDIR, else /tmp), named "grilpad-" and six random characters
// and readable by the user alone (see wordsearch/core/analyzer_folder.h);
// made at the first call and again if it has gone. The program folder when
// none can be made. The folder goes when the program ends, unless an
// analyzer started with a hold still runs.
std::filesystem::path analyzerCopyFolder();

// A lock on that folder for the analyzer about to start, which it inherits
// and keeps while it runs; empty when the copy went to the program folder.
AnalyzerFolder::Hold holdAnalyzerCopyFolder();

// Gives up the folder now, as at the program's end.
void releaseAnalyzerCopyFolder();

// Removes the folders of earlier runs under the temporary folder that no
// grilpad and no analyzer uses any more; at the program's start.
int removeUnusedAnalyzerCopyFolders();

// The analyzer program beside this one.
std::filesystem::path analyzerProgram();
