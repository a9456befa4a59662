#include "platform/ui/file_messages.h"

#include <gtest/gtest.h>

// Every kind of failure names the file whole, also a name that holds what
// looks like a place for the line number.
TEST(ReadFailureText, NamesTheFileAndTheLineOfEachKindOfFailure) {
    using K = FileError::Kind;
    const QString path = QStringLiteral("/tmp/100%2 hotovo.osm");
    struct Case {
        FileError error;
        QString allowed;
        QString text;
    };
    const Case cases[] = {
        {{K::CannotOpen, 0}, {}, QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze otevřít.")},
        {{K::EndOfFile, 6}, {},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: končí předčasně, chybí v něm řádek 6.")},
        {{K::NotANumber, 1}, {}, QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: na řádku 1 má být číslo.")},
        {{K::OutOfRange, 13}, {},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: číslo na řádku 13 je mimo povolený rozsah.")},
        {{K::OutOfRange, 1}, QStringLiteral("velikost 0 až 255"),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: číslo na řádku 1 je mimo povolený rozsah "
                        "(velikost 0 až 255).")},
        {{K::BadValue, 4}, {}, QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: chybný řádek 4.")},
        {{K::TooLarge, 0, 3ull << 30, fileLimit::document}, {},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm je příliš velký (3072 MB), nejvýše lze načíst 8 MB.")},
        // Just over the limit never reads as the limit itself.
        {{K::TooLarge, 0, fileLimit::document + 1, fileLimit::document}, {},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm je příliš velký (8,1 MB), nejvýše lze načíst 8 MB.")},
        {{K::TooLarge, 0, 1536 * 1024, fileLimit::gridTemplate}, {},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm je příliš velký (1,5 MB), nejvýše lze načíst 1 MB.")},
        {{K::OutOfMemory, 0}, {}, QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: nedostatek paměti.")},
    };
    for (const Case& c : cases) EXPECT_EQ(readFailureText(path, c.error, c.allowed), c.text) << c.text.toStdString();
}

TEST(FilePaths, ANameWithCzechLettersRoundTrips) {
    const QString name = QStringLiteral("/tmp/křížovka pro Žofii.kri");
    EXPECT_EQ(localPath(name).filename().string(), "k\xC5\x99\xC3\xAD\xC5\xBEovka pro \xC5\xBD" "ofii.kri");
    EXPECT_EQ(displayPath(localPath(name)), name);
}
