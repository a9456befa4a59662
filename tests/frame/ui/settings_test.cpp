#include "frame_fixture.h"

#include "frame/ui/settings_form.h"
#include "platform/ui/radio_group.h"
#include "support/ui/modal.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolBar>

#include <functional>

namespace {

// Opens the settings dialog from the frame's action and lets `act` work the
// dialog as the user would; `act` must close it.
void inSettings(const std::function<void(Tnastaveniform&)>& act) {
    whenDialog<Tnastaveniform>([act](Tnastaveniform* form) {
        act(*form);
        if (form->isVisible()) form->reject();
    });
    MindgridMainForm->nastaveni->trigger();
}

std::string record(std::initializer_list<int> values) {
    std::string bytes;
    for (int v : values) bytes += static_cast<char>(v);
    return bytes;
}

std::string exampleBytes() { return record(exampleConfig); }

ConfigRecord live() {
    ConfigRecord bytes{};
    for (std::size_t i = 0; i < configRecordSize; ++i) bytes[i] = liveSetting(i);
    return bytes;
}

std::string asBytes(const ConfigRecord& r) { return std::string(r.begin(), r.end()); }

}  // namespace

TEST_F(FrameTest, SettingsDialogShowsEveryLiveSettingOnItsControl) {
    start();
    Tnastaveniform& form = *nastaveniform;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Nastavení"));
    EXPECT_EQ(form.PageControl->count(), 4);
    EXPECT_EQ(form.PageControl->currentWidget(), form.pagegeneral);
    EXPECT_TRUE(form.CheckBox7->isHidden());
    EXPECT_FALSE(form.CheckBox7->isEnabled());

    struct Case {
        std::size_t index;
        const char* control;
        int value;  // a value the control can show
    };
    const Case cases[] = {
        {0, "CheckBox11", 1}, {1, "CheckBox12", 1}, {2, "CheckBox10", 1},  {3, "RadioGroup1", 4},
        {4, "SpinEdit1", 33}, {5, "CheckBox1", 1},  {6, "CheckBox3", 1},   {7, "CheckBox4", 1},
        {8, "RadioGroup3", 2}, {9, "CheckBox5", 1}, {10, "CheckBox6", 1},  {11, "CheckBox7", 1},
        {12, "CheckBox13", 1}, {13, "CheckBox8", 1}, {14, "CheckBox9", 1}, {15, "RadioGroup2", 2},
    };
    auto shown = [&form](const char* name) {
        QObject* control = form.findChild<QObject*>(QLatin1String(name));
        if (auto* check = qobject_cast<QCheckBox*>(control)) return check->isChecked() ? 1 : 0;
        if (auto* radio = qobject_cast<RadioGroup*>(control)) return radio->itemIndex();
        return qobject_cast<QSpinBox*>(control)->value();
    };
    for (const Case& c : cases) {
        // Each setting alone, from the live blocks and not from the record.
        clearSettings();
        configRecord.fill(1);
        setLiveSetting(c.index, static_cast<std::uint8_t>(c.value));
        form.FormShow();
        for (const Case& other : cases) {
            const int expected = other.index == c.index ? c.value : other.index == 4 ? 20 : 0;
            EXPECT_EQ(shown(other.control), expected) << "setting " << c.index << ", control " << other.control;
        }
        // OK stores every control back into its own byte, and into the record.
        clearSettings();
        form.BitBtn1Click();
        ConfigRecord expected{};
        expected[configByte::cellSize] = 20;
        expected[c.index] = static_cast<std::uint8_t>(c.value);
        EXPECT_EQ(live(), expected) << "setting " << c.index;
        EXPECT_EQ(configRecord, expected) << "setting " << c.index;
    }
}

TEST_F(FrameTest, SettingsDialogKeepsValuesInTheirRange) {
    start();  // no settings file: every setting 0
    Tnastaveniform& form = *nastaveniform;
    setLiveSetting(configByte::failureReaction, 7);
    setLiveSetting(configByte::startWindow, 5);
    inSettings([](Tnastaveniform& f) {
        EXPECT_EQ(f.SpinEdit1->value(), 20);
        EXPECT_EQ(f.RadioGroup2->itemIndex(), 0) << "a choice out of range shows the first item";
        EXPECT_EQ(f.RadioGroup1->itemIndex(), 0);
        f.BitBtn1->click();
    });
    EXPECT_EQ(frameSettings.bytes[4], 20);
    EXPECT_EQ(wordSearchSettings.bytes[3], 0);
    EXPECT_EQ(frameSettings.bytes[3], 0);

    setLiveSetting(configByte::cellSize, 90);
    form.FormShow();
    EXPECT_EQ(form.SpinEdit1->value(), 40);
    form.SpinEdit1->setValue(10);
    EXPECT_EQ(form.SpinEdit1->value(), 20);
}

TEST_F(FrameTest, SaveThenCancelWritesTheFileButLeavesTheProgramAsItWas) {
    writeConfig(exampleConfig);
    start();
    inSettings([](Tnastaveniform& f) {
        EXPECT_EQ(f.SpinEdit1->value(), 25);
        EXPECT_EQ(f.RadioGroup1->itemIndex(), 2);
        f.SpinEdit1->setValue(33);
        f.CheckBox10->click();
        f.RadioGroup2->button(2)->click();
        f.BitBtn4->click();  // "Uložit" leaves the dialog open
        EXPECT_TRUE(f.isVisible());
        f.BitBtn2->click();  // "Storno"
    });
    const std::string saved = savedConfig();
    ASSERT_EQ(saved.size(), 16u);
    EXPECT_EQ(saved[4], 33);
    EXPECT_EQ(saved[2], 1);
    EXPECT_EQ(saved[15], 2);
    EXPECT_EQ(asBytes(live()), exampleBytes()) << "nothing applied";
    EXPECT_EQ(frameSettings.cellSize(), 25);
    EXPECT_FALSE(frameSettings.maximiseWindows());

    // The dialog opens on the values in force, not on those saved.
    inSettings([](Tnastaveniform& f) {
        EXPECT_EQ(f.SpinEdit1->value(), 25);
        EXPECT_FALSE(f.CheckBox10->isChecked());
        f.BitBtn2->click();
    });

    // The next start runs on the saved values.
    destroyForms();
    clearSettings();
    start();
    EXPECT_EQ(frameSettings.cellSize(), 33);
    EXPECT_TRUE(frameSettings.maximiseWindows());
    EXPECT_EQ(wordSearchSettings.failureReaction(), FailureReaction::Stop);
}

TEST_F(FrameTest, OkAppliesWithoutWritingAndSaveWritesWhatWasApplied) {
    writeConfig(exampleConfig);
    start();
    inSettings([](Tnastaveniform& f) {
        f.SpinEdit1->setValue(30);
        f.pagekri->findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->click();  // off
        f.BitBtn1->click();
    });
    EXPECT_EQ(frameSettings.cellSize(), 30);
    EXPECT_FALSE(crosswordSettings.rememberClues());
    EXPECT_EQ(asBytes(configRecord), asBytes(live()));
    EXPECT_EQ(savedConfig(), exampleBytes()) << "OK writes no file";

    inSettings([](Tnastaveniform& f) {
        f.BitBtn4->click();
        f.BitBtn2->click();
    });
    EXPECT_EQ(savedConfig(), asBytes(live()));
    EXPECT_EQ(savedConfig()[4], 30);

    // Cancel changes nothing at all.
    const ConfigRecord before = live();
    inSettings([](Tnastaveniform& f) {
        f.SpinEdit1->setValue(39);
        f.CheckBox13->click();
        f.BitBtn2->click();
    });
    EXPECT_EQ(live(), before);
    EXPECT_EQ(configRecord, before);
}

TEST_F(FrameTest, AFailedSaveWarnsAndKeepsTheDialogOpen) {
    writeConfig(exampleConfig);
    start();
    setProgramFolder(folder / "gone");
    desktop.boxes.clear();
    inSettings([](Tnastaveniform& f) {
        f.SpinEdit1->setValue(31);
        f.BitBtn4->click();
        EXPECT_TRUE(f.isVisible());
        f.BitBtn2->click();
    });
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Nelze otevřít konfigurační soubor.")});
    EXPECT_EQ(frameSettings.cellSize(), 25);
    EXPECT_EQ(savedConfig(), exampleBytes());
}

TEST_F(FrameTest, ToolBarsFollowTheSettings) {
    const std::tuple<int, int, bool, bool> cases[] = {{0, 0, false, false}, {1, 0, true, false}, {0, 1, false, true}};
    for (auto [standard, edit, standardShown, editShown] : cases) {
        writeConfig({standard, edit, 0, 0, 25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        TMindgridMainForm* frame = start();
        EXPECT_EQ(frame->ToolBar2->isVisible(), standardShown);
        EXPECT_EQ(frame->ToolBar3->isVisible(), editShown);

        // Storno leaves them; OK with both boxes checked shows both at once.
        inSettings([](Tnastaveniform& f) {
            f.CheckBox11->setChecked(true);
            f.CheckBox12->setChecked(true);
            f.BitBtn2->click();
        });
        EXPECT_EQ(frame->ToolBar2->isVisible(), standardShown);
        inSettings([](Tnastaveniform& f) {
            f.CheckBox11->setChecked(true);
            f.CheckBox12->setChecked(true);
            f.BitBtn1->click();
        });
        EXPECT_TRUE(frame->ToolBar2->isVisible());
        EXPECT_TRUE(frame->ToolBar3->isVisible());
        inSettings([](Tnastaveniform& f) {
            f.CheckBox11->setChecked(false);
            f.BitBtn1->click();
        });
        EXPECT_FALSE(frame->ToolBar2->isVisible());
        EXPECT_TRUE(frame->ToolBar3->isVisible());
        destroyForms();
    }
}

TEST_F(FrameTest, DictionaryButtonsCallTheChooser) {
    start();
    QList<int> tags;
    nastaveniform->chooseDictionaries = [&tags](int tag) { tags << tag; };
    nastaveniform->Button1->click();
    nastaveniform->Button2->click();
    EXPECT_EQ(tags, (QList<int>{1, 2}));
}
