#include "document/ui/designer_form.h"
#include "document/ui/phrase_form.h"
#include "document/ui/size_form.h"
#include "frame/ui/new_form.h"
#include "frame/ui/settings_form.h"
#include "stores/ui/dictionary_chooser.h"
#include "stores/ui/dictionary_picker_form.h"

#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The OK and "Storno" buttons of the dialogs: found by their names, with each
// dialog's own captions, OK the default button; OK accepts, "Storno" rejects.
TEST(DialogButtons, EachDialogKeepsItsCaptionsAndAnswers) {
    struct Case {
        const char* dialog;
        std::function<QDialog*()> make;
        QString ok;
        QString cancel;
        bool icons;
        bool clickOk;  // the settings' OK also applies them; their own tests cover it
    };
    const Case cases[] = {
        {"novyform", [] { return new Tnovyform; }, "&OK", "&Storno", true, true},
        {"nastavvelform", [] { return new Tnastavvelform; }, "&OK", "&Storno", false, true},
        {"navrharform", [] { return new Tnavrharform; }, "&OK", "&Storno", false, true},
        {"tajenkaform", [] { return new Ttajenkaform; }, "OK", "Storno", false, true},
        {"vybratslovnikform", [] { return new Tvybratslovnikform; }, "OK", "Storno", false, true},
        {"slovnikyform", [] { return new Tslovnikyform; }, "OK", "Storno", false, true},
        {"nastaveniform", [] { return new Tnastaveniform; }, "OK", "Storno", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog);
        const std::unique_ptr<QDialog> dialog(c.make());
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"));
        auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn2"));
        ASSERT_NE(ok, nullptr);
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(ok->text(), c.ok);
        EXPECT_EQ(cancel->text(), c.cancel);
        EXPECT_TRUE(ok->isDefault());
        EXPECT_FALSE(cancel->isDefault());
        EXPECT_EQ(!ok->icon().isNull(), c.icons);
        EXPECT_EQ(!cancel->icon().isNull(), c.icons);

        dialog->setResult(-1);
        cancel->click();
        EXPECT_EQ(dialog->result(), QDialog::Rejected);
        if (!c.clickOk) continue;
        ok->click();
        EXPECT_EQ(dialog->result(), QDialog::Accepted);
    }
}
