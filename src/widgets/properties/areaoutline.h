#pragma once

#include <QPointF>
#include <QVector>

// Checks of a motion area's outline (its corners in order) that the unit
// does not need but a user wants to know about. Corners holding NaN or an
// infinity take part in no check.
class AreaOutline
{
public:
    explicit AreaOutline(QVector<QPointF> corners) : m_corners(std::move(corners)) {}

    // The first corner of each pair of consecutive corners (the last and
    // the first included) that lie on one another, by index.
    QVector<int> coincidingCorners() const;
    // Two edges that are not neighbours meet.
    bool crossesItself() const;
    // The corners turn both ways round the outline. An outline that
    // crosses itself counts as convex here: it has its own warning.
    bool isConvex() const;

private:
    bool isFinite() const;
    AreaOutline withoutRepeats() const;
    const QPointF& corner(int i) const { return m_corners[i % m_corners.size()]; }

    QVector<QPointF> m_corners;
};
