#pragma once

#include <QString>
#include <QVector>

class QDomElement;

// The in-memory form of one robot description file (XML): the robot
// series, the offsets of the kinematic origin under two conventions, and
// the links in order with their mesh, mounting position, rotation axes and
// home angles.
class RobotInfo
{
public:
    struct Vector
    {
        float x = 0.0f, y = 0.0f, z = 0.0f;
    };

    struct BaseLink
    {
        Vector position, xvec, yvec, zvec, angle;
    };

    struct RobotLinkItem
    {
        QString model; // mesh file name
        Vector position;
        Vector xvec, yvec, zvec; // rotation axes, not necessarily unit length
        Vector homeAngle;        // degrees about xvec, yvec, zvec
        QString typeText;
    };

    // False only when the file cannot be opened (the record is then
    // unchanged). Malformed XML reads as an empty document: no type, no
    // items, both origins empty.
    bool xmlParser(const QString& path);

    bool dhOriginEmpty = true;
    bool automakerDhOriginEmpty = true;
    QString typeName;
    BaseLink baseLink;
    Vector dhOrigin;
    Vector automakerDhOrigin;
    Vector viewOrigin;
    QVector<RobotLinkItem> items;

private:
    static RobotLinkItem readItem(const QDomElement& item);
};
