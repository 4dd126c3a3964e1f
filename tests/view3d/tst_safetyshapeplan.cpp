#include <QtTest>

#include "matrixcompare.h"
#include "shapeimagewriter.h"

#include "io/mirelrzshmrz2ifsafmmon.h"
#include "parameter/parameter.h"
#include "view3d/areamonitorview.h"
#include "view3d/safetyshapeplan.h"

#include <cmath>

// Which safety shapes a frame draws, where and in which material, for a
// hand-made image and monitor record: arm sets, tools, areas and cones,
// the live involvement of channel A or B, hidden and disabled elements,
// and values that would index outside their tables.
class TestSafetyShapePlan : public QObject
{
    Q_OBJECT

    using Plan = SafetyShapePlan;
    using Item = Plan::Item;
    using V = Matrix4::Vector;

    Parameter& m_store = *Parameter::instance();
    ParameterImage& m_image = m_store.editImage();
    MirelRzShmRz2IfSafmMon m_record{};
    const float m_joints[RobotFrames::JointCount] = {};

    ShapeImageWriter m_writer{m_image};

    void setArea(int a, int moveValid, int vertexNum)
    {
        std::vector<std::array<float, 2>> corners;
        for (int j = 0; j < 8; ++j)
            corners.push_back({float(100 * j), float(j % 2 ? 300 : -300)});
        m_writer.setArea(a, moveValid, vertexNum, 500, -100, corners);
    }

    void setRange(int s, int r, int setValid, float angle, float o, float a)
    {
        const int set = 60012 + 84 * s;
        m_image.setU16At(set, quint16(setValid));
        m_image.setF32At(set + 16 + 4 * r, angle);
        m_image.setF32At(set + 36 + 4 * r, o);
        m_image.setF32At(set + 56 + 4 * r, a);
    }

    const std::vector<Item>& build(Plan& plan, int scene, const AreaMonitorView& live = {})
    {
        m_store.m_robotFrames.update(m_image, m_joints);
        plan.build(m_store, m_store.m_robotFrames, scene, live, m_record);
        return plan.items();
    }

    static int count(const std::vector<Item>& items, Plan::Shape shape)
    {
        return int(std::count_if(items.begin(), items.end(),
                                 [shape](const Item& i) { return i.shape == shape; }));
    }

    static const Item* find(const std::vector<Item>& items, Plan::Shape shape, int index)
    {
        for (const Item& item : items)
            if (item.shape == shape && item.index == index)
                return &item;
        return nullptr;
    }

private slots:
    void init()
    {
        ShapeImageWriter::clearDisplay(m_store);
        m_record = {};

        m_writer.setArm(0, 0, 1, 1, 50, {0, 0, 0}, {100, 0, 0});
        m_writer.setArm(0, 1, 0, 0, 50, {}, {});  // no coordinate system
        m_writer.setArm(0, 2, 51, 0, 50, {}, {}); // beyond the 50 rows
        m_writer.setArm(0, 3, 3, 0, 40, {10, 20, 30}, {});
        m_writer.setArm(1, 0, 2, 1, 30, {0, 0, 0}, {0, 0, 200});
        m_writer.setTool(2, 0, 1, 1, 20, {0, 0, 10}, {0, 0, 110});
        m_writer.setTool(2, 1, 1, 2, 0, {5, 6, 7}, {}, {100, 200, 300}, {0, 0, 0});
        m_writer.setTool(2, 2, 0, 0, 20, {}, {}); // disabled
        m_writer.setTool(2, 3, 1, 0, 15, {1, 2, 3}, {9, 9, 9});
        setArea(0, 1, 4);
        setArea(1, 0, 3);
        setArea(2, 1, 9);
        setArea(3, 2, 32767);
        setArea(4, 1, 5);
        for (int a = 5; a < Parameter::AreaCount; ++a)
            setArea(a, 1, 0);
        setRange(0, 0, 1, 30, 0, 0);
        setRange(1, 0, 0, 30, 0, 0); // set disabled
    }

    void armSetsAndTheirMaterials()
    {
        Plan plan;
        QVERIFY(build(plan, 21).empty()); // no display flags
        QVERIFY(build(plan, 2).empty());
        for (quint8& flag : m_store.m_armModelFlags[0])
            flag = 1;
        m_store.m_armModelFlags[1][0] = 1;
        const std::vector<Item>& maker = build(plan, 21);
        QCOMPARE(int(maker.size()), 2);
        const Item& capsule = maker[0];
        QCOMPARE(capsule.index, 0);
        QCOMPARE(capsule.colour, Plan::Colour::Green);
        QCOMPARE(capsule.length, 100.0f);
        QCOMPARE(capsule.radius, 50.0f);
        // Placed in frame 1 at P1; the far end (-100, 0, 0) lands on P2.
        const Matrix4::Matrix& frame1 = m_store.m_robotFrames.frame(1);
        QVERIFY(nearPoint(Matrix4::transformPoint(capsule.parent, {-100, 0, 0}),
                          Matrix4::transformPoint(frame1, {100, 0, 0})));
        const Item& sphere = maker[1];
        QCOMPARE(sphere.index, 3);
        QCOMPARE(sphere.length, 0.0f);
        QVERIFY(nearPoint(originOf(sphere.parent),
                          Matrix4::transformPoint(m_store.m_robotFrames.frame(3), {10, 20, 30})));

        // Any set number but 0 shows the user set, in blue.
        m_store.m_armModelSet = 7;
        const std::vector<Item>& user = build(plan, 21);
        QCOMPARE(int(user.size()), 1);
        QCOMPARE(user[0].colour, Plan::Colour::Blue);
        QCOMPARE(user[0].group, 1);
        QCOMPARE(user[0].length, 200.0f);
        m_store.m_armModelFlags[1][0] = 0;
        QVERIFY(build(plan, 21).empty());
    }

    void toolModelsOfTheSelectedTool()
    {
        Plan plan;
        for (quint8& flag : m_store.m_toolModelFlags[2])
            flag = 1;
        QVERIFY(build(plan, 22).empty()); // no tool selected
        for (const int bad : {32, 40, 1000}) {
            m_store.m_selectedTool = bad;
            QVERIFY(build(plan, 22).empty());
        }
        m_store.m_selectedTool = 2;
        const std::vector<Item>& items = build(plan, 22);
        QCOMPARE(int(items.size()), 3); // model 2 is disabled
        const Matrix4::Matrix& flange = *m_store.m_robotFrames.lastLinkFrame();
        const Item* capsule = find(items, Plan::Shape::Capsule, 0);
        QVERIFY(capsule);
        QCOMPARE(capsule->colour, Plan::Colour::Blue);
        QCOMPARE(capsule->length, 100.0f);
        QVERIFY(nearPoint(Matrix4::transformPoint(capsule->parent, {-100, 0, 0}),
                          Matrix4::transformPoint(flange, {0, 0, 110})));
        const Item* cuboid = find(items, Plan::Shape::Cuboid, 1);
        QVERIFY(cuboid);
        QCOMPARE(cuboid->scale[0], 50.0f);
        QCOMPARE(cuboid->scale[5], 100.0f);
        QCOMPARE(cuboid->scale[10], 150.0f);
        compareMatrix(cuboid->rotation, Matrix4::identity(), 1e-6f);
        QVERIFY(nearPoint(originOf(cuboid->parent), Matrix4::transformPoint(flange, {5, 6, 7})));
        const Item* sphere = find(items, Plan::Shape::Capsule, 3);
        QVERIFY(sphere && sphere->length == 0.0f && sphere->radius == 15.0f);
    }

    void areasByTheirMoveValidWord()
    {
        Plan plan;
        for (quint8& flag : m_store.m_areaModelFlags)
            flag = 1;
        m_store.m_areaModelFlags[4] = 0; // hidden
        m_store.m_selectedArea = 1;
        m_store.m_markerIndex = 8;
        const std::vector<Item>& items = build(plan, 23);
        // Areas 2 (9 corners) and 3 (32767) are skipped, 4 is hidden, the
        // rest have fewer than 3 corners.
        QCOMPARE(int(items.size()), 2);
        QCOMPARE(items[0].index, 0);
        QCOMPARE(items[0].colour, Plan::Colour::Blue);
        QCOMPARE(items[0].cornerCount, 4);
        QVERIFY(!items[0].outlined);
        QCOMPARE(items[1].index, 1);
        QCOMPARE(items[1].colour, Plan::Colour::Red);
        QVERIFY(items[1].outlined);
        QCOMPARE(items[1].highlight, 8);
        QCOMPARE(items[1].upperZ, 500.0f);
        QCOMPARE(items[1].corners[2][0], 200.0f);
        // A selection outside the table outlines nothing.
        m_store.m_selectedArea = 99;
        for (const Item& item : build(plan, 23))
            QVERIFY(!item.outlined);
    }

    // The unit's involvement: channel A or B of the area monitoring
    // screen, only while its tab (index 4) is current on the monitoring page.
    void liveInvolvementHighlights()
    {
        Plan plan;
        m_store.m_armModelFlags[0][0] = m_store.m_armModelFlags[0][3] = 1;
        m_store.m_toolModelFlags[2][0] = m_store.m_toolModelFlags[2][1] = 1;
        m_record.channel[0].areaArmModelMask[5] = 1u << 3;
        m_record.channel[1].areaArmModelMask[0] = 1u << 0;
        m_record.channel[1].areaToolModelMask[7] = 1u << 1;
        m_record.channel[0].currentToolIndex = 2;
        m_record.channel[1].currentToolIndex = 2;
        m_record.channel[1].toolNumber = 3;
        m_store.m_selectedTool = 2;

        AreaMonitorView live{true, true, &m_record.channel[0]};
        const std::vector<Item>& onA = build(plan, 2, live);
        QCOMPARE(plan.armHighlightMask(), 1u << 3);
        QCOMPARE(plan.toolHighlightMask(), 0u); // channel A reports no tool
        QCOMPARE(find(onA, Plan::Shape::Capsule, 3)->colour, Plan::Colour::Yellow);
        QCOMPARE(onA[0].colour, Plan::Colour::Green);

        live.channel = &m_record.channel[1];
        const std::vector<Item>& onB = build(plan, 2, live);
        QCOMPARE(plan.armHighlightMask(), 1u);
        QCOMPARE(plan.toolHighlightMask(), 2u);
        QCOMPARE(onB[0].colour, Plan::Colour::Yellow);
        QCOMPARE(find(onB, Plan::Shape::Cuboid, 1)->colour, Plan::Colour::Yellow);

        // The record's tool number names another tool than the selected one.
        m_store.m_selectedTool = 5;
        build(plan, 2, live);
        QCOMPARE(plan.toolHighlightMask(), 0u);
        m_store.m_selectedTool = 2;

        // Another tab, another index, another page: no highlight.
        for (const auto& other : {AreaMonitorView{false, false, &m_record.channel[1]},
                                  AreaMonitorView{true, false, &m_record.channel[1]}}) {
            build(plan, 2, other);
            QCOMPARE(plan.armHighlightMask(), 0u);
        }
        build(plan, 21, live);
        QCOMPARE(plan.armHighlightMask(), 0u);

        // On the monitoring page the tool is the record's, whatever is selected;
        // a tool number beyond the 32 tools draws no tool model.
        m_store.m_selectedTool = -1;
        QCOMPARE(count(build(plan, 2, live), Plan::Shape::Cuboid), 1);
        m_record.channel[1].currentToolIndex = 200;
        QCOMPARE(count(build(plan, 2, live), Plan::Shape::Cuboid), 0);
        // Without the area screen the monitoring page shows tool 0.
        m_store.m_toolModelFlags[0][0] = 1;
        m_writer.setTool(0, 0, 1, 2, 0, {}, {}, {10, 10, 10});
        const std::vector<Item>& tool0 = build(plan, 2);
        QCOMPARE(count(tool0, Plan::Shape::Cuboid), 1);
        QCOMPARE(find(tool0, Plan::Shape::Cuboid, 0)->group, 0);
    }

    // Cones stand at the tool centre point of the unit's current tool, also
    // when a pedestal in row 1 lifts the whole robot.
    void conesAtTheToolCentrePoint()
    {
        Plan plan;
        m_store.m_toolOrientationFlags[0][0] = 1;
        m_store.m_toolOrientationFlags[1][0] = 1;    // its set is disabled
        m_image.setF32At(1124, 500.0f);              // DHPrmD0 of row 1
        m_image.setF32At(2796 + 24 * 1 + 8, 150.0f); // tool 2's TCP_Z
        m_record.channel[0].currentToolIndex = 1;
        const std::vector<Item>& items = build(plan, 30);
        QCOMPARE(int(items.size()), 1);
        const Item& cone = items[0];
        QCOMPARE(cone.shape, Plan::Shape::Cone);
        QCOMPARE(cone.angle, 30.0f);
        QCOMPARE(cone.colour, Plan::Colour::Blue);
        const RobotFrames& frames = m_store.m_robotFrames;
        // Frame 7 carries the pedestal; the tool centre point holds it once.
        QCOMPARE(frames.frame(7)[14], 500.0f);
        QVERIFY(frames.frame(52)[14] > 500.0f);
        QVERIFY(nearPoint(originOf(cone.parent), originOf(frames.frame(52))));
        // O = A = 0: the axis is frame 7's Z.
        const V tip = Matrix4::transformPoint(cone.parent, {0, 1, 0});
        const Matrix4::Matrix& h = frames.frame(7);
        QVERIFY(nearPoint(
            {tip[0] - cone.parent[12], tip[1] - cone.parent[13], tip[2] - cone.parent[14]},
            {h[8], h[9], h[10]}, 1e-4f));

        for (const int bad : {32, 255}) {
            m_record.channel[0].currentToolIndex = quint8(bad);
            QVERIFY(build(plan, 30).empty());
        }
    }

    // Without a link frame (no row from 11 on) there is no flange: arm
    // models and areas still show, tool models and cones do not.
    void noFlangeNoToolShapes()
    {
        Plan plan;
        m_store.m_armModelFlags[0][0] = 1;
        m_store.m_toolModelFlags[2][0] = 1;
        m_store.m_areaModelFlags[0] = 1;
        m_store.m_toolOrientationFlags[0][0] = 1;
        m_store.m_selectedTool = 2;
        QCOMPARE(int(build(plan, 22).size()), 4);
        for (int row = 11; row <= 50; ++row)
            m_image.setI16At(724 + 2 * (row - 1), 0);
        const std::vector<Item>& items = build(plan, 22);
        QCOMPARE(int(items.size()), 2);
        QCOMPARE(items[0].shape, Plan::Shape::Capsule);
        QCOMPARE(items[1].shape, Plan::Shape::Prism);
    }

    void valuesThatAreNotNumbersAreLeftOut()
    {
        Plan plan;
        m_store.m_armModelFlags[0][0] = 1;
        m_store.m_areaModelFlags[0] = 1;
        m_image.setF32At(3876, std::nanf(""));
        m_image.setF32At(40920 + 16, INFINITY);
        QVERIFY(build(plan, 21).empty());
    }

    // The main window installs what the area screen answers; without it
    // the screen counts as not shown.
    void probeOfTheAreaScreen()
    {
        QVERIFY(!AreaMonitorView::ask().current && !AreaMonitorView::ask().channel);
        AreaMonitorView::setProbe([this] {
            return AreaMonitorView{true, true, &m_record.channel[1]};
        });
        QCOMPARE(AreaMonitorView::ask().channel, &m_record.channel[1]);
        AreaMonitorView::setProbe({});
        QVERIFY(!AreaMonitorView::ask().current);
    }
};

QTEST_GUILESS_MAIN(TestSafetyShapePlan)
#include "tst_safetyshapeplan.moc"
