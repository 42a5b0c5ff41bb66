#pragma once

#include <QComboBox>

namespace orbilex {

// A drop-down list as wide as a given number of characters (and an icon),
// whatever its entries: what QComboBox gives with
// AdjustToMinimumContentsLengthWithIcon. Setting that policy builds the
// box's popup list at once; the main window has eleven such boxes, so this
// one computes the same size itself and leaves the popup to its first opening.
class CompactComboBox : public QComboBox
{
public:
    CompactComboBox(int characters, QWidget *parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_characters;
};

} // namespace orbilex
