// Writes the parameter set that the program loads when it starts without a
// controller (config/parameter/default.txt): a six-joint articulated arm of
// about 700 mm reach with every monitoring function switched off. The file
// is made by the program's own writer, so it carries a correct signature.
//
// Usage: gen_default_parameter <output file>

#include "defaultrobotrows.h"
#include "parameter/defaultparameterset.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterlayout.h"
#include "parameter/procedure.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int JointCount = DefaultRobotRows::jointCount;
constexpr int MaxJoints = 18;

const FieldDef& field(const char* name)
{
    const FieldDef* def = ParameterLayout::findByName(QLatin1String(name));
    if (!def) {
        std::fprintf(stderr, "unknown parameter %s\n", name);
        std::exit(2);
    }
    return *def;
}

void require(bool stored, const char* name)
{
    if (!stored) {
        std::fprintf(stderr, "cannot set %s\n", name);
        std::exit(2);
    }
}

// The signed setters also serve the unsigned fields of their width.
void i16(ParameterImage& image, const char* name, int column, int value, int row = 0)
{
    require(image.setI16(field(name), row, column, qint16(value)), name);
}

void i32(ParameterImage& image, const char* name, int column, qint64 value, int row = 0)
{
    require(image.setI32(field(name), row, column, qint32(value)), name);
}

void f32(ParameterImage& image, const char* name, int column, float value, int row = 0)
{
    require(image.setF32(field(name), row, column, value), name);
}

struct JointData
{
    float upper, lower; // degrees
    float maxSpeed;     // degrees per second
};

const JointData joints[JointCount] = {
    {170.0f, -170.0f, 250.0f}, {135.0f, -100.0f, 250.0f}, {160.0f, -120.0f, 250.0f},
    {190.0f, -190.0f, 400.0f}, {120.0f, -120.0f, 400.0f}, {360.0f, -360.0f, 600.0f},
};

void setRobot(ParameterImage& image)
{
    i16(image, "CommonSpec", 0, 0);
    image.setText(field("RobotTypeName"), 0, 0,
                  QString::fromLatin1(DefaultParameterSet::RobotTypeName));
    i32(image, "RobotNo", 0, 1);

    for (const DefaultRobotRows::DhRow& row : DefaultRobotRows::rows) {
        const int e = row.row - 1;
        i16(image, "DHPrmCoordinateType", e, 1);
        i16(image, "DHPrmAxisNo", e, row.joint);
        f32(image, "DHPrmTh0", e, row.theta);
        f32(image, "DHPrmD0", e, row.d);
        f32(image, "DHPrmA0", e, row.a);
        f32(image, "DHPrmAlpha0", e, row.alpha);
    }

    // 2^20 encoder counts per turn.
    const float resolution = 360.0f / 1048576.0f;
    for (int j = 0; j < JointCount; ++j) {
        i16(image, "Assignment", j, 1);
        i16(image, "AxisType", j, 2); // rotary
        f32(image, "OpeResolution", j, resolution);
        i32(image, "ZeroingValue", j, 524288);
        i32(image, "DiffErrChkWidth", j, 100000);
        i32(image, "EncDataSkipChkWidth", j, 100000);
        i32(image, "PowerOnCheckWidth", j, 10000);
        f32(image, "EachAxisMaxSpeed", j, joints[j].maxSpeed);
        i16(image, "StopEncThreshold", j, 100);
        f32(image, "StopJudgeDist", j, 1.0f);
        f32(image, "AlwaysAxisRangeUlimit", j, joints[j].upper);
        f32(image, "AlwaysAxisRangeLlimit", j, joints[j].lower);
    }
    f32(image, "DiffErrChkTime", 0, 100.0f);
    i16(image, "I/OBoardSheets", 0, 1);
}

void setMonitoring(ParameterImage& image)
{
    for (int t = 0; t < 32; ++t)
        i16(image, "ToolIDChngTable", t, t + 1);
    f32(image, "ToolDiscrpAllowDist", 0, 10.0f);
    f32(image, "TCP_Z", 0, 100.0f); // tool 1: a 100 mm flange extension

    f32(image, "MonitoringInvalidTime", 0, 100.0f);
    f32(image, "SettingDecelTime", 0, 1000.0f);
    f32(image, "ExceedAllowTime", 0, 100.0f);

    f32(image, "TeachFreeRunningTime", 0, 50.0f);
    f32(image, "TeachBreakingDecel", 0, 5000.0f);
    f32(image, "RepeatFreeRunningTime", 0, 50.0f);
    f32(image, "RepeatBreakingDecel", 0, 5000.0f);
    f32(image, "StopCate1FreeRunningTime", 0, 200.0f);
    f32(image, "MakerBreakingDecel", 0, 5000.0f);
    f32(image, "UserBreakingDecel", 0, 5000.0f);

    // Area sets: a 2 m square around the robot, switched off.
    const float square[4][2] = {{1000, 1000}, {-1000, 1000}, {-1000, -1000}, {1000, -1000}};
    for (int set = 0; set < 16; ++set) {
        f32(image, "MoveAreaZulimit", set, 2000.0f);
        f32(image, "MoveAreaZllimit", set, -1000.0f);
        i16(image, "MoveAreaVertexNum", set, 4);
        for (int v = 0; v < 4; ++v) {
            f32(image, "MoveAreaX", v, square[v][0], set);
            f32(image, "MoveAreaY", v, square[v][1], set);
        }
    }

    for (int set = 0; set < MaxJoints; ++set) {
        i16(image, "SelectAxisTargetRobot", set, 1);
        for (int j = 0; j < JointCount; ++j) {
            f32(image, "SelectAxisRngUlimit", j, joints[j].upper, set);
            f32(image, "SelectAxisRngLlimit", j, joints[j].lower, set);
        }
        i16(image, "UsrSpeedTargetRobot", set, 1);
        f32(image, "UsrSpeedUlimit", set, 1000.0f);
        i16(image, "StopMonTargetRobot", set, 1);
    }

    // Reduced speed of teach and check mode: 250 mm/s, monitoring off.
    f32(image, "TeachSpeedUlimit", 0, 250.0f);
    f32(image, "CheckSpeedUlimit", 0, 250.0f);
}

void setSignals(ParameterImage& image)
{
    for (int i = 0; i < 32; ++i) {
        i16(image, "UsrSafetyFilterTime", i, 10);
        f32(image, "UsrSafetyDiscrpAllowTime", i, 100.0f);
    }
}

void setTrailer(ParameterImage& image)
{
    // Local wall-clock time counted as if it were UTC, as the unit stamps it.
    const quint32 stamp =
        quint32(QDateTime(QDate(2024, 4, 1), QTime(9, 0), Qt::UTC).toSecsSinceEpoch());
    image.setWholeUpdateTime(stamp);
    image.setSystemUpdateTime(stamp);
    image.setMonitorUpdateTime(stamp);
    image.setSignalUpdateTime(stamp);
    image.setParameterVersion(QStringLiteral("1.0.0"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: gen_default_parameter <output file>\n";
        return 2;
    }

    ParameterImage image;
    setRobot(image);
    setMonitoring(image);
    setSignals(image);
    setTrailer(image);

    IO::Procedure procedure;
    return procedure.outputFile(arguments.at(1), image) == 1 ? 0 : 1;
}
