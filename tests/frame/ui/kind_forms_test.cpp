// The forms a kind adds to the program's start-up through the frame's registration.

#include "frame_fixture.h"

#include "document/ui/designer_form.h"
#include "document/ui/direction_form.h"
#include "frame/ui/settings_form.h"

#include <QDialog>

#include <string>
#include <vector>

namespace {

// What happened to the probes, in order: "+name" with what existed at its
// creation, "-name" with whether the question dialog was still there.
std::vector<std::string> journal;

std::string existing() {
    return std::string(vodsviform ? " question" : "") + (nastaveniform ? " settings" : "") +
           (navrharform ? " designer" : "");
}

template <int N>
class Probe : public QDialog {
public:
    Probe() { journal.push_back("+" + std::to_string(N) + existing()); }
    ~Probe() override { journal.push_back("-" + std::to_string(N) + (vodsviform ? " question" : "")); }
};

Probe<1>* first = nullptr;
Probe<2>* second = nullptr;
Probe<3>* third = nullptr;

TEST_F(FrameTest, AKindsFormsAreMadeAtTheirPlaceInTheStartUpAndFreedBeforeTheFramesDialogs) {
    registerKindForm(KindFormPlace::afterDesigner, second);
    registerKindForm(KindFormPlace::afterQuestionDialog, first);
    registerKindForm(KindFormPlace::afterDesigner, third);
    registerKindForm(KindFormPlace::afterQuestionDialog, first);  // once is enough
    journal.clear();

    start();
    EXPECT_EQ(journal, (std::vector<std::string>{"+1 question", "+2 question settings designer",
                                                 "+3 question settings designer"}));
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
    EXPECT_NE(third, nullptr);

    journal.clear();
    destroyForms();
    EXPECT_EQ(journal, (std::vector<std::string>{"-3 question", "-2 question", "-1 question"}));
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(third, nullptr);

    // The next start makes them again, each once.
    journal.clear();
    start();
    EXPECT_EQ(journal.size(), 3u);
}

}  // namespace
