#include "view3d/rectangularmodel.h"

#include "view3d/objmeshreader.h"

RectangularModel::RectangularModel()
{
    loadMonitoringMesh(QStringLiteral("rounded-corner-rectangular.obj"), vertices, normals);
}
