#include "formstate/core/props_storage.h"

#include "fakes.h"

#include <gtest/gtest.h>

#include <map>

using namespace formstate;
using fake::FakeComponent;
using fake::objectProp;
using fake::prop;

namespace {

// An ini section in memory: (section, key) → value, and the order of the writes.
struct Sections {
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<std::string> writes;  // "section|key=value"
    std::vector<std::string> erased;

    PropsStorage storage(const std::string& section) {
        PropsStorage s;
        s.section = section;
        s.read = [this](const std::string& sec, const std::string& key, const std::string& fallback) {
            const auto found = values.find({sec, key});
            return found == values.end() ? fallback : found->second;
        };
        s.write = [this](const std::string& sec, const std::string& key, const std::string& value) {
            values[{sec, key}] = value;
            writes.push_back(sec + "|" + key + "=" + value);
        };
        s.erase = [this](const std::string& sec) {
            erased.push_back(sec);
            std::erase_if(values, [&sec](const auto& entry) { return entry.first.first == sec; });
        };
        return s;
    }
};

// A form with a tool bar (Left, Top), a check box (Checked), a spin edit (Value) and a combo (Style set, Font).
struct Form {
    Form() {
        form.form = true;
        toolBar.props = {prop("Left", PropKind::Integer), prop("Top", PropKind::Integer)};
        toolBar.ordinals = {{"Left", 11}, {"Top", 2}};
        checkBox.props = {prop("Checked", PropKind::Enumeration, fake::booleanNames),
                          prop("Caption", PropKind::String), prop("OnClick", PropKind::Method),
                          prop("Hint", PropKind::WString)};
        checkBox.strings = {{"Caption", "  Vyplnit pole  "}, {"Hint", "never stored"}};
        spin.props = {prop("Value", PropKind::Int64), prop("Ratio", PropKind::Float), prop("Mark", PropKind::Char)};
        spin.ordinals = {{"Value", 30}, {"Mark", 'x'}};
        spin.floats = {{"Ratio", 0.1}};
        combo.props = {prop("Options", PropKind::Set, {"alpha", "beta", "gamma"}), objectProp("Font", ObjectKind::Nested)};
        combo.ordinals = {{"Options", 0b101}};
        font.props = {prop("Name", PropKind::String), prop("Size", PropKind::Integer)};
        font.strings = {{"Name", "Arial"}};
        font.ordinals = {{"Size", 12}};
        combo.objects = {{"Font", &font}};
    }

    StoredList entries(std::initializer_list<const char*> names) {
        StoredList list;
        for (const char* name : names) list.push_back({name, nullptr});
        updateStoredList(form, list, StoredListDirection::FromForm);
        return list;
    }

    FakeComponent form{"Form1", "TForm1"};
    FakeComponent toolBar{"ToolBar2", "TToolBar", &form};
    FakeComponent checkBox{"CheckBox1", "TCheckBox", &form};
    FakeComponent spin{"SpinEdit1", "TSpinEdit", &form};
    FakeComponent combo{"Combo", "TComboBox", &form};
    fake::Object font;
};

TEST(StoredList, EntriesThatDoNotParseOrNameNoComponentGo) {
    std::string component;
    std::string property;
    EXPECT_TRUE(parseStoredItem(" ToolBar2 . Left ", component, property));
    EXPECT_EQ(component + "|" + property, "ToolBar2|Left");
    EXPECT_TRUE(parseStoredItem("a.b.c", component, property));
    EXPECT_EQ(component + "|" + property, "a|b.c") << "split at the first point";
    EXPECT_EQ(makeStoredItem("ToolBar2", "Left"), "ToolBar2.Left");

    Form f;
    StoredList list = f.entries({"ToolBar2.Left", "NoPoint", ".Left", "ToolBar2.", "Missing.Left", "checkbox1.Checked"});
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], (StoredItem{"ToolBar2.Left", &f.toolBar}));
    EXPECT_EQ(list[1], (StoredItem{"checkbox1.Checked", &f.checkBox})) << "found without regard to case";

    // Going to the form, an entry follows its component's new name; one without a component goes.
    f.toolBar.rename("TopBar");
    list.push_back({"Loose.Left", nullptr});
    updateStoredList(f.form, list, StoredListDirection::ToForm);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].text, "TopBar.Left");
    EXPECT_EQ(list[1].text, "CheckBox1.Checked");
}

TEST(PropsStorage, StoresEachKindAsText) {
    Form f;
    Sections ini;
    StoredList list = f.entries({"ToolBar2.Left", "ToolBar2.Top", "CheckBox1.Checked", "CheckBox1.Caption",
                                 "CheckBox1.OnClick", "CheckBox1.Hint", "SpinEdit1.Value", "SpinEdit1.Ratio",
                                 "SpinEdit1.Mark", "Combo.Options", "Combo.Font", "Combo.Missing"});
    f.checkBox.ordinals["Checked"] = 1;
    ini.storage("Okno").storeObjectsProps(f.form, list);
    EXPECT_EQ(ini.writes, (std::vector<std::string>{
                              "Okno|ToolBar2_Left=11", "Okno|ToolBar2_Top=2", "Okno|CheckBox1_Checked=True",
                              "Okno|CheckBox1_Caption=Vyplnit pole", "Okno|SpinEdit1_Value=30",
                              "Okno|SpinEdit1_Ratio=0.1", "Okno|SpinEdit1_Mark=x", "Okno|Combo_Options=[alpha,gamma]",
                              "Okno|Combo_FontName=Arial", "Okno|Combo_FontSize=12"}));

    // An empty set is two brackets; an enumeration out of its names and an empty number are not written.
    ini.writes.clear();
    f.combo.ordinals["Options"] = 0;
    f.checkBox.ordinals["Checked"] = 7;
    f.checkBox.strings["Caption"] = "";
    ini.storage("Okno").storeObjectsProps(f.form, list);
    ASSERT_EQ(ini.writes.size(), 9u);
    EXPECT_EQ(ini.writes[2], "Okno|CheckBox1_Caption=") << "an empty string is written";
    EXPECT_EQ(ini.writes[6], "Okno|Combo_Options=[]");
    EXPECT_EQ(ini.values.count({"Okno", "CheckBox1_Checked"}), 1u) << "from the first store";
    EXPECT_EQ(std::count(ini.writes.begin(), ini.writes.end(), "Okno|CheckBox1_Checked=True"), 0);
}

TEST(PropsStorage, LoadsWhatTheTextsSayAndLeavesTheRest) {
    struct Case {
        const char* entry;
        const char* stored;  // nullptr: no key
        std::string (*value)(Form&);
        const char* expected;
    };
    const auto left = [](Form& f) { return std::to_string(f.toolBar.ordinals["Left"]); };
    const auto checked = [](Form& f) { return std::to_string(f.checkBox.ordinals["Checked"]); };
    const auto spin = [](Form& f) { return std::to_string(f.spin.ordinals["Value"]); };
    const auto options = [](Form& f) { return std::to_string(f.combo.ordinals["Options"]); };
    const auto caption = [](Form& f) { return f.checkBox.strings["Caption"]; };
    const auto ratio = [](Form& f) { return std::to_string(f.spin.floats["Ratio"]); };
    const auto mark = [](Form& f) { return std::string(1, static_cast<char>(f.spin.ordinals["Mark"])); };
    const Case cases[] = {
        {"ToolBar2.Left", "  45 ", left, "45"},
        {"ToolBar2.Left", "letters", left, "0"},
        {"ToolBar2.Left", "99999999999", left, "0"},
        {"ToolBar2.Left", nullptr, left, "11"},
        {"CheckBox1.Checked", "true", checked, "1"},
        {"CheckBox1.Checked", "FALSE", checked, "0"},
        {"CheckBox1.Checked", "yes", checked, "1"},   // another word changes nothing (it was checked)
        {"CheckBox1.Checked", nullptr, checked, "1"},
        {"SpinEdit1.Value", "99999999999", spin, "99999999999"},
        {"SpinEdit1.Value", "12abc", spin, "0"},
        {"Combo.Options", "[]", options, "0"},
        {"Combo.Options", "[Beta, nonsense,gamma]", options, "6"},
        {"CheckBox1.Caption", "  Nový  ", caption, "Nový"},
        {"CheckBox1.Caption", nullptr, caption, "Vyplnit pole"},  // the current text, trimmed
        {"SpinEdit1.Ratio", "2.5", ratio, "2.500000"},
        {"SpinEdit1.Ratio", "2,5", ratio, "0.100000"},
        {"SpinEdit1.Mark", "yz", mark, "y"},
        {"SpinEdit1.Mark", "", mark, "x"},
    };
    for (const Case& c : cases) {
        Form f;
        f.checkBox.ordinals["Checked"] = 1;
        StoredList list = f.entries({c.entry});
        Sections ini;
        if (c.stored) {
            std::string component;
            std::string property;
            parseStoredItem(c.entry, component, property);
            ini.values[{"Okno", component + "_" + property}] = c.stored;
        }
        ini.storage("Okno").loadObjectsProps(f.form, list);
        EXPECT_EQ(c.value(f), c.expected) << c.entry << " " << (c.stored ? c.stored : "(missing)");
    }
}

TEST(PropsStorage, ListsCollectionsReferencesAndNestedObjects) {
    Form f;
    FakeComponent other("Other", "TOther");  // another form
    FakeComponent button("Button1", "TButton", &other);
    FakeComponent unnamedOwner("", "TDataModule");
    FakeComponent data("Table1", "TTable", &unnamedOwner);
    fake::Columns columns;
    columns.add();
    columns.items[0]->ordinals["Width"] = 64;
    f.combo.props = {objectProp("Items", ObjectKind::StringList), objectProp("Columns", ObjectKind::Collection),
                     objectProp("Here", ObjectKind::Reference),   objectProp("There", ObjectKind::Reference),
                     objectProp("Data", ObjectKind::Reference),   objectProp("None", ObjectKind::Reference),
                     objectProp("Font", ObjectKind::Nested)};
    f.combo.lists["Items"] = {" one ", "two"};
    f.combo.collections["Columns"] = &columns;
    f.combo.references = {{"Here", &f.spin}, {"There", &button}, {"Data", &data}, {"None", nullptr}};
    fake::Object pen;
    pen.props = {prop("Width", PropKind::Integer), objectProp("Owner", ObjectKind::Reference)};
    pen.references["Owner"] = &f.spin;
    f.font.props.push_back(objectProp("Pen", ObjectKind::Nested));
    f.font.objects["Pen"] = &pen;

    StoredList list = f.entries({"Combo.Items", "Combo.Columns", "Combo.Here", "Combo.There", "Combo.Data",
                                 "Combo.None", "Combo.Font"});
    Sections ini;
    ini.storage("S").storeObjectsProps(f.form, list);
    EXPECT_EQ(ini.erased, (std::vector<std::string>{"S.Combo_Items", "S.Combo_Columns"}));
    EXPECT_EQ(ini.writes,
              (std::vector<std::string>{"S.Combo_Items|Count=2", "S.Combo_Items|Item0= one ", "S.Combo_Items|Item1=two",
                                        "S|Combo_Columns.Count=1", "S.Combo_Columns|Item0_Width=64",
                                        "S|Combo_Here=SpinEdit1", "S|Combo_There=Other.Button1",
                                        "S|Combo_Data=DataModule.Table1", "S|Combo_None=(null)",
                                        "S|Combo_FontName=Arial", "S|Combo_FontSize=12", "S|Combo_FontPenWidth=0",
                                        "S|Combo_FontPenOwner=Form1.SpinEdit1"}));

    // Loading: the list, three columns, references by name (another form's through the directory).
    fake::Directory directory;
    directory.forms = {&other, &f.form};
    ini.values[{"S.Combo_Items", "Count"}] = "3";
    ini.values[{"S.Combo_Items", "Item2"}] = "three";
    ini.values[{"S", "Combo_Columns.Count"}] = "3";
    ini.values[{"S.Combo_Columns", "Item2_Width"}] = "80";
    ini.values[{"S", "Combo_Here"}] = "checkbox1";
    ini.values[{"S", "Combo_There"}] = "OTHER.button1";
    ini.values[{"S", "Combo_Data"}] = "Nowhere.Table1";
    ini.values[{"S", "Combo_None"}] = "SpinEdit1";
    ini.values[{"S", "Combo_FontPenOwner"}] = "CheckBox1";  // no owner's name inside a nested object: unchanged
    PropsStorage loader = ini.storage("S");
    loader.directory = &directory;
    loader.loadObjectsProps(f.form, list);
    EXPECT_EQ(f.combo.lists["Items"], (std::vector<std::string>{" one ", "two", "three"})) << "lines as they are";
    ASSERT_EQ(columns.count(), 3);
    EXPECT_EQ(columns.items[0]->ordinals["Width"], 64);
    EXPECT_EQ(columns.items[2]->ordinals["Width"], 80);
    EXPECT_EQ(columns.updates, 0) << "the update bracket closed";
    EXPECT_EQ(f.combo.references["Here"], &f.checkBox);
    EXPECT_EQ(f.combo.references["There"], &button);
    EXPECT_EQ(f.combo.references["Data"], nullptr) << "an owner not found clears the reference";
    EXPECT_EQ(f.combo.references["None"], &f.spin);
    EXPECT_EQ(pen.references["Owner"], &f.spin);

    // "(null)" clears; a count of 0 or garbage leaves the list as it was.
    ini.values[{"S", "Combo_Here"}] = "(NULL)";
    ini.values[{"S.Combo_Items", "Count"}] = "0";
    ini.values[{"S", "Combo_Columns.Count"}] = "99999999";
    loader.loadObjectsProps(f.form, list);
    EXPECT_EQ(f.combo.references["Here"], nullptr);
    EXPECT_EQ(f.combo.lists["Items"].size(), 3u);
    EXPECT_EQ(columns.count(), 3);
}

TEST(PropsStorage, FloatTextsIgnoreTheLocaleAndKeepTheirDigits) {
    EXPECT_EQ(floatText(0.1, FloatKind::Single), "0.1");
    EXPECT_EQ(floatText(1.0 / 3, FloatKind::Double), "0.333333333333333");
    EXPECT_EQ(floatText(1.0 / 3, FloatKind::Single), "0.3333333");
    EXPECT_EQ(floatText(-2.5e20, FloatKind::Double), "-2.5e+20");
    double value = 0;
    for (const char* bad : {"", "1,5", "1.5x", "x"}) EXPECT_FALSE(parseFloatText(bad, value)) << bad;
    ASSERT_TRUE(parseFloatText("+1.5e3", value));
    EXPECT_EQ(value, 1500.0);
}

}  // namespace
