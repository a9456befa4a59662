#pragma once
// Where the word-search window puts the copy of a puzzle it hands to the
// analyzer, and the analyzer program itself.

#include <filesystem>

// A folder of this program run's own under the temporary folder (TMP, else
// TEMP, else TMPDIR, else /tmp), named "grilpad-" and six random characters and
// readable by the user alone; made at the first call and again if it has gone.
// The program folder when none can be made.
std::filesystem::path analyzerCopyFolder();

// The analyzer program beside this one.
std::filesystem::path analyzerProgram();
