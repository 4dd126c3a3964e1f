// The speed monitoring point dialog: the words as check lists, bits that
// stand for no point, OK and Cancel through the custom speed page, and the
// 3D view following the checks while the dialog is open.

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include "imagecells.h"
#include "setpanelfixture.h"
#include "widgets/properties/customspeedproperty.h"
#include "widgets/properties/speedpointdialog.h"

namespace {

QListWidget* list(const QWidget* dialog, const char* name)
{
    return dialog->findChild<QListWidget*>(QLatin1String(name));
}

// "1,3" for the checked items of a list.
QString checkedTexts(const QListWidget* list)
{
    QStringList checked;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->checkState() == Qt::Checked)
            checked << list->item(i)->text();
    return checked.join(QLatin1Char(','));
}

QString toString(const QRect& rect)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

quint32 word(const ParameterImage& image, const char* name, int set, int index)
{
    return quint32(image.i32(fieldNamed(name), set, index));
}

} // namespace

class TestSpeedPointDialog : public QObject, PanelTest<Property::CustomSpeed>
{
    Q_OBJECT

    SpeedPointDialog* openedDialog()
    {
        buttonWithText(m_panel, QStringLiteral("Monitoring Points..."))->click();
        return m_panel->findChild<SpeedPointDialog*>();
    }

private slots:
    void init()
    {
        ParameterImage image = defaultImage();
        setI16(image, "UsrSpeedValid", 0, 1, 1);
        watchPoints(image, 1);
        open(image);
        m_panel->show();
        m_panel->setCurrentSet(1);
    }
    void cleanup() { delete m_panel; }

    // Points by number; the 21st tool bit shown by number and fixed; bits
    // above a word's limit shown, fixed and marked.
    void theWordsShowAsCheckLists()
    {
        SpeedPointDialog dialog({0x5, 0x100002}, {0x100003, 0x80000000}, 99);
        QCOMPARE(dialog.currentTool(), 31);
        QCOMPARE(checkedTexts(list(&dialog, "word1")),
                 QStringLiteral("Monitoring Point 1,Monitoring Point 3"));
        QListWidget* second = list(&dialog, "word2");
        QCOMPARE(checkedTexts(second), QStringLiteral("Monitoring Point 2,Bit 21"));
        QListWidgetItem* above = second->item(20);
        QVERIFY(!(above->flags() & Qt::ItemIsEnabled));
        QCOMPARE(above->foreground().color(), QColor(255, 80, 80));
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("aboveLimitNote"))->isHidden());

        QListWidget* tools = list(&dialog, "tools");
        QListWidget* points = list(&dialog, "toolPoints");
        tools->setCurrentRow(0);
        QCOMPARE(tools->item(0)->text(), QStringLiteral("Tool 1 (2)"));
        QCOMPARE(points->count(), 21);
        QCOMPARE(checkedTexts(points),
                 QStringLiteral("Monitoring Point 1,Monitoring Point 2,Bit 21"));
        QVERIFY(!(points->item(20)->flags() & Qt::ItemIsEnabled));
        tools->setCurrentRow(1);
        QCOMPARE(tools->item(1)->foreground().color(), QColor(255, 80, 80));
        QCOMPARE(checkedTexts(points), QStringLiteral("Bit 32"));

        // Checks change the copies only; fixed bits never change.
        QSignalSpy changed(&dialog, &SpeedPointDialog::pointsChanged);
        second->item(0)->setCheckState(Qt::Checked);
        above->setCheckState(Qt::Unchecked);
        points->item(21)->setCheckState(Qt::Unchecked);
        QCOMPARE(dialog.armWords(), (QVector<quint32>{0x5, 0x100003}));
        QCOMPARE(dialog.toolWords().value(1), 0x80000000u);
        QCOMPARE(changed.count(), 1);
    }

    // The 21st bit of a tool word stands for no point but lies within the
    // word's limit: not marked, and no note.
    void theLastToolBitIsWithinTheLimit()
    {
        SpeedPointDialog dialog({0x3, 0xFFFFF}, {0x100001}, 0);
        QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("aboveLimitNote"))->isHidden());
        QListWidget* tools = list(&dialog, "tools");
        QCOMPARE(tools->item(0)->foreground(), QBrush());
        QListWidgetItem* last = list(&dialog, "toolPoints")->item(20);
        QCOMPARE(last->checkState(), Qt::Checked);
        QCOMPARE(last->toolTip(), QStringLiteral("No known meaning: kept as stored."));
    }

    // Every bit of every word set: the dialog fits the screen, which is
    // smaller than any the program meets; the lists scroll inside it while
    // the note and the buttons stay in sight.
    void everyBitSetFitsTheScreen()
    {
        ParameterImage image = m_store->editImage();
        watchEveryPoint(image, 1);
        loadMaster(m_store, image);
        m_panel->setCurrentSet(1);
        SpeedPointDialog* dialog = openedDialog();
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        const QRect available = dialog->screen()->availableGeometry();
        QVERIFY2(available.height() < 720, "the test screen must be the smaller one");
        QVERIFY2(available.contains(dialog->frameGeometry()),
                 qPrintable(QStringLiteral("%1 in %2")
                                .arg(toString(dialog->frameGeometry()), toString(available))));
        const auto* note = dialog->findChild<QLabel*>(QStringLiteral("aboveLimitNote"));
        const auto* buttons = dialog->findChild<QDialogButtonBox*>();
        for (const QWidget* shown :
             {static_cast<const QWidget*>(note), static_cast<const QWidget*>(buttons)}) {
            QVERIFY(shown->isVisible());
            QVERIFY(dialog->rect().contains(QRect(shown->mapTo(dialog, QPoint()), shown->size())));
        }
        const auto* area = dialog->findChild<QScrollArea*>();
        QVERIFY(area->verticalScrollBar()->maximum() > 0);
        QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
        QCOMPARE(list(dialog, "word1")->count(), 32);
        dialog->reject();
        QTRY_VERIFY(!m_panel->findChild<SpeedPointDialog*>());
        QVERIFY(m_store->editImage() == image);
    }

    // Cancel writes nothing; OK writes the changed word and keeps the bits
    // it cannot change. The 3D view follows the checks while open.
    void okWritesTheChangedWordsCancelNothing()
    {
        const ParameterImage before = m_store->editImage();
        SpeedPointDialog* dialog = openedDialog();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(m_store->m_armSpeedPointFlags[1][0], quint8(0));
        list(dialog, "word2")->item(0)->setCheckState(Qt::Checked);
        QCOMPARE(m_store->m_armSpeedPointFlags[1][0], quint8(1));
        dialog->reject();
        QTRY_VERIFY(!m_panel->findChild<SpeedPointDialog*>());
        QVERIFY(m_store->editImage() == before);
        QCOMPARE(m_store->m_armSpeedPointFlags[1][0], quint8(0));

        dialog = openedDialog();
        list(dialog, "word2")->item(0)->setCheckState(Qt::Checked);
        list(dialog, "tools")->setCurrentRow(1);
        list(dialog, "toolPoints")->item(4)->setCheckState(Qt::Checked);
        dialog->accept();
        QTRY_VERIFY(!m_panel->findChild<SpeedPointDialog*>());
        const ParameterImage& after = m_store->editImage();
        QCOMPARE(word(after, "UsrSpeedArmValid", 1, 1), 0x100003u);
        QCOMPARE(word(after, "UsrSpeedToolValid", 1, 1), 0x80000010u);
        QVERIFY(differsOnlyIn(before, after, {{56764, 56768}, {56772, 56776}}));
        QVERIFY(barButton(m_panel, 0)->isEnabled());
        QCOMPARE(m_store->m_selectedTool, 1);
        QCOMPARE(m_store->m_toolSpeedPointFlags[1][4], quint8(1));
    }
};

QTEST_MAIN(TestSpeedPointDialog)
#include "tst_speedpointdialog.moc"
