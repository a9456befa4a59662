// The frame's window state between runs: "mindgrid.ini", section "Hlavní okno".
#include "frame_fixture.h"

#include "formstate/core/ini_file.h"
#include "support/core/cp1250_text.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QToolBar>

#include <cstdlib>
#include <filesystem>
#include <random>

namespace {

// Each window test has a config folder of its own (tests/support/ui/qt_main.cpp).
std::filesystem::path configFolder() { return std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "mindgrid"; }
std::filesystem::path iniPath() { return configFolder() / "mindgrid.ini"; }

std::string iniValue(const char* key) {
    const auto bytes = readFileBytes(iniPath(), formstate::iniFileLimit);
    if (!std::holds_alternative<std::string>(bytes)) return "(no file)";
    return formstate::IniText::parse(std::get<std::string>(bytes)).value(cp("Hlavní okno"), key).value_or("(none)");
}

void writeIni(const std::string& bytes) {
    std::filesystem::create_directories(configFolder());
    std::filesystem::remove(iniPath());
    ASSERT_TRUE(writeFileAtomic(iniPath(), bytes));
}

// Closes the frame as "Konec" does, and lets it go.
void exitFrame(TMindgridMainForm* frame) {
    QTimer::singleShot(0, frame->FileExit1, &QAction::trigger);
    QApplication::exec();
    destroyForms();
}

class WindowStateTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        writeConfig(exampleConfig);  // both tool bars shown
    }
};

TEST_F(WindowStateTest, TheFirstRunOpensTheFrameMaximisedWithTheToolBarsAsDesigned) {
    TMindgridMainForm* frame = start();
    EXPECT_TRUE(frame->isMaximized());
    QTRY_VERIFY(frame->ToolBar2->isVisible() && frame->ToolBar3->isVisible());
    EXPECT_EQ(frame->ToolBar2->y(), frame->ToolBar3->y()) << "one row";
    EXPECT_LT(frame->ToolBar2->x(), frame->ToolBar3->x()) << "Standardní first";
    EXPECT_FALSE(std::filesystem::exists(iniPath())) << "nothing is written before the frame closes";

    exitFrame(frame);
    EXPECT_EQ(iniValue("ShowCmd"), "3");
    EXPECT_EQ(iniValue("Visible"), "0");
    EXPECT_EQ(iniValue("ToolBar2_Top"), iniValue("ToolBar3_Top"));
    EXPECT_LT(std::stoi(iniValue("ToolBar2_Left")), std::stoi(iniValue("ToolBar3_Left")));
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
}

TEST_F(WindowStateTest, ToolBarRowsAndTheNormalPlacementSurviveANewFrame) {
    struct Case {
        const char* name;
        bool swapped;   // ToolBar3 first
        bool twoRows;
    };
    const Case cases[] = {
        {"Úpravy on a second row", false, true},
        {"Úpravy before Standardní", true, false},
        {"Úpravy above Standardní", true, true},
        {"one row as designed", false, false},
    };
    const QRect placed(40, 50, 640, 420);
    for (const Case& c : cases) {
        TMindgridMainForm* frame = start();
        frame->showNormal();
        frame->setGeometry(placed);
        // What the user's dragging leaves: the bars in this order, with or without a break between them.
        const auto bars = [&c](TMindgridMainForm* f) {
            return c.swapped ? std::pair<QToolBar*, QToolBar*>(f->ToolBar3, f->ToolBar2)
                             : std::pair<QToolBar*, QToolBar*>(f->ToolBar2, f->ToolBar3);
        };
        auto [first, second] = bars(frame);
        frame->addToolBar(Qt::TopToolBarArea, first);
        if (c.twoRows) frame->addToolBarBreak(Qt::TopToolBarArea);
        frame->addToolBar(Qt::TopToolBarArea, second);
        QTRY_VERIFY2(c.twoRows ? second->y() > first->y() : second->x() > first->x(), c.name);
        exitFrame(frame);

        frame = start();
        std::tie(first, second) = bars(frame);
        // The rows are laid out when the frame's layout next runs.
        if (c.twoRows) {
            QTRY_VERIFY2(first->isVisible() && second->y() > first->y(), c.name);
        } else {
            QTRY_VERIFY2(first->isVisible() && second->y() == first->y() && second->x() > first->x(), c.name);
        }
        EXPECT_FALSE(frame->isMaximized()) << c.name;
        EXPECT_EQ(frame->normalGeometry(), placed) << c.name;
        destroyForms();
    }
}

TEST_F(WindowStateTest, AToolBarMovedAlongItsRowComesBackWhereItWasLeft) {
    struct Case {
        const char* name;
        int left3, top3;  // as stored for Úpravy; Standardní is stored at 0, 0
        int x3;           // where Úpravy comes back; -1: right after Standardní
        bool secondRow;   // Úpravy below Standardní
    };
    const Case cases[] = {
        {"Úpravy moved along the row", 300, 0, 300, false},
        {"Úpravy put back packed", 5, 0, -1, false},
        {"Úpravy on a row of its own starts at the left", 300, 30, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeIni(cp("[Hlavní okno]\r\nToolBar2_Left=0\r\nToolBar3_Left=") + std::to_string(c.left3) +
                 "\r\nToolBar2_Top=0\r\nToolBar3_Top=" + std::to_string(c.top3) + "\r\n");
        TMindgridMainForm* frame = start();
        QToolBar* standard = frame->ToolBar2;
        QToolBar* edits = frame->ToolBar3;
        // The rows are laid out, and the bars take their sizes, when the frame's layout next runs.
        const auto x3 = [&] { return c.x3 < 0 ? standard->sizeHint().width() : c.x3; };
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return standard->isVisible() && edits->isVisible() && edits->x() == x3() &&
                   (edits->y() > standard->y()) == c.secondRow;
        })) << edits->x() << "," << edits->y() << " after " << standard->width() << " at " << standard->y();
        EXPECT_EQ(standard->x(), 0);
        const int kept = x3();
        exitFrame(frame);
        EXPECT_EQ(iniValue("ToolBar3_Left"), std::to_string(kept)) << "kept";
    }
    // A place beyond the window's right edge keeps the bar inside the window.
    writeIni(cp("[Hlavní okno]\r\nToolBar3_Left=99999\r\nToolBar2_Top=0\r\nToolBar3_Top=0\r\n"));
    TMindgridMainForm* frame = start();
    EXPECT_TRUE(QTest::qWaitFor([frame] { return frame->ToolBar3->isVisible() && frame->ToolBar3->x() > 0; }));
    EXPECT_EQ(frame->ToolBar3->y(), frame->ToolBar2->y());
    EXPECT_LE(frame->ToolBar3->geometry().right(), frame->width() - 1);
    exitFrame(frame);
}

TEST_F(WindowStateTest, AGarbageFileOpensAUsableFrameWithoutAWord) {
    std::mt19937 random(20);
    std::string noise(4000, '\0');
    for (char& byte : noise) byte = static_cast<char>(random());
    const std::string cases[] = {
        noise,
        cp("[Hlavní okno]\r\nNormPos=-5000,-5000,-4000,-4000\r\nShowCmd=1\r\n"),
        cp("[Hlavní okno]\r\nNormPos=0,0,100000,100000\r\nShowCmd=1\r\n"),
        cp("[Hlavní okno]\nNormPos=10,10,5,5\nShowCmd=6\nToolBar3_Top=x\nToolBar2_Left=99999999999\n") + noise,
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const std::string& bytes : cases) {
        writeIni(bytes);
        TMindgridMainForm* frame = start();
        EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
        EXPECT_FALSE(frame->isMinimized());
        EXPECT_GT(frame->width(), 0);
        EXPECT_GT(frame->height(), 0);
        EXPECT_TRUE(screen.contains(frame->frameGeometry())) << "whole on the screen";
        exitFrame(frame);
        EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(' ').toStdString();
    }
}

TEST_F(WindowStateTest, AnUnwritableConfigFolderStillLetsTheUsersWordsBeWritten) {
    // A file where the folder should be: no ini can be written there.
    ASSERT_TRUE(writeFileAtomic(configFolder(), "not a folder"));
    TMindgridMainForm* frame = start();
    exitFrame(frame);
    EXPECT_TRUE(std::filesystem::exists(folder / "slovausr.slv"));
    EXPECT_EQ(desktop.boxTexts(),
              QStringList{QStringLiteral("Unable to write to ") + QString::fromStdString(iniPath().string())})
        << "told once, though the close, the close handler and the frame's end all tried";
    EXPECT_EQ(desktop.boxes.value(0).kind, desktop::DesktopHooks::Box::Warning);
}

}  // namespace
