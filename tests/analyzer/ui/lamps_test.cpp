#include "analyzer/ui/lamps.h"

#include "platform/core/folders.h"
#include "support/core/temp_folder.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace analyzer;

namespace {

struct LampCase {
    Lamp lamp;
    const char* on;
    const char* off;
};
const LampCase kLamps[] = {
    {Lamp::Top, "led1on.bmp", "led1off.bmp"},
    {Lamp::Middle, "led3on.bmp", "led3off.bmp"},
    {Lamp::Bottom, "led2on.bmp", "led2off.bmp"},
};

int brightness(QColor c) { return c.red() + c.green() + c.blue(); }

}  // namespace

// The shipped pictures: transparent around a round lamp, bright when on.
TEST(LampPictures, ShippedFilesAreTransparentRoundLamps) {
    setProgramFolder(GRILPAD_PROGRAM_DIR);
    for (const LampCase& c : kLamps) {
        EXPECT_EQ(lampFileName(c.lamp, true), QString::fromLatin1(c.on));
        EXPECT_EQ(lampFileName(c.lamp, false), QString::fromLatin1(c.off));
        ASSERT_FALSE(QImage(QString::fromStdString(programFile(c.on).string())).isNull()) << c.on;
        const QImage on = lampPicture(c.lamp, true).toImage();
        const QImage off = lampPicture(c.lamp, false).toImage();
        ASSERT_EQ(on.size(), QSize(16, 16)) << c.on;
        for (const QImage& image : {on, off}) {
            EXPECT_EQ(image.pixelColor(0, 15).alpha(), 0) << c.on;
            EXPECT_EQ(image.pixelColor(15, 0).alpha(), 0) << c.on;
            EXPECT_EQ(image.pixelColor(8, 10).alpha(), 255) << c.on;
        }
        EXPECT_GT(brightness(on.pixelColor(8, 10)), brightness(off.pixelColor(8, 10))) << c.on;
    }
    setProgramFolder({});
}

// Without the files the lamps are drawn, still telling on from off.
TEST(LampPictures, MissingFilesAreDrawn) {
    TempFolder empty;
    empty.write("led1on.bmp", "not a picture");
    setProgramFolder(empty.path());
    for (const LampCase& c : kLamps) {
        const QImage on = lampPicture(c.lamp, true).toImage();
        const QImage off = lampPicture(c.lamp, false).toImage();
        EXPECT_EQ(on, drawnLamp(c.lamp, true).toImage()) << c.on;
        EXPECT_EQ(off, drawnLamp(c.lamp, false).toImage()) << c.off;
        EXPECT_GT(brightness(on.pixelColor(8, 10)), brightness(off.pixelColor(8, 10))) << c.on;
    }
    setProgramFolder({});
}
