// Entry of every window test: one QApplication for the whole run, offscreen
// unless the environment names another platform. Each test gets a config
// folder of its own ($XDG_CONFIG_HOME), so the window state one test leaves in
// "mindgrid.ini" never reaches another, nor the user's own. A modal dialog
// that the test does not answer fails it instead of waiting (modal.h).
#include "support/ui/modal.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

class FreshConfigFolder : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        folder_ = std::make_unique<QTemporaryDir>();
        setenv("XDG_CONFIG_HOME", folder_->path().toLocal8Bit().constData(), 1);
    }
    void OnTestEnd(const ::testing::TestInfo&) override { folder_.reset(); }

    std::unique_ptr<QTemporaryDir> folder_;
};

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Mindgrid!"));
    failOnUnansweredDialogs();
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshConfigFolder);
    return RUN_ALL_TESTS();
}
