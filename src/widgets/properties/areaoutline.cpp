#include "widgets/properties/areaoutline.h"

#include <cmath>

namespace {

double cross(const QPointF& o, const QPointF& a, const QPointF& b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

int sign(double value)
{
    return (value > 0) - (value < 0);
}

// p lies on the segment ab, given that the three are collinear.
bool within(const QPointF& a, const QPointF& b, const QPointF& p)
{
    return std::min(a.x(), b.x()) <= p.x() && p.x() <= std::max(a.x(), b.x()) &&
           std::min(a.y(), b.y()) <= p.y() && p.y() <= std::max(a.y(), b.y());
}

bool segmentsMeet(const QPointF& a, const QPointF& b, const QPointF& c, const QPointF& d)
{
    const int d1 = sign(cross(c, d, a));
    const int d2 = sign(cross(c, d, b));
    const int d3 = sign(cross(a, b, c));
    const int d4 = sign(cross(a, b, d));
    if (d1 * d2 < 0 && d3 * d4 < 0)
        return true;
    return (d1 == 0 && within(c, d, a)) || (d2 == 0 && within(c, d, b)) ||
           (d3 == 0 && within(a, b, c)) || (d4 == 0 && within(a, b, d));
}

} // namespace

bool AreaOutline::isFinite() const
{
    for (const QPointF& p : m_corners)
        if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
            return false;
    return true;
}

QVector<int> AreaOutline::coincidingCorners() const
{
    QVector<int> found;
    if (m_corners.size() < 2 || !isFinite())
        return found;
    for (int i = 0; i < m_corners.size(); ++i)
        if (corner(i) == corner(i + 1))
            found << i;
    return found;
}

// Repeated corners have their own warning; without them the other checks
// see no edges of length zero.
AreaOutline AreaOutline::withoutRepeats() const
{
    QVector<QPointF> kept;
    const QVector<int> repeats = coincidingCorners();
    for (int i = 0; i < m_corners.size(); ++i)
        if (!repeats.contains(i))
            kept << m_corners[i];
    return AreaOutline(kept);
}

bool AreaOutline::crossesItself() const
{
    if (!isFinite())
        return false;
    const AreaOutline outline = withoutRepeats();
    const int n = outline.m_corners.size();
    if (n < 4)
        return false;
    for (int i = 0; i < n; ++i)
        for (int j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1)
                continue; // the closing edge meets the first one at corner 0
            if (segmentsMeet(outline.corner(i), outline.corner(i + 1), outline.corner(j),
                             outline.corner(j + 1)))
                return true;
        }
    return false;
}

bool AreaOutline::isConvex() const
{
    if (!isFinite() || crossesItself())
        return true;
    const AreaOutline outline = withoutRepeats();
    const int n = outline.m_corners.size();
    int turn = 0;
    for (int i = 0; i < n; ++i) {
        const int s = sign(cross(outline.corner(i), outline.corner(i + 1), outline.corner(i + 2)));
        if (s == 0)
            continue;
        if (turn != 0 && s != turn)
            return false;
        turn = s;
    }
    return true;
}
