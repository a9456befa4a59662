#include "document/core/document_kinds.h"

#include <gtest/gtest.h>

#include <utility>

TEST(DocumentKind, FollowsTheExtensionOfTheFileName) {
    const std::pair<const char*, DocumentKind> cases[] = {
        {"/home/jana/tajenka.osm", wordSearchDocument},
        {"/home/jana/TAJENKA.OSM", wordSearchDocument},
        {"a.kri", crosswordDocument},
        {"a.Krs", crissCrossDocument},
        {"/x/y z/puzzle.skr", swedishDocument},
        {"/x/y.osm/puzzle", noDocument},  // a dot in a folder name is no extension
        {"/x/puzzle.osm.txt", noDocument},
        {"/x/puzzle", noDocument},
        {"/x/puzzle.", noDocument},
        {".osm", wordSearchDocument},
        {"", noDocument},
        {"/x/puzzle.osmx", noDocument},
    };
    for (auto [path, kind] : cases) EXPECT_EQ(documentKindOfPath(path), kind) << path;
}

TEST(DocumentPaths, ExtensionRule) {
    struct Case {
        const char* chosen;
        const char* extension;
        const char* written;
    };
    const Case cases[] = {
        {"/home/jana/rebus", ".osm", "/home/jana/rebus.osm"},
        {"/home/jana/rebus.osm", ".osm", "/home/jana/rebus.osm"},
        {"/home/jana/REBUS.OSM", ".osm", "/home/jana/REBUS.OSM.osm"},  // case-sensitive
        {"/home/jana/a.osm.txt", ".osm", "/home/jana/a.osm.txt"},      // anywhere in the name
        {"/home/x.osm/rebus", ".osm", "/home/x.osm/rebus.osm"},        // only the file-name part counts
        {"rebus", ".osm", "rebus.osm"},
        {"/sablony/tvar", ".sbl", "/sablony/tvar.sbl"},
        {"/sablony/tvar.osm", ".sbl", "/sablony/tvar.osm.sbl"},
    };
    for (const Case& c : cases) EXPECT_EQ(withDocumentExtension(c.chosen, c.extension), c.written) << c.chosen;
}
