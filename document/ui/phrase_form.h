#pragma once
// The secret-phrase dialog. The caller sets how many distinct characters the
// phrase may hold (setLetterLimit: a criss-cross, whose characters each
// become one digit, allows ten; a word search sets no limit), fills the box
// with the document's phrase (setPhrase, or setText on inputboxtajenka),
// shows the dialog and reads the box on OK.
//
// With a limit a typed change is refused when the phrase would hold more
// distinct characters than that. Only typing is checked: whatever a caller
// puts into the box is taken as the phrase accepted so far for this use of
// the dialog.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Ttajenkaform : public QDialog {
    Q_OBJECT
public:
    explicit Ttajenkaform(QWidget* parent = nullptr);

    static constexpr int noLetterLimit = 0;
    void setLetterLimit(int limit) { letterLimit_ = limit; }
    int letterLimit() const { return letterLimit_; }
    // Whether "ch" counts as one character for the limit, as the caller's
    // setting says.
    void setChAsOneLetter(bool on) { chAsOneLetter_ = on; }

    void setPhrase(const QString& phrase);
    QString phrase() const;
    // The phrase the check last let through (or the caller put in).
    QString lastAccepted() const { return lastAccepted_; }

    // How many distinct characters a phrase holds for the limit: blanks do
    // not count, and "ch" counts as one character when `chAsOne`.
    static int distinctCharacters(const QString& phrase, bool chAsOne);
    // The refusal of a character beyond `limit`.
    static QString tooManyLetters(int limit);

    QLabel* Label1;
    QLineEdit* inputboxtajenka;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void inputboxtajenkaChange();

    int letterLimit_ = noLetterLimit;
    bool chAsOneLetter_ = false;
    QString lastAccepted_;
};

// The one instance, created at start-up and shared by every document window.
extern Ttajenkaform* tajenkaform;
