#include "view3d/planview.h"

#include "io/mirelrzshmrz2ifsafmmon.h"
#include "parameter/parameter.h"
#include "parameter/parameterlayout.h"
#include "view3d/areamonitorview.h"
#include "view3d/robot.h"
#include "view3d/robotmodel.h"
#include "view3d/safetyshapeplan.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <limits>
#include <unordered_map>

namespace {

using Matrix = Matrix4::Matrix;

constexpr int FirstToolFrame = 51;
// The farthest an area's corner may lie (its limits): the plan reaches
// that far with a margin, so that every drawn outline is on it. Farther
// points, and model radii beyond it, are odd values that are not drawn
// (which also keeps every number the PDF holds small).
constexpr double MaxCoordinate = 100000.0;
constexpr double MaxExtent = 1.1 * MaxCoordinate;

const QColor permittedColour(20, 100, 210);
const QColor forbiddenColour(210, 30, 40);
const QColor makerArmColour(20, 140, 60);
const QColor userArmColour(120, 60, 190);
const QColor toolColour(220, 120, 0);
const QColor robotFill(205, 205, 205);
const QColor robotLine(90, 90, 90);
const QColor gridColour(225, 225, 225);
const QColor majorGridColour(190, 190, 190);

// A point the plan can place: finite and within its reach.
bool usablePoint(const QPointF& p)
{
    return std::fabs(p.x()) <= MaxCoordinate && std::fabs(p.y()) <= MaxCoordinate;
}

QPointF planPoint(const Matrix& m, const Matrix4::Vector& p)
{
    const Matrix4::Vector placed = Matrix4::transformPoint(m, p);
    return QPointF(double(placed[0]), double(placed[1]));
}

double cross(const QPointF& o, const QPointF& a, const QPointF& b)
{
    return (a.x() - o.x()) * (b.y() - o.y()) - (a.y() - o.y()) * (b.x() - o.x());
}

// The outline of points seen from above (monotone chain).
QPolygonF convexHull(std::vector<QPointF> points)
{
    points.erase(std::remove_if(points.begin(), points.end(),
                                [](const QPointF& p) { return !usablePoint(p); }),
                 points.end());
    std::sort(points.begin(), points.end(), [](const QPointF& a, const QPointF& b) {
        return a.x() < b.x() || (a.x() == b.x() && a.y() < b.y());
    });
    if (points.size() < 3)
        return QPolygonF(QVector<QPointF>(points.begin(), points.end()));
    std::vector<QPointF> hull(2 * points.size());
    size_t k = 0;
    for (const QPointF& p : points) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p) <= 0)
            --k;
        hull[k++] = p;
    }
    for (size_t i = points.size() - 1, lower = k + 1; i-- > 0;) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    hull.resize(k - 1);
    return QPolygonF(QVector<QPointF>(hull.begin(), hull.end()));
}

// A capsule from a to b (a sphere when they meet) seen from above.
QPainterPath capsuleOutline(const QPointF& a, const QPointF& b, double radius)
{
    QPainterPath path;
    if (!(radius > 0.0))
        radius = 0.0;
    if (QLineF(a, b).length() < 1e-3) {
        path.addEllipse(a, radius, radius);
        return path;
    }
    QPainterPath line(a);
    line.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(2.0 * radius);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line).simplified();
}

// Every node's placement: the view's matrices, multiplied down the tree
// without drawing (and so without touching any OpenGL context).
void placeTree(const Model* model, const Matrix& parent,
               std::unordered_map<const Model*, Matrix>& placed)
{
    const Matrix here = Matrix4::multiply(parent, model->modelMatrix);
    placed[model] = here;
    for (const Model* child : model->children)
        placeTree(child, here, placed);
}

// Diagonal lines inside polygon, as far as it lies in the plan.
void hatch(QPainter& painter, const QPolygonF& polygon, const QRectF& plan, double spacing)
{
    const QRectF box = polygon.boundingRect() & plan;
    if (box.isEmpty())
        return;
    painter.save();
    QPainterPath inside;
    inside.addPolygon(polygon);
    painter.setClipPath(inside, Qt::IntersectClip);
    for (double d = -box.height(); d < box.width(); d += spacing)
        painter.drawLine(QPointF(box.left() + d, box.bottom()),
                         QPointF(box.left() + d + box.height(), box.top()));
    painter.restore();
}

// The largest of 1, 2, 5 times a power of ten not above limit.
double roundLength(double limit)
{
    double best = 1.0;
    for (double power = 1.0; power <= limit; power *= 10.0)
        for (const double step : {1.0, 2.0, 5.0})
            if (step * power <= limit)
                best = step * power;
    return best;
}

// The grid's steps: the finer one a round length that keeps some 50
// lines at most across the plan, so that they stay apart on paper (100 mm
// up to a plan 5 m across); a heavier line every metre, or every 10 m
// where the finer lines are a metre apart or more.
std::pair<double, double> gridSteps(double extent)
{
    double minor = 100.0;
    for (const double step : {100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0}) {
        minor = step;
        if (2.0 * extent / step <= 50.0)
            break;
    }
    return {minor, minor < 1000.0 ? 1000.0 : 10000.0};
}

QString numberText(float value)
{
    return QString::number(double(value), 'g', 7);
}

} // namespace

PlanView::PlanView(const ParameterImage& image)
{
    Parameter store;
    store.editImage() = image;
    float joints[Parameter::JointCount] = {};
    store.m_robotFrames.update(store.editImage(), joints);
    addRobot(store, joints);

    // The display flags as the panels set them to show every enabled
    // element: the arm models of the selected set and the areas first,
    // then tool 1's models alone, so that the two kinds of model are told
    // apart by the plan they come from.
    const FieldDef* spec = ParameterLayout::findByName(QStringLiteral("ArmModelSpec"));
    store.m_armModelSet = spec && store.editImage().i16(*spec) == 1 ? 1 : 0;
    store.m_selectedTool = 0;
    store.markValidArmAndAreaModels(true);
    // Any value but 0 enables an area or a tool model, as the area and tool
    // model pages show it (an odd value is marked there, not left out).
    const auto enabled = [&store](const char* name, int row, int column) {
        const FieldDef* field = ParameterLayout::findByName(QLatin1String(name));
        return field && store.editImage().i16(*field, row, column) != 0;
    };
    for (int i = 0; i < Parameter::AreaCount; ++i)
        store.m_areaModelFlags[i] = enabled("MoveAreaValid", 0, i);
    for (int i = 0; i < Parameter::AreaCount; ++i) {
        if (store.m_areaModelFlags[i] == 0)
            continue;
        Area area;
        area.number = i + 1;
        m_areas.push_back(area);
    }
    m_userArmModels = store.m_armModelSet != 0;
    const Swatch armKind = m_userArmModels ? Swatch::UserArm : Swatch::MakerArm;
    // Enabled models that give no outline are named in the legend.
    const auto undrawn = [](const quint8* flags, const std::vector<bool>& drawn) {
        std::vector<int> numbers;
        for (int k = 0; k < Parameter::ModelsPerSet; ++k)
            if (flags[k] != 0 && !drawn[size_t(k)])
                numbers.push_back(k + 1);
        return numbers;
    };
    const auto addModel = [this](const SafetyShapePlan::Item& item, Swatch kind,
                                 std::vector<bool>& drawn) {
        if (item.index >= 0 && item.index < int(drawn.size()) && addShape(item, kind))
            drawn[size_t(item.index)] = true;
    };
    std::vector<bool> drawnArmModels(Parameter::ModelsPerSet, false);
    SafetyShapePlan plan;
    plan.build(store, store.m_robotFrames, 0, AreaMonitorView(), MirelRzShmRz2IfSafmMon{});
    for (const SafetyShapePlan::Item& item : plan.items()) {
        if (item.shape != SafetyShapePlan::Shape::Prism) {
            addModel(item, armKind, drawnArmModels);
            continue;
        }
        for (Area& area : m_areas) {
            if (area.number != item.index + 1)
                continue;
            area.permitted = item.colour == SafetyShapePlan::Colour::Blue;
            area.lower = item.lowerZ;
            area.upper = item.upperZ;
            for (int k = 0; k < item.cornerCount; ++k)
                area.corners << QPointF(double(item.corners[size_t(k)][0]),
                                        double(item.corners[size_t(k)][1]));
            area.drawn = std::all_of(area.corners.begin(), area.corners.end(), usablePoint);
        }
    }
    m_undrawnArmModels = undrawn(store.m_armModelFlags[store.m_armModelSet], drawnArmModels);
    store.markValidArmAndAreaModels(false);
    for (int k = 0; k < Parameter::ModelsPerSet; ++k)
        store.m_toolModelFlags[0][k] = enabled("ToolModelValid", 0, k);
    std::vector<bool> drawnToolModels(Parameter::ModelsPerSet, false);
    plan.build(store, store.m_robotFrames, 0, AreaMonitorView(), MirelRzShmRz2IfSafmMon{});
    for (const SafetyShapePlan::Item& item : plan.items())
        addModel(item, Swatch::Tool, drawnToolModels);
    m_undrawnToolModels = undrawn(store.m_toolModelFlags[0], drawnToolModels);

    // Everything drawn fits in, with a margin; at least a metre is shown.
    double extent = 500.0;
    const auto include = [&extent](const QRectF& box) {
        if (usablePoint(box.topLeft()) && usablePoint(box.bottomRight()))
            extent = std::max({extent, std::fabs(box.left()), std::fabs(box.right()),
                               std::fabs(box.top()), std::fabs(box.bottom())});
    };
    for (const QPolygonF& link : m_links)
        include(link.boundingRect());
    include(m_chain.boundingRect());
    for (const Area& area : m_areas)
        include(area.corners.boundingRect());
    for (const Shape& shape : m_shapes)
        include(shape.capsule
                    ? QRectF(shape.from, shape.to)
                          .normalized()
                          .adjusted(-shape.radius, -shape.radius, shape.radius, shape.radius)
                    : shape.outline.boundingRect());
    m_extent = std::min(extent * 1.1, MaxExtent);
}

void PlanView::addRobot(const Parameter& store, const float* joints)
{
    const RobotFrames& frames = store.m_robotFrames;
    m_chain << QPointF(0.0, 0.0);
    for (const Matrix& frame : frames.linkFrames)
        m_chain << QPointF(double(frame[12]), double(frame[13]));
    if (frames.lastLinkFrame()) {
        const Matrix& tcp = frames.frame(FirstToolFrame);
        m_chain << QPointF(double(tcp[12]), double(tcp[13]));
    }
    if (std::any_of(m_chain.begin(), m_chain.end(),
                    [](const QPointF& p) { return !usablePoint(p); }))
        m_chain.clear();

    // A set whose robot type names no model has none to look for (the
    // chain alone stands for the robot).
    const QString modelName = Robot::modelNameFor(store.editImage());
    if (modelName.isEmpty())
        return;
    Robot robot(store.editImage(), frames, joints, modelName);
    robot.update();
    if (robot.nodes().empty() || robot.links().empty())
        return;
    std::unordered_map<const Model*, Matrix> placed;
    placeTree(robot.nodes().front(), Matrix4::identity(), placed);
    // From above the higher link hides the lower one: drawn last.
    std::vector<std::pair<float, QPolygonF>> links;
    for (const RobotModel* link : robot.links()) {
        const auto at = placed.find(link);
        if (at == placed.end() || link->vertices.empty())
            continue;
        std::vector<QPointF> points;
        points.reserve(link->vertices.size());
        float top = -std::numeric_limits<float>::infinity();
        for (const Model::Point& vertex : link->vertices) {
            const Matrix4::Vector p = Matrix4::transformPoint(at->second, vertex);
            points.emplace_back(double(p[0]), double(p[1]));
            if (std::isfinite(p[2]))
                top = std::max(top, p[2]);
        }
        QPolygonF outline = convexHull(std::move(points));
        if (outline.size() >= 3)
            links.emplace_back(top, outline);
    }
    std::stable_sort(links.begin(), links.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (auto& link : links)
        m_links.push_back(link.second);
}

bool PlanView::addShape(const SafetyShapePlan::Item& item, Swatch kind)
{
    Shape shape;
    shape.kind = kind;
    if (item.shape == SafetyShapePlan::Shape::Capsule) {
        shape.capsule = true;
        shape.from = planPoint(item.parent, {0.0f, 0.0f, 0.0f});
        shape.to = planPoint(item.parent, {-item.length, 0.0f, 0.0f});
        shape.radius = std::max(0.0, double(item.radius));
        if (!usablePoint(shape.from) || !usablePoint(shape.to) || !std::isfinite(item.radius) ||
            shape.radius > MaxCoordinate)
            return false;
    } else if (item.shape == SafetyShapePlan::Shape::Cuboid) {
        // The cuboid mesh spans -1 to 1 on every axis before its scale.
        const Matrix box =
            Matrix4::multiply(Matrix4::multiply(item.parent, item.rotation), item.scale);
        std::vector<QPointF> corners;
        for (const float x : {-1.0f, 1.0f})
            for (const float y : {-1.0f, 1.0f})
                for (const float z : {-1.0f, 1.0f})
                    corners.push_back(planPoint(box, {x, y, z}));
        if (!std::all_of(corners.begin(), corners.end(), usablePoint))
            return false;
        shape.outline = convexHull(corners);
        if (shape.outline.size() < 3)
            return false;
    } else {
        return false;
    }
    m_shapes.push_back(shape);
    return true;
}

QVector<PlanView::LegendEntry> PlanView::legend() const
{
    QVector<LegendEntry> entries;
    entries.append({Swatch::Robot, tr("Robot in its home pose (all joints at 0)")});
    entries.append({Swatch::Permitted, tr("Permitted area")});
    entries.append({Swatch::Forbidden, tr("Forbidden area")});
    if (m_userArmModels)
        entries.append({Swatch::UserArm, tr("Arm model, user setting")});
    else
        entries.append({Swatch::MakerArm, tr("Arm model, maker setting")});
    entries.append({Swatch::Tool, tr("Tool model of tool 1")});
    for (const Area& area : m_areas) {
        if (!area.drawn)
            entries.append(
                {Swatch::None, tr("Area %1: enabled, not drawn (its vertices or Z limits are "
                                  "not usable)")
                                   .arg(area.number)});
        else
            entries.append({area.permitted ? Swatch::Permitted : Swatch::Forbidden,
                            (area.permitted ? tr("Area %1: permitted, Z %2 to %3 mm")
                                            : tr("Area %1: forbidden, Z %2 to %3 mm"))
                                .arg(area.number)
                                .arg(numberText(area.lower), numberText(area.upper))});
    }
    if (m_areas.empty())
        entries.append({Swatch::None, tr("No motion area is enabled.")});
    for (const int number : m_undrawnArmModels)
        entries.append(
            {Swatch::None,
             tr("Arm model %1: enabled, not drawn (its values are not usable)").arg(number)});
    for (const int number : m_undrawnToolModels)
        entries.append(
            {Swatch::None,
             tr("Tool model %1 of tool 1: enabled, not drawn (its values are not usable)")
                 .arg(number)});
    entries.append({Swatch::None, tr("Grid lines every %1 mm, heavier every %2 mm.")
                                      .arg(gridSteps(m_extent).first)
                                      .arg(gridSteps(m_extent).second)});
    return entries;
}

namespace {

// Sizes in parts of the drawing's width, so that it reads the same on a
// page and in a small picture.
constexpr double LegendRowHeight = 0.026;
constexpr double FontHeight = 0.019;
constexpr double LineWidth = 0.0018;
constexpr double ThinLineWidth = 0.0008;

} // namespace

bool PlanView::twoLegendColumns(const QFont& font) const
{
    // Measured at a reference width: the sizes scale with the drawing.
    constexpr double width = 1000.0;
    QFont sized = font;
    sized.setPixelSize(int(std::lround(width * FontHeight)));
    const QFontMetricsF metrics(sized);
    const double room = width / 2.0 - width * LegendRowHeight * 0.6 * 2.0;
    const QVector<LegendEntry> entries = legend();
    return std::all_of(entries.begin(), entries.end(), [&](const LegendEntry& entry) {
        return metrics.horizontalAdvance(entry.text) <= room;
    });
}

double PlanView::heightFor(double width, const QFont& font) const
{
    const int count = legend().size();
    const int rows = twoLegendColumns(font) ? (count + 1) / 2 : count;
    return width * (1.0 + 0.01 + LegendRowHeight * (rows + 1));
}

void PlanView::paint(QPainter& painter, const QRectF& target) const
{
    const double width = std::min(target.width(), target.height() / heightFor(1.0, painter.font()));
    if (!(width > 0.0))
        return;
    const bool twoColumns = twoLegendColumns(painter.font());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // Centred across a wider target, the legend below it.
    const QRectF square(target.left() + (target.width() - width) / 2.0, target.top(), width, width);
    const double scale = width / (2.0 * m_extent);
    // As the 3D view's XY plane: +X to the left, +Y downwards.
    QTransform toPage;
    toPage.translate(square.center().x(), square.center().y());
    toPage.scale(-scale, scale);
    const auto pen = [width](const QColor& colour, double part) {
        QPen p(colour, width * part);
        p.setJoinStyle(Qt::RoundJoin);
        p.setCapStyle(Qt::RoundCap);
        return p;
    };
    QFont font = painter.font();
    font.setPixelSize(std::max(1, int(std::lround(width * FontHeight))));
    painter.setFont(font);
    const double textHeight = QFontMetricsF(font).height();

    painter.save();
    painter.setClipRect(square);
    painter.fillRect(square, Qt::white);
    const auto [minor, major] = gridSteps(m_extent);
    for (const double step : {minor, major}) {
        painter.setPen(pen(step == minor ? gridColour : majorGridColour, ThinLineWidth));
        const int lines = int(std::floor(m_extent / step));
        for (int k = -lines; k <= lines; ++k) {
            painter.drawLine(toPage.map(QLineF(k * step, -m_extent, k * step, m_extent)));
            painter.drawLine(toPage.map(QLineF(-m_extent, k * step, m_extent, k * step)));
        }
    }
    // Forbidden areas over permitted ones, hatched so that they read as
    // such inside a permitted area and in grey print.
    for (const bool permitted : {true, false}) {
        for (const Area& area : m_areas) {
            if (!area.drawn || area.permitted != permitted)
                continue;
            const QColor colour = permitted ? permittedColour : forbiddenColour;
            QColor fill = colour;
            fill.setAlpha(70);
            painter.setPen(pen(colour, LineWidth));
            painter.setBrush(fill);
            const QPolygonF outline = toPage.map(area.corners);
            painter.drawPolygon(outline);
            if (!permitted)
                hatch(painter, outline, square, width * 0.012);
        }
    }
    // The axes through the robot's base.
    painter.setPen(pen(Qt::black, ThinLineWidth * 1.5));
    painter.drawLine(toPage.map(QLineF(-m_extent, 0.0, m_extent, 0.0)));
    painter.drawLine(toPage.map(QLineF(0.0, -m_extent, 0.0, m_extent)));
    painter.setPen(pen(robotLine, ThinLineWidth));
    painter.setBrush(robotFill);
    for (const QPolygonF& link : m_links)
        painter.drawPolygon(toPage.map(link));
    if (!m_chain.isEmpty()) {
        painter.setPen(pen(Qt::black, LineWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(toPage.map(m_chain));
        painter.setBrush(Qt::black);
        for (const QPointF& joint : m_chain)
            painter.drawEllipse(toPage.map(joint), width * 0.004, width * 0.004);
    }
    for (const Shape& shape : m_shapes) {
        QPainterPath outline;
        if (shape.capsule) {
            outline = capsuleOutline(shape.from, shape.to, shape.radius);
        } else {
            outline.addPolygon(shape.outline);
            outline.closeSubpath();
        }
        const QColor colour = swatchColour(shape.kind);
        QColor fill = colour;
        fill.setAlpha(60);
        painter.setPen(pen(colour, LineWidth));
        painter.setBrush(fill);
        painter.drawPath(toPage.map(outline));
    }
    // The scale bar, bottom left: a round length up to a quarter of the
    // plan.
    const double barLength = roundLength(m_extent * 0.5);
    const QPointF barStart(square.left() + width * 0.04, square.bottom() - width * 0.04);
    const QPointF barEnd = barStart + QPointF(barLength * scale, 0.0);
    const QString barText = tr("%1 mm").arg(barLength);
    const QRectF barLabel(barStart.x(), barStart.y() - width * 0.012 - textHeight * 1.1,
                          barEnd.x() - barStart.x(), textHeight);
    // Each area's number inside its outline, near its first corner (the
    // middle of an area around the robot lies under the robot), moved
    // towards its middle off the numbers of areas that start at the same
    // place and off the scale bar.
    std::vector<QRectF> labels{QRectF(barLabel.topLeft(), barEnd)};
    for (const Area& area : m_areas) {
        if (!area.drawn || area.corners.isEmpty())
            continue;
        QPointF middle;
        for (const QPointF& corner : area.corners)
            middle += corner;
        middle /= double(area.corners.size());
        const QPointF centre = area.corners.front() + (middle - area.corners.front()) * 0.1;
        const QString number = QString::number(area.number);
        QRectF label(
            QPointF(),
            QSizeF(QFontMetricsF(font).horizontalAdvance(number) + textHeight * 0.4, textHeight));
        label.moveCenter(toPage.map(centre));
        const double step = toPage.map(middle).y() < label.center().y() ? -textHeight : textHeight;
        for (int tries = 0; tries <= Parameter::AreaCount; ++tries) {
            const auto overlaps = [&label](const QRectF& other) { return other.intersects(label); };
            if (std::none_of(labels.begin(), labels.end(), overlaps))
                break;
            label.translate(0.0, step);
        }
        labels.push_back(label);
        // On paper, over the hatching.
        painter.setPen(pen(area.permitted ? permittedColour : forbiddenColour, ThinLineWidth));
        painter.setBrush(Qt::white);
        painter.drawRect(label);
        painter.drawText(label, Qt::AlignCenter, number);
    }
    // "+X" and "+Y" near the positive ends of the axes.
    painter.setPen(Qt::black);
    QFont bold = font;
    bold.setBold(true);
    painter.setFont(bold);
    const QPointF xEnd = toPage.map(QPointF(m_extent, 0.0));
    const QPointF yEnd = toPage.map(QPointF(0.0, m_extent));
    painter.drawText(QRectF(xEnd.x() + textHeight * 0.2, xEnd.y() - textHeight * 1.1,
                            textHeight * 2, textHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("+X"));
    painter.drawText(QRectF(yEnd.x() + textHeight * 0.3, yEnd.y() - textHeight * 1.1,
                            textHeight * 2, textHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("+Y"));
    painter.setFont(font);
    // The scale bar, its label on paper over whatever lies below.
    painter.setPen(pen(Qt::black, LineWidth * 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(barStart, barEnd);
    for (const QPointF& end : {barStart, barEnd})
        painter.drawLine(end, end - QPointF(0.0, width * 0.012));
    const double barTextWidth = QFontMetricsF(font).horizontalAdvance(barText) + textHeight * 0.4;
    painter.fillRect(QRectF(barLabel.center().x() - barTextWidth / 2.0, barLabel.top(),
                            barTextWidth, barLabel.height()),
                     Qt::white);
    painter.drawText(barLabel, Qt::AlignCenter, barText);
    painter.restore();

    painter.setPen(pen(Qt::black, ThinLineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square);

    // The legend below the plan, in two columns read downwards where every
    // text fits in half the width, else in one.
    const QVector<LegendEntry> entries = legend();
    const int rows = twoColumns ? (entries.size() + 1) / 2 : entries.size();
    const double columnWidth = twoColumns ? width / 2.0 : width;
    const double rowHeight = width * LegendRowHeight;
    const double top = square.bottom() + width * 0.01;
    const double swatch = rowHeight * 0.6;
    for (int i = 0; i < entries.size(); ++i) {
        const QPointF at(square.left() + (i / rows) * columnWidth, top + (i % rows) * rowHeight);
        const LegendEntry& entry = entries[i];
        const QRectF box(at + QPointF(0.0, (rowHeight - swatch) / 2.0), QSizeF(swatch, swatch));
        const QColor colour = swatchColour(entry.swatch);
        if (colour.isValid()) {
            QColor fill = entry.swatch == Swatch::Robot ? robotFill : colour;
            if (entry.swatch != Swatch::Robot)
                fill.setAlpha(60);
            painter.setPen(pen(colour, LineWidth));
            painter.setBrush(fill);
            painter.drawRect(box);
            if (entry.swatch == Swatch::Forbidden)
                hatch(painter, QPolygonF(box), box, box.width() / 3.0);
        }
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(at.x() + swatch * 1.6, at.y(), columnWidth - swatch * 2.0, rowHeight),
            Qt::AlignLeft | Qt::AlignVCenter, entry.text);
    }
    painter.restore();
}

QColor PlanView::swatchColour(Swatch swatch)
{
    switch (swatch) {
    case Swatch::Robot:
        return robotLine;
    case Swatch::Permitted:
        return permittedColour;
    case Swatch::Forbidden:
        return forbiddenColour;
    case Swatch::MakerArm:
        return makerArmColour;
    case Swatch::UserArm:
        return userArmColour;
    case Swatch::Tool:
        return toolColour;
    case Swatch::None:
        break;
    }
    return QColor();
}

QImage PlanView::render(const ParameterImage& image, const QSize& size)
{
    if (size.isEmpty())
        return QImage();
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PlanView(image).paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return picture;
}
