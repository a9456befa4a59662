#pragma once
// The candidate list of a slot window (`ListBox1`): the words that fit the
// selected slot, in the order given, a word given twice shown twice. The
// words stay Windows-1250 bytes; a row is turned into text only when the view
// draws it, and every row has the height of the first, so that tens of
// thousands of words show at once.

#include <QListView>

#include <optional>
#include <string>
#include <vector>

class CandidateList : public QListView {
    Q_OBJECT
public:
    explicit CandidateList(QWidget* parent = nullptr);

    // Shows `words` in this order, replacing what was shown; nothing selected.
    void showWords(std::vector<std::string> words);
    void clear() { showWords({}); }

    int count() const;
    // The word of the current row when it is selected.
    std::optional<std::string> selectedWord() const;
    // Makes `row` the current and selected one, as a click on it does.
    void selectRow(int row);

private:
    class Model;
    Model* model_;
};
