#pragma once
// The dictionary chooser: which "*.slv" files of the program folder feed the
// word-search vocabulary (Tag 1) or the crossword vocabulary (Tag 2).
//
// The left list holds the dictionaries found and not chosen, in Czech order; the
// right list the chosen ones in the order they are loaded: those already chosen
// in the order of the choice, then those moved over in the order they arrived.
// An empty choice cannot be confirmed.

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

class Tslovnikyform : public QDialog {
    Q_OBJECT
public:
    explicit Tslovnikyform(QWidget* parent = nullptr);

    // 1: wordSearchDictionaryNames; 2: crosswordDictionaryNames. Set before showing.
    int Tag = 0;

    void FormShow();  // fills both lists from the program folder
    // True when `name` stands exactly (case-sensitive) in the table of `tag`.
    static bool isSelected(const std::string& name, int tag);

    void IncludeBtnClick();  // ">"
    void IncAllBtnClick();   // ">>"
    void ExcludeBtnClick();  // "<"
    void ExAllBtnClick();    // "<<"

    // The right list in its order (Windows-1250 names): the result after OK.
    std::vector<std::string> chosenNames() const;

    QLabel* SrcLabel;
    QListWidget* SrcList;
    QLabel* DstLabel;
    QListWidget* DstList;
    QPushButton* IncludeBtn;
    QPushButton* IncAllBtn;
    QPushButton* ExcludeBtn;
    QPushButton* ExAllBtn;
    QPushButton* BitBtn1;  // OK
    QPushButton* BitBtn2;  // "Storno"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void moveSelected(QListWidget* from, QListWidget* to);
    void moveAll(QListWidget* from, QListWidget* to);
    void addEntry(QListWidget* list, const std::string& name);
    void updateButtons();
};

// The "Slovníky..." buttons of the settings dialog: shows the chooser with `tag`
// over `parent`; after OK the chosen names replace the table and its file
// ("osmslov.sav" or "krislov.sav") is written, with a warning when that fails.
// The stores themselves change only at the next start. True after OK.
bool runDictionaryChooser(QWidget* parent, int tag);
