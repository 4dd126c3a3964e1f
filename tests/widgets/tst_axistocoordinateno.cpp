#include <QPushButton>
#include <QtTest>

#include "parameter/parameter.h"
#include "widgets/axistocoordinateno.h"
#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/diffcombobox.h"

using JointOfSystem = QMap<int, int>; // coordinate system (1..50) -> joint

namespace {

void setJoints(const JointOfSystem& joints)
{
    ParameterImage& image = Parameter::instance()->editImage();
    const FieldDef* axisNo = ParameterLayout::findByName("DHPrmAxisNo");
    QVERIFY(axisNo);
    for (int n = 1; n <= 50; ++n)
        QVERIFY(image.setI16(*axisNo, 0, n - 1, qint16(joints.value(n, 0))));
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
        QTest::newRow("no joints")
            << JointOfSystem{} << 4 << QStringList{invalid} << invalid << QStringList{invalid} << 0;
        QTest::newRow("two systems on joint 3") << twoOnThree << 4 << QStringList{invalid, "3", "5"}
                                                << "3" << QStringList{"3", "4"} << 4;
        QTest::newRow("zero") << twoOnThree << 0 << QStringList{invalid, "3", "5"} << invalid
                              << QStringList{invalid} << 0;
        QTest::newRow("51") << twoOnThree << 51 << QStringList{invalid, "3", "5"} << invalid
                            << QStringList{invalid} << 0;
        QTest::newRow("system of no joint") << twoOnThree << 5 << QStringList{invalid, "3", "5"}
                                            << invalid << QStringList{invalid} << 0;
    }
    void opensOnGivenNumber()
    {
        QFETCH(JointOfSystem, joints);
        QFETCH(int, given);
        setJoints(joints);
        AxisToCoordinateNo dialog(given);
        QFETCH(QStringList, axisItems);
        QFETCH(QString, axis);
        QFETCH(QStringList, coordinates);
        QFETCH(int, coordinateNo);
        QCOMPARE(itemTexts(dialog.axisComboBox()), axisItems);
        QCOMPARE(dialog.axisComboBox()->currentText(), axis);
        QCOMPARE(itemTexts(dialog.coordinateComboBox()), coordinates);
        QCOMPARE(dialog.coordinateNo, quint32(coordinateNo));
        QCOMPARE(dialog.axisNo, quint32(axis.toUInt()));
    }

    void axisChoiceRefillsCoordinates()
    {
        setJoints({{3, 3}, {4, 3}, {7, 5}});
        AxisToCoordinateNo dialog(4);
        dialog.axisComboBox()->setCurrentText("5");
        QCOMPARE(itemTexts(dialog.coordinateComboBox()), QStringList{"7"});
        QCOMPARE(dialog.axisNo, 5u);
        QCOMPARE(dialog.coordinateNo, 7u);
        dialog.axisComboBox()->setCurrentIndex(0);
        QCOMPARE(dialog.coordinateComboBox()->count(), 1);
        QCOMPARE(dialog.axisNo, 0u);
        QCOMPARE(dialog.coordinateNo, 0u);
    }

    void buttonsEmitOwnSignals()
    {
        setJoints({{4, 3}});
        AxisToCoordinateNo ok(4);
        QSignalSpy accepted(&ok, &AxisToCoordinateNo::accepted);
        ok.okButton()->click();
        QCOMPARE(accepted.count(), 1);
        QCOMPARE(ok.result(), int(QDialog::Accepted));
        QCOMPARE(ok.coordinateNo, 4u);

        AxisToCoordinateNo cancel(4);
        QSignalSpy rejected(&cancel, &AxisToCoordinateNo::rejected);
        cancel.cancelButton()->click();
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(cancel.result(), int(QDialog::Rejected));

        AxisToCoordinateNo closed(4);
        QSignalSpy closedRejected(&closed, &AxisToCoordinateNo::rejected);
        closed.show();
        closed.close();
        QCOMPARE(closedRejected.count(), 0);
        QVERIFY(closed.isHidden());
    }
};

QTEST_MAIN(TestAxisToCoordinateNo)
#include "tst_axistocoordinateno.moc"
