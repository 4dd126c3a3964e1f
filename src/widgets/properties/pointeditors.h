#pragma once

#include <QWidget>

#include <array>

class DoubleSpinBox;

// X, Y and Z of a speed monitoring point in millimetres, each box behind
// its axis letter drawn in the colour of that axis in the 3D view.
class PointEditors : public QWidget
{
    Q_OBJECT

public:
    explicit PointEditors(QWidget* parent = nullptr);

    DoubleSpinBox* box(int axis) const { return m_boxes[std::size_t(axis)]; }
    const std::array<DoubleSpinBox*, 3>& boxes() const { return m_boxes; }

private:
    std::array<DoubleSpinBox*, 3> m_boxes{};
};
