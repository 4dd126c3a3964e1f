#pragma once

#include "parameter/parameterimage.h"
#include "parameter/robotframes.h"
#include "parameter/unkepttexts.h"

#include <QDateTime>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>

class QWidget;

// The process-wide store of the safety parameter set: the master image (as
// the unit or a file has it), the applied image (edits committed with
// Apply; what is written and verified) and the edit image (what the panels
// change). The images are members, so each keeps one address for the life
// of the process. Beside them the store keeps the joint tables derived from
// the master image, the selection and display fields through which panels
// and monitoring screens steer the 3D view, and the area model cost.
class Parameter : public QObject
{
    Q_OBJECT

public:
    enum DataType
    {
        MasterData = 0,  // a new master set arrived; all three images may have changed
        AppliedData = 1, // the applied data of one page changed or its edits were cancelled
    };
    Q_ENUM(DataType)

    // Processing capacity of the unit for area monitoring.
    static constexpr int CostBudget = 1240;

    static constexpr int AreaCount = 16;
    static constexpr int ToolCount = 32;
    static constexpr int ModelsPerSet = 20; // arm and tool models, speed points
    static constexpr int OrientationSetCount = 8;
    static constexpr int OrientationRangeCount = 5;
    static constexpr int JointCount = 18;
    // m_speedPointSet value under which both arm speed sets are drawn.
    static constexpr qint32 BothSpeedPointSets = 2;

    // How the store reaches the main window without depending on it: the
    // cost display receives the budget left after every cost computation;
    // the cost-over notice shows the modal warning box on the given parent.
    using CostDisplay = std::function<void(int costLeft)>;
    using CostOverNotice =
        std::function<void(QWidget* parent, const QString& title, const QString& text)>;

    // Rebuilds the two name lists (so they follow the current translator),
    // creates the store on the first call and returns it.
    static Parameter* instance(QObject* parent = nullptr);

    // Indexed by an Assignment value: 0 no device, 1 the robot, 2..19 device 1..18.
    static QStringList deviceNames;
    // "1" to "18".
    static QStringList jointLabels;

    explicit Parameter(QObject* parent = nullptr);
    ~Parameter() override;

    ParameterImage& masterImage() { return m_masterImage; }
    ParameterImage& appliedImage() { return m_appliedImage; }
    ParameterImage& editImage() { return m_editImage; }
    const ParameterImage& masterImage() const { return m_masterImage; }
    const ParameterImage& appliedImage() const { return m_appliedImage; }
    const ParameterImage& editImage() const { return m_editImage; }
    // The file texts the set read last did not keep, cell by cell; the
    // validator tells them about any of the three images (see ValueValidator).
    // A read replaces them with the set; Apply of another value in a cell
    // forgets that cell's.
    UnkeptTexts& unkeptTexts() { return m_unkeptTexts; }
    const UnkeptTexts& unkeptTexts() const { return m_unkeptTexts; }
    // Those of the master set: Apply leaves the set as read (which reports
    // show) as it was, so its texts stay until the master set is replaced.
    UnkeptTexts& masterTexts() { return m_masterTexts; }
    const UnkeptTexts& masterTexts() const { return m_masterTexts; }

    // Update time stamps of the applied image: the whole-area time and the
    // area's own time.
    void setSystemUpdateTime();
    void setMonitorUpdateTime();
    void setSignalUpdateTime();
    // The stamp for an instant: its local wall-clock date and time counted in
    // seconds since 1970 as if it were UTC, which is how the unit shows it.
    static quint32 updateTimeStamp(const QDateTime& instant);

    // Lookups on the image passed in.
    static QString unitSuffix(const ParameterImage& image, int joint, bool leadingSpace);
    static QVector<quint16> coordinateSystemsOfJoint(const ParameterImage& image, int joint);
    static QVector<quint8> assignedDeviceNumbers(const ParameterImage& image);
    static QVector<quint8> usedJointNumbers(const ParameterImage& image);
    static QMap<QString, int> deviceNameMap();

    // Joint tables of the master image, rebuilt by setMasterData.
    const QStringList& devicesInUse() const { return m_devicesInUse; }
    const QStringList& assignedJoints() const { return m_assignedJoints; }
    const QMap<QString, QStringList>& jointsByDevice() const { return m_jointsByDevice; }
    const QMap<QString, QString>& unitSuffixes() const { return m_unitSuffixes; }
    void updateJointTables();

    void selectionWritten() { emit selectionChanged(); }

    // Display flags for the 3D view.
    void setModelVisibility(quint8 arm, quint8 tool, quint8 area);
    void setArmToolModelFlags(quint8 arm, quint8 tool);
    void showAllValidArmToolAreaModels(bool allVisible, qint8 toolNo);
    void setAllVisible(bool on);
    void markValidArmAndAreaModels(bool on);
    void markValidToolModels(bool on, qint8 toolNo);
    void markValidToolOrientations(bool on);

    // Area model cost of the edit image. calculateCost returns true when the
    // budget left is 0 or more; checkAreaModelCost returns true when the cost
    // was over budget (before any disabling).
    bool calculateCost();
    bool checkAreaModelCost(bool disable, QWidget* parent);
    int cost() const { return m_cost; }
    int costLeft() const { return m_costLeft; }
    void setCostDisplay(CostDisplay display) { m_costDisplay = std::move(display); }
    void setCostOverNotice(CostOverNotice notice) { m_costOverNotice = std::move(notice); }

    // A read of one part of the set: the cells marked by non-zero bytes of
    // taken come from read into all three images, with their file texts.
    // Every other cell keeps its value in each image, so changes applied
    // there stay unwritten. Then as setMasterData.
    void takePart(const ParameterImage& read, const ParameterImage& taken,
                  const UnkeptTexts& texts);
    // Applied changes that no write has taken yet: master and applied differ
    // in their data areas (the trailer is stamped by Apply alone).
    bool hasUnwrittenChanges() const { return !m_masterImage.areasEqual(m_appliedImage); }

public slots:
    void setMasterData(bool both);
    // Whole edit image into the applied image. The applied image keeps the
    // newer of each update time and its own logical operation table, which
    // the logic editor writes straight into it.
    void update();
    void update(int scene);
    void restore();
    void restore(int scene);

signals:
    void parameterChanged(Parameter::DataType type);
    // The selection fields or display flags changed; the 3D view repaints.
    // The flag operations emit it themselves; code that writes the plain
    // selection members calls selectionWritten().
    void selectionChanged();

public:
    // Written by the 3D view; kept first so it is built before anything else.
    RobotFrames m_robotFrames;

    // Selection fields: written by the panels, read by the 3D view.
    qint32 m_selectedElement = -1; // arm model, tool model or speed point of the panel
    qint32 m_selectedArea = -1;
    qint32 m_selectedTool = -1;
    qint32 m_armModelSet = 0;   // 0 maker set, 1 user set
    qint32 m_speedPointSet = 0; // 0 maker set, 1 user set, BothSpeedPointSets
    qint32 m_markerIndex = 9;   // outline part of the selected area: 0..7 edges, 8 top, 9 bottom
    quint8 m_marker = 0;        // 0 none, 1..8 a vertex, 9 and 10 the centre markers

    // Display flags, one byte per element, non-zero = drawn highlighted.
    quint8 m_armModelFlags[2][ModelsPerSet] = {};
    quint8 m_toolModelFlags[ToolCount][ModelsPerSet] = {};
    quint8 m_areaModelFlags[AreaCount] = {};
    quint8 m_armSpeedPointFlags[2][ModelsPerSet] = {};
    quint8 m_toolSpeedPointFlags[ToolCount][ModelsPerSet] = {};
    quint8 m_toolOrientationFlags[OrientationSetCount][OrientationRangeCount] = {};

    bool m_allVisible = false; // live area screen: all valid models shown
    qint8 m_shownToolNo = -1;  // tool whose models are flagged while m_allVisible is on
    bool m_allOrientationsVisible = false;

private:
    static void rebuildNameLists();
    void copySection(int scene, ParameterImage& to, const ParameterImage& from);
    void clearDisplayFlags();
    // After new master data: flags cleared, joint tables rebuilt, pages told.
    void masterDataArrived();
    void stampUpdateTime(int areaTimeOffset);

    qint32 m_cost = 0;
    qint32 m_costLeft = 0;

    // Aligned so that a panel may address a field through a typed pointer.
    alignas(8) ParameterImage m_masterImage;
    alignas(8) ParameterImage m_appliedImage;
    alignas(8) ParameterImage m_editImage;
    UnkeptTexts m_unkeptTexts;
    UnkeptTexts m_masterTexts;

    QStringList m_devicesInUse;
    QStringList m_assignedJoints;
    QMap<QString, QStringList> m_jointsByDevice;
    QMap<QString, QString> m_unitSuffixes;

    CostDisplay m_costDisplay;
    CostOverNotice m_costOverNotice;
};

// Stores value into a field of the edit image unless the area model cost
// then exceeds the budget: in that case the user is told, the old value is
// put back and the result is false. Shared by the area, arm and tool panels.
bool setWithCostCheck(Parameter* store, quint16* field, quint16 value, QWidget* parent);
