#include "formstate/ui/color_combo.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <algorithm>

namespace {

// The list's items are painted by their box.
class OwnerDrawDelegate : public QAbstractItemDelegate {
public:
    explicit OwnerDrawDelegate(TOwnerDrawComboBox* box) : QAbstractItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        painter->save();
        box_->drawItem(*painter, option.rect, index.row(), option.state.testFlag(QStyle::State_Selected));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        return {option.rect.width(), box_->itemHeight()};
    }

private:
    TOwnerDrawComboBox* box_;
};

QColor qtColor(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

}  // namespace

TOwnerDrawComboBox::TOwnerDrawComboBox(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new OwnerDrawDelegate(this));
}

void TOwnerDrawComboBox::setComboStyle(int style) {
    if (style < DropDown || style > DropDownList || style == style_) return;
    style_ = style;
    setEditable(style_ != DropDownList);
}

int TOwnerDrawComboBox::itemHeight() const { return std::max(9, QFontMetrics(font()).height() + 1); }

void TOwnerDrawComboBox::paintEvent(QPaintEvent* event) {
    if (isEditable()) {
        QComboBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() >= 0) {
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        drawItem(painter, field, currentIndex(), hasFocus());
    }
}

void TOwnerDrawComboBox::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    // A new font gives the items a new height.
    if (event->type() == QEvent::FontChange) {
        view()->doItemsLayout();
        updateGeometry();
    }
}

const std::array<TColorComboBox::BasicColour, 16>& TColorComboBox::basicColours() {
    static const std::array<BasicColour, 16> colours{{
        {"Black", 0x000000},
        {"Maroon", 0x000080},
        {"Green", 0x008000},
        {"Olive", 0x008080},
        {"Navy", 0x800000},
        {"Purple", 0x800080},
        {"Teal", 0x808000},
        {"Gray", 0x808080},
        {"Silver", 0xC0C0C0},
        {"Red", 0x0000FF},
        {"Lime", 0x00FF00},
        {"Yellow", 0x00FFFF},
        {"Blue", 0xFF0000},
        {"Fuchsia", 0xFF00FF},
        {"Aqua", 0xFFFF00},
        {"White", 0xFFFFFF},
    }};
    return colours;
}

QString TColorComboBox::colorName(int value) {
    for (const BasicColour& c : basicColours())
        if (c.value == value) return QString::fromLatin1(c.name);
    return QStringLiteral("$%1").arg(static_cast<quint32>(value), 8, 16, QLatin1Char('0')).toUpper();
}

QRect TColorComboBox::swatchRect(const QRect& item, bool displayNames) {
    // Worked out with right and bottom edges excluded, as the item's own
    // rectangle is measured: right = left + width.
    const int left = item.left() + 2;
    const int top = item.top() + 2;
    const int right = displayNames ? item.left() + 24 : item.left() + item.width() - 3;
    const int bottom = item.top() + item.height() - 2;
    return QRect(left, top, right - left, bottom - top);
}

TColorComboBox::TColorComboBox(QWidget* parent) : TOwnerDrawComboBox(parent) {
    rebuildList();
    updating_ = true;
    setCurrentIndex(findData(stored_));
    updating_ = false;
    connect(this, &QComboBox::activated, this, [this](int index) { writeColorValue(itemData(index).toInt()); });
    connect(this, &QComboBox::editTextChanged, this, [this] { onEditTextChanged(); });
    connect(this, &QComboBox::currentIndexChanged, this, [this] { typed_ = false; });
}

void TColorComboBox::rebuildList() {
    updating_ = true;
    clear();
    int i = 0;
    for (const BasicColour& c : basicColours()) {
        const QString given = i < names_.size() ? names_[i] : QString();
        addItem(given.isEmpty() ? QString::fromLatin1(c.name) : given, c.value);
        ++i;
    }
    updating_ = false;
}

// An item counts as selected until text is typed over it.
bool TColorComboBox::itemSelected() const { return currentIndex() >= 0 && !(isEditable() && typed_); }

int TColorComboBox::readColorValue() const {
    if (comboStyle() == DropDownList || itemSelected()) return stored_;
    const QString text = currentText();
    for (int i = 0; i < count(); ++i)
        if (itemText(i) == text) return itemData(i).toInt();
    // A typed number, in decimal or, as the platform writes colours, in
    // hexadecimal after "$" or "0x".
    bool ok = false;
    int value = text.toInt(&ok, 10);
    if (!ok && text.startsWith(QLatin1Char('$'))) value = static_cast<int>(text.mid(1).toUInt(&ok, 16));
    if (!ok && text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = static_cast<int>(text.mid(2).toUInt(&ok, 16));
    return ok ? value : stored_;
}

void TColorComboBox::writeColorValue(int value) {
    if (itemSelected() && value == stored_) return;
    stored_ = value;
    const int found = findData(value);
    updating_ = true;
    typed_ = false;
    if (found >= 0) {
        if (found != currentIndex()) setCurrentIndex(found);
    } else if (comboStyle() == DropDownList) {
        setCurrentIndex(-1);
    } else {
        setCurrentIndex(-1);
        setEditText(colorName(value));
    }
    updating_ = false;
    emit OnChange();
}

void TColorComboBox::onEditTextChanged() {
    if (updating_) return;
    typed_ = true;
    const int value = readColorValue();
    if (value == stored_) return;
    stored_ = value;
    emit OnChange();
}

void TColorComboBox::setColorNames(const QStringList& names) {
    names_ = names;
    const int value = stored_;
    rebuildList();
    updating_ = true;
    setCurrentIndex(findData(value));
    if (currentIndex() < 0 && isEditable()) setEditText(colorName(value));
    updating_ = false;
}

void TColorComboBox::setDisplayNames(bool display) {
    displayNames_ = display;
    update();
    view()->viewport()->update();
}

void TColorComboBox::drawItem(QPainter& painter, const QRect& rect, int index, bool selected) {
    const QPalette& colours = palette();
    painter.fillRect(rect, selected ? colours.color(QPalette::Highlight) : colours.color(QPalette::Base));
    if (index < 0 || index >= count()) return;
    const QRect swatch = swatchRect(rect, displayNames_);
    // The swatch's frame in the window's text colour around the item's colour.
    painter.fillRect(swatch, colours.color(QPalette::WindowText));
    painter.fillRect(swatch.adjusted(1, 1, -1, -1), qtColor(itemData(index).toInt()));
    if (displayNames_) {
        painter.setPen(selected ? colours.color(QPalette::HighlightedText) : colours.color(QPalette::Text));
        const QRect textRect = rect.adjusted(28, 0, 0, 0);
        const Qt::Alignment side = layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft;
        painter.drawText(textRect, int(side | Qt::AlignVCenter | Qt::TextSingleLine), itemText(index));
    }
}
