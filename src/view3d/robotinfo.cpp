#include "view3d/robotinfo.h"

#include <QDomDocument>
#include <QFile>
#include <QtDebug>

namespace {

// The first element of that name among all descendants, in document order;
// a null element when there is none.
QDomElement first(const QDomElement& context, const char* tag)
{
    return context.elementsByTagName(QLatin1String(tag)).item(0).toElement();
}

// Absent attributes and texts that are not numbers read as 0.
RobotInfo::Vector vectorOf(const QDomElement& element)
{
    RobotInfo::Vector v;
    v.x = element.attribute(QStringLiteral("x")).toFloat();
    v.y = element.attribute(QStringLiteral("y")).toFloat();
    v.z = element.attribute(QStringLiteral("z")).toFloat();
    return v;
}

// An "origin" element: its "position" and the axes of its "rotaxis";
// returns the "rotaxis" element.
QDomElement readOrigin(const QDomElement& origin, RobotInfo::Vector& position,
                       RobotInfo::Vector& xvec, RobotInfo::Vector& yvec, RobotInfo::Vector& zvec)
{
    position = vectorOf(first(origin, "position"));
    const QDomElement axes = first(origin, "rotaxis");
    xvec = vectorOf(first(axes, "xvec"));
    yvec = vectorOf(first(axes, "yvec"));
    zvec = vectorOf(first(axes, "zvec"));
    return axes;
}

} // namespace

bool RobotInfo::xmlParser(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qInfo().noquote() << "RobotInfo::xmlParser"
                          << "Error: Can't open " << path;
        return false;
    }
    qInfo().noquote() << "RobotInfo::xmlParser" + QStringLiteral(": Reading ") + path;
    QDomDocument document;
    document.setContent(&file);
    file.close();

    const QDomElement root = document.documentElement();
    typeName = first(root, "rzrobot_type").attribute(QStringLiteral("value"));
    const QDomElement baseAxes =
        readOrigin(first(first(root, "base_link"), "origin"), baseLink.position, baseLink.xvec,
                   baseLink.yvec, baseLink.zvec);
    baseLink.angle = vectorOf(first(baseAxes, "angle"));
    dhOrigin = vectorOf(first(root, "dh_origin"));
    dhOriginEmpty = root.elementsByTagName(QStringLiteral("dh_origin")).isEmpty();
    automakerDhOrigin = vectorOf(first(root, "automaker_dh_origin"));
    automakerDhOriginEmpty =
        root.elementsByTagName(QStringLiteral("automaker_dh_origin")).isEmpty();
    viewOrigin = vectorOf(first(root, "view_origin"));

    const QDomNodeList itemElements = root.elementsByTagName(QStringLiteral("item"));
    qInfo().noquote() << "#Items:" << itemElements.size();
    items.clear();
    for (int i = 0; i < itemElements.size(); ++i)
        items.append(readItem(itemElements.item(i).toElement()));
    return true;
}

RobotInfo::RobotLinkItem RobotInfo::readItem(const QDomElement& element)
{
    RobotLinkItem item;
    item.model = first(element, "model").attribute(QStringLiteral("value"));
    readOrigin(first(element, "origin"), item.position, item.xvec, item.yvec, item.zvec);
    item.homeAngle = vectorOf(first(element, "home_angle"));
    item.typeText = first(element, "rzrobot_type").text();
    return item;
}
