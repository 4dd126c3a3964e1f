#include "app/core/constants.h"
#include "app/core/interfaceutilities.h"
#include "messagecapture.h"

#include <QComboBox>
#include <QHeaderView>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

class TestInterfaceUtilities : public QObject
{
    Q_OBJECT

private slots:
    void shortTextsAreTheSharedConstants()
    {
        QCOMPARE(&okNgText(true), &Constants::textOk);
        QCOMPARE(okNgText(false), QStringLiteral("NG"));
        QCOMPARE(onOffText(false), QStringLiteral("OFF"));
        QCOMPARE(tfText(true), QStringLiteral("T"));
        QCOMPARE(objectDescription(nullptr), QStringLiteral("NULL"));
        QObject named;
        named.setObjectName(QStringLiteral("name"));
        QCOMPARE(objectDescription(&named), QStringLiteral("name"));
        QObject anonymous;
        QVERIFY(objectDescription(&anonymous).startsWith(QLatin1String("QObject@")));
    }

    void attributeDumpIsSortedByName()
    {
        QCOMPARE(ApplicationAttributeNames().size(), 30);
        MessageCapture log;
        dumpApplicationAttributes(true);
        const QStringList lines = log.messages();
        QCOMPARE(lines.size(), 31);
        QCOMPARE(lines[0], QStringLiteral("ApplicationAttributes:"));
        QVERIFY(lines[1].startsWith(QLatin1String("  CompressHighFrequencyEvents: ")));
        QVERIFY(lines[30].startsWith(QLatin1String("  X11InitThreads: ")));
        const auto indexOf = [&](const char* name) {
            for (int i = 0; i < lines.size(); ++i)
                if (lines[i].startsWith(QLatin1String("  ") + QLatin1String(name) + ":"))
                    return i;
            return -1;
        };
        QVERIFY(indexOf("MSWindowsUseDirect3DByDefault") < indexOf("MacDontSwapCtrlAndMeta"));
        QVERIFY(lines[1].endsWith(QLatin1String(": T")) || lines[1].endsWith(QLatin1String(": F")));
    }

    void tableSizesSkipHiddenRows()
    {
        QTableWidget table(6, 2);
        for (int r = 0; r < 6; ++r)
            table.setRowHeight(r, 40 + r);
        table.setRowHidden(1, true);
        int header = -1, first = -1, frame = -1;
        const int height = tableHeightForRows(&table, false, false, 3, &header, &first, &frame);
        QCOMPARE(height, 40 + 42 + 43); // rows 0, 2 and 3
        QCOMPARE(header, 0);
        QCOMPARE(first, 40);
        QCOMPARE(frame, 0);
        QCOMPARE(tableHeightForRows(&table, false, false, 0), 40); // 0 counts one row
        table.horizontalHeader()->hide();
        QCOMPARE(tableHeightForRows(&table, true, true, -1),
                 40 + 42 + 43 + 44 + 45 + 2 * table.frameWidth());
    }

    void rowsThatFitProbeAnEmptyTable()
    {
        QTableWidget table(0, 1);
        table.horizontalHeader()->hide();
        table.verticalHeader()->setDefaultSectionSize(40);
        int fitted = 0;
        const int n = tableRowsThatFit(&table, 210 + 2 * table.frameWidth(), &fitted);
        QCOMPARE(n, 5);
        QCOMPARE(fitted, 200 + 2 * table.frameWidth());
        QCOMPARE(table.rowCount(), 0);
        QVERIFY(tableRowsThatFit(&table, 0) <= 0);
    }

    void sliderSteppingClamps()
    {
        QSlider slider;
        slider.setRange(0, 100);
        slider.setValue(98);
        QCOMPARE(stepSliderValue(&slider, 5), 100);
        QCOMPARE(slider.value(), 100);
        QCOMPARE(stepSliderValue(&slider, 5), 100);
        QCOMPARE(stepSliderValue(&slider, -150), 0);
        QCOMPARE(stepSliderValue(&slider, 0), 0);
    }

    void comparisonAtShownPrecision()
    {
        QVERIFY(isEqualAsText(1.25f, 1.2500001f, "%.3f"));
        QVERIFY(!isEqualAsText(1.25f, 1.2500001f, "%.7f"));
        QVERIFY(isEqualAsText(0.04f, 0.041f, "%.2f"));
    }

    void comboBoxHelpers()
    {
        QComboBox combo;
        combo.addItems({QStringLiteral("Alpha"), QStringLiteral("Beta")});
        QCOMPARE(selectComboBoxItem(&combo, QStringLiteral("beta")), 1);
        QCOMPARE(selectComboBoxItem(&combo, QStringLiteral("none")), -1);
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(selectComboBoxItem(&combo, QStringLiteral("none"), 0), 0);
        QVERIFY(comboBoxContentWidth(&combo, 500) == 500);
        const int hint = combo.sizeHint().width() - (combo.hasFrame() ? 2 : 0);
        QCOMPARE(comboBoxContentWidth(&combo, -1, 0), hint);
        QVERIFY(comboBoxContentWidth(&combo, -1, 1000) > 1000);
    }

    void environmentAndSystemTexts()
    {
        qputenv("OBX_UTIL_TEST", "value");
        QCOMPARE(expandEnvironment(QStringLiteral("a/%OBX_UTIL_TEST%/b")),
                 QStringLiteral("a/value/b"));
        QCOMPARE(expandEnvironment(QStringLiteral("%OBX_UNSET_VARIABLE%/x")),
                 QStringLiteral("%OBX_UNSET_VARIABLE%/x"));
        QCOMPARE(expandEnvironment(QStringLiteral("100%")), QStringLiteral("100%"));
        QVERIFY(!systemErrorText(1152).isEmpty());
        QVERIFY(!systemErrorText(1460).isEmpty());
        QVERIFY(!systemErrorText(2).isEmpty()); // no such file
        QCOMPARE(systemErrorText(2), systemErrorText(2).trimmed());
        QVERIFY(readTextFile(QStringLiteral("/nonexistent/file")).isEmpty());
    }

    void ancestorsByClass()
    {
        QWidget top;
        QTableWidget table(&top);
        QObject child(&table);
        QCOMPARE(findAncestorInheriting(&child, &QWidget::staticMetaObject), &table);
        QCOMPARE(findAncestorInheriting(&child, &QTableWidget::staticMetaObject), &table);
        QCOMPARE(findAncestorInheriting(&table, &QTableWidget::staticMetaObject), nullptr);
        QCOMPARE(findAncestorInheriting(nullptr, &QWidget::staticMetaObject), nullptr);
    }
};

QTEST_MAIN(TestInterfaceUtilities)
#include "tst_interfaceutilities.moc"
