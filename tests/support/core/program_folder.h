#pragma once
// A test with a program folder of its own: a fresh folder stands in for the
// folder of the program from SetUp to TearDown.

#include "platform/core/folders.h"
#include "support/core/temp_folder.h"

#include <gtest/gtest.h>

class ProgramFolderTest : public ::testing::Test {
protected:
    // `reset`, when given, clears what the program keeps from its folder (the
    // settings, the word stores): before the folder is set and after it is
    // given back.
    explicit ProgramFolderTest(void (*reset)() = nullptr) : reset_(reset) {}

    void SetUp() override {
        if (reset_) reset_();
        setProgramFolder(folder.path());
    }
    void TearDown() override {
        setProgramFolder({});
        if (reset_) reset_();
    }

    TempFolder folder;

private:
    void (*reset_)();
};
