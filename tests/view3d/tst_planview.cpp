#include <QTemporaryDir>
#include <QtTest>

#include "defaultimage.h"
#include "testfiles.h"

#include "app/safetyreport.h"
#include "parameter/parameter.h"
#include "parameter/parameterlayout.h"
#include "view3d/planview.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Pixels clearly coloured (the areas; the grid's two axes are thin lines).
int colouredPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int high = std::max({qRed(p), qGreen(p), qBlue(p)});
            const int low = std::min({qRed(p), qGreen(p), qBlue(p)});
            count += high - low > 40;
        }
    return count;
}

} // namespace

// The report's off-screen plan view under Xvfb: the robot from above, the
// enabled motion areas, and the screen's store left alone.
class TestPlanView : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void robotAndEnabledAreasFromAbove()
    {
        loadSettingsFile(m_dir.filePath(QStringLiteral("config.ini")),
                         "[ApplicationSettings]\nRobotModelPath=" OBX_RUNTIME_DIR "/assets/obj\n");
        ParameterImage image = defaultImage();
        Parameter* screen = Parameter::instance();
        const QSize size(400, 300);

        const QImage plain = PlanView::render(image, size);
        QCOMPARE(plain.size(), size);
        // The robot stands at the origin, in the middle of the plan.
        const QRgb middle = plain.pixel(size.width() / 2, size.height() / 2);
        QVERIFY(qGray(middle) > 90);

        // Area 1 enabled (its vertices lie a metre around the robot).
        QVERIFY(image.setI16At(40916, 1));
        const QImage withArea = PlanView::render(image, size);
        QVERIFY2(colouredPixels(withArea) >
                     colouredPixels(plain) + size.width() * size.height() / 10,
                 qPrintable(QString::number(colouredPixels(withArea))));
        QVERIFY(std::all_of(std::begin(screen->m_areaModelFlags),
                            std::end(screen->m_areaModelFlags),
                            [](quint8 flag) { return flag == 0; }));
    }

    // The crafted set with a permitted and a forbidden area, maker arm
    // models and tool 1's models, drawn without any OpenGL: each in its
    // colour, where its coordinates put it as the 3D view's XY plane shows
    // them (+X to the left, +Y downwards).
    void areasAndModelsInTheirColours()
    {
        loadSettingsFile(m_dir.filePath(QStringLiteral("config.ini")),
                         "[ApplicationSettings]\nRobotModelPath=" OBX_RUNTIME_DIR "/assets/obj\n");
        const ParameterImage image = readImage(
            QStringLiteral(OBX_SOURCE_DIR "/tests/data/limits/plan-areas-and-models.txt"));
        const PlanView plan(image);
        // Area 1 reaches 1000 mm on every side: with the margin, 1100 mm.
        QCOMPARE(plan.extent(), 1100.0);
        const int width = 600;
        const QImage picture =
            PlanView::render(image, QSize(width, int(std::ceil(plan.heightFor(width)))));
        const double scale = width / (2.0 * plan.extent());
        const auto at = [&](double x, double y) {
            return picture.pixel(int(width / 2 - x * scale), int(width / 2 + y * scale));
        };
        const auto count = [&](const std::function<bool(int, int, int)>& test) {
            int found = 0;
            for (int y = 0; y < width; ++y)
                for (int x = 0; x < width; ++x) {
                    const QRgb p = picture.pixel(x, y);
                    found += test(qRed(p), qGreen(p), qBlue(p));
                }
            return found;
        };
        // Red hatching inside the forbidden pentagon, which lies in the
        // permitted square: blue there alone; beyond it: paper.
        const auto red = [&](double x, double y) {
            int found = 0;
            for (int dx = -50; dx <= 50; dx += 10)
                for (int dy = -50; dy <= 50; dy += 10) {
                    const QRgb p = at(x + dx, y + dy);
                    found += qRed(p) > qGreen(p) + 80 && qRed(p) > qBlue(p) + 80;
                }
            return found;
        };
        QVERIFY(red(650.0, -450.0) > 10);
        QCOMPARE(red(-700.0, 700.0), 0);
        const QRgb permitted = at(-750.0, 750.0);
        QVERIFY2(qBlue(permitted) > qRed(permitted) + 40, qPrintable(QColor(permitted).name()));
        QCOMPARE(QColor(at(-1050.0, -1050.0)), QColor(Qt::white));
        // The robot's base covers the origin.
        QVERIFY(qGray(at(-100.0, 40.0)) < 225);
        // Green maker arm outlines, orange tool outlines.
        QVERIFY(count([](int r, int g, int b) { return g > r + 60 && g > b + 40; }) > 20);
        QVERIFY(count([](int r, int g, int b) { return r > g + 60 && g > b + 60; }) > 20);
    }

    // An odd enable value (2) enables an area and a tool model, as their
    // pages show them: the plan draws them.
    void oddEnableValuesDrawn()
    {
        const auto cell = [](int no, int row, int column) {
            return ParameterLayout::cellOffset(*ParameterLayout::findByNo(no), row, column);
        };
        const QSize size(400, 560);
        const ParameterImage plain = defaultImage();
        ParameterImage area = plain;
        QVERIFY(area.setI16At(cell(3143, 0, 0), 2)); // MoveAreaValid, area 1
        QVERIFY(colouredPixels(PlanView::render(area, size)) >
                colouredPixels(PlanView::render(plain, size)) + size.width() * size.width() / 4);
        ParameterImage tool = plain;
        QVERIFY(tool.setI16At(cell(3128, 0, 0), 2));      // ToolModelValid, tool 1 model 1
        QVERIFY(tool.setF32At(cell(3130, 0, 0), 100.0f)); // a sphere of 100 mm
        QVERIFY(colouredPixels(PlanView::render(tool, size)) >
                colouredPixels(PlanView::render(plain, size)) + 100);
    }

    // Areas anywhere within their limits are on the plan, whose grid is
    // heavier every 10 m once its lines are a metre apart; areas that start
    // at the same corner keep their numbers apart; a legend line too long
    // for half the width gets the whole width.
    void farAreasSharedCornersAndLongLegendLines()
    {
        const auto cell = [](int no, int row, int column) {
            return ParameterLayout::cellOffset(*ParameterLayout::findByNo(no), row, column);
        };
        ParameterImage image = defaultImage();
        QVERIFY(image.setI16At(cell(3143, 0, 0), 1)); // area 1: the metre square
        QVERIFY(image.setI16At(cell(3143, 0, 2), 1)); // area 3: 20 to 21 m in X
        for (int k = 0; k < 4; ++k)
            QVERIFY(image.setF32At(cell(3148, 2, k), k == 1 || k == 2 ? 20000.0f : 21000.0f));
        QCOMPARE(PlanView(image).extent(), 1.1 * 21000.0);
        // A plan 46 m across: grid lines every metre, heavier every 10 m.
        {
            const int size = 1200;
            const QImage picture = PlanView::render(image, QSize(size, size * 2));
            const double scale = size / (2.0 * PlanView(image).extent());
            const auto lineGrey = [&](double x) {
                int grey = 255;
                for (int dx = -2; dx <= 2; ++dx)
                    grey = std::min(grey, qGray(picture.pixel(int(size / 2 - x * scale) + dx,
                                                              int(size / 2 + 15500.0 * scale))));
                return grey;
            };
            for (const double x : {-10000.0, 10000.0, -20000.0})
                QVERIFY2(
                    lineGrey(x) < lineGrey(5000.0) - 15,
                    qPrintable(QStringLiteral("%1 %2").arg(lineGrey(x)).arg(lineGrey(5000.0))));
            QVERIFY(lineGrey(5000.0) < 245);
            QVERIFY(lineGrey(5500.0) > 250);
        }

        // White label boxes: the second area on the same corners adds its
        // own.
        const int width = 600;
        const auto labelPixels = [width](const ParameterImage& set) {
            const QImage picture = PlanView::render(set, QSize(width, width * 2));
            int white = 0;
            for (int y = 0; y < width; ++y)
                for (int x = 0; x < width; ++x)
                    white += picture.pixel(x, y) == qRgb(255, 255, 255);
            return white;
        };
        ParameterImage one = defaultImage();
        QVERIFY(one.setI16At(cell(3143, 0, 0), 1));
        ParameterImage two = one;
        QVERIFY(two.setI16At(cell(3143, 0, 1), 1));
        // A number's box at this size holds some 150 white pixels.
        const int added = labelPixels(two) - labelPixels(one);
        QVERIFY2(added > 60, qPrintable(QString::number(added)));

        // An area that cannot be drawn: its long line takes the whole
        // width, so the legend has more rows than with the same number of
        // short lines.
        ParameterImage undrawn = image;
        QVERIFY(undrawn.setI16At(cell(3143, 0, 1), 1));
        QVERIFY(image.setI16At(cell(3143, 0, 1), 1));
        QVERIFY(undrawn.setI16At(cell(3147, 0, 1), 2)); // area 2 with 2 vertices
        // Measured in the report's font, which every machine has: the
        // platform's own may be too wide for any two columns.
        loadSettingsFile(m_dir.filePath(QStringLiteral("config.ini")),
                         "[ApplicationSettings]\nFontPath=" OBX_RUNTIME_DIR "/assets/font\n"
                         "RobotModelPath=" OBX_RUNTIME_DIR "/assets/obj\n");
        const QFont font = SafetyReport::font();
        QVERIFY(PlanView(undrawn).heightFor(width, font) > PlanView(image).heightFor(width, font));
    }
};

QTEST_MAIN(TestPlanView)
#include "tst_planview.moc"
