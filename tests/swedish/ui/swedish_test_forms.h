#pragma once
// The Swedish crossword's dialogs, registered with the frame's start-up as
// the program's entry registers them, for the window tests.

#include "frame/ui/application.h"
#include "swedish/ui/legend_form.h"
#include "swedish/ui/print_form.h"
#include "swedish/ui/swedish_forms.h"

inline void registerSwedishForms() {
    registerKindForm(KindFormPlace::afterDesigner, svelegform);
    registerKindForm(KindFormPlace::afterDesigner, waitform3);
    registerKindForm(KindFormPlace::afterDesigner, tisksvekriform);
}
