#pragma once
// The secret-phrase dialog. The caller sets the use (setTag: 1 word search,
// 3 criss-cross), fills the box with the document's phrase (setPhrase, or
// setText on inputboxtajenka), shows the dialog and reads the box on OK.
//
// In criss-cross use a typed change is refused when the phrase would hold
// more than ten distinct characters, since each of them becomes one digit.
// Only typing is checked: whatever a caller puts into the box is taken as the
// phrase accepted so far for this use of the dialog.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Ttajenkaform : public QDialog {
    Q_OBJECT
public:
    explicit Ttajenkaform(QWidget* parent = nullptr);

    static constexpr int wordSearchUse = 1;
    static constexpr int crissCrossUse = 3;
    void setTag(int tag) { tag_ = tag; }
    int tag() const { return tag_; }
    // The criss-cross setting "ch as one letter", passed by the caller.
    void setChAsOneLetter(bool on) { chAsOneLetter_ = on; }

    void setPhrase(const QString& phrase);
    QString phrase() const;
    // The phrase the check last let through (or the caller put in).
    QString lastAccepted() const { return lastAccepted_; }

    // How many distinct characters a phrase holds for the criss-cross check:
    // blanks do not count, and "ch" counts as one character when `chAsOne`.
    static int distinctCharacters(const QString& phrase, bool chAsOne);
    static QString tooManyLetters();

    QLabel* Label1;
    QLineEdit* inputboxtajenka;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void inputboxtajenkaChange();

    int tag_ = 0;
    bool chAsOneLetter_ = false;
    QString lastAccepted_;
};

// The one instance, created at start-up and shared by every document window.
extern Ttajenkaform* tajenkaform;
