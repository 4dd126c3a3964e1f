#include "parameter/parameter.h"

#include "parameter/logicsignaldef.h"

#include "parameter/parameterlayout.h"
#include "parameter/scenesection.h"
#include "parameter/valuevalidator.h"

#include <QDebug>

#include <algorithm>
#include <cstring>
#include <iterator>

QStringList Parameter::deviceNames;
QStringList Parameter::jointLabels;

namespace {

Parameter* s_instance = nullptr;

constexpr int DeviceNameCount = 20;

// Parameter numbers of the fields the store reads.
enum FieldNo
{
    Assignment = 103,
    DHPrmAxisNo = 105,
    AxisType = 128,
    ArmModelSpec = 3109,
    MkrArmModelCoordinateNo = 3110,
    MkrArmModelKind = 3111,
    UsrArmModelCoordinateNo = 3119,
    UsrArmModelKind = 3120,
    ToolModelValid = 3128,
    ToolModelKind = 3129,
    MoveAreaValid = 3143,
    MoveAreaMoveValid = 3144,
    ToolOrientValid = 3401,
    ToolOrientRngValid = 3402,
};

// A field of the image by its parameter number. The table is fixed, so a
// missing number is a build fault; the empty shape then makes every access
// read 0 and write nothing rather than crash.
const FieldDef& field(int no)
{
    static const FieldDef none{0, "", ValueType::I16, 0, 0, 0, 0, 0, ParamClass::User};
    const FieldDef* def = ParameterLayout::findByNo(no);
    return def ? *def : none;
}

// The logical operation table and the signal assignments. The logic editor
// writes them straight into the applied image, so the edit image's copy is
// never the newer one.
constexpr int LogicTableBegin = 62252; // LogicalOperatDetails
constexpr int LogicTableEnd = 65448;   // end of SignalAssigNetworkOut

const int UpdateTimeOffsets[] = {
    ParameterLayout::WholeUpdateTimeOffset, ParameterLayout::SystemUpdateTimeOffset,
    ParameterLayout::MonitorUpdateTimeOffset, ParameterLayout::SignalUpdateTimeOffset};

// Model kinds and their weights per area class (0: MoveAreaMoveValid 0,
// 1: non-zero).
constexpr int KindCount = 3; // sphere, capsule, cuboid
constexpr int ArmKindCount = 2;
constexpr qint32 Weights[2][KindCount] = {{3, 8, 115}, {3, 6, 63}};

struct KindCounts
{
    qint32 n[KindCount] = {0, 0, 0};
};

qint32 weightOf(const KindCounts& counts, qint32 forbidding, qint32 permitting)
{
    qint32 perClass[2] = {0, 0};
    for (int c = 0; c < 2; ++c)
        for (int kind = 0; kind < KindCount; ++kind)
            perClass[c] += Weights[c][kind] * counts.n[kind];
    return forbidding * perClass[0] + permitting * perClass[1];
}

QString deviceName(int number)
{
    return Parameter::tr("Device") + QString::number(number);
}

} // namespace

Parameter* Parameter::instance(QObject* parent)
{
    rebuildNameLists();
    if (!s_instance)
        s_instance = new Parameter(parent);
    return s_instance;
}

void Parameter::rebuildNameLists()
{
    deviceNames.clear();
    deviceNames << tr("No Device") << tr("Robot");
    for (int n = 1; n <= DeviceNameCount - 2; ++n)
        deviceNames << deviceName(n);
    jointLabels.clear();
    for (int n = 1; n <= JointCount; ++n)
        jointLabels << QString::number(n);
}

Parameter::Parameter(QObject* parent) : QObject(parent)
{
    // Lets queued connections and signal spies carry the data type.
    qRegisterMetaType<Parameter::DataType>("Parameter::DataType");
    // A store made without instance() still needs the names for its tables.
    if (deviceNames.size() != DeviceNameCount || jointLabels.size() != JointCount)
        rebuildNameLists();
    clearDisplayFlags();
    // The program has one store; a second one (a test's) leaves the first's.
    if (!ValueValidator::heldTexts())
        ValueValidator::setHeldTexts(&m_unkeptTexts);
}

Parameter::~Parameter()
{
    if (s_instance == this)
        s_instance = nullptr;
    if (ValueValidator::heldTexts() == &m_unkeptTexts)
        ValueValidator::setHeldTexts(nullptr);
    if (LogicSignalDef::masterImage() == &m_masterImage)
        LogicSignalDef::setMasterImage(nullptr);
}

void Parameter::setMasterData(bool both)
{
    m_masterImage = m_editImage;
    m_masterTexts = m_unkeptTexts;
    if (both)
        m_appliedImage = m_editImage;
    masterDataArrived();
}

void Parameter::takePart(const ParameterImage& read, const ParameterImage& taken,
                         const UnkeptTexts& texts)
{
    const unsigned char* marks = taken.data();
    const unsigned char* from = read.data();
    for (ParameterImage* image : {&m_masterImage, &m_appliedImage, &m_editImage}) {
        unsigned char* to = image->data();
        for (int i = 0; i < ParameterImage::Size; ++i)
            if (marks[i] != 0)
                to[i] = from[i];
    }
    m_masterTexts.takeCells(texts, taken);
    m_unkeptTexts.takeCells(texts, taken);
    masterDataArrived();
}

void Parameter::masterDataArrived()
{
    clearDisplayFlags();
    updateJointTables();
    emit parameterChanged(MasterData);
}

void Parameter::update()
{
    quint32 newest[std::size(UpdateTimeOffsets)];
    for (std::size_t i = 0; i < std::size(UpdateTimeOffsets); ++i)
        newest[i] = std::max(m_appliedImage.u32At(UpdateTimeOffsets[i]),
                             m_editImage.u32At(UpdateTimeOffsets[i]));

    const unsigned char* from = m_editImage.data();
    unsigned char* to = m_appliedImage.data();
    std::memcpy(to, from, LogicTableBegin);
    std::memcpy(to + LogicTableEnd, from + LogicTableEnd, ParameterImage::Size - LogicTableEnd);

    // An earlier Apply of another page may have stamped the applied image
    // after the edit image was last filled; that time must survive.
    for (std::size_t i = 0; i < std::size(UpdateTimeOffsets); ++i)
        m_appliedImage.setU32At(UpdateTimeOffsets[i], newest[i]);
    m_unkeptTexts.forgetChanged(m_appliedImage);
}

void Parameter::update(int scene)
{
    copySection(scene, m_appliedImage, m_editImage);
    // A value applied in place of a file's text is the user's own.
    m_unkeptTexts.forgetChanged(m_appliedImage);
    emit parameterChanged(AppliedData);
}

void Parameter::restore()
{
    m_editImage = m_appliedImage;
    calculateCost();
}

void Parameter::restore(int scene)
{
    copySection(scene, m_editImage, m_appliedImage);
    calculateCost();
    emit parameterChanged(AppliedData);
}

void Parameter::copySection(int scene, ParameterImage& to, const ParameterImage& from)
{
    for (const ByteRange& range : SceneSection::of(scene))
        std::memcpy(to.data() + range.begin, from.data() + range.begin, range.end - range.begin);
}

void Parameter::clearDisplayFlags()
{
    setModelVisibility(0, 0, 0);
    setArmToolModelFlags(0, 0);
    std::memset(m_toolOrientationFlags, 0, sizeof m_toolOrientationFlags);
}

quint32 Parameter::updateTimeStamp(const QDateTime& instant)
{
    const QDateTime local = instant.toLocalTime();
    return quint32(QDateTime(local.date(), local.time(), Qt::UTC).toSecsSinceEpoch());
}

void Parameter::stampUpdateTime(int areaTimeOffset)
{
    const quint32 now = updateTimeStamp(QDateTime::currentDateTimeUtc());
    m_appliedImage.setU32At(ParameterLayout::WholeUpdateTimeOffset, now);
    m_appliedImage.setU32At(areaTimeOffset, now);
}

void Parameter::setSystemUpdateTime()
{
    stampUpdateTime(ParameterLayout::SystemUpdateTimeOffset);
}

void Parameter::setMonitorUpdateTime()
{
    stampUpdateTime(ParameterLayout::MonitorUpdateTimeOffset);
}

void Parameter::setSignalUpdateTime()
{
    stampUpdateTime(ParameterLayout::SignalUpdateTimeOffset);
}

QString Parameter::unitSuffix(const ParameterImage& image, int joint, bool leadingSpace)
{
    bool ok = false;
    const qint16 type = image.i16(field(AxisType), 0, joint, &ok);
    const QString space = leadingSpace ? QStringLiteral(" ") : QString();
    if (ok && type == 1)
        return space + QStringLiteral("mm");
    if (ok && type == 2)
        return space + QStringLiteral("deg");
    return QString();
}

QVector<quint16> Parameter::coordinateSystemsOfJoint(const ParameterImage& image, int joint)
{
    QVector<quint16> systems;
    const FieldDef& axisNo = field(DHPrmAxisNo);
    for (int c = 0; c < axisNo.columns; ++c)
        if (image.i16(axisNo, 0, c) == joint)
            systems << quint16(c + 1);
    return systems;
}

QVector<quint8> Parameter::assignedDeviceNumbers(const ParameterImage& image)
{
    bool used[DeviceNameCount] = {};
    for (int k = 0; k < JointCount; ++k) {
        const qint16 value = image.i16(field(Assignment), 0, k);
        if (value >= 1 && value < DeviceNameCount)
            used[value] = true;
    }
    QVector<quint8> numbers;
    for (int n = 1; n < DeviceNameCount; ++n)
        if (used[n])
            numbers << quint8(n);
    return numbers;
}

QVector<quint8> Parameter::usedJointNumbers(const ParameterImage& image)
{
    bool used[JointCount + 1] = {};
    const FieldDef& axisNo = field(DHPrmAxisNo);
    for (int c = 0; c < axisNo.columns; ++c) {
        const qint16 joint = image.i16(axisNo, 0, c);
        if (joint >= 1 && joint <= JointCount)
            used[joint] = true;
    }
    QVector<quint8> numbers;
    for (int j = 1; j <= JointCount; ++j)
        if (used[j])
            numbers << quint8(j);
    return numbers;
}

QMap<QString, int> Parameter::deviceNameMap()
{
    QMap<QString, int> map;
    map.insert(tr("Robot"), 1);
    for (int n = 1; n <= DeviceNameCount - 2; ++n)
        map.insert(deviceName(n), n + 1);
    return map;
}

void Parameter::updateJointTables()
{
    QStringList devicesInUse;
    QStringList assignedJoints;
    QMap<QString, QStringList> jointsByDevice;
    QMap<QString, QString> unitSuffixes;

    for (int k = 0; k < JointCount; ++k) {
        int assigned = m_masterImage.i16(field(Assignment), 0, k);
        if (assigned < 0 || assigned >= DeviceNameCount)
            assigned = 0;
        const QString name = deviceNames.value(assigned);
        const QString label = jointLabels.value(k);
        if (assigned >= 1) {
            assignedJoints << label;
            jointsByDevice[name] << label;
            if (!devicesInUse.contains(name))
                devicesInUse << name;
        }
        switch (m_masterImage.i16(field(AxisType), 0, k)) {
        case 0:
            unitSuffixes.insert(label, QString());
            break;
        case 1:
            unitSuffixes.insert(label, tr("suffix mm"));
            break;
        case 2:
            unitSuffixes.insert(label, tr("suffix deg"));
            break;
        default:
            break;
        }
    }
    m_devicesInUse = devicesInUse;
    m_assignedJoints = assignedJoints;
    m_jointsByDevice = jointsByDevice;
    m_unitSuffixes = unitSuffixes;
}

void Parameter::setModelVisibility(quint8 arm, quint8 tool, quint8 area)
{
    std::memset(m_armModelFlags, arm, sizeof m_armModelFlags);
    std::memset(m_toolModelFlags, tool, sizeof m_toolModelFlags);
    std::memset(m_areaModelFlags, area, sizeof m_areaModelFlags);
    emit selectionChanged();
}

void Parameter::setArmToolModelFlags(quint8 arm, quint8 tool)
{
    std::memset(m_armSpeedPointFlags, arm, sizeof m_armSpeedPointFlags);
    std::memset(m_toolSpeedPointFlags, tool, sizeof m_toolSpeedPointFlags);
    emit selectionChanged();
}

void Parameter::markValidArmAndAreaModels(bool on)
{
    if (!on) {
        std::memset(m_armModelFlags, 0, sizeof m_armModelFlags);
        std::memset(m_areaModelFlags, 0, sizeof m_areaModelFlags);
        emit selectionChanged();
        return;
    }
    const qint16 set = m_editImage.i16(field(ArmModelSpec));
    if (set == 0 || set == 1) {
        const FieldDef& coordinateNo =
            set == 0 ? field(MkrArmModelCoordinateNo) : field(UsrArmModelCoordinateNo);
        for (int k = 0; k < ModelsPerSet; ++k)
            if (m_editImage.i16(coordinateNo, 0, k) > 0)
                m_armModelFlags[set][k] = 1;
    }
    for (int a = 0; a < AreaCount; ++a)
        if (m_editImage.i16(field(MoveAreaValid), 0, a) == 1)
            m_areaModelFlags[a] = 1;
    emit selectionChanged();
}

void Parameter::markValidToolModels(bool on, qint8 toolNo)
{
    if (!on) {
        std::memset(m_toolModelFlags, 0, sizeof m_toolModelFlags);
        m_shownToolNo = -1;
        emit selectionChanged();
        return;
    }
    // The tool number comes from the live record; one the table cannot
    // hold shows nothing.
    if (toolNo < 0 || toolNo >= ToolCount) {
        m_shownToolNo = -1;
        emit selectionChanged();
        return;
    }
    for (int k = 0; k < ModelsPerSet; ++k)
        if (m_editImage.i16(field(ToolModelValid), toolNo, k) == 1)
            m_toolModelFlags[toolNo][k] = 1;
    m_shownToolNo = toolNo;
    emit selectionChanged();
}

void Parameter::markValidToolOrientations(bool on)
{
    if (!on) {
        std::memset(m_toolOrientationFlags, 0, sizeof m_toolOrientationFlags);
        emit selectionChanged();
        return;
    }
    for (int s = 0; s < OrientationSetCount; ++s) {
        if (m_editImage.i16(field(ToolOrientValid), 0, s) != 1)
            continue;
        for (int r = 0; r < OrientationRangeCount; ++r)
            if (m_editImage.i16(field(ToolOrientRngValid), s, r) == 1)
                m_toolOrientationFlags[s][r] = 1;
    }
    emit selectionChanged();
}

void Parameter::showAllValidArmToolAreaModels(bool allVisible, qint8 toolNo)
{
    qInfo().noquote() << "Parameter::showAllValidArmToolAreaModels"
                      << "allVisible" << allVisible << "toolNo" << int(toolNo) << "m_allVisible"
                      << m_allVisible;
    if (allVisible) {
        if (!m_allVisible)
            markValidArmAndAreaModels(true);
        else if (toolNo != m_shownToolNo)
            markValidToolModels(false, -1);
        if (toolNo >= 0)
            markValidToolModels(true, toolNo);
    } else if (m_allVisible) {
        clearDisplayFlags();
        m_shownToolNo = -1;
    }
    m_allVisible = allVisible;
    emit selectionChanged();
}

void Parameter::setAllVisible(bool on)
{
    if (on && !m_allOrientationsVisible)
        markValidToolOrientations(true);
    else if (!on && m_allOrientationsVisible)
        clearDisplayFlags();
    m_allOrientationsVisible = on;
    emit selectionChanged();
}

bool Parameter::calculateCost()
{
    const ParameterImage& image = m_editImage;

    qint32 forbidding = 0; // areas with MoveAreaMoveValid 0
    qint32 permitting = 0;
    const FieldDef& areaValid = field(MoveAreaValid);
    const FieldDef& areaMoveValid = field(MoveAreaMoveValid);
    for (int a = 0; a < AreaCount; ++a) {
        if (image.i16(areaValid, 0, a) == 0)
            continue;
        if (image.i16(areaMoveValid, 0, a) == 0)
            ++forbidding;
        else
            ++permitting;
    }

    const bool makerSet = image.i16(field(ArmModelSpec)) == 0;
    const FieldDef& coordinateNo =
        makerSet ? field(MkrArmModelCoordinateNo) : field(UsrArmModelCoordinateNo);
    const FieldDef& armKind = makerSet ? field(MkrArmModelKind) : field(UsrArmModelKind);
    KindCounts arm;
    for (int k = 0; k < ModelsPerSet; ++k) {
        const quint16 kind = image.u16(armKind, 0, k);
        if (image.i16(coordinateNo, 0, k) > 0 && kind < ArmKindCount)
            ++arm.n[kind];
    }
    const qint32 armCost = weightOf(arm, forbidding, permitting);

    // Only one tool is mounted at a time, so the dearest tool counts.
    const FieldDef& toolValid = field(ToolModelValid);
    const FieldDef& toolKind = field(ToolModelKind);
    qint32 toolCost = 0;
    for (int t = 0; t < ToolCount; ++t) {
        KindCounts tool;
        for (int k = 0; k < ModelsPerSet; ++k) {
            const quint16 kind = image.u16(toolKind, t, k);
            if (image.i16(toolValid, t, k) != 0 && kind < KindCount)
                ++tool.n[kind];
        }
        toolCost = std::max(toolCost, weightOf(tool, forbidding, permitting));
    }

    m_cost = armCost + toolCost;
    m_costLeft = CostBudget - m_cost;
    if (m_costDisplay)
        m_costDisplay(m_costLeft);
    return m_costLeft >= 0;
}

bool Parameter::checkAreaModelCost(bool disable, QWidget* parent)
{
    calculateCost();
    const bool over = m_costLeft < 0;
    qInfo().noquote() << "overcosted:" << over;
    if (over) {
        const QString title = tr("Modal Title Cost Over");
        const QString text =
            disable ? tr("Modal Message Cost Over Disable") : tr("Modal Message Cost Over Confirm");
        if (m_costOverNotice)
            m_costOverNotice(parent, title, text);
        else
            qWarning().noquote() << title << text;
        if (disable) {
            for (int a = 0; a < AreaCount; ++a)
                m_editImage.setI16(field(MoveAreaValid), 0, a, 0);
            calculateCost();
        }
    }
    qInfo().noquote() << "Parameter::checkAreaModelCost"
                      << "->" << over;
    return over;
}

bool setWithCostCheck(Parameter* store, quint16* field, quint16 value, QWidget* parent)
{
    if (!store || !field)
        return false;
    if (*field == value)
        return true;
    const quint16 previous = *field;
    *field = value;
    if (store->checkAreaModelCost(false, parent)) {
        *field = previous;
        store->calculateCost();
        return false;
    }
    return true;
}
