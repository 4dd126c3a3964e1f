#pragma once

#include "view3d/model.h"
#include "view3d/prismgeometry.h"

#include <memory>

class QOpenGLFunctions_1_1;

// A motion area: a vertical prism over a polygon of 3 to 8 corners between
// a lower and an upper Z, generated anew at every updateMatrix(), with an
// optional outline (points and a line loop) of one vertical edge or ring.
class PrismModel : public Model
{
public:
    using Corner = PrismGeometry::Corner;

    PrismModel();

    void setShape(int cornerCount, float upperZ, float lowerZ, const std::vector<Corner>& corners);
    void setHighlight(int highlight) { this->highlight = highlight; }
    void setEdgesVisible(bool visible) { edgesVisible = visible; }
    void setEdgeMaterial(const Material& material) { edgeMaterial = material; }

    // modelMatrix from the components; the mesh and the outline from the shape.
    void updateMatrix() override;
    // The faces, then the outline when it is visible.
    void draw(const Matrix& view) override;

    std::unique_ptr<PrismGeometry> geometry;
    int cornerCount = 4;
    int highlight = PrismGeometry::BottomRing;
    float upperZ = 100.0f;
    float lowerZ = -100.0f;
    std::vector<Corner> corners;
    bool edgesVisible = false;
    std::vector<Point> edgeVertices;
    Material edgeMaterial;

private:
    void drawEdges(QOpenGLFunctions_1_1& gl, const Matrix& view, GLenum mode);
};
