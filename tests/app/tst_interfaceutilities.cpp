#include "app/core/interfaceutilities.h"
#include "messagecapture.h"

#include <QHeaderView>
#include <QSlider>
#include <QTableWidget>
#include <QtTest>

class TestInterfaceUtilities : public QObject
{
    Q_OBJECT

private slots:
    // Byte order: "MSWindows..." before "Mac...".
    void attributeDumpIsSortedByName()
    {
        MessageCapture log;
        dumpApplicationAttributes(true);
        const QStringList lines = log.messages();
        QCOMPARE(lines.size(), ApplicationAttributeNames().size() + 1);
        QCOMPARE(lines[0], QStringLiteral("ApplicationAttributes:"));
        QStringList sorted = lines.mid(1);
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(lines.mid(1), sorted);
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
        const std::pair<int, int> steps[] = {{5, 100}, {5, 100}, {-150, 0}, {0, 0}};
        for (const auto& [step, value] : steps) {
            QCOMPARE(stepSliderValue(&slider, step), value);
            QCOMPARE(slider.value(), value);
        }
    }

    void comparisonAtShownPrecision()
    {
        QVERIFY(isEqualAsText(1.25f, 1.2500001f, "%.3f"));
        QVERIFY(!isEqualAsText(1.25f, 1.2500001f, "%.7f"));
        QVERIFY(isEqualAsText(0.04f, 0.041f, "%.2f"));
    }

    // Set variables are expanded in the log folder test; the rest stays.
    void unknownVariablesStay()
    {
        QCOMPARE(expandEnvironment(QStringLiteral("%OBX_UNSET_VARIABLE%/x")),
                 QStringLiteral("%OBX_UNSET_VARIABLE%/x"));
        QCOMPARE(expandEnvironment(QStringLiteral("100%")), QStringLiteral("100%"));
    }
};

QTEST_MAIN(TestInterfaceUtilities)
#include "tst_interfaceutilities.moc"
