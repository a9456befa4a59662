#pragma once
// How a kind of puzzle reads and writes its document file. Each kind has one
// codec in its core (the .osm codec of the word search, and so on); the
// document window's file flow does the rest (chooser, extension rule,
// messages, caption).

#include "platform/core/textfile.h"

#include <filesystem>

template <class Document>
struct DocumentCodec {
    // Reads and checks the whole file: the document, or why it could not be read.
    ReadResult<Document> (*read)(const std::filesystem::path& file);
    // Writes the file at exactly this path, atomically; false when it could not
    // be written (or the document cannot be stored), the old file then whole.
    bool (*write)(const std::filesystem::path& file, const Document& document);
};
