#include "formstate/core/form_storage.h"

#include "fakes.h"
#include "support/core/cp1250_text.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace formstate;
using fake::prop;

namespace {

// A main window with the two tool bars of the frame, its storage and a config folder of its own.
class FormStorageTest : public ::testing::Test {
protected:
    FormStorageTest() : config_(folder.path().string()) {
        form.normal = {10, 20, 547, 370};
        form.mainForm = true;
        form.frameWindow = true;
        for (fake::FakeComponent* bar : {&toolBar2, &toolBar3})
            bar->props = {prop("Left", PropKind::Integer), prop("Top", PropKind::Integer)};
        toolBar2.ordinals = {{"Left", 11}, {"Top", 2}};
        toolBar3.ordinals = {{"Left", 200}, {"Top", 2}};
        storage.iniFileName = "mindgrid.ini";
        storage.iniSection = cp("Hlavní okno");
        storage.setStoredProps({"ToolBar2.Left", "ToolBar3.Left", "ToolBar2.Top", "ToolBar3.Top"});
        storage.onSavePlacement = [this] { ++saves; };
        storage.onRestorePlacement = [this] { ++restores; };
        storage.reportError = [this](const std::exception& error) { reports.push_back(error.what()); };
    }

    std::filesystem::path iniPath() const { return folder / "mindgrid" / "mindgrid.ini"; }
    std::string iniText() const { return folder.read("mindgrid/mindgrid.ini"); }
    void writeIni(const std::string& text) const {
        std::filesystem::create_directories(folder / "mindgrid");
        folder.write("mindgrid/mindgrid.ini", text);
    }

    TempFolder folder;
    fake::Form form;
    fake::FakeComponent toolBar2{"ToolBar2", "TToolBar", &form.component_};
    fake::FakeComponent toolBar3{"ToolBar3", "TToolBar", &form.component_};
    FormStorage storage{&form};
    int saves = 0;
    int restores = 0;
    std::vector<std::string> reports;

private:
    fake::ConfigHome config_;
};

TEST_F(FormStorageTest, AMaximisedFrameIsSavedKeyByKeyAndForeignLinesStay) {
    storage.formShow();  // first run: no file, a frame opens maximised
    EXPECT_EQ(form.state, WindowState::Maximised);
    EXPECT_EQ(restores, 1);
    storage.formCloseQuery(true);
    const std::string expected = cp("[Hlavní okno]\r\n"
                                    "FormVersion=0\r\n"
                                    "Flags=0\r\n"
                                    "ShowCmd=3\r\n"
                                    "PixelsPerInch=96\r\n"
                                    "MinMaxPos(1024x768)=-1,-1,-1,-1\r\n"
                                    "MinMaxPos=-1,-1,-1,-1\r\n"
                                    "NormPos(1024x768)=10,20,547,370\r\n"
                                    "NormPos=10,20,547,370\r\n"
                                    "Visible=0\r\n"
                                    "ToolBar2_Left=11\r\n"
                                    "ToolBar3_Left=200\r\n"
                                    "ToolBar2_Top=2\r\n"
                                    "ToolBar3_Top=2\r\n");
    EXPECT_EQ(iniText(), expected);

    // Lines of others, before, inside and after the section, keep their places.
    const std::string foreign = "[Other]\r\nkey=1\r\n" +
                                cp("[HLAVNÍ OKNO]\r\n; a note\r\nNormPos=5,5,5,5\r\nShowCmd=1\r\n") + "\r\n[Last]\r\nx=y\r\n";
    writeIni(foreign);
    storage.formShow();
    EXPECT_EQ(form.state, WindowState::Normal);
    EXPECT_EQ(form.placementsApplied, 0) << "no width";
    form.state = WindowState::Maximised;
    toolBar3.ordinals["Top"] = 30;
    storage.formCloseQuery(true);
    EXPECT_EQ(iniText(), "[Other]\r\nkey=1\r\n" +
                             cp("[HLAVNÍ OKNO]\r\n; a note\r\nNormPos=10,20,547,370\r\nShowCmd=3\r\nFormVersion=0\r\n"
                                "Flags=0\r\nPixelsPerInch=96\r\nMinMaxPos(1024x768)=-1,-1,-1,-1\r\n"
                                "MinMaxPos=-1,-1,-1,-1\r\nNormPos(1024x768)=10,20,547,370\r\nVisible=0\r\n"
                                "ToolBar2_Left=11\r\nToolBar3_Left=200\r\nToolBar2_Top=2\r\nToolBar3_Top=30\r\n") +
                             "\r\n[Last]\r\nx=y\r\n");
}

TEST_F(FormStorageTest, TheRestoreAppliesPlacementAndPropertiesBeforeTheFormsOwnHandler) {
    writeIni(cp("[Hlavní okno]\r\nShowCmd=1\r\nNormPos=30,40,330,240\r\nToolBar3_Top=27\r\nToolBar2_Left=x\r\n"));
    storage.formShow();
    EXPECT_EQ(form.normal, (PlacementRect{30, 40, 330, 240}));
    EXPECT_EQ(form.state, WindowState::Normal);
    EXPECT_EQ(toolBar3.ordinals["Top"], 27);
    EXPECT_EQ(toolBar2.ordinals["Left"], 0) << "letters give 0";
    EXPECT_EQ(toolBar3.ordinals["Left"], 200) << "a missing key changes nothing";
    EXPECT_EQ(restores, 1);
}

TEST_F(FormStorageTest, TheSequenceOfShowCloseAndDestroy) {
    // Never shown: nothing is written, not at close, not at destruction.
    storage.formCloseQuery(true);
    storage.formDestroy();
    EXPECT_FALSE(std::filesystem::exists(iniPath()));
    EXPECT_EQ(saves, 0);

    // Shown and closed: the close saves, the close handler saves the same again, destruction nothing.
    storage.formShow();
    storage.formCloseQuery(false);
    EXPECT_EQ(saves, 0) << "a refused close saves nothing";
    storage.formCloseQuery(true);
    const std::string first = iniText();
    storage.saveState();
    EXPECT_EQ(iniText(), first);
    storage.formDestroy();
    EXPECT_EQ(saves, 2);

    // Shown and destroyed without a close: the destroy saves, with Visible 1.
    storage.formShow();
    storage.formDestroy();
    EXPECT_EQ(saves, 3);
    EXPECT_NE(iniText().find("Visible=1\r\n"), std::string::npos);
    EXPECT_FALSE(storage.destroying());

    // Inactive: the form events do nothing, the explicit operations still work.
    storage.active = false;
    storage.formShow();
    storage.formCloseQuery(true);
    EXPECT_EQ(saves, 3);
    storage.saveState();
    EXPECT_EQ(saves, 4);
}

TEST_F(FormStorageTest, ALowerFormVersionSkipsTheRestoreYetTheCloseSaves) {
    writeIni(cp("[Hlavní okno]\r\nFormVersion=-1\r\nShowCmd=1\r\nNormPos=30,40,330,240\r\nToolBar3_Top=27\r\n"));
    storage.formShow();
    EXPECT_EQ(restores, 0);
    EXPECT_EQ(form.normal, (PlacementRect{10, 20, 547, 370}));
    EXPECT_EQ(toolBar3.ordinals["Top"], 2);
    EXPECT_TRUE(storage.restored());
    storage.formCloseQuery(true);
    EXPECT_EQ(saves, 1);
    EXPECT_NE(iniText().find("FormVersion=0\r\n"), std::string::npos);
    EXPECT_NE(iniText().find("ToolBar3_Top=2\r\n"), std::string::npos);
}

TEST_F(FormStorageTest, AFailedWriteIsShownOncePerShowing) {
    std::filesystem::create_directories(folder.path());
    folder.write("mindgrid", "a file where the folder should be");
    storage.formShow();
    storage.formCloseQuery(true);
    EXPECT_FALSE(storage.saveStateReported());
    storage.formDestroy();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "Unable to write to " + iniPath().string());
    EXPECT_THROW(storage.saveState(), IniWriteError) << "unguarded, the error travels to the caller";

    storage.formShow();
    storage.formCloseQuery(true);
    EXPECT_EQ(reports.size(), 2u);
    EXPECT_EQ(saves, 0);
}

TEST_F(FormStorageTest, StoredValuesAreScrambledWithTheirKey) {
    StoredValue& plain = storage.storedValues.add("Plain");
    plain.value = "text";
    StoredValue& secret = storage.storedValues.add("Secret");
    secret.value = "AZ";
    secret.keyString = "k";
    secret.onSave = [](std::string& value) { value += "!"; };
    EXPECT_THROW(storage.storedValues.add("PLAIN"), std::invalid_argument);
    EXPECT_THROW(storage.storedValues.rename(1, "plain"), std::invalid_argument);
    EXPECT_EQ(storage.storedValues.indexOf("secret"), 1);

    storage.formShow();
    storage.formCloseQuery(true);
    EXPECT_NE(iniText().find("Plain=text\r\nSecret=2a314a\r\n"), std::string::npos) << iniText();

    std::string restored;
    storage.storedValues.items()[1].onRestore = [&restored](std::string& value) { restored = value; };
    storage.storedValues.items()[1].value.clear();
    storage.formShow();
    EXPECT_EQ(restored, "AZ!");
    EXPECT_EQ(storage.storedValues.items()[1].value, "AZ!");
}

TEST_F(FormStorageTest, EntriesOfARemovedComponentGo) {
    EXPECT_EQ(storage.storedPropNames().size(), 4u);
    storage.componentRemoved(&toolBar2);
    EXPECT_EQ(storage.storedPropNames(), (std::vector<std::string>{"ToolBar3.Left", "ToolBar3.Top"}));
    storage.setStoredProps({"ToolBar3.Left", "Gone.Left", "ToolBar3"});
    EXPECT_EQ(storage.storedPropNames(), (std::vector<std::string>{"ToolBar3.Left"}));
}

}  // namespace
