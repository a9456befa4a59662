#pragma once
// Where the program finds the files shipped beside it.

#include <filesystem>

// The folder of the running executable. Tests may point it elsewhere.
std::filesystem::path programFolder();
void setProgramFolder(const std::filesystem::path& folder);

// A file beside the program.
inline std::filesystem::path programFile(const std::filesystem::path& name) { return programFolder() / name; }
