#include <QMetaMethod>
#include <QState>
#include <QTranslator>
#include <QtTest>

#include "app/scene/scenemanager.h"

using Scene::SceneManager;

// Writes down, in order, every signal the manager emits and every state
// the machine enters or leaves.
class SceneRecorder : public QObject
{
    Q_OBJECT

public:
    explicit SceneRecorder(SceneManager* manager)
    {
        const QMetaObject* meta = manager->metaObject();
        const QMetaMethod record = metaObject()->method(metaObject()->indexOfSlot("record()"));
        for (int i = Scene::SceneSignals::staticMetaObject.methodOffset(); i < meta->methodCount();
             ++i)
            if (meta->method(i).methodType() == QMetaMethod::Signal)
                connect(manager, meta->method(i), this, record);
        for (int n = 0; n < Scene::SceneSignals::sceneCount; ++n) {
            connect(manager->state(n), &QState::entered, this,
                    [this, n] { states << QString("in:%1").arg(n); });
            connect(manager->state(n), &QState::exited, this,
                    [this, n] { states << QString("out:%1").arg(n); });
        }
        connect(manager, &SceneManager::loadedScene, this, [this] { states << "loaded"; });
    }
    QStringList signalNames;
    QStringList states;

public slots:
    void record() { signalNames << sender()->metaObject()->method(senderSignalIndex()).name(); }
};

class TestSceneManager : public QObject
{
    Q_OBJECT

    QObject* m_owner = nullptr;
    SceneManager* m_manager = nullptr;
    QTranslator m_english;

    void loadAll(const QList<int>& scenes)
    {
        for (int scene : scenes)
            m_manager->loadScene(scene);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(":/config/i18n/en.qm"));
        QCoreApplication::installTranslator(&m_english);
    }

    void init()
    {
        m_owner = new QObject;
        SceneManager::create(m_owner);
        m_manager = SceneManager::instance();
        QVERIFY(m_manager);
        // The machine starts from the event loop.
        QTRY_VERIFY(m_manager->state(0)->active());
    }

    void cleanup()
    {
        delete m_owner;
        QVERIFY(!SceneManager::instance());
    }

    void startsAtHomeWithSceneOne()
    {
        SceneManager::create(new QObject(m_owner));
        QCOMPARE(SceneManager::instance(), m_manager);
        QCOMPARE(m_manager->currentScene(), 1);
        QCOMPARE(m_manager->lastScene(), 1);
    }

    void currentAndLastScene_data()
    {
        QTest::addColumn<QList<int>>("scenes");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("activeState");
        QTest::newRow("panel") << QList<int>{20} << 20 << 20 << 20;
        QTest::newRow("monitoring") << QList<int>{20, 2} << 2 << 20 << 3;
        QTest::newRow("logical operation") << QList<int>{25, 36} << 36 << 25 << 36;
        QTest::newRow("both dialogs") << QList<int>{25, 2, 36} << 36 << 25 << 36;
        QTest::newRow("home keeps both") << QList<int>{20, 2, 0} << 2 << 20 << 0;
        QTest::newRow("back to last") << QList<int>{20, 36, 20} << 20 << 20 << 20;
        QTest::newRow("already active") << QList<int>{30, 36, 36} << 36 << 30 << 36;
    }
    void currentAndLastScene()
    {
        QFETCH(QList<int>, scenes);
        QSignalSpy loaded(m_manager, &SceneManager::loadedScene);
        loadAll(scenes);
        QFETCH(int, current);
        QFETCH(int, last);
        QFETCH(int, activeState);
        QCOMPARE(m_manager->currentScene(), current);
        QCOMPARE(m_manager->lastScene(), last);
        for (int n = 0; n < Scene::SceneSignals::sceneCount; ++n)
            QCOMPARE(m_manager->state(n)->active(), n == activeState);
        QCOMPARE(loaded.count(), scenes.size());
        QCOMPARE(loaded.last().at(0).toInt(), scenes.last());
    }

    void signalOrder_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<int>("scene");
        QTest::addColumn<QStringList>("signalNames");
        QTest::addColumn<QStringList>("states");
        const QStringList leave20 = {"out:20", "in:0", "out:0"};
        QTest::newRow("monitoring opens its first screen")
            << QList<int>{20} << 2 << QStringList{"home", "monitoringJointPosition", "loadedScene"}
            << leave20 + QStringList{"in:3", "loaded"};
        QTest::newRow("monitoring again")
            << QList<int>{20, 2} << 2
            << QStringList{"home", "monitoringJointPosition", "loadedScene"}
            << QStringList{"out:3", "in:0", "out:0", "in:3", "loaded"};
        QTest::newRow("arm model is 21")
            << QList<int>{20} << 21 << QStringList{"home", "armModel", "loadedScene"}
            << leave20 + QStringList{"in:21", "loaded"};
        QTest::newRow("home") << QList<int>{20} << 0 << QStringList{"home", "home", "loadedScene"}
                              << leave20 + QStringList{"in:0", "loaded"};
        QTest::newRow("page already shown")
            << QList<int>{20} << 20 << QStringList{"loadedScene"} << QStringList{"loaded"};
    }
    void signalOrder()
    {
        QFETCH(QList<int>, before);
        QFETCH(int, scene);
        loadAll(before);
        SceneRecorder recorder(m_manager);
        m_manager->loadScene(scene);
        QTEST(recorder.signalNames, "signalNames");
        QTEST(recorder.states, "states");
    }

    void outOfRangeDoesNothing_data()
    {
        QTest::addColumn<int>("scene");
        QTest::newRow("-1") << -1;
        QTest::newRow("37") << 37;
    }
    void outOfRangeDoesNothing()
    {
        QFETCH(int, scene);
        m_manager->loadScene(20);
        SceneRecorder recorder(m_manager);
        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(QString("Scene::SceneManager::loadScene %1 out of range -> NG").arg(scene)));
        m_manager->loadScene(scene);
        QVERIFY(recorder.signalNames.isEmpty());
        QVERIFY(recorder.states.isEmpty());
        QCOMPARE(m_manager->currentScene(), 20);
        QCOMPARE(m_manager->lastScene(), 20);
        QVERIFY(!m_manager->state(scene));
        QVERIFY(m_manager->sceneName(scene).isEmpty());
    }

    void sceneNames_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<QString>("name");
        QTest::newRow("monitoring screen") << 3 << "Joint Position";
        QTest::newRow("arm model") << 21 << "Arm Monitoring Model";
        QTest::newRow("key shown 24") << 24 << "StopDistanceEstimation";
        QTest::newRow("key shown 32") << 32 << "ProtectiveStopSafetyFence";
        QTest::newRow("key shown 34") << 34 << "EmergencyStop";
    }
    void sceneNames()
    {
        QFETCH(int, scene);
        QTEST(m_manager->sceneName(scene), "name");
    }
};

QTEST_MAIN(TestSceneManager)
#include "tst_scenemanager.moc"
