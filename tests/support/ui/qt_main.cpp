// Entry of every window test: one QApplication for the whole run, offscreen
// unless the environment names another platform.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Mindgrid!"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
