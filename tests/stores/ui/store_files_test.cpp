#include "stores/ui/store_files.h"

#include "stores/core/word_stores.h"
#include "support/core/cp1250_text.h"
#include "support/core/program_folder.h"
#include "support/ui/scripted_desktop.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <gtest/gtest.h>

#include <string>

namespace {

std::string scrambledLine(std::string_view utf8) {
    std::string line = cp(utf8);
    scrambleLine(line);
    return line + "\r\n";
}

class ClueLoading : public ProgramFolderTest {
protected:
    ClueLoading() : ProgramFolderTest(resetWordStores) {}
};

TEST_F(ClueLoading, FirstUseLoadsBothStoresOnceAndTellsOfAMissingFile) {
    struct Case {
        const char* name;
        bool userFile;
        QStringList boxes;
    };
    const Case cases[] = {
        {"both files", true, {}},
        {"no user clues yet", false, {"Nelze otevřít soubor s legendou."}},
    };
    for (const Case& c : cases) {
        resetWordStores();
        std::filesystem::remove(folder / "legendy.sav");
        if (c.userFile) folder.write("legendy.sav", "kos;ptak\r\n");
        folder.write("krizleg.dat", scrambledLine("pes;domácí zvíře"));
        ScriptedDesktop desktop;
        QMainWindow main;
        main.show();

        ensureLegendsLoaded(&main);
        EXPECT_TRUE(legendsLoaded) << c.name;
        EXPECT_NE(builtinLegends.find("pes"), nullptr) << c.name;
        EXPECT_EQ(userLegends.find("kos") != nullptr, c.userFile) << c.name;
        EXPECT_EQ(desktop.boxTexts(), c.boxes) << c.name;

        // Once loaded, later uses read nothing again and say nothing.
        userLegends.addPair("vlk", "selma");
        ensureLegendsLoaded(&main);
        EXPECT_NE(userLegends.find("vlk"), nullptr) << c.name;
        EXPECT_EQ(desktop.boxTexts(), c.boxes) << c.name;
        for (QWidget* window : QApplication::topLevelWidgets())
            EXPECT_FALSE(window->isVisible() && window->objectName() == "waitform2") << c.name;
    }
}

TEST_F(ClueLoading, NoticeWindowShowsItsText) {
    QMainWindow main;
    Twaitform2 notice(&main);
    EXPECT_EQ(notice.windowTitle(), QStringLiteral("Mindgrid!"));
    EXPECT_EQ(notice.Label1->text(), QStringLiteral("Načítám legendu..."));
    EXPECT_TRUE(notice.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(ClueLoading, ExitWritesTheUserStoresAndReportsWhatFailed) {
    ScriptedDesktop desktop;
    userWords.addKey("mrak");
    saveWordStores(nullptr);
    EXPECT_EQ(folder.read("slovausr.slv"), "mrak\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "legendy.sav"));
    EXPECT_TRUE(desktop.boxTexts().isEmpty());

    // Neither file can be replaced: both failures are reported and nothing stops.
    std::filesystem::remove(folder / "slovausr.slv");
    std::filesystem::create_directories(folder / "slovausr.slv" / "x");
    std::filesystem::create_directories(folder / "legendy.sav" / "x");
    legendsLoaded = true;
    saveWordStores(nullptr);
    EXPECT_EQ(desktop.boxTexts(),
              (QStringList{"Chyba při ukládání slov do uživatelského slovníku. Slovník proto nebude obsahovat "
                           "nově přidaná slova.",
                           "Chyba při ukládání legendy. Nově zapamatované legendy proto nebudou uloženy."}));
}

}  // namespace
