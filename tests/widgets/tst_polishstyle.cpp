#include "widgets/checkbox.h"
#include "widgets/label.h"
#include "widgets/polishstyle.h"
#include "widgets/spinbox.h"
#include "widgets/widgetstylesheets.h"

#include <QVBoxLayout>
#include <QtTest>

class TestPolishStyle : public QObject
{
    Q_OBJECT

private slots:
    // A box measured or shown after several moves looks and measures exactly
    // like one that was given its sheet at once.
    void sheetArrivesBeforeMeasuringOrShowing()
    {
        QSpinBox direct;
        direct.setStyleSheet(WidgetStyleSheets::spinBox);
        direct.setButtonSymbols(QAbstractSpinBox::NoButtons);
        direct.setAlignment(Qt::AlignRight);
        direct.setRange(0, 99999);

        QWidget first;
        first.setStyleSheet(QStringLiteral("QWidget { font-size: 20px; }"));
        QWidget second;
        auto* box = new SpinBox(0, 99999);
        box->setParent(&first);
        box->setParent(&second);
        QCOMPARE(PolishStyle::styleSheet(box), WidgetStyleSheets::spinBox);
        QCOMPARE(box->sizeHint(), direct.sizeHint());
        QCOMPARE(box->styleSheet(), WidgetStyleSheets::spinBox);

        // An edit state set before the sheet arrives still colours the box.
        auto* checkBox = new CheckBox(&second);
        checkBox->setState(1);
        QCOMPARE(checkBox->objectName(), QStringLiteral("form-changed"));
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(checkBox->styleSheet(), WidgetStyleSheets::checkBox);
        checkBox->setState(2);
        QCOMPARE(checkBox->objectName(), QStringLiteral("form-updated"));
        QCOMPARE(checkBox->styleSheet(), WidgetStyleSheets::checkBox);
    }

    // A sheet given directly, or taken away, before the first polish is not
    // overwritten by the waiting one.
    void directSheetsWin()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* own = new Label(QStringLiteral("x"), QString());
        own->setStyleSheet(QStringLiteral("color: red;"));
        auto* none = new CheckBox;
        PolishStyle::set(none, QString());
        layout->addWidget(own);
        layout->addWidget(none);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(own->styleSheet(), QStringLiteral("color: red;"));
        QVERIFY(none->styleSheet().isEmpty());
        QVERIFY(PolishStyle::styleSheet(none).isEmpty());
    }

    // While held, event processing polishes no widget of a window never shown,
    // but still those of a window on screen; afterwards requests flow again.
    void holdSkipsEarlyPolishOfHiddenWindows()
    {
        QWidget shown;
        shown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&shown));
        QWidget hidden;
        {
            const PolishStyle::Hold hold;
            auto* late = new SpinBox(&hidden);
            auto* visible = new SpinBox(&shown);
            QTRY_VERIFY(visible->testAttribute(Qt::WA_WState_Polished));
            QCoreApplication::processEvents();
            QVERIFY(!late->testAttribute(Qt::WA_WState_Polished));
            QVERIFY(late->styleSheet().isEmpty());
        }
        auto* after = new SpinBox(&hidden);
        QTRY_VERIFY(after->testAttribute(Qt::WA_WState_Polished));
        hidden.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hidden));
        for (SpinBox* box : hidden.findChildren<SpinBox*>())
            QCOMPARE(box->styleSheet(), WidgetStyleSheets::spinBox);
    }
};

QTEST_MAIN(TestPolishStyle)
#include "tst_polishstyle.moc"
