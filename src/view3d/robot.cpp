#include "view3d/robot.h"

#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "parameter/parameterimage.h"
#include "parameter/robotframes.h"
#include "view3d/objmeshreader.h"
#include "view3d/robotinfo.h"
#include "view3d/robotmodel.h"
#include "view3d/robotseries.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFileInfo>
#include <QtDebug>

#include <cmath>

namespace {

constexpr int RobotTypeNameOffset = 4; // parameter 101, element 1
constexpr int AxisNoOffset = 824;      // DHPrmAxisNo, i16 per row
constexpr int DOffset = 1124;
constexpr int KOffset = 1324;
constexpr int AOffset = 1524;
constexpr int AlphaOffset = 1724;
constexpr int AxisTypeOffset = 2276; // AxisType, i16 per joint
constexpr int FixedJointOfList5 = 7;

std::array<float, 3> arrayOf(const RobotInfo::Vector& v)
{
    return {v.x, v.y, v.z};
}

QString translated(const char* key)
{
    return QCoreApplication::translate("Robot", key);
}

QString modelPathSetting()
{
    return Setting::instance()->value(QStringLiteral("RobotModelPath"));
}

} // namespace

Robot::Robot(const ParameterImage& image, const RobotFrames& frames, const float* joints)
    : m_image(image), m_frames(frames), m_joints(joints)
{
    m_availableModels = listModelNames();
    const QString name = matchModelName(m_image, m_availableModels);
    qInfo().noquote() << "RobotName:" << name;
    load(name);
}

Robot::Robot(const ParameterImage& image, const RobotFrames& frames, const float* joints,
             const QString& modelName)
    : m_image(image), m_frames(frames), m_joints(joints)
{
    qInfo().noquote() << "RobotName:" << modelName;
    load(modelName);
}

Robot::~Robot()
{
    for (RobotModel* link : m_links)
        delete link;
    for (Model* node : m_nodes)
        delete node;
}

QString Robot::modelNameFor(const ParameterImage& image)
{
    return matchModelName(image, listModelNames());
}

QStringList Robot::listModelNames()
{
    QStringList names;
    const QString folder = modelPathSetting();
    if (!QFileInfo(folder).isDir())
        return names;
    QDirIterator it(folder, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().suffix() == QLatin1String("xml"))
            names << it.fileInfo().baseName();
    }
    return names;
}

QString Robot::matchModelName(const ParameterImage& image, const QStringList& available)
{
    QString candidate = image.textAt(RobotTypeNameOffset);
    const QString configured = Setting::instance()->value(QStringLiteral("RobotTypeName"));
    if (!configured.isEmpty()) {
        qInfo().noquote() << "typeName(config.ini):" << configured;
        candidate = configured;
    }
    candidate.remove(QLatin1Char('/'));

    QString result;
    if (available.contains(candidate)) {
        result = candidate;
    } else {
        qInfo().noquote() << "Exact match to" << candidate << "not found.";
        const int dash = candidate.indexOf(QLatin1Char('-'));
        if (dash >= 0) {
            const QString cut = candidate.left(dash);
            if (available.contains(cut))
                result = cut;
            else
                qWarning().noquote() << "No matching 3D model to" << cut;
        } else {
            qWarning().noquote() << candidate
                                 << "does not contain version number.  No matching 3D model.";
        }
    }
    if (!result.isEmpty())
        qInfo().noquote() << "Robot 3D model:" << result;
    return result;
}

void Robot::load(const QString& name)
{
    m_modelName = name;
    RobotInfo info;
    if (readDescription(name, info)) {
        for (int k = 0; k < NodeCount; ++k) {
            Model* node = new Model;
            node->visible = false;
            m_nodes.push_back(node);
        }
        buildLinks(info);
        buildLinkTree();
    }
}

QString Robot::meshPath(const QString& model) const
{
    // The name comes from a file: it must stay a plain file name.
    if (model.isEmpty() || model.contains(QLatin1Char('/')) || model.contains(QLatin1Char('\\')) ||
        model.startsWith(QLatin1Char('.')))
        return QString();
    return m_meshFolder + QLatin1Char('/') + model;
}

bool Robot::readDescription(const QString& name, RobotInfo& info)
{
    const QString modelPath = modelPathSetting();
    const QString series = name.section(QLatin1Char('-'), 0, 0);
    const QString xmlPath = modelPath + "/" + series + "/setting" + "/" + name + ".xml";
    m_meshFolder = modelPath + "/" + series + "/mesh";

    if (!QFileInfo::exists(xmlPath)) {
        qCritical().noquote() << translated("erro-open-not-xml") + ": File " + xmlPath;
        return false;
    }
    if (!info.xmlParser(xmlPath)) {
        qCritical().noquote() << translated("erro-load-failed-xml") + ": File " + xmlPath;
        return false;
    }
    m_seriesName = info.typeName;
    bool allFound = true;
    for (const RobotInfo::RobotLinkItem& item : qAsConst(info.items)) {
        const QString path = meshPath(item.model);
        if (path.isEmpty() || !QFileInfo::exists(path)) {
            qCritical().noquote() << translated("erro-open-not-obj") + ": File " +
                                         (path.isEmpty() ? item.model : path);
            allFound = false;
        }
    }
    return allFound;
}

void Robot::buildLinks(const RobotInfo& info)
{
    qInfo().noquote() << info.automakerDhOriginEmpty << "robot_automaker_dh_origin_isEmpty";
    qInfo().noquote() << info.dhOriginEmpty << "robot_dh_origin_isEmpty";
    qInfo().noquote() << dhOriginMode << "ZTYDHORIGIN_MODEL";

    const RobotInfo::Vector* origin = nullptr;
    if (dhOriginMode == -1)
        origin = !info.automakerDhOriginEmpty ? &info.automakerDhOrigin
                 : !info.dhOriginEmpty        ? &info.dhOrigin
                                              : nullptr;
    else if (dhOriginMode == 0 || dhOriginMode == 1)
        origin = !info.dhOriginEmpty ? &info.dhOrigin : nullptr;
    // Without an origin link 0 stays at its own position; the program ends
    // after start-up anyway.
    m_unsupported = origin == nullptr;
    const RobotInfo::Vector none;
    const RobotInfo::Vector& offset = origin ? *origin : none;

    int armCounter = 0;
    for (int i = 0; i < info.items.size(); ++i) {
        const RobotInfo::RobotLinkItem& item = info.items.at(i);
        qInfo().noquote() << "Loading item" << i << item.model;
        std::vector<ObjFace> faces;
        std::vector<Model::Point> vertices, normals;
        if (ObjMeshReader::read(meshPath(item.model), faces))
            ObjMeshReader::toArrays(faces, vertices, normals);
        else
            qCritical().noquote() << "Can't Open File.";

        auto* link = new RobotModel(vertices, normals);
        const auto has = [&item](const char* word) {
            return item.model.contains(QLatin1String(word), Qt::CaseInsensitive);
        };
        link->kind = has("SubArm")     ? RobotModel::SubArm
                     : has("Clamp")    ? RobotModel::Clamp
                     : has("Obstacle") ? RobotModel::Obstacle
                                       : RobotModel::Arm;
        link->jointIndex = link->kind == RobotModel::Arm ? armCounter++ : armCounter - 1;

        m_turnAxes.push_back(arrayOf(item.zvec));
        const Matrix4::Matrix home = Matrix4::multiply(
            Matrix4::multiply(Matrix4::rotationAbout(arrayOf(item.xvec), item.homeAngle.x),
                              Matrix4::rotationAbout(arrayOf(item.yvec), item.homeAngle.y)),
            Matrix4::rotationAbout(arrayOf(item.zvec), item.homeAngle.z));
        m_homeOrientations.push_back(home);

        if (i == 0)
            link->components[0] = Matrix4::translation(
                item.position.x - offset.x, item.position.y - offset.y, item.position.z - offset.z);
        else
            link->components[0] =
                Matrix4::translation(item.position.x, item.position.y, item.position.z);
        link->material = Material();
        link->blend = true;
        link->visible = true;
        m_links.push_back(link);
    }
}

void Robot::buildLinkTree()
{
    for (int k = 0; k + 1 < NodeCount; ++k)
        m_nodes[k]->children.push_back(m_nodes[k + 1]);
    if (m_links.empty())
        return;
    m_nodes[NodeCount - 1]->children.push_back(m_links[0]);

    const int list = RobotSeries::treeList(m_seriesName);
    if (list == 8) {
        if (m_links.size() > 5) {
            m_links[4]->jointIndex = 5;
            m_links[5]->jointIndex = 4;
        }
    } else if (list == 5) {
        const int indices[] = {7, 0, 1, 2, 3, 4, 5, 6};
        for (std::size_t i = 0; i < m_links.size() && i < 8; ++i)
            m_links[i]->jointIndex = indices[i];
    }
    for (const auto& pair : RobotSeries::treePairs(RobotSeries::treeOf(list), int(m_links.size())))
        m_links[pair.first]->children.push_back(m_links[pair.second]);

    // Under the default rule link i follows joint i; a linear joint slides
    // its link along the link's axis instead of turning it.
    m_slides.assign(m_links.size(), false);
    if (RobotSeries::poseList(m_seriesName) == 0)
        for (std::size_t i = 1; i < m_links.size() && i <= 18; ++i)
            m_slides[i] = m_image.i16At(AxisTypeOffset + 2 * int(i - 1)) == 1;
}

void Robot::update()
{
    if (m_links.empty())
        return;
    const bool fixedJoint = RobotSeries::inList(m_seriesName, 5);
    for (int k = 0; k < NodeCount; ++k) {
        Model* node = m_nodes[k];
        if (fixedJoint && m_image.i16At(AxisNoOffset + 2 * k) == FixedJointOfList5) {
            node->components[0] = Matrix4::multiply(
                Matrix4::translation(m_image.f32At(AOffset + 4 * k), m_image.f32At(KOffset + 4 * k),
                                     m_image.f32At(DOffset + 4 * k)),
                Matrix4::rotationX(m_image.f32At(AlphaOffset + 4 * k)));
        } else {
            node->components[0] = m_frames.rowTransform(k + 1);
        }
        node->updateMatrix();
    }

    const int list = RobotSeries::poseList(m_seriesName);
    for (std::size_t i = 0; i < m_links.size(); ++i) {
        RobotModel* link = m_links[i];
        const float value = RobotSeries::linkAngle(list, int(i), m_links, m_joints);
        // The trace of the first series list's rule, kept as that rule writes it.
        if (list == 1)
            qInfo() << 1;
        const std::array<float, 3>& axis = m_turnAxes[i];
        Matrix4::Matrix& turn = link->components[2];
        if (m_slides[i]) {
            const float length =
                std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
            const float s = length > 0.0f ? value / length : 0.0f;
            Matrix4::multiplyInto(turn, m_homeOrientations[i],
                                  Matrix4::translation(axis[0] * s, axis[1] * s, axis[2] * s));
        } else {
            Matrix4::multiplyInto(turn, m_homeOrientations[i], Matrix4::rotationAbout(axis, value));
        }
        link->updateMatrix();
    }
}

void Robot::draw(const Matrix4::Matrix& view)
{
    if (m_links.empty())
        return;
    m_nodes[0]->render(view, Matrix4::identity());
}

void Robot::setVisible(bool visible)
{
    for (RobotModel* link : m_links)
        link->visible = visible;
}
