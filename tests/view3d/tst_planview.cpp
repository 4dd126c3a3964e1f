#include <QTemporaryDir>
#include <QtTest>

#include "defaultimage.h"
#include "testfiles.h"

#include "parameter/parameter.h"
#include "view3d/planview.h"

#include <algorithm>

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
};

QTEST_MAIN(TestPlanView)
#include "tst_planview.moc"
