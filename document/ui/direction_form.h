#pragma once
// The question whether a single selected cell goes horizontally or
// vertically. Closing it any other way than by its two buttons (Esc, the
// window's close button) is a third answer: the caller drops what it asked for.

#include <QDialog>

class QLabel;
class QPushButton;

class Tvodsviform : public QDialog {
    Q_OBJECT
public:
    // Results of exec(): "Vodorovně" is Yes, "Svisle" is No.
    enum Answer { Cancel = QDialog::Rejected, Yes = 6, No = 7 };

    explicit Tvodsviform(QWidget* parent = nullptr);

    // Sets the question and shows the dialog modally.
    Answer ask(const QString& question);

    QLabel* Label1;
    QPushButton* Button1;
    QPushButton* Button2;
};

// The one instance, created at start-up and shared by every document window.
extern Tvodsviform* vodsviform;
