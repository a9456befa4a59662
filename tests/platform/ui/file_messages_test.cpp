#include "platform/ui/file_messages.h"

#include <gtest/gtest.h>

// Every kind of failure names the file whole, also a name that holds what
// looks like a place for the line number.
TEST(ReadFailureText, NamesTheFileAndTheLineOfEachKindOfFailure) {
    using K = FileError::Kind;
    using E = FileError::Expected;
    const QString path = QStringLiteral("/tmp/100%2 hotovo.osm");
    // A refusal that says what the line should have held.
    const auto refused = [](K kind, int line, E expected, std::int64_t min, std::int64_t max,
                            std::vector<std::int64_t> allowed = {}) {
        FileError error{kind, line};
        error.expected = expected;
        error.min = min;
        error.max = max;
        error.allowed = std::move(allowed);
        return error;
    };
    struct Case {
        FileError error;
        QString text;
    };
    const Case cases[] = {
        {{K::CannotOpen, 0}, QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze otevřít.")},
        {{K::EndOfFile, 6},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: končí předčasně, chybí v něm řádek 6.")},
        {{K::NotANumber, 1}, QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: na řádku 1 má být číslo.")},
        {{K::OutOfRange, 13},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: číslo na řádku 13 je mimo povolený rozsah.")},
        {refused(K::OutOfRange, 1, E::Number, 0, 255),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: číslo na řádku 1 je mimo povolený rozsah "
                        "(0 až 255).")},
        {refused(K::OutOfRange, 4, E::Number, INT32_MIN, INT32_MAX),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: číslo na řádku 4 je mimo povolený rozsah "
                        "(-2147483648 až 2147483647).")},
        {refused(K::OutOfRange, 5, E::Number, 0, 0, {16777215, 255, 0}),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: číslo na řádku 5 je mimo povolený rozsah "
                        "(16777215, 255 nebo 0).")},
        {refused(K::OutOfRange, 19, E::Number, 0, 0, {0, 2}),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: číslo na řádku 19 je mimo povolený rozsah "
                        "(0 nebo 2).")},
        {{K::BadValue, 4}, QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: chybný řádek 4.")},
        {refused(K::BadValue, 3, E::TextWithoutCR, 0, 0),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: na řádku 3 je uvnitř textu znak CR.")},
        {refused(K::BadValue, 7, E::CellText, 0, 0),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: na řádku 7 má být text políčka: nic, jeden znak, "
                        "\"ch\" nebo \"@\".")},
        {refused(K::BadValue, 3, E::DigitCellText, 0, 0),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: na řádku 3 má být text políčka: nic, jedna "
                        "číslice nebo \"@\".")},
        {refused(K::BadValue, 27, E::Digits, 0, 40),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: na řádku 27 má být číslo o 1 až 40 číslicích.")},
        {refused(K::BadValue, 100, E::PhraseLetters, 0, 10),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: na řádku 100 má být tajenka s nejvýše 10 "
                        "různými písmeny.")},
        {refused(K::BadValue, 16, E::WordLetters, 0, 12),
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: na řádku 16 má být slovo s nejvýše 12 písmeny, "
                        "delší se do mřížky nevejde.")},
        {{K::TooLarge, 0, 3ull << 30, fileLimit::document},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm je příliš velký (3072 MB), nejvýše lze načíst 8 MB.")},
        // Just over the limit never reads as the limit itself.
        {{K::TooLarge, 0, fileLimit::document + 1, fileLimit::document},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm je příliš velký (8,1 MB), nejvýše lze načíst 8 MB.")},
        {{K::TooLarge, 0, 1536 * 1024, fileLimit::gridTemplate},
         QStringLiteral("Soubor /tmp/100%2 hotovo.osm je příliš velký (1,5 MB), nejvýše lze načíst 1 MB.")},
        {{K::OutOfMemory, 0}, QStringLiteral("Soubor /tmp/100%2 hotovo.osm nelze načíst: nedostatek paměti.")},
    };
    for (const Case& c : cases) EXPECT_EQ(readFailureText(path, c.error), c.text) << c.text.toStdString();
}

TEST(FilePaths, ANameWithCzechLettersRoundTrips) {
    const QString name = QStringLiteral("/tmp/křížovka pro Žofii.kri");
    EXPECT_EQ(localPath(name).filename().string(), "k\xC5\x99\xC3\xAD\xC5\xBEovka pro \xC5\xBD" "ofii.kri");
    EXPECT_EQ(displayPath(localPath(name)), name);
}
