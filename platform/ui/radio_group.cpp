#include "platform/ui/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& name, const QString& title, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    setObjectName(name);
    auto* layout = new QGridLayout(this);
    // Items fill the first column from the top, then the next one.
    const int rows = static_cast<int>((items.size() + columns - 1) / columns);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_->addButton(button, i);
        buttons_ << button;
        layout->addWidget(button, i % rows, i / rows);
    }
    setItemIndex(0);
}

int RadioGroup::itemIndex() const { return group_->checkedId(); }

void RadioGroup::setItemIndex(int index) {
    if (buttons_.isEmpty()) return;
    if (index < 0 || index >= buttons_.size()) index = 0;
    buttons_[index]->setChecked(true);
}
