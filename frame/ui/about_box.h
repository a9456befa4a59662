#pragma once
// The about box: program, version, and links to the maker's web page and e-mail.

#include <QDialog>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    static const QString webAddress;
    static const QString mailAddress;

    // Open the web page or a new e-mail with the desktop's default program;
    // a failure is reported in a warning box.
    void weblabelClick();
    void maillabelClick();

    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments;
    QLabel* weblabel;
    QLabel* maillabel;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;
};

extern TAboutBox* AboutBox;
