#include "platform/ui/printing.h"

#include "support/core/temp_folder.h"
#include "support/ui/scripted_desktop.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>

namespace {

// With no printer installed every test takes the PDF path.
class Printing : public testing::Test {
protected:
    Printing() : saved_(printing::printerCheck()) { printing::printerCheck() = [] { return false; }; }
    ~Printing() override { printing::printerCheck() = saved_; }

    std::function<bool()> saved_;
    ScriptedDesktop desktop;
    TempFolder folder;
    QPrinter printer{QPrinter::HighResolution};
};

int pdfPages(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

TEST_F(Printing, WithoutAPrinterTheDocumentIsWrittenAsPdf) {
    const QString file = QString::fromStdString((folder / "tisk.pdf").string());
    desktop.answerFile(file);
    int ppi = 0, width = 0, height = 0;
    const auto result = printing::printDocument(printer, nullptr, QStringLiteral("Osmisměrka (a.osm)"), [&](Canvas& c) {
        ppi = c.pixelsPerInchX();
        width = c.pageWidth();
        height = c.pageHeight();
        c.rectangle(98, 99, 801, 805);
        c.setFontSize(12);
        c.textOut(100, 905, "PES, KO\x8E" "ENKA");
        c.newPage();
        c.textOut(100, 100, "LES");
    });
    EXPECT_EQ(result, printing::PrintResult::Printed);
    EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('\n')).toStdString();

    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdfPages(pdf.readAll()), 2);
    EXPECT_EQ(ppi, printing::printResolution);
    EXPECT_GT(width, 2000) << "a page at 300 pixels per inch";
    EXPECT_GT(height, width);

    // The shared printer is given back as it was.
    EXPECT_EQ(printer.outputFileName(), QString());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << "no temporary file left";
}

TEST_F(Printing, CancellingTheFileNameEndsQuietly) {
    bool drew = false;
    const auto result = printing::printDocument(printer, nullptr, QStringLiteral("x"), [&](Canvas&) { drew = true; });
    EXPECT_EQ(result, printing::PrintResult::Cancelled);
    EXPECT_FALSE(drew);
    EXPECT_TRUE(desktop.boxes.isEmpty());
}

TEST_F(Printing, AFileThatCannotBeWrittenIsReportedAndLeftOut) {
    const auto target = folder / "no-such-folder" / "tisk.pdf";
    desktop.answerFile(QString::fromStdString(target.string()));
    const auto result = printing::printDocument(printer, nullptr, QStringLiteral("x"), [](Canvas& c) {
        c.textOut(100, 100, "A");
    });
    EXPECT_EQ(result, printing::PrintResult::Failed);
    EXPECT_EQ(desktop.boxTexts(), QStringList{QStringLiteral("Soubor PDF nelze zapsat.")});
    EXPECT_FALSE(std::filesystem::exists(target.parent_path()));
}

}  // namespace
