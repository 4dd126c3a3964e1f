#include "imagecells.h"
#include "parameter/parameter.h"

#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <ctime>
#include <memory>

namespace {

// Every byte differs between two images filled with different seeds.
void fillPattern(ParameterImage& image, int seed)
{
    for (int i = 0; i < ParameterImage::Size; ++i)
        image.data()[i] = static_cast<unsigned char>(i * 31 + seed);
}

int firstDifference(const ParameterImage& a, const ParameterImage& b)
{
    for (int i = 0; i < ParameterImage::Size; ++i)
        if (a.data()[i] != b.data()[i])
            return i;
    return -1;
}

void copyRanges(ParameterImage& to, const ParameterImage& from, const QList<int>& ranges)
{
    for (int i = 0; i + 1 < ranges.size(); i += 2)
        std::copy(from.data() + ranges[i], from.data() + ranges[i + 1], to.data() + ranges[i]);
}

template <typename Flags> bool allZero(const Flags& flags)
{
    const auto* bytes = reinterpret_cast<const quint8*>(&flags);
    return std::all_of(bytes, bytes + sizeof flags, [](quint8 b) { return b == 0; });
}

Parameter::DataType typeOf(QSignalSpy& spy)
{
    return spy.takeFirst().at(0).value<Parameter::DataType>();
}

} // namespace

class TestParameterStore : public QObject
{
    Q_OBJECT

    std::unique_ptr<Parameter> m_store;
    int m_costRuns = 0;

private slots:
    void init()
    {
        m_store = std::make_unique<Parameter>();
        m_costRuns = 0;
        m_store->setCostDisplay([this](int) { ++m_costRuns; });
        fillPattern(m_store->editImage(), 1);
        fillPattern(m_store->appliedImage(), 2);
        fillPattern(m_store->masterImage(), 3);
    }

    void sections_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<QList<int>>("ranges"); // begin, end pairs

        QTest::newRow("1 system") << 1 << QList<int>{2492, 2494, 2496, 2498, 2500, 2502};
        QTest::newRow("20 common") << 20 << QList<int>{2724, 3564, 3684, 3756};
        QTest::newRow("21 arm model") << 21 << QList<int>{3792, 5076};
        QTest::newRow("22 tool model") << 22 << QList<int>{5076, 40916};
        QTest::newRow("23 area model") << 23 << QList<int>{40916, 42452};
        QTest::newRow("28 mode speed") << 28 << QList<int>{56404, 56406, 56552, 56554};
        QTest::newRow("30 orientation") << 30 << QList<int>{60012, 60684};
        QTest::newRow("31 stop monitoring") << 31 << QList<int>{60684, 61548};
        QTest::newRow("32 fence") << 32 << QList<int>{61548, 61552};
        QTest::newRow("33 user stop") << 33 << QList<int>{61556, 61772};
        QTest::newRow("34 emergency")
            << 34 << QList<int>{61772, 61774, 61776, 61778, 61780, 61784, 61788, 61932};
        QTest::newRow("35 safety input") << 35 << QList<int>{61932, 62252};
        for (int scene : {-1, 0, 2, 18, 24, 36, 37})
            QTest::addRow("%d none", scene) << scene << QList<int>();
    }

    void sections()
    {
        QFETCH(int, scene);
        QFETCH(QList<int>, ranges);
        const ParameterImage edit = m_store->editImage();
        const ParameterImage applied = m_store->appliedImage();
        QSignalSpy spy(m_store.get(), &Parameter::parameterChanged);

        m_store->update(scene);
        ParameterImage expected = applied;
        copyRanges(expected, edit, ranges);
        QCOMPARE(firstDifference(m_store->appliedImage(), expected), -1);
        QCOMPARE(firstDifference(m_store->editImage(), edit), -1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(typeOf(spy), Parameter::AppliedData);
        QCOMPARE(m_costRuns, 0);

        m_store->appliedImage() = applied;
        m_store->restore(scene);
        expected = edit;
        copyRanges(expected, applied, ranges);
        QCOMPARE(firstDifference(m_store->editImage(), expected), -1);
        QCOMPARE(firstDifference(m_store->appliedImage(), applied), -1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(typeOf(spy), Parameter::AppliedData);
        QCOMPARE(m_costRuns, 1);
    }

    void wholeImage()
    {
        // The system page was applied after the edit image was filled; the
        // edit image carries a later monitor time.
        m_store->editImage().setSystemUpdateTime(1000);
        m_store->appliedImage().setSystemUpdateTime(2000);
        m_store->editImage().setMonitorUpdateTime(3000);
        m_store->appliedImage().setMonitorUpdateTime(500);
        const ParameterImage edit = m_store->editImage();
        const ParameterImage applied = m_store->appliedImage();
        const unsigned char* address = m_store->appliedImage().data();
        QSignalSpy spy(m_store.get(), &Parameter::parameterChanged);

        m_store->update();
        ParameterImage expected = edit;
        copyRanges(expected, applied, {62252, 65448}); // written there by the logic editor
        expected.setWholeUpdateTime(qMax(edit.wholeUpdateTime(), applied.wholeUpdateTime()));
        expected.setSystemUpdateTime(2000);
        expected.setSignalUpdateTime(qMax(edit.signalUpdateTime(), applied.signalUpdateTime()));
        QCOMPARE(firstDifference(m_store->appliedImage(), expected), -1);
        QCOMPARE(m_store->appliedImage().data(), address);

        const quint32 earliest = Parameter::updateTimeStamp(QDateTime::currentDateTimeUtc());
        m_store->setMonitorUpdateTime();
        const quint32 stamp = m_store->appliedImage().monitorUpdateTime();
        QVERIFY(stamp >= earliest &&
                stamp <= Parameter::updateTimeStamp(QDateTime::currentDateTimeUtc()));
        expected.setWholeUpdateTime(stamp);
        expected.setMonitorUpdateTime(stamp);
        QCOMPARE(firstDifference(m_store->appliedImage(), expected), -1);

        m_store->restore();
        QCOMPARE(firstDifference(m_store->editImage(), expected), -1);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(m_costRuns, 1);
    }

    void updateTimeInTwoZones()
    {
        const QByteArray zone = qgetenv("TZ");
        const auto stampIn = [](const char* tz, int utcHour) {
            qputenv("TZ", tz);
            tzset();
            return Parameter::updateTimeStamp(
                QDateTime(QDate(2024, 3, 1), QTime(utcHour, 0), Qt::UTC));
        };
        // 12:00 on the wall clock in Tokyo (UTC+9) and in New York (UTC-5).
        const quint32 tokyo = stampIn("JST-9", 3);
        const quint32 newYork = stampIn("EST5", 17);
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        tzset();
        const qint64 noon = QDateTime(QDate(2024, 3, 1), QTime(12, 0), Qt::UTC).toSecsSinceEpoch();
        QCOMPARE(tokyo, quint32(noon));
        QCOMPARE(newYork, quint32(noon));
    }

    void setMasterData_data()
    {
        QTest::addColumn<bool>("both");
        QTest::newRow("master and applied") << true;
        QTest::newRow("master only") << false;
    }

    void setMasterData()
    {
        QFETCH(bool, both);
        const ParameterImage applied = m_store->appliedImage();
        m_store->setModelVisibility(1, 1, 1);
        m_store->setArmToolModelFlags(1, 1);
        m_store->m_toolOrientationFlags[7][4] = 1;
        QSignalSpy spy(m_store.get(), &Parameter::parameterChanged);

        m_store->setMasterData(both);
        QCOMPARE(firstDifference(m_store->masterImage(), m_store->editImage()), -1);
        QCOMPARE(firstDifference(m_store->appliedImage(), both ? m_store->editImage() : applied),
                 -1);
        // The 3D view's marks belong to the former set.
        QVERIFY(allZero(m_store->m_armModelFlags) && allZero(m_store->m_toolModelFlags) &&
                allZero(m_store->m_areaModelFlags) && allZero(m_store->m_armSpeedPointFlags) &&
                allZero(m_store->m_toolSpeedPointFlags) &&
                allZero(m_store->m_toolOrientationFlags));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(typeOf(spy), Parameter::MasterData);
        QCOMPARE(m_costRuns, 0);
    }

    void jointTables()
    {
        ParameterImage& image = m_store->editImage();
        image.clear();
        const int assignment[] = {0, 2, 2, 1, 25, 3};
        const int axisType[] = {2, 1, 2, 3, 0, 1};
        for (int k = 0; k < 6; ++k) {
            setI16(image, "Assignment", 0, k, assignment[k]);
            setI16(image, "AxisType", 0, k, axisType[k]);
        }
        m_store->setMasterData(false);

        QCOMPARE(m_store->devicesInUse(), QStringList({"Device1", "Robot", "Device2"}));
        QCOMPARE(m_store->assignedJoints(), QStringList({"2", "3", "4", "6"}));
        QCOMPARE(m_store->jointsByDevice().value("Device1"), QStringList({"2", "3"}));
        QCOMPARE(m_store->jointsByDevice().size(), 3);
        const QMap<QString, QString>& suffixes = m_store->unitSuffixes();
        QCOMPARE(suffixes.value("1"), QStringLiteral("suffix deg")); // unassigned, still listed
        QCOMPARE(suffixes.value("2"), QStringLiteral("suffix mm"));
        QVERIFY(!suffixes.contains("4") && suffixes.contains("18"));
        QCOMPARE(Parameter::unitSuffix(image, 3, true), QString());
        QCOMPARE(Parameter::assignedDeviceNumbers(image), QVector<quint8>({1, 2, 3}));
    }

    // The flags follow the edit image's enable words; out-of-table tool
    // numbers flag nothing; every operation announces itself.
    void displayFlags()
    {
        ParameterImage& image = m_store->editImage();
        image.clear();
        setI16(image, "ArmModelSpec", 0, 0, 1); // the user set
        setI16(image, "UsrArmModelCoordinateNo", 0, 4, 7);
        setI16(image, "MkrArmModelCoordinateNo", 0, 5, 7); // other set: not flagged
        setI16(image, "MoveAreaValid", 0, 15, 1);
        setI16(image, "MoveAreaValid", 0, 2, 2); // only 1 counts
        setI16(image, "ToolModelValid", 31, 19, 1);
        setI16(image, "ToolModelValid", 3, 0, 1);
        setI16(image, "ToolOrientValid", 0, 7, 1);
        setI16(image, "ToolOrientRngValid", 7, 4, 1);
        setI16(image, "ToolOrientRngValid", 6, 0, 1); // its set is not valid
        QSignalSpy announced(m_store.get(), &Parameter::selectionChanged);

        m_store->markValidArmAndAreaModels(true);
        QVERIFY(m_store->m_armModelFlags[1][4] == 1 && m_store->m_areaModelFlags[15] == 1);
        const quint8* armFlags = &m_store->m_armModelFlags[0][0];
        QCOMPARE(std::count(armFlags, armFlags + sizeof m_store->m_armModelFlags, 1), 1L);
        QCOMPARE(std::count(std::begin(m_store->m_areaModelFlags),
                            std::end(m_store->m_areaModelFlags), 1),
                 1L);
        m_store->markValidArmAndAreaModels(false);
        QVERIFY(allZero(m_store->m_armModelFlags) && allZero(m_store->m_areaModelFlags));

        for (qint8 outside : {qint8(32), qint8(127), qint8(-1)}) {
            m_store->markValidToolModels(true, outside);
            QVERIFY(allZero(m_store->m_toolModelFlags));
            QCOMPARE(m_store->m_shownToolNo, qint8(-1));
        }
        m_store->markValidToolModels(true, 31);
        QCOMPARE(m_store->m_toolModelFlags[31][19], quint8(1));
        QCOMPARE(m_store->m_toolModelFlags[3][0], quint8(0)); // another tool
        QCOMPARE(m_store->m_shownToolNo, qint8(31));

        m_store->markValidToolOrientations(true);
        QCOMPARE(m_store->m_toolOrientationFlags[7][4], quint8(1));
        QCOMPARE(m_store->m_toolOrientationFlags[6][0], quint8(0));
        QVERIFY(announced.count() >= 7);

        // The live area screen: all valid models of the current tool, then of
        // the next tool alone, then nothing.
        m_store->markValidToolModels(false, -1);
        m_store->markValidToolOrientations(false);
        m_store->showAllValidArmToolAreaModels(true, 3);
        QVERIFY(m_store->m_allVisible && m_store->m_areaModelFlags[15] == 1);
        QCOMPARE(m_store->m_toolModelFlags[3][0], quint8(1));
        m_store->showAllValidArmToolAreaModels(true, 31);
        QCOMPARE(m_store->m_toolModelFlags[3][0], quint8(0));
        QCOMPARE(m_store->m_toolModelFlags[31][19], quint8(1));
        m_store->showAllValidArmToolAreaModels(false, 31);
        QVERIFY(!m_store->m_allVisible && allZero(m_store->m_toolModelFlags) &&
                allZero(m_store->m_areaModelFlags));

        // The orientation switch marks once and clears on its way off.
        m_store->setAllVisible(true);
        QCOMPARE(m_store->m_toolOrientationFlags[7][4], quint8(1));
        m_store->m_toolOrientationFlags[7][4] = 0; // a panel's own choice since
        m_store->setAllVisible(true);
        QCOMPARE(m_store->m_toolOrientationFlags[7][4], quint8(0));
        m_store->setArmToolModelFlags(1, 1);
        m_store->setAllVisible(false);
        QVERIFY(allZero(m_store->m_toolOrientationFlags) && allZero(m_store->m_armSpeedPointFlags));
    }
};

QTEST_MAIN(TestParameterStore)
#include "tst_parameterstore.moc"
