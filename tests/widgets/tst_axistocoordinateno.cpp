#include <QPushButton>
#include <QtTest>

#include "imagecells.h"
#include "parameter/parameter.h"
#include "widgets/axistocoordinateno.h"
#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/diffcombobox.h"

using JointOfSystem = QMap<int, int>; // coordinate system (1..50) -> joint

namespace {

void setJoints(const JointOfSystem& joints)
{
    for (int n = 1; n <= 50; ++n)
        setI16(Parameter::instance()->editImage(), "DHPrmAxisNo", 0, n - 1, joints.value(n, 0));
}

QStringList itemTexts(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class TestAxisToCoordinateNo : public QObject
{
    Q_OBJECT

private slots:
    void opensOnGivenNumber_data()
    {
        QTest::addColumn<JointOfSystem>("joints");
        QTest::addColumn<int>("given");
        QTest::addColumn<QStringList>("axisItems");
        QTest::addColumn<QString>("axis");
        QTest::addColumn<QStringList>("coordinates");
        QTest::addColumn<int>("coordinateNo");
        const JointOfSystem twoOnThree{{3, 3}, {4, 3}, {7, 5}};
        const QString invalid = "Item Invalid";
        const QStringList axes{invalid, "3", "5"};
        QTest::newRow("no joints")
            << JointOfSystem{} << 4 << QStringList{invalid} << invalid << QStringList{invalid} << 0;
        QTest::newRow("two systems on joint 3")
            << twoOnThree << 4 << axes << "3" << QStringList{"3", "4"} << 4;
        for (const int given : {0, 51, 5}) // out of range, a system of no joint
            QTest::addRow("%d", given)
                << twoOnThree << given << axes << invalid << QStringList{invalid} << 0;
    }
    void opensOnGivenNumber()
    {
        QFETCH(JointOfSystem, joints);
        QFETCH(int, given);
        QFETCH(QString, axis);
        setJoints(joints);
        AxisToCoordinateNo dialog(given);
        QTEST(itemTexts(dialog.axisComboBox()), "axisItems");
        QCOMPARE(dialog.axisComboBox()->currentText(), axis);
        QTEST(itemTexts(dialog.coordinateComboBox()), "coordinates");
        QTEST(int(dialog.coordinateNo), "coordinateNo");
        QCOMPARE(dialog.axisNo, quint32(axis.toUInt()));
    }

    // OK and Cancel end the dialog with its own signals; closing the window
    // emits none.
    void buttonsEmitOwnSignals()
    {
        setJoints({{4, 3}});
        for (const int way : {int(QDialog::Accepted), int(QDialog::Rejected), -1}) {
            AxisToCoordinateNo dialog(4);
            QSignalSpy accepted(&dialog, &AxisToCoordinateNo::accepted);
            QSignalSpy rejected(&dialog, &AxisToCoordinateNo::rejected);
            dialog.show();
            if (way == QDialog::Accepted)
                dialog.okButton()->click();
            else if (way == QDialog::Rejected)
                dialog.cancelButton()->click();
            else
                dialog.close();
            QVERIFY(dialog.isHidden());
            QCOMPARE(accepted.count(), int(way == QDialog::Accepted));
            QCOMPARE(rejected.count(), int(way == QDialog::Rejected));
            QCOMPARE(dialog.coordinateNo, 4u);
        }
    }
};

QTEST_MAIN(TestAxisToCoordinateNo)
#include "tst_axistocoordinateno.moc"
