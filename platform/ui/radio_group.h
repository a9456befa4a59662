#pragma once
// A titled group of radio buttons chosen by item index.

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& name, const QString& title, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    int itemIndex() const;
    // An index that names no item selects the first one.
    void setItemIndex(int index);
    QRadioButton* button(int index) const { return buttons_.value(index); }
    int count() const { return static_cast<int>(buttons_.size()); }

private:
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};
