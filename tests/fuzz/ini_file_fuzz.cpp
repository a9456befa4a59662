// The window-state file "mindgrid.ini": every text reads (what is not understood stays as it
// is), what is written reads as the same lines, and an edit changes its own line alone.

#include "formstate/core/ini_file.h"
#include "tests/fuzz/fuzz_check.h"

using formstate::IniLine;
using formstate::IniText;

GRILPAD_FUZZ_TARGET {
    const IniText model = IniText::parse(fuzzBytes(data, size));
    fuzzCheck(IniText::parse(model.bytes()) == model, "the written text reads as other lines");

    // The first key of the first section gets a value with a line break in it (a later section
    // may repeat an earlier name, and then the earlier one is written).
    const std::vector<IniLine>& lines = model.lines();
    std::string section;
    bool inFirst = false;
    for (const IniLine& line : lines) {
        if (line.kind == IniLine::Kind::Section) {
            if (inFirst) break;
            inFirst = true;
            section = line.name;
        }
        if (line.kind != IniLine::Kind::Key) continue;
        if (!formstate::validSectionName(section) || !formstate::validKeyName(line.name)) break;
        IniText edited = model;
        edited.setValue(section, line.name, "fuzz\r\nvalue");
        const IniText reread = IniText::parse(edited.bytes());
        fuzzCheck(reread == edited, "an edited text reads as other lines");
        fuzzCheck(reread.value(section, line.name) == "fuzz value", "an edited key reads another value");
        fuzzCheck(reread.lines().size() == lines.size(), "rewriting a key added or dropped lines");
        std::size_t changed = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) changed += !(reread.lines()[i] == lines[i]);
        fuzzCheck(changed <= 1, "rewriting a key changed other lines");
        break;
    }

    // A key of a section of our own: the text before it stays as it was.
    IniText added = model;
    added.setValue("Okno exportu do obr", "SpinEdit1_Value", "45");
    const IniText reread = IniText::parse(added.bytes());
    fuzzCheck(reread == added, "a text with a new key reads as other lines");
    fuzzCheck(reread.value("Okno exportu do obr", "SpinEdit1_Value") == "45", "a new key does not read back");
    fuzzCheck(reread.lines().size() <= lines.size() + 2, "a new key took more than a section line and its own");
    return 0;
}
