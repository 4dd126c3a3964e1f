#pragma once

#include <QImage>
#include <QSize>

class ParameterImage;

// The 3D view's XY preset of a parameter set, drawn without a window into
// an off-screen frame buffer: the robot in its home pose, the floor grid,
// and the enabled arm models (of the set the image selects), the enabled
// tool models of tool 1, the enabled motion areas and tool orientation
// cones, under a parallel projection so that lengths compare across the
// plan. Uses a private store and camera: the view on screen and its
// display flags stay as they are.
class PlanView
{
public:
    // A null image when no OpenGL context or frame buffer can be made
    // (no display, or a platform without OpenGL).
    static QImage render(const ParameterImage& image, const QSize& size);
};
