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
        // Names come from the catalogue; without a text there the key shows.
        QCOMPARE(m_manager->sceneName(21), QStringLiteral("Arm Monitoring Model"));
        QCOMPARE(m_manager->sceneName(24), QStringLiteral("StopDistanceEstimation"));
    }

    // The signals and state changes are those of the last load (not looked
    // at when empty).
    void loading_data()
    {
        QTest::addColumn<QList<int>>("scenes");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("activeState");
        QTest::addColumn<QStringList>("signalNames");
        QTest::addColumn<QStringList>("states");
        const QStringList none, leave20 = {"out:20", "in:0", "out:0"};
        const QStringList leave3 = {"out:3", "in:0", "out:0"};
        const QStringList monitoring = {"home", "monitoringJointPosition", "loadedScene"};
        QTest::newRow("panel") << QList<int>{20} << 20 << 20 << 20 << none << none;
        QTest::newRow("monitoring opens its first screen")
            << QList<int>{20, 2} << 2 << 20 << 3 << monitoring
            << leave20 + QStringList{"in:3", "loaded"};
        QTest::newRow("monitoring again") << QList<int>{20, 2, 2} << 2 << 20 << 3 << monitoring
                                          << leave3 + QStringList{"in:3", "loaded"};
        QTest::newRow("arm model is 21") << QList<int>{20, 21} << 21 << 21 << 21
                                         << QStringList{"home", "armModel", "loadedScene"}
                                         << leave20 + QStringList{"in:21", "loaded"};
        QTest::newRow("home keeps both")
            << QList<int>{20, 2, 0} << 2 << 20 << 0 << QStringList{"home", "home", "loadedScene"}
            << leave3 + QStringList{"in:0", "loaded"};
        QTest::newRow("logical operation") << QList<int>{25, 36} << 36 << 25 << 36 << none << none;
        QTest::newRow("both dialogs") << QList<int>{25, 2, 36} << 36 << 25 << 36 << none << none;
        QTest::newRow("back to last") << QList<int>{20, 36, 20} << 20 << 20 << 20 << none << none;
        QTest::newRow("already active") << QList<int>{30, 36, 36} << 36 << 30 << 36
                                        << QStringList{"loadedScene"} << QStringList{"loaded"};
    }
    void loading()
    {
        QFETCH(QList<int>, scenes);
        QFETCH(QStringList, signalNames);
        QFETCH(QStringList, states);
        QSignalSpy loaded(m_manager, &SceneManager::loadedScene);
        for (int i = 0; i + 1 < scenes.size(); ++i)
            m_manager->loadScene(scenes[i]);
        SceneRecorder recorder(m_manager);
        m_manager->loadScene(scenes.last());
        if (!signalNames.isEmpty()) {
            QCOMPARE(recorder.signalNames, signalNames);
            QCOMPARE(recorder.states, states);
        }
        QTEST(m_manager->currentScene(), "current");
        QTEST(m_manager->lastScene(), "last");
        QFETCH(int, activeState);
        for (int n = 0; n < Scene::SceneSignals::sceneCount; ++n)
            QCOMPARE(m_manager->state(n)->active(), n == activeState);
        QCOMPARE(loaded.count(), scenes.size());
        QCOMPARE(loaded.last().at(0).toInt(), scenes.last());
    }

    void outOfRangeDoesNothing()
    {
        m_manager->loadScene(20);
        SceneRecorder recorder(m_manager);
        for (const int scene : {-1, 37}) {
            const QString warning = "Scene::SceneManager::loadScene %1 out of range -> NG";
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning.arg(scene)));
            m_manager->loadScene(scene);
            QVERIFY(!m_manager->state(scene));
            QVERIFY(m_manager->sceneName(scene).isEmpty());
        }
        QVERIFY(recorder.signalNames.isEmpty());
        QVERIFY(recorder.states.isEmpty());
        QCOMPARE(m_manager->currentScene(), 20);
        QCOMPARE(m_manager->lastScene(), 20);
    }
};

QTEST_MAIN(TestSceneManager)
#include "tst_scenemanager.moc"
