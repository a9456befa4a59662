#include "formstate/ui/form_storage.h"

#include "formstate/core/ini_file.h"
#include "platform/core/textfile.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QShowEvent>
#include <QSpinBox>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

std::filesystem::path iniPath() {
    return std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "mindgrid" / "test.ini";
}

std::string iniValue(const char* key) {
    const auto bytes = readFileBytes(iniPath(), 1 << 20);
    if (!std::holds_alternative<std::string>(bytes)) return "(no file)";
    return formstate::IniText::parse(std::get<std::string>(bytes)).value("Okno", key).value_or("(none)");
}

std::string iniText() {
    const auto bytes = readFileBytes(iniPath(), 1 << 20);
    return std::holds_alternative<std::string>(bytes) ? std::get<std::string>(bytes) : "(no file)";
}

// A form with two stored controls that notes what its own show handler saw
// and may refuse to close.
class OptionsForm : public QWidget {
public:
    OptionsForm() {
        spin = new QSpinBox(this);
        spin->setObjectName(QStringLiteral("SpinEdit1"));
        spin->setRange(0, 1000);
        check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("CheckBox1"));
        storage = new TFormStorage(this);
        storage->setIniFileName(QStringLiteral("test.ini"));
        storage->setIniSection(QStringLiteral("Okno"));
        storage->setStoredProps({QStringLiteral("SpinEdit1.Value"), QStringLiteral("CheckBox1.Checked"),
                                 QStringLiteral("Nothing.Value"), QStringLiteral("SpinEdit1")});
        resize(300, 200);
    }
    ~OptionsForm() override { storage->formDestroy(); }

    QSpinBox* spin;
    QCheckBox* check;
    TFormStorage* storage;
    int valueSeenAtShow = -1;
    bool mayClose = true;

protected:
    void showEvent(QShowEvent* event) override {
        valueSeenAtShow = spin->value();
        QWidget::showEvent(event);
    }
    void closeEvent(QCloseEvent* event) override {
        if (mayClose) event->accept();
        else event->ignore();
    }
};

TEST(FormStorage, RestoresBeforeTheFormsShowHandlerAndSavesAfterAnAcceptedClose) {
    std::filesystem::create_directories(iniPath().parent_path());
    ASSERT_TRUE(writeFileAtomic(iniPath(), "[Okno]\r\nSpinEdit1_Value= 45 \r\nCheckBox1_Checked=true\r\n"));
    auto* form = new OptionsForm;
    EXPECT_EQ(form->storage->storedProps(), (QStringList{"SpinEdit1.Value", "CheckBox1.Checked"}))
        << "entries naming no control, or no property, go";

    form->show();
    EXPECT_EQ(form->valueSeenAtShow, 45);
    EXPECT_TRUE(form->check->isChecked());

    form->spin->setValue(7);
    form->mayClose = false;
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(iniValue("SpinEdit1_Value"), "45") << "a refused close saves nothing";
    EXPECT_EQ(iniValue("Visible"), "(none)");

    form->mayClose = true;
    form->close();
    const std::string closed = iniText();
    EXPECT_EQ(iniValue("SpinEdit1_Value"), "7");
    EXPECT_EQ(iniValue("CheckBox1_Checked"), "True");
    EXPECT_EQ(iniValue("Visible"), "0");
    delete form;
    EXPECT_EQ(iniText(), closed) << "nothing more at destruction";

    // Shown and destroyed without a close: saved at destruction, with the controls still there.
    form = new OptionsForm;
    form->show();
    EXPECT_EQ(form->valueSeenAtShow, 7);
    form->spin->setValue(9);
    delete form;
    EXPECT_EQ(iniValue("SpinEdit1_Value"), "9");
    EXPECT_EQ(iniValue("Visible"), "1");
}

}  // namespace
