#include "document/core/grid_template.h"

#include "platform/core/folders.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

#include <variant>

TEST(GridTemplateFile, RoundTripsAndReadsAnyNonZeroAsVisible) {
    TempFolder folder;
    GridTemplate shape = GridTemplate::allVisible(3, 2);
    shape.setVisible(2, 1, false);
    shape.setVisible(3, 2, false);
    ASSERT_TRUE(writeGridTemplate(folder / "tvar.sbl", shape));
    EXPECT_EQ(folder.read("tvar.sbl"), "3\r\n2\r\n1\r\n0\r\n1\r\n1\r\n1\r\n0\r\n");
    const auto loaded = readGridTemplate(folder / "tvar.sbl");
    ASSERT_TRUE(std::holds_alternative<GridTemplate>(loaded));
    EXPECT_EQ(std::get<GridTemplate>(loaded), shape);

    const auto withTwo = parseGridTemplate("2\n2\n2\n0\n-1\n1\n");
    ASSERT_TRUE(std::holds_alternative<GridTemplate>(withTwo));
    const auto& grid = std::get<GridTemplate>(withTwo);
    EXPECT_TRUE(grid.isVisible(1, 1));
    EXPECT_FALSE(grid.isVisible(2, 1));
    EXPECT_TRUE(grid.isVisible(1, 2));
}

TEST(GridTemplateFile, RejectsBadTemplates) {
    using K = FileError::Kind;
    struct Case {
        const char* text;
        FileError expected;
    };
    const Case cases[] = {
        {"41\r\n2\r\n", {K::OutOfRange, 1}},
        {"2\r\n1\r\n", {K::OutOfRange, 2}},
        {"2\r\n2\r\n1\r\nx\r\n1\r\n1\r\n", {K::NotANumber, 4}},
        {"2\r\n2\r\n1\r\n1\r\n1\r\n", {K::EndOfFile, 6}},
    };
    for (const Case& c : cases) {
        const auto result = parseGridTemplate(c.text);
        ASSERT_TRUE(std::holds_alternative<FileError>(result)) << c.text;
        EXPECT_EQ(std::get<FileError>(result).kind, c.expected.kind) << c.text;
        EXPECT_EQ(std::get<FileError>(result).line, c.expected.line) << c.text;
    }
    TempFolder folder;
    EXPECT_FALSE(writeGridTemplate(folder / "none" / "x.sbl", GridTemplate::allVisible(2, 2)));
    const auto missing = readGridTemplate(folder / "x.sbl");
    ASSERT_TRUE(std::holds_alternative<FileError>(missing));
    EXPECT_EQ(std::get<FileError>(missing).kind, K::CannotOpen);
    const auto huge = readGridTemplate(folder.write("huge.sbl", std::string(fileLimit::gridTemplate + 1, '\n')));
    ASSERT_TRUE(std::holds_alternative<FileError>(huge));
    EXPECT_EQ(std::get<FileError>(huge).kind, K::TooLarge);
    EXPECT_EQ(std::get<FileError>(huge).limit, fileLimit::gridTemplate);
}

TEST(GridTemplateFile, FolderBesideTheProgramIsMadeForTheFirstSave) {
    TempFolder folder;
    const auto before = programFolder();
    setProgramFolder(folder.path());
    EXPECT_EQ(gridTemplateFolder(), folder / "Sablony");
    EXPECT_FALSE(std::filesystem::exists(folder / "Sablony"));
    EXPECT_EQ(ensureGridTemplateFolder(), folder / "Sablony");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "Sablony"));
    EXPECT_TRUE(writeGridTemplate(ensureGridTemplateFolder() / "tvar.sbl", GridTemplate::allVisible(2, 2)));
    setProgramFolder(before);
}
