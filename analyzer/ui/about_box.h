#pragma once
// "O programu...": the analyzer's name and version.

#include <QDialog>

class QLabel;
class QPushButton;

namespace analyzer {

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName;
    QLabel* Comments;
    QPushButton* OKButton;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace analyzer
