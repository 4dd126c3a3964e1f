#include <QtTest>

#include "defaultimage.h"
#include "matrixcompare.h"

#include "parameter/parameterimage.h"
#include "parameter/robotframes.h"

// Forward kinematics of the coordinate-system rows, checked against frames
// worked out independently (a separate script composing the textbook
// Denavit-Hartenberg matrices), written here as literals.
class TestRobotFrames : public QObject
{
    Q_OBJECT

    using Matrix = RobotFrames::Matrix;
    ParameterImage m_default;

    // One row in use: type 1 with its joint and values.
    static void setRow(ParameterImage& image, int row, int joint, float theta, float d, float k,
                       float a, float alpha)
    {
        const int e = row - 1;
        image.setI16At(724 + 2 * e, 1);
        image.setI16At(824 + 2 * e, qint16(joint));
        image.setF32At(924 + 4 * e, theta);
        image.setF32At(1124 + 4 * e, d);
        image.setF32At(1324 + 4 * e, k);
        image.setF32At(1524 + 4 * e, a);
        image.setF32At(1724 + 4 * e, alpha);
    }

    static void setCorrection(ParameterImage& image, int c, int target, int ref, float factor)
    {
        image.setI16At(2020 + 2 * c, qint16(target));
        image.setI16At(2044 + 2 * c, qint16(ref));
        image.setF32At(2068 + 4 * c, factor);
    }

    static void setAxisType(ParameterImage& image, int joint, int type)
    {
        image.setI16At(2276 + 2 * (joint - 1), qint16(type));
    }

private slots:
    void initTestCase() { QVERIFY(readDefaultImage(m_default)); }

    void defaultRobotFlangeAndTools()
    {
        RobotFrames frames;
        const float zero[18] = {};
        frames.update(m_default, zero);
        // Rows 11 to 16 are the six joints.
        QCOMPARE(int(frames.linkFrames.size()), 6);
        QVERIFY(frames.lastLinkFrame());
        // Upright pose: flange at (425, 0, 645) facing +X.
        compareMatrix(*frames.lastLinkFrame(),
                      {0, 0, 1, 0, 0, -1, 0, 0, 1, 0, 0, 0, 425, 0, 645, 1}, 1e-3f);
        compareMatrix(frames.frame(16), *frames.lastLinkFrame(), 0);
        // Row 1 (the base) is in use but the identity; rows 2 to 10 are not used.
        compareMatrix(frames.rowTransform(1), Matrix4::identity(), 0);
        compareMatrix(frames.frame(10), Matrix4::identity(), 0);

        const float pose[18] = {30, -20, 45, 60, -30, 90};
        frames.update(m_default, pose);
        const Matrix flange = {-0.0670f, -0.6160f, -0.7849f, 0, -0.1410f,  0.7846f,   -0.6038f,  0,
                               0.9877f,  0.0703f,  -0.1394f, 0, 271.5149f, 119.2592f, 478.8710f, 1};
        compareMatrix(*frames.lastLinkFrame(), flange, 2e-3f);
        // Tool 1 is 100 mm along the flange's Z; tool 2 is all zero.
        Matrix tool1 = flange;
        tool1[12] = 370.2886f;
        tool1[13] = 126.2862f;
        tool1[14] = 464.9289f;
        compareMatrix(frames.frame(51), tool1, 2e-3f);
        compareMatrix(frames.frame(52), *frames.lastLinkFrame(), 0);
        // Out-of-range numbers read as a zero matrix.
        for (const int n : {0, -1, 83, 1000})
            compareMatrix(frames.frame(n), Matrix{}, 0);
    }

    void toolTurnsRzRyRx()
    {
        ParameterImage image = m_default;
        // Tool 3: (10, 20, 30), O 90, A 0, T 90.
        const int base = 2796 + 24 * 2;
        const float values[6] = {10, 20, 30, 90, 0, 90};
        for (int c = 0; c < 6; ++c)
            image.setF32At(base + 4 * c, values[c]);
        RobotFrames frames;
        const float zero[18] = {};
        frames.update(image, zero);
        // Flange (upright) * T(10, 20, 30) * Rz(90) * Rx(90); Rz * Ry * Rz
        // would have given another matrix.
        compareMatrix(frames.frame(53), {0, -1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 455, -20, 655, 1},
                      1e-3f);
    }

    void linearJointAndCorrections()
    {
        ParameterImage image;
        setRow(image, 11, 1, 0, 100, 0, 0, 0);  // rotary joint 1, 100 up
        setRow(image, 12, 2, 0, 50, 0, 200, 0); // linear joint 2, reach 200
        setRow(image, 13, 3, 30, 0, 10, 0, 0);  // rotary joint 3, k 10
        setAxisType(image, 1, 2);
        setAxisType(image, 2, 1);
        setAxisType(image, 3, 2);
        // Joint 2 follows joint 1 by half, joint 3 follows corrected joint 2.
        setCorrection(image, 0, 2, 1, 0.5f);
        setCorrection(image, 1, 3, 2, 0.25f);
        RobotFrames frames;
        const float joints[18] = {20, 100, 5};
        frames.update(image, joints);
        // Joint 2: d = 50 + (100 - 20 * 0.5) = 140.
        compareMatrix(frames.rowTransform(12), Matrix4::translation(200, 0, 140), 1e-4f);
        // Joint 3: theta = 30 + (5 - 90 * 0.25) = 12.5; Rz(12.5) * T(0, 10, 0).
        compareMatrix(frames.rowTransform(13),
                      {0.976296f, 0.216440f, 0, 0, -0.216440f, 0.976296f, 0, 0, 0, 0, 1, 0,
                       -2.164396f, 9.762960f, 0, 1},
                      1e-5f);
        // The running product: Rz(20) * T(0, 0, 100) * T(200, 0, 140) * row 13.
        const Matrix product = frames.frame(13);
        QVERIFY(qAbs(product[12] - 182.5655f) < 1e-2f);
        QVERIFY(qAbs(product[13] - 76.8379f) < 1e-2f);
        QVERIFY(qAbs(product[14] - 240.0f) < 1e-3f);
        // The joint values themselves are never changed.
        QCOMPARE(joints[1], 100.0f);

        // Chained corrections of the edge case: (2 <- 1, 1), (3 <- 2, 0.5)
        // with 10, 20, 5: joint 2 moves its row by 10 and joint 3 by 0.
        setCorrection(image, 0, 2, 1, 1.0f);
        setCorrection(image, 1, 3, 2, 0.5f);
        const float chained[18] = {10, 20, 5};
        frames.update(image, chained);
        compareMatrix(frames.rowTransform(12), Matrix4::translation(200, 0, 60), 1e-4f);
        compareMatrix(frames.rowTransform(13),
                      Matrix4::multiply(Matrix4::rotationZ(30), Matrix4::translation(0, 10, 0)),
                      1e-5f);
    }

    void numbersOutsideTheJointTableIndexNothing()
    {
        ParameterImage image;
        setRow(image, 11, 19, 10, 100, 0, 0, 0);
        setRow(image, 12, -3, 20, 0, 0, 0, 0);
        setRow(image, 13, 2, 0, 0, 0, 0, 0);
        setAxisType(image, 2, 2);
        // References 0, 19 and -5 name no joint: skipped; target 2 from 1 applies.
        setCorrection(image, 0, 2, 0, 1.0f);
        setCorrection(image, 1, 2, 19, 1.0f);
        setCorrection(image, 2, 2, -5, 1.0f);
        setCorrection(image, 3, 2, 1, 1.0f);
        setCorrection(image, 4, 19, 1, 1.0f);
        RobotFrames frames;
        const float joints[18] = {4, 10};
        frames.update(image, joints);
        // Rows with bad joint numbers keep their parameter values.
        compareMatrix(frames.rowTransform(11),
                      Matrix4::multiply(Matrix4::rotationZ(10), Matrix4::translation(0, 0, 100)),
                      1e-5f);
        compareMatrix(frames.rowTransform(12), Matrix4::rotationZ(20), 1e-5f);
        compareMatrix(frames.rowTransform(13), Matrix4::rotationZ(6), 1e-5f);
        // Axis type other than 1 or 2 leaves the row alone.
        setAxisType(image, 2, 7);
        frames.update(image, joints);
        compareMatrix(frames.rowTransform(13), Matrix4::identity(), 1e-6f);
    }

    void rowsOutOfUse()
    {
        RobotFrames frames;
        const float zero[18] = {};
        frames.update(m_default, zero);
        const Matrix tool1 = frames.frame(51);

        ParameterImage empty;
        frames.update(empty, zero);
        for (int n = 1; n <= 50; ++n) {
            compareMatrix(frames.rowTransform(n), Matrix4::identity(), 0);
            compareMatrix(frames.frame(n), Matrix4::identity(), 0);
        }
        QVERIFY(frames.linkFrames.empty());
        QVERIFY(!frames.lastLinkFrame());
        // Without a link frame the tools keep their last frames.
        compareMatrix(frames.frame(51), tool1, 0);

        // Rows 1 to 10 never add link frames; an unused row 12 adds none.
        ParameterImage sparse;
        setRow(sparse, 2, 0, 0, 10, 0, 0, 0);
        setRow(sparse, 11, 0, 0, 20, 0, 0, 0);
        setRow(sparse, 13, 0, 0, 30, 0, 0, 0);
        frames.update(sparse, zero);
        QCOMPARE(int(frames.linkFrames.size()), 2);
        QCOMPARE(frames.linkFrames.back()[14], 60.0f);
        compareMatrix(frames.frame(12), frames.frame(11), 0);
    }
};

QTEST_GUILESS_MAIN(TestRobotFrames)
#include "tst_robotframes.moc"
