// grilpad: the Mindgrid! puzzle workshop.
#include "crisscross/ui/child_krs.h"
#include "crisscross/ui/digit_table_form.h"
#include "crossword/ui/child_kriz.h"
#include "crossword/ui/print_form.h"
#include "document/core/document_kinds.h"
#include "document/ui/document_window.h"
#include "frame/ui/application.h"
#include "platform/core/textfile.h"
#include "swedish/ui/child_svekriz.h"
#include "swedish/ui/legend_form.h"
#include "swedish/ui/print_form.h"
#include "swedish/ui/swedish_forms.h"
#include "wordsearch/ui/analyzer_start.h"
#include "wordsearch/ui/child_osm.h"

int main(int argc, char** argv) {
    // A save over the file-size limit fails with its message; nothing open is lost.
    ignoreFileSizeSignal();
    // Copies handed to analyzers of earlier runs that have all ended.
    removeUnusedAnalyzerCopyFolders();
    // The frame makes the document windows of the four kinds of puzzle.
    registerDocumentKind(wordSearchDocument, [] { return new TMDIChildOsm; });
    registerDocumentKind(crosswordDocument, [] { return new TMDIChildKriz; });
    registerDocumentKind(crissCrossDocument, [] { return new TMDIChildKrs; });
    registerDocumentKind(swedishDocument, [] { return new TMDIChildSveKriz; });
    // The dialogs of the kinds, made at start-up among the frame's own.
    registerKindForm(KindFormPlace::afterQuestionDialog, tiskkriform);
    registerKindForm(KindFormPlace::afterQuestionDialog, krspiscisform);
    registerKindForm(KindFormPlace::afterDesigner, svelegform);
    registerKindForm(KindFormPlace::afterDesigner, waitform3);
    registerKindForm(KindFormPlace::afterDesigner, tisksvekriform);
    return runGrilpad(argc, argv);
}
