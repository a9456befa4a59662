#include "platform/ui/printing.h"

#include "platform/ui/export_target.h"
#include "platform/ui/file_messages.h"

#include "support/core/temp_folder.h"
#include "support/ui/scripted_desktop.h"

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>

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

TEST_F(Printing, APdfNameGetsItsExtensionAndAnExistingFileIsOnlyReplacedWhenTheUserSaysSo) {
    enum class Question { none, answeredNo, answeredYes };  // about replacing the file the name turned into
    struct Case {
        const char* chosen;
        const char* written;  // the file the document goes to
        bool exists;          // that file is there before
        Question question;
    };
    const Case cases[] = {
        {"tisk", "tisk.pdf", false, Question::none},
        {"tisk.txt", "tisk.txt.pdf", false, Question::none},
        {"TISK.PDF", "TISK.PDF", false, Question::none},
        {"Tisk.Pdf", "Tisk.Pdf", true, Question::none},  // the chooser asked about the name as chosen
        {"x", "x.pdf", true, Question::answeredNo},
        {"x", "x.pdf", true, Question::answeredYes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        const auto written = folder / c.written;
        std::filesystem::remove(written);
        if (c.exists) folder.write(c.written, "dosavadni obsah");
        desktop.boxes.clear();
        desktop.answerFile(QString::fromStdString((folder / c.chosen).string()));
        if (c.question != Question::none) desktop.answerQuestion(c.question == Question::answeredYes);
        bool drew = false;
        const auto result = printing::printDocument(printer, nullptr, QStringLiteral("x"), [&](Canvas& canvas) {
            drew = true;
            canvas.textOut(100, 100, "A");
        });

        const bool printed = c.question != Question::answeredNo;
        EXPECT_EQ(result, printed ? printing::PrintResult::Printed : printing::PrintResult::Cancelled);
        EXPECT_EQ(drew, printed);
        if (c.question == Question::none) {
            EXPECT_TRUE(desktop.boxes.isEmpty()) << desktop.boxTexts().join(QLatin1Char('\n')).toStdString();
        } else {
            ASSERT_EQ(desktop.boxes.size(), 1);
            EXPECT_EQ(desktop.boxes[0].kind, desktop::DesktopHooks::Box::Question);
            EXPECT_EQ(desktop.boxes[0].text.toStdString(),
                      exporttarget::overwriteQuestion(displayPath(written)).toStdString());
        }
        if (printed) {
            EXPECT_EQ(folder.read(c.written).substr(0, 5), "%PDF-");
        } else {
            EXPECT_EQ(folder.read(c.written), "dosavadni obsah") << "kept as it was";
        }
        if (std::string(c.written) != c.chosen) {
            EXPECT_FALSE(std::filesystem::exists(folder / c.chosen)) << "nothing under the name as typed";
        }
    }
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
