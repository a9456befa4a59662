#include "platform/ui/clamping_spin_box.h"

#include <algorithm>

ClampingSpinBox::ClampingSpinBox(QWidget* parent, const char* name, int min, int max, int value,
                                 std::optional<int> notNumber)
    : QSpinBox(parent), notNumber_(notNumber) {
    setObjectName(QLatin1String(name));
    setRange(min, max);
    setValue(value);
}

// A number brought into the range, or what text that is no number stands for.
std::optional<int> ClampingSpinBox::valueOfText(const QString& text) const {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    if (!ok) return notNumber_;
    return static_cast<int>(std::clamp<long long>(value, minimum(), maximum()));
}

void ClampingSpinBox::fixup(QString& input) const {
    if (const auto value = valueOfText(input)) input = QString::number(*value);
}

int ClampingSpinBox::current() const { return valueOfText(cleanText()).value_or(value()); }
