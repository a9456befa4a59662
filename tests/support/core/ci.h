#pragma once
// Tests that need something beyond the build (python3-xlrd, the shipped
// dictionary) skip where it is missing, saying what is missing. With the
// environment variable CI set (to anything but an empty text), as `.ci/run`
// sets it, everything is meant to be there: such a test fails instead, so a
// missing install or build step cannot pass as a skipped test.

#include <gtest/gtest.h>

#include <cstdlib>

inline bool missingPrerequisitesFail() {
    const char* ci = std::getenv("CI");
    return ci != nullptr && *ci != '\0';
}

// Skips the running test, or fails it when CI is set; `message` says what is
// missing. Returns from the test function either way.
#define SKIP_OR_FAIL_IN_CI(message)                                              \
    do {                                                                         \
        if (missingPrerequisitesFail())                                          \
            GTEST_FAIL() << message << " (CI is set: this test may not skip)";   \
        else                                                                     \
            GTEST_SKIP() << message;                                             \
    } while (false)
