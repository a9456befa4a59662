#pragma once
// The splash window shown while the word stores load at start-up.

#include <QDialog>

class QLabel;

class Tinitform : public QDialog {
    Q_OBJECT
public:
    explicit Tinitform(QWidget* owner = nullptr);

    // Shows `text` and lets the window paint before the next piece of loading.
    void setText(const QString& text);

    QLabel* Label1;

protected:
    void showEvent(QShowEvent* event) override;
};
