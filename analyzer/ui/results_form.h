#pragma once
// "Analyzer - výsledky kontroly": everything the last finished check found.
//
// The grid lists where each found word first lies; five lists show the words
// not found, the further occurrences and the extra occurrences of the three
// striking orders; the memo explains the secret-phrase comparison.

#include "analyzer/core/analysis.h"

#include <QDialog>

#include <string>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QSplitter;
class QTableWidget;
class QWidget;

namespace analyzer {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Fills the window from a finished check and the puzzle's phrase as stored.
    void fillResults(const AnalysisResult& result, const std::string& solutionPhrase);

    QWidget* Panel1;
    QTableWidget* StringGrid1;
    QSplitter* Panel2;  // the five lists side by side
    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QListWidget* ListBox3;
    QListWidget* ListBox4;
    QListWidget* ListBox5;
    QWidget* Panel9;
    QPlainTextEdit* Memo1;
};

}  // namespace analyzer
