#pragma once
// The editor of a word search's placed words: the words that saving, printing
// and exporting give as the puzzle's word list. The caller fills the list
// (setWords), shows the dialog and, on OK, takes words() back. The grid is not
// touched; the dialog warns that an edited list may no longer match it.
//
// A word is added trimmed of blanks at both ends, unless the list holds that
// very spelling already; "Pes" and "pes" are two words. A word longer than
// the grid can hold (setWordLimit) is refused with a message: no file could
// keep it.

#include <QDialog>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QToolButton;

class Tupravitslovaform : public QDialog {
    Q_OBJECT
public:
    explicit Tupravitslovaform(QWidget* parent = nullptr);

    void setWords(const std::vector<std::string>& words);
    // The most letters a word may have, as `measure` counts them.
    void setWordLimit(std::size_t letters, std::size_t (*measure)(std::string_view));
    std::vector<std::string> words() const;

    void FormShow();
    void SpeedButton1Click();  // "&Vložit"
    void SpeedButton2Click();  // "Vyjm&out"
    void SpeedButton3Click();  // "O&k"
    void SpeedButton4Click();  // "&Storno"

    QListWidget* ListBox1;
    QLineEdit* Edit1;
    QFrame* Panel1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::size_t wordLimit_ = 0;
    std::size_t (*measure_)(std::string_view) = nullptr;
};

// The one instance, created at start-up.
extern Tupravitslovaform* upravitslovaform;
