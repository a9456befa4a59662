#pragma once
// The criss-cross file (.krs).
//
// Lines, each ending CR LF (cells in reading order: rows outer, columns inner):
//   columns, rows;
//   per cell its text ("@" for a blocked cell, empty, or one digit) and its
//   colour (16777215 white, 255 red);
//   the coded secret phrase, the secret phrase as typed;
//   N, then the N numbers of the list in order;
//   per cell its two letter-use bytes, horizontal first (0, or 2 for a
//   secret-phrase cell);
//   the digit table for digit 9 down to 0;
//   the lines of the digit key, 9 down to 0;
//   the index of the digit key's last line (−1 for none).
// A file of c × r cells and N numbers has 4 · c · r + N + 26 lines.
//
// Texts are Windows-1250 bytes, written and read as they stand.

#include "crisscross/core/krs_document.h"
#include "document/core/document_codec.h"
#include "platform/core/textfile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

using KrsReadResult = ReadResult<KrsDocument>;

// Reads and checks a whole file into a fresh document: sides 2 to 40, every
// cell text empty, one digit or "@", colours white or red, 0 to 1600 numbers
// of 1 to 40 digits, letter-use bytes 0 or 2, a last digit-key line from −1 to 9,
// and a phrase of at most ten distinct letters ("ch" counted as one). The
// phrases, table entries and digit-key lines keep at most 255 characters. A bad
// line, or an early end, is the error naming that line. A file over
// fileLimit::document is refused unread.
KrsReadResult parseKrs(std::string_view bytes);
KrsReadResult readKrsFile(const std::filesystem::path& path);

// The exact lines of the file, without line ends.
std::vector<std::string> krsLines(const KrsDocument& document);

// Writes the file at exactly `path` (apply withDocumentExtension first). False
// when it could not be written, or when the document cannot be stored: cells
// that do not match the size, or a text holding a line break, which no
// reading could give back. On false the previous file at `path` is whole.
bool writeKrsFile(const std::filesystem::path& path, const KrsDocument& document);

// The criss-cross's document file, for the document window's file flow.
inline constexpr DocumentCodec<KrsDocument> krsCodec{readKrsFile, writeKrsFile};
