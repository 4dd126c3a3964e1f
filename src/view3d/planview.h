#pragma once

#include "view3d/safetyshapeplan.h"

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPolygonF>
#include <QSize>
#include <QString>
#include <QVector>

#include <vector>

class Parameter;
class ParameterImage;
class QPainter;
class QRectF;

// The plan of a parameter set seen from above, as a vector drawing that
// needs neither a display nor OpenGL, so that it prints sharp at any zoom
// wherever a report is made: the robot in its home pose (the outline of
// each link's mesh, and its kinematic chain), every enabled motion area's
// outline in its permitted or forbidden colour with its Z range, the
// enabled arm models (of the set the image selects) and the enabled tool
// models of tool 1 as their outlines from above, the axes with "+X" and
// "+Y", a scale bar in millimetres and a legend. Turned as the 3D view's XY
// plane shows it (+X to the left, +Y downwards), so that paper and screen
// agree. Uses a private store: the view on screen and its display flags
// stay as they are.
class PlanView
{
    Q_DECLARE_TR_FUNCTIONS(PlanView)

public:
    explicit PlanView(const ParameterImage& image);

    // The drawing's height for a width: the plan square and the legend
    // below it, whose texts are set in font's family.
    double heightFor(double width, const QFont& font = QFont()) const;
    // Draws into target (any paint device: a PDF page, a picture).
    void paint(QPainter& painter, const QRectF& target) const;

    // The drawing on white, width x heightFor(width) at most.
    static QImage render(const ParameterImage& image, const QSize& size);

    // Half the width of the plan square, in millimetres.
    double extent() const { return m_extent; }

private:
    struct Area
    {
        int number = 0; // 1..16
        bool permitted = false;
        bool drawn = false; // false: corners or Z range unusable
        QPolygonF corners;
        float lower = 0.0f;
        float upper = 0.0f;
    };
    // What a legend entry shows, and what a drawn model is.
    enum class Swatch
    {
        None,
        Robot,
        Permitted,
        Forbidden,
        MakerArm,
        UserArm,
        Tool,
    };
    // A model as seen from above, in millimetres: a capsule (a sphere when
    // its ends meet) or the outline of a cuboid.
    struct Shape
    {
        Swatch kind = Swatch::None; // MakerArm, UserArm or Tool
        bool capsule = false;
        QPointF from;
        QPointF to;
        double radius = 0.0;
        QPolygonF outline;
    };
    struct LegendEntry
    {
        Swatch swatch;
        QString text;
    };

    void addRobot(const Parameter& store, const float* joints);
    // False where the item's numbers give no drawable shape.
    bool addShape(const SafetyShapePlan::Item& item, Swatch kind);
    static QColor swatchColour(Swatch swatch);
    QVector<LegendEntry> legend() const;
    // Whether the legend's texts fit in two columns.
    bool twoLegendColumns(const QFont& font) const;

    std::vector<QPolygonF> m_links; // outlines from above, lowest link first
    QPolygonF m_chain;              // base, link frames, tool 1's centre point
    std::vector<Area> m_areas;      // every enabled area
    std::vector<Shape> m_shapes;
    std::vector<int> m_undrawnArmModels;  // enabled, numbered from 1
    std::vector<int> m_undrawnToolModels; // of tool 1, numbered from 1
    bool m_userArmModels = false;         // the image selects the user arm models
    double m_extent = 500.0;
};
