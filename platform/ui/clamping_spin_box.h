#pragma once
// A number box that, when its text is left outside the range, corrects it to
// the nearest bound instead of going back to its previous value.

#include <QSpinBox>

#include <optional>

class ClampingSpinBox : public QSpinBox {
public:
    // `notNumber`: what text that is no number stands for; none: the box keeps
    // its previous value.
    ClampingSpinBox(QWidget* parent, const char* name, int min, int max, int value,
                    std::optional<int> notNumber = std::nullopt);

    void fixup(QString& input) const override;
    // Read from the text, so that a value typed but not yet taken over counts too.
    int current() const;

    // current() of a box made as a ClampingSpinBox.
    static int current(const QSpinBox* box) { return static_cast<const ClampingSpinBox*>(box)->current(); }

private:
    std::optional<int> valueOfText(const QString& text) const;

    std::optional<int> notNumber_;
};
