#pragma once
// The word pool a generator run draws from, built from the window's dictionary
// copy and the lines of its word editor. Windows-1250 text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the pool comes from ("Vkládat slova", `RadioGroup1`).
enum class WordSource { Both = 0, Editor = 1, Dictionaries = 2 };

// One line as a pool word: trimmed of leading and trailing blanks and control
// characters; nothing when what is left is empty or holds a character that
// would clash with the grid's own marks ("@" hidden, "©" secret phrase, "#"
// digraph), a blank or a control character.
std::optional<std::string> poolWord(std::string_view line);

// True when `word` needs no trimming and passes poolWord.
bool isUsablePoolWord(std::string_view word);

// The pool in sorted order (Czech, case-insensitive), each word once: with
// Both, the dictionary words first and then the editor lines; a word that
// differs from one already taken only in letter case is dropped. Lines that
// poolWord refuses are skipped. An empty result means the run must not start.
std::vector<std::string> buildWordPool(WordSource source, const std::vector<std::string>& dictionaryWords,
                                       const std::vector<std::string>& editorLines);
