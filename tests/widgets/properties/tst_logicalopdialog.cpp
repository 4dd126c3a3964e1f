#include <QtTest>

#include "widgets/properties/logicalopdialog.h"

// The dialog carries the dark look of the editors.
class TestLogicalOpDialog : public QObject
{
    Q_OBJECT

private slots:
    void darkLook()
    {
        LogicalOpDialog dialog(nullptr);
        dialog.resize(240, 160);
        const QImage image = dialog.grab().toImage();
        QCOMPARE(image.pixelColor(4, 4), QColor(0x42, 0x42, 0x42));
    }
};

QTEST_MAIN(TestLogicalOpDialog)
#include "tst_logicalopdialog.moc"
