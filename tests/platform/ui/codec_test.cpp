#include "platform/core/cp1250.h"
#include "platform/ui/codec.h"
#include "platform/ui/desktop.h"
#include "support/core/big_files.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(Codec, EveryByteRoundTripsThroughQString) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    const QString text = toQString(all);
    ASSERT_EQ(text.size(), 255);
    EXPECT_EQ(fromQString(text), all);
    EXPECT_EQ(toQString("\xE8\x65rn\xE1"), QStringLiteral("černá"));
}

TEST(Codec, RefusesCharactersOutsideTheCodePage) {
    EXPECT_FALSE(fromQString(QStringLiteral("Жук")).has_value());
    EXPECT_FALSE(fitsCodePage(QStringLiteral("a😀")));
    EXPECT_TRUE(fitsCodePage(QStringLiteral("Příliš žluťoučký kůň")));
}

TEST(Desktop, FiltersBecomeQtFilters) {
    EXPECT_EQ(desktop::qtFilter(QStringLiteral("sešit Microsoft Excel 5.0/95|*.xls")),
              QStringLiteral("sešit Microsoft Excel 5.0/95 (*.xls)"));
    EXPECT_EQ(desktop::qtFilter(QStringLiteral("Vše|*.osm;*.kri|Osmisměrky (*.osm)|*.osm")),
              QStringLiteral("Vše (*.osm *.kri);;Osmisměrky (*.osm)"));
}

TEST(Desktop, CursorFilesAreFoundBesideTheProgramWhenNotInTheCurrentFolder) {
    TempFolder folder;
    EXPECT_FALSE(desktop::loadCursorFile(QStringLiteral("no-such-cursor.cur")).has_value());
    folder.write("broken.cur", "not a cursor");
    EXPECT_FALSE(desktop::loadCursorFile(QString::fromStdString((folder / "broken.cur").string())).has_value());
    // A huge file is no cursor, and is not read whole to find that out.
    makeSparseFile(folder / "huge.cur", 3ull << 30);
    std::optional<QCursor> huge;
    const std::uint64_t rise =
        peakMemoryRise([&] { huge = desktop::loadCursorFile(QString::fromStdString((folder / "huge.cur").string())); });
    EXPECT_FALSE(huge.has_value());
    EXPECT_LT(rise, 16u << 20) << "peak memory rose by " << rise << " bytes";
    // A pipe of that name is no cursor either, and opening it does not wait for a writer.
    ASSERT_EQ(mkfifo((folder / "pipe.cur").c_str(), 0600), 0);
    EXPECT_FALSE(desktop::loadCursorFile(QString::fromStdString((folder / "pipe.cur").string())).has_value());
}
