#pragma once
// The Swedish crossword's dialogs, registered with the frame's start-up as
// the program's entry registers them, and the fixtures of its window tests.

#include "tests/document/ui/document_checks.h"

#include "frame/ui/application.h"
#include "stores/core/word_stores.h"
#include "swedish/ui/child_svekriz.h"
#include "swedish/ui/legend_form.h"
#include "swedish/ui/print_form.h"
#include "swedish/ui/swedish_forms.h"

inline void registerSwedishForms() {
    registerKindForm(KindFormPlace::afterDesigner, svelegform);
    registerKindForm(KindFormPlace::afterDesigner, waitform3);
    registerKindForm(KindFormPlace::afterDesigner, tisksvekriform);
}

// Swedish windows in a frame that knows the Swedish dialogs.
class SwedishWindowTest : public DocumentWindowTest<TMDIChildSveKriz, swedishDocument> {
protected:
    void SetUp() override {
        DocumentWindowTest::SetUp();
        registerSwedishForms();
    }
};

// The frame running with cells of 20 pixels and the clue store read.
class RunningSwedishTest : public SwedishWindowTest {
protected:
    void SetUp() override {
        SwedishWindowTest::SetUp();
        writeConfig({0, 0, 0, 0, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        start();
        legendsLoaded = true;
    }
};
