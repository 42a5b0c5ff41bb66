#include "ui/compactcombobox.h"

#include <QStyle>
#include <QStyleOptionComboBox>

#include <cmath>

namespace orbilex {

CompactComboBox::CompactComboBox(int characters, QWidget *parent)
    : QComboBox(parent)
    , m_characters(characters)
{
}

QSize CompactComboBox::sizeHint() const
{
    // The contents as QComboBox measures them for that policy, then the
    // style's frame and arrow around them.
    const QFontMetrics fm = fontMetrics();
    const QSize icon = iconSize();
    const int width = m_characters * fm.horizontalAdvance(QLatin1Char('X')) + icon.width() + 4;
    int height = qMax(int(std::ceil(QFontMetricsF(fm).height())), 14) + 2;
    height = qMax(height, icon.height() + 2);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(width, height), this);
}

QSize CompactComboBox::minimumSizeHint() const
{
    return sizeHint();
}

} // namespace orbilex
