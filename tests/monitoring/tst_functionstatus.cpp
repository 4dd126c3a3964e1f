#include "io/monitorfeeduse.h"
#include "monitoring/monitoringfooter.h"
#include "monitoring/smhbutton.h"
#include "monitoringfixture.h"
#include "widgets/toggleswitch.h"

#include <QLayout>
#include <QToolTip>
#include <QtTest>

class TestFunctionStatus : public QObject
{
    Q_OBJECT

    std::unique_ptr<IO::MirelClient> m_client;

private slots:
    void initTestCase() { m_client = prepareScreenTests(); }
    void init()
    {
        clearScreenData();
        enableAllFunctions();
    }

    // One signal ON in one channel turns exactly its row ON, in that
    // channel only.
    void oneSignalOneRow_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("channel");
        struct Case
        {
            const char* tag;
            int scene, signal, row;
        };
        const Case cases[] = {
            {"area first", 7, 2003, 0},
            {"area last", 7, 2018, 15},
            {"joint always", 8, 2019, 0},
            {"joint last", 8, 2037, 18},
            {"speed teach", 9, 2038, 0},
            {"speed check", 9, 2039, 1},
            {"speed last", 9, 2057, 19},
            {"orientation first", 10, 2058, 0},
            {"orientation last", 10, 2065, 7},
            {"stop pair first", 11, 2066, 0},
            {"stop pair second", 11, 2084, 1},
            {"stop last", 11, 2101, 35},
            {"fence", 12, 2102, 0},
            {"user stop first", 12, 2103, 1},
            {"user stop second", 12, 2121, 2},
            {"user stop last", 12, 2138, 36},
            {"external", 13, 2139, 0},
            {"user emergency last", 13, 2157, 18},
        };
        for (const Case& c : cases)
            for (int channel = 0; channel < 2; ++channel)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(c.tag).arg("AB"[channel])))
                    << c.scene << c.signal << c.row << channel;
    }
    void oneSignalOneRow()
    {
        QFETCH(int, scene);
        QFETCH(int, signal);
        QFETCH(int, row);
        QFETCH(int, channel);
        setStreamSignal(channel, signal);
        QScopedPointer<MonitoringBase> screen(shownAndFed(createStatusScreen(scene)));
        const int rows = screen->table()->rowCount();
        screen->header()->selectCpuButton(channel);
        QCOMPARE(columnTexts(screen->table(), statusColumnOf(scene)), expectedOn(rows, {row}));
        screen->header()->selectCpuButton(1 - channel);
        QCOMPARE(columnTexts(screen->table(), statusColumnOf(scene)), expectedOn(rows, {}));
    }

    void cellsAreWrittenOnlyWhenTheyChange()
    {
        setStreamSignal(0, 2040);
        setStreamSignal(0, 2041);
        setStreamSignal(1, 2041);
        setStreamSignal(1, 2057);
        QScopedPointer<MonitoringBase> screen(shownAndFed(createStatusScreen(9)));
        QTableWidget* table = screen->table();
        for (int row = 0; row < table->rowCount(); ++row)
            table->item(row, 1)->setText(QStringLiteral("unchanged"));
        screen->header()->selectCpuButton(1);
        QStringList expected = QVector<QString>(20, QStringLiteral("unchanged")).toList();
        expected[2] = "OFF"; // 2040 only in A
        expected[19] = "ON"; // 2057 only in B
        QCOMPARE(columnTexts(table, 1), expected);
        // selectCpuButton(2) clears both marks and keeps the channel.
        screen->header()->selectCpuButton(2);
        QCOMPARE(screen->channelIndex(), 1);
        QVERIFY(!screen->header()->button(0)->property("onOff").toBool());
        QVERIFY(!screen->header()->button(1)->property("onOff").toBool());
        // A tick writes only what changed, the first one after a show all.
        setStreamSignal(1, 2038);
        tick(m_client.get());
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("ON"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("unchanged"));
        screen->hide();
        screen->show();
        tick(m_client.get());
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("OFF"));
    }

    void disabledRowsAreGreyAndStillShowTheirState_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("greyRows");
        QTest::addColumn<int>("signal");
        QTest::newRow("area 16") << 7 << QByteArray("MoveAreaValid") << 15 << QList<int>{15}
                                 << 2018;
        QTest::newRow("always joint")
            << 8 << QByteArray("AlwaysAxisValid") << 0 << QList<int>{0} << 2019;
        QTest::newRow("stop pair")
            << 11 << QByteArray("StopMonValid") << 17 << QList<int>{34, 35} << 2101;
        QTest::newRow("user protective stop")
            << 12 << QByteArray("ProtStopUsrValid") << 0 << QList<int>{1, 2} << 2121;
        QTest::newRow("user emergency stop")
            << 13 << QByteArray("EmeStopUsrValid") << 17 << QList<int>{18} << 2157;
    }
    void disabledRowsAreGreyAndStillShowTheirState()
    {
        QFETCH(int, scene);
        QFETCH(QByteArray, word);
        QFETCH(int, index);
        QFETCH(QList<int>, greyRows);
        QFETCH(int, signal);
        setI16(Parameter::instance()->appliedImage(), word.constData(), 0, index, 0);
        setStreamSignal(0, signal);
        QScopedPointer<MonitoringBase> screen(shownAndFed(createStatusScreen(scene)));
        QTableWidget* table = screen->table();
        const int status = statusColumnOf(scene);
        for (int row = 0; row < table->rowCount(); ++row) {
            const bool grey = greyRows.contains(row);
            QCOMPARE(bool(table->item(row, 0)->flags() & Qt::ItemIsEnabled), !grey);
            QCOMPARE(bool(table->item(row, status)->flags() & Qt::ItemIsEnabled), !grey);
        }
        QCOMPARE(table->item(greyRows.last(), status)->text(), QStringLiteral("ON"));
        // The area screen's Arm and Tool cells stay enabled in a greyed row.
        QCOMPARE(bool(table->item(greyRows.last(), 1)->flags() & Qt::ItemIsEnabled), scene == 7);
    }

    // Rows built at construction follow a later change of the applied
    // image: at once while shown, at the next show while hidden.
    void enableFlagsFollowTheAppliedImage()
    {
        QScopedPointer<MonitoringBase> screen(createStatusScreen(10));
        // Its table is built as it is measured (as its dialog first shows).
        screen->ensureMeasured();
        QTableWidget* table = screen->table();
        setI16(Parameter::instance()->appliedImage(), "ToolOrientValid", 0, 3, 0);
        emit Parameter::instance()->parameterChanged(Parameter::AppliedData);
        QVERIFY(table->item(3, 0)->flags() & Qt::ItemIsEnabled);
        screen->show();
        QVERIFY(!(table->item(3, 0)->flags() & Qt::ItemIsEnabled));
        setI16(Parameter::instance()->appliedImage(), "ToolOrientValid", 0, 3, 1);
        emit Parameter::instance()->parameterChanged(Parameter::MasterData);
        QVERIFY(table->item(3, 0)->flags() & Qt::ItemIsEnabled);
    }

    void areaListsTheModelsInside()
    {
        MirelRzShmRz2IfSafmMon& record = sharedRecord();
        record.channel[0].areaArmModelMask[0] = 0x80000001u;
        record.channel[0].areaToolModelMask[15] = 0x5u;
        record.channel[1].areaArmModelMask[0] = 0x2u;
        QScopedPointer<MonitoringBase> screen(shownAndFed(createStatusScreen(7)));
        auto* area = static_cast<MonitoringMotionArea*>(screen.data());
        int asked = 0;
        area->setViewHook([&asked] { ++asked; });
        QTableWidget* table = area->table();
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("1,32"));
        QCOMPARE(table->item(15, 2)->text(), QStringLiteral("1,3"));
        QCOMPARE(table->item(5, 1)->text(), QStringLiteral("-"));
        // The lists follow the channel at once; the 3D view is told.
        area->header()->selectCpuButton(1);
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("2"));
        QCOMPARE(table->item(15, 2)->text(), QStringLiteral("-"));
        QVERIFY(asked >= 1);
        // The current cell stays in the Arm and Tool columns.
        table->setCurrentCell(4, 3);
        QCOMPARE(table->currentColumn(), 2);
        table->setCurrentCell(4, 0);
        QCOMPARE(table->currentColumn(), 1);
        // Hovering a Status cell leaves the Tool cell current and no tip.
        area->cellEntered(0, 3);
        QCOMPARE(table->currentRow(), 0);
        QCOMPARE(table->currentColumn(), 2);
        QVERIFY(!QToolTip::isVisible());
        // Each show switches the display on again, even without a tool.
        sharedRecord().channel[0].currentToolIndex = 0xFF; // -1: no tool
        QVERIFY(Parameter::instance()->m_allVisible);
        area->footer()->displaySwitch()->setChecked(false);
        QVERIFY(!Parameter::instance()->m_allVisible);
        area->hide();
        area->show();
        QVERIFY(area->footer()->displaySwitch()->isChecked());
        QVERIFY(Parameter::instance()->m_allVisible);
    }

    // Top to bottom: the channel header, the content (a deferred table is
    // built as the screen is first shown), the override footer where the
    // screen has one, then the closing spacing (and a screen's own notes).
    void contentStandsBetweenHeaderAndFooter_data()
    {
        QTest::addColumn<int>("scene");
        for (int scene = 3; scene <= 14; ++scene)
            QTest::addRow("scene %d", scene) << scene;
    }

    void contentStandsBetweenHeaderAndFooter()
    {
        QFETCH(int, scene);
        QScopedPointer<MonitoringBase> screen(shownAndFed(createStatusScreen(scene)));
        const QLayout* layout = screen->layout();
        QWidget* content = layout->itemAt(1)->widget();
        QCOMPARE(layout->itemAt(0)->widget(), screen->header());
        QVERIFY(content && content != screen->footer());
        if (screen->table())
            QCOMPARE(content, screen->table());
        QVERIFY(screen->header()->geometry().bottom() < content->geometry().top());
        int spacing = 2;
        if (screen->footer()) {
            QCOMPARE(layout->itemAt(2)->widget(), screen->footer());
            QVERIFY(content->geometry().bottom() < screen->footer()->geometry().top());
            spacing = 3;
        }
        QVERIFY(layout->itemAt(spacing) && layout->itemAt(spacing)->spacerItem());
    }

    // Each screen holds the feed at most once, however often it is shown or
    // hidden, beside any other consumer such as the 3D view.
    void feedUseCount()
    {
        IO::MonitorFeedUse view3d;
        view3d.take();
        QScopedPointer<MonitoringBase> screen(createStatusScreen(8));
        QScopedPointer<MonitoringBase> other(createStatusScreen(9));
        screen->show();
        screen->show();
        QCOMPARE(m_client->updateUseCount(), 2);
        other->show();
        QCOMPARE(m_client->updateUseCount(), 3);
        screen->hide();
        screen->hide();
        QCOMPARE(m_client->updateUseCount(), 2);
        view3d.release();
        other->close();
        QCOMPARE(m_client->updateUseCount(), 0);
        QVERIFY(!m_client->isUpdating());
        other->show();
        other.reset(); // destruction gives the count back
        QCOMPARE(m_client->updateUseCount(), 0);
    }
};

QTEST_MAIN(TestFunctionStatus)
#include "tst_functionstatus.moc"
