#include "app/core/setting.h"
#include "app/scene/scenemanager.h"
#include "messagecapture.h"
#include "monitoring/monitoringdialog.h"
#include "monitoring/monitoringjointposition.h"
#include "monitoring/monitoringlogicaloperation.h"
#include "monitoring/monitoringsafetyinput.h"
#include "monitoring/monitoringsafetyoutput.h"
#include "monitoring/monitoringtoolid.h"
#include "monitoringfixture.h"
#include "testfiles.h"
#include "widgets/properties/settingcommonproperty.h"

#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

class TestSignalScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<IO::MirelClient> m_client;

    static QStringList statusTexts(QTableWidget* table)
    {
        return columnTexts(table, table->columnCount() - 1);
    }

private slots:
    void initTestCase() { m_client = prepareScreenTests(); }
    void init() { clearScreenData(); }

    // A bit of the record turns exactly its row ON, in the tab's table.
    void ioRows_data()
    {
        QTest::addColumn<bool>("outputs");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("word");
        QTest::addColumn<int>("bit");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("channel");
        struct Case
        {
            const char* tag;
            bool outputs;
            int tab, word, bit, rows, row;
        };
        const Case cases[] = {
            {"fixed input last", false, 0, 0, 9, 10, 9},
            {"user input last", false, 1, 1, 31, 32, 31},
            {"network input second word", false, 2, 3, 31, 64, 63},
            {"internal input row 32", false, 3, 5, 0, 157, 32},
            {"internal input last", false, 3, 8, 28, 157, 156},
            {"fixed output 3003", true, 0, 0, 2, 3, 2},
            {"user output 60533 from word 0", true, 1, 0, 3, 33, 0},
            {"user output 60501", true, 1, 1, 0, 33, 1},
            {"user output 60532", true, 1, 1, 31, 33, 32},
            {"network output last", true, 2, 3, 31, 64, 63},
            {"internal output last", true, 3, 9, 1, 162, 161},
        };
        for (const Case& c : cases)
            for (int channel = 0; channel < 2; ++channel)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(c.tag).arg("AB"[channel])))
                    << c.outputs << c.tab << c.word << c.bit << c.rows << c.row << channel;
    }
    void ioRows()
    {
        QFETCH(bool, outputs);
        QFETCH(int, tab);
        QFETCH(int, word);
        QFETCH(int, bit);
        QFETCH(int, rows);
        QFETCH(int, row);
        QFETCH(int, channel);
        MirelRzShmRz2IfSafmMonChannel& block = sharedRecord().channel[channel];
        (outputs ? block.safetyOutputs : block.safetyInputs)[word] |= 1u << bit;
        QScopedPointer<MonitoringSafetyIO> screen(
            outputs ? static_cast<MonitoringSafetyIO*>(new MonitoringSafetyOutput)
                    : new MonitoringSafetyInput);
        screen->show();
        screen->header()->selectCpuButton(channel);
        screen->tabWidget()->setCurrentIndex(tab);
        tick(m_client.get());
        QTableWidget* table = screen->tabTable(tab);
        QCOMPARE(table->rowCount(), rows);
        QCOMPARE(statusTexts(table), expectedOn(rows, {row}));
        screen->header()->selectCpuButton(1 - channel);
        QCOMPARE(statusTexts(table), expectedOn(rows, {}));
    }

    void ioColumnsAndOtherTabsWait()
    {
        QScopedPointer<MonitoringSafetyOutput> screen(shownAndFed(new MonitoringSafetyOutput));
        // Only Fixed and Internal show the signal number.
        const int columns[] = {3, 2, 2, 3};
        for (int tab = 0; tab < 4; ++tab)
            QCOMPARE(screen->tabTable(tab)->columnCount(), columns[tab]);
        QCOMPARE(screen->tabTable(3)->item(0, 1)->text(), QStringLiteral("2001"));
        // The columns fixed when the screen is measured hold the width of all
        // their rows.
        QScopedPointer<MonitoringSafetyOutput> unshown(new MonitoringSafetyOutput);
        unshown->ensureMeasured();
        int fixed = 0;
        for (int tab = 0; tab < 4; ++tab) {
            QTableWidget* table = unshown->tabTable(tab);
            for (int column = 0; column < table->columnCount(); ++column) {
                if (table->horizontalHeader()->sectionResizeMode(column) != QHeaderView::Fixed)
                    continue;
                ++fixed;
                const int width = table->columnWidth(column);
                table->resizeColumnToContents(column);
                QCOMPARE(table->columnWidth(column), width);
            }
        }
        QVERIFY(fixed >= 4);
        // A tab that is not current catches up at the next tick only.
        sharedRecord().channel[0].safetyOutputs[2] = 1;
        tick(m_client.get());
        screen->tabWidget()->setCurrentIndex(2);
        QCOMPARE(screen->tabTable(2)->item(0, 1)->text(), QStringLiteral("OFF"));
        tick(m_client.get());
        QCOMPARE(screen->tabTable(2)->item(0, 1)->text(), QStringLiteral("ON"));
    }

    // A screen is measured where its dialog placed it, under the dialog's
    // sheets, with parts of it polished by the placing; a screen placed
    // under another styled parent with its own sheet is measured there. In
    // either place it is measured in its own style: as shown on its own.
    void measuredInPlaceAsOnItsOwn_data()
    {
        QTest::addColumn<int>("scene");
        QTest::addColumn<bool>("inDialog");
        for (const int scene : {3, 4, 5, 6, 7, 8, 14})
            for (const bool inDialog : {false, true})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(scene).arg(
                    inDialog ? "in the dialog" : "styled parent")))
                    << scene << inDialog;
    }
    void measuredInPlaceAsOnItsOwn()
    {
        QFETCH(int, scene);
        QFETCH(bool, inDialog);
        const auto layout = [](MonitoringBase* screen) {
            QStringList sizes;
            for (const QTableWidget* table : screen->findChildren<QTableWidget*>()) {
                const QHeaderView* columns = table->horizontalHeader();
                QStringList widths;
                for (int column = 0; column < table->columnCount(); ++column)
                    widths << (columns->sectionResizeMode(column) == QHeaderView::Stretch
                                   ? QStringLiteral("stretch")
                                   : QString::number(table->columnWidth(column)));
                sizes << QStringLiteral("%1x%2 header %3 row %4 columns %5")
                             .arg(table->maximumWidth())
                             .arg(table->maximumHeight())
                             .arg(columns->sizeHint().height())
                             .arg(table->rowCount() ? table->rowHeight(0) : -1)
                             .arg(widths.join(QLatin1Char(' ')));
            }
            return sizes;
        };
        QScopedPointer<MonitoringBase> alone(createStatusScreen(scene));
        alone->resize(640, 480);
        alone->show();
        QVERIFY(!layout(alone.data()).isEmpty());
        if (inDialog) {
            QObject owner;
            Scene::SceneManager::create(&owner);
            View::create(&owner);
            MonitoringDialog dialog(nullptr);
            auto* placed = qobject_cast<MonitoringBase*>(View::instance()->screen(scene));
            QVERIFY(placed && placed->window() == &dialog);
            // Measured as the dialog first shows.
            dialog.show();
            QCOMPARE(layout(placed), layout(alone.data()));
            return;
        }
        QWidget parent;
        parent.setStyleSheet(QStringLiteral("QWidget { background-color: #424242; }"));
        MonitoringBase* placed = createStatusScreen(scene);
        placed->resize(640, 480);
        placed->setParent(&parent);
        placed->ensureMeasured();
        QCOMPARE(layout(placed), layout(alone.data()));
    }

    // The start-up builds the dialog in the main window, whose first polish
    // runs through every widget below it: the screens of the other tabs are
    // styled and measured only as the dialog first shows.
    void hiddenScreensWaitForTheDialog()
    {
        QObject owner;
        Scene::SceneManager::create(&owner);
        View::create(&owner);
        QWidget window;
        auto* dialog = new MonitoringDialog(&window);
        window.ensurePolished();
        QWidget* first = dialog->tabWidget()->widget(0);
        QWidget* other = dialog->tabWidget()->widget(4);
        QVERIFY(first && other);
        QVERIFY(!other->testAttribute(Qt::WA_WState_Polished));
        dialog->show();
        QVERIFY(other->testAttribute(Qt::WA_WState_Polished));
    }

    // The dialog first shows at the size it keeps once the screen shows its
    // first record: the joint screen's flange line is there from the start.
    void firstShowingHasTheLaterSize()
    {
        QObject owner;
        Scene::SceneManager::create(&owner);
        View::create(&owner);
        MonitoringDialog dialog(nullptr);
        QCOMPARE(dialog.tabWidget()->currentWidget()->objectName(),
                 QStringLiteral("MonitoringJointPosition"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QSize first = dialog.size();
        tick(IO::MirelClient::instance());
        QCOMPARE(dialog.sizeHint(), first);
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.size(), first);
    }

    // The main window polishes its hidden dialogs with itself, so a screen
    // may be polished in its place long before it is measured: its parts
    // polished before it (its table header) take its sheet all the same.
    void polishedWithItsWindowLooksAsOnItsOwn()
    {
        const auto header = [](MonitoringBase* screen) {
            QHeaderView* columns = screen->findChild<QTableWidget*>()->horizontalHeader();
            return columns->grab().toImage().pixel(columns->width() / 2, columns->height() / 2);
        };
        QScopedPointer<MonitoringBase> alone(createStatusScreen(9));
        alone->resize(640, 480);
        alone->show();
        QVERIFY(QTest::qWaitForWindowExposed(alone.data()));
        QWidget window;
        window.setStyleSheet(QStringLiteral("QWidget { background-color: #424242; }"));
        MonitoringBase* placed = createStatusScreen(9);
        placed->resize(640, 480);
        placed->setParent(&window);
        window.ensurePolished();
        placed->ensureMeasured();
        window.resize(640, 480);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(header(placed), header(alone.data()));
    }

    void logicListsFormulasInUse()
    {
        ParameterImage& image = Parameter::instance()->appliedImage();
        setI16(image, "LogicalOperatDetails", 0, 0, 1);
        setI16(image, "LogicalOperatInput1", 0, 0, 1001);
        setI16(image, "LogicalOperatInput2", 0, 0, 0);
        setI16(image, "LogicalOperatDetails", 0, 2, 2);
        setI16(image, "LogicalOperatInput1", 0, 2, 1);
        setI16(image, "LogicalOperatInput2", 0, 2, 1101);
        for (int k = 0; k < 12; ++k)
            setI16(image, "SignalAssigInternalIn", 0, k, 3);
        setI16(image, "LogicalOperatDetails", 0, 399, 1);
        sharedRecord().channel[1].logicResults[0] = 0x4;   // result 3
        sharedRecord().channel[1].logicResults[49] = 0x80; // result 400
        QScopedPointer<MonitoringLogicalOperation> screen(
            shownAndFed(new MonitoringLogicalOperation));
        QTableWidget* table = screen->table();
        QCOMPARE(columnTexts(table, 0), QStringList({"1", "3", "400"}));
        QCOMPARE(columnTexts(table, 2), QStringList({"1001", "1", ""}));
        QCOMPARE(columnTexts(table, 3), QStringList({"", "1101", ""}));
        QCOMPARE(columnTexts(table, 4)[0], QString());
        QCOMPARE(columnTexts(table, 4)[1].count(QStringLiteral(", ")), 11);
        QCOMPARE(statusTexts(table), QStringList({"OFF", "OFF", "OFF"}));
        screen->header()->selectCpuButton(1);
        QCOMPARE(statusTexts(table), QStringList({"OFF", "ON", "ON"}));
        // Ten assignments in the tool tip, then the count of the others.
        const QStringList tip = screen->cellToolTip(1, 4).split(QLatin1Char('\n'));
        QCOMPARE(tip.size(), 11);
        QCOMPARE(tip.last(), QStringLiteral("... and 2 more assignments"));
        QVERIFY(!screen->cellToolTip(0, 2).isEmpty());
        QCOMPARE(screen->cellToolTip(0, 3), QString());
        QCOMPARE(screen->cellToolTip(7, 2), QString());
        // A new applied set rebuilds the rows of a shown screen.
        setI16(image, "LogicalOperatDetails", 0, 2, 0);
        emit Parameter::instance()->parameterChanged(Parameter::MasterData);
        QCOMPARE(columnTexts(table, 0), QStringList({"1", "400"}));
        tick(m_client.get());
        QCOMPARE(statusTexts(table), QStringList({"OFF", "ON"}));
    }

    void jointValuesAndUnits()
    {
        ParameterImage& image = Parameter::instance()->appliedImage();
        setI16(image, "Assignment", 0, 0, 1);
        setI16(image, "Assignment", 0, 17, 2);
        setI16(image, "Assignment", 0, 2, -3); // any word but 0 enables
        setI16(image, "AxisType", 0, 0, 2);
        setI16(image, "AxisType", 0, 1, 1);
        setI16(image, "AxisType", 0, 2, 7);
        MirelRzShmRz2IfSafmMon& record = sharedRecord();
        record.jointSv[0] = 12.34f;
        record.jointPv[0] = -0.05f;
        record.jointSv[1] = std::numeric_limits<float>::infinity();
        record.jointPv[1] = std::numeric_limits<float>::quiet_NaN();
        record.jointSv[17] = std::numeric_limits<float>::max();
        record.channel[0].flangePosition[0] = 1.25f;
        record.channel[0].flangePosition[1] = -0.0f;
        record.channel[0].flangePosition[2] = -std::numeric_limits<float>::max();
        record.channel[1].flangePosition[0] = 7.0f;
        QScopedPointer<MonitoringJointPosition> screen(shownAndFed(new MonitoringJointPosition));
        QTableWidget* table = screen->jointTable();
        QCOMPARE(columnTexts(table, 0).last(), QStringLiteral("18"));
        QCOMPARE(columnTexts(table, 3).mid(0, 4), QStringList({"deg", "mm", "-", "-"}));
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("12.3"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("-0.1"));
        QCOMPARE(table->item(1, 1)->text(), QStringLiteral("inf"));
        QCOMPARE(table->item(1, 2)->text(), QStringLiteral("nan"));
        QCOMPARE(table->item(17, 1)->text(), QString::number(3.4028234663852886e38, 'f', 1));
        QCOMPARE(table->item(5, 1)->text(), QStringLiteral("0.0"));
        QVERIFY(table->item(0, 0)->flags() & Qt::ItemIsEnabled);
        QVERIFY(!(table->item(1, 0)->flags() & Qt::ItemIsEnabled));
        QVERIFY(table->item(2, 0)->flags() & Qt::ItemIsEnabled);
        // C's "%.1f": the exact binary value rounded half to even, and -0.0
        // with its sign; the channel the header selects.
        QLabel* flange = screen->flangeLabel();
        QVERIFY2(flange->text().startsWith(QStringLiteral(
                     "Current Position (Flange Point)    X:1.2 mm    Y:-0.0 mm    Z:-3402")),
                 qPrintable(flange->text()));
        screen->header()->selectCpuButton(1);
        QVERIFY(flange->text().contains(QStringLiteral("X:7.0 mm    Y:0.0 mm    Z:0.0 mm")));
        // Black on light grey, not the screen's white on dark grey.
        const QImage look = flange->grab().toImage();
        QCOMPARE(QColor(look.pixel(1, 1)), QColor(0xe0, 0xe0, 0xe0));
        int darkest = 255;
        for (int y = 0; y < look.height(); ++y)
            for (int x = 0; x < look.width(); ++x)
                darkest = qMin(darkest, qGray(look.pixel(x, y)));
        QVERIFY(darkest < 0x40);
        // An unchanged value is not written again.
        table->item(0, 1)->setText(QStringLiteral("kept"));
        record.jointPv[0] = 5.0f;
        tick(m_client.get());
        QCOMPARE(table->item(0, 1)->text(), QStringLiteral("kept"));
        QCOMPARE(table->item(0, 2)->text(), QStringLiteral("5.0"));
    }

    void flangeLengthIsLoggedOnRequest()
    {
        QTemporaryDir dir;
        loadSettingsFile(dir.filePath("config.ini"), "[Test]\nLogFlangePosition=true\n");
        MessageCapture log;
        QScopedPointer<MonitoringJointPosition> screen(shownAndFed(new MonitoringJointPosition));
        QVERIFY(log.contains(QStringLiteral("strlen(buf): 36")));
        Setting::instance()->resetToDefaults();
    }

    void toolNumber_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("shown");
        QTest::newRow("first tool") << 0 << "1";
        QTest::newRow("tool 32") << 31 << "32";
        QTest::newRow("a byte above 127 is no negative number") << 199 << "200";
        QTest::newRow("none wraps to 0") << 255 << "0";
    }
    void toolNumber()
    {
        QFETCH(int, index);
        QFETCH(QString, shown);
        sharedRecord().channel[1].currentToolIndex = quint8(index);
        QScopedPointer<MonitoringToolId> screen(shownAndFed(new MonitoringToolId));
        QCOMPARE(screen->table()->item(0, 1)->text(), QStringLiteral("1"));
        screen->header()->selectCpuButton(1);
        QCOMPARE(screen->table()->item(0, 1)->text(), shown);
    }

    void toolNotesFollowTheCommonSettings()
    {
        Parameter* store = Parameter::instance();
        const FieldDef& toolIdField = fieldNamed("ToolIdSpec");
        store->editImage().setI16(toolIdField, 0, 0, 0);
        Property::SettingCommon panel(store);
        panel.initialize();
        QScopedPointer<MonitoringToolId> screen(shownAndFed(new MonitoringToolId));
        QVERIFY(screen->note(0)->isHidden() && screen->note(1)->isHidden());
        screen->connectSettingCommon(&panel);
        QVERIFY(!screen->note(0)->isHidden() && !screen->note(1)->isHidden());
        store->editImage().setI16(toolIdField, 0, 0, 1);
        emit store->parameterChanged(Parameter::AppliedData);
        QVERIFY(screen->note(0)->isHidden() && screen->note(1)->isHidden());
        screen->connectSettingCommon(nullptr); // changes nothing
        QVERIFY(screen->note(0)->isHidden());
    }
};

QTEST_MAIN(TestSignalScreens)
#include "tst_signalscreens.moc"
