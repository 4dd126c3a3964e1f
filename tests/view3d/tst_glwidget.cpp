#include <QAbstractButton>
#include <QTranslator>
#include <QtTest>

#include "app/core/startupstate.h"
#include "view3d/camera.h"
#include "view3d/glwidget.h"
#include "widgets/msgbox.h"

class TestGLWidget : public QObject
{
    Q_OBJECT

    QTranslator m_english;

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(":/config/i18n/en.qm"));
        QCoreApplication::installTranslator(&m_english);
    }

    void drawsBackgroundAndGrid()
    {
        for (const bool perspective : {true, false}) {
            QVERIFY(!GLWidget::instance());
            GLWidget view;
            QCOMPARE(GLWidget::instance(), &view);
            view.setPerspective(perspective, false);
            QCOMPARE(view.isPerspective(), perspective);
            view.resize(320, 240);
            view.show();
            QVERIFY(QTest::qWaitForWindowExposed(&view));

            const QImage frame = view.grabFramebuffer();
            QCOMPARE(frame.size(), QSize(320, 240));
            const QRgb background = qRgb(60, 60, 60);
            int backgroundPixels = 0;
            for (int y = 0; y < frame.height(); ++y)
                for (int x = 0; x < frame.width(); ++x)
                    backgroundPixels += frame.pixel(x, y) == background;
            QVERIFY(backgroundPixels > 100);
            QVERIFY(frame.width() * frame.height() - backgroundPixels > 100);
        }
        QVERIFY(!GLWidget::instance());
    }

    void unsupportedModelStopsTheStart_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("supported");
        for (const int mode : {-2, -1, 0, 1, 2})
            QTest::addRow("%d", mode) << mode << (mode >= -1 && mode <= 1);
    }

    void unsupportedModelStopsTheStart()
    {
        QFETCH(int, mode);
        QFETCH(bool, supported);
        GLWidget view;
        view.camera().setPreset(2);
        dhOriginMode = mode;
        isRunnable = true;
        QStringList titles;
        MsgBox::setAutoAnswer([&titles](QMessageBox& box) {
            titles << box.windowTitle();
            return box.buttons().value(0);
        });
        view.loadRobot();
        MsgBox::setAutoAnswer({});

        QCOMPARE(isRunnable, supported);
        QCOMPARE(titles, supported ? QStringList() : QStringList{"Model unsupported error"});
        QCOMPARE(view.camera().preset(), 0u);
    }
};

QTEST_MAIN(TestGLWidget)
#include "tst_glwidget.moc"
