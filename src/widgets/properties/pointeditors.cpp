#include "widgets/properties/pointeditors.h"

#include <QGridLayout>
#include <QLabel>

#include "widgets/doublespinbox.h"
#include "widgets/polishstyle.h"

PointEditors::PointEditors(QWidget* parent) : QWidget(parent)
{
    static const char* const names[] = {"X", "Y", "Z"};
    static const char* const colours[] = {"ff0000", "00ff00", "6060ff"};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 0, 8, 0);
    for (int axis = 0; axis < 3; ++axis) {
        auto* label = new QLabel(QLatin1String(names[axis]));
        PolishStyle::set(label, QStringLiteral("color:#%1").arg(QLatin1String(colours[axis])));
        auto* box = new DoubleSpinBox(-10000, 10000);
        box->setSuffix(QStringLiteral(" mm"));
        grid->addWidget(label, axis, 0, Qt::AlignRight);
        grid->addWidget(box, axis, 1, Qt::AlignLeft);
        m_boxes[std::size_t(axis)] = box;
    }
}
