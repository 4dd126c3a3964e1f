#include "app/core/setting.h"
#include "app/statusline.h"
#include "defaultimage.h"
#include "imagecells.h"
#include "io/dataprovider.h"
#include "parameter/crc32c.h"
#include "parameter/parameter.h"
#include "testfiles.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

// The status line follows the store: signature, source, unwritten changes
// and values outside their limits.
class TestStatusLine : public QObject
{
    Q_OBJECT

    QString text(const StatusLine& line) const
    {
        QStringList parts;
        for (const QLabel* label : line.findChildren<QLabel*>())
            if (label->isVisibleTo(&line))
                parts << label->text();
        return parts.join(QLatin1Char('|'));
    }

private slots:
    void followsTheStore()
    {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        QTemporaryDir dir;
        QVERIFY(QFile::copy(defaultSetPath(), dir.filePath(QStringLiteral("default.txt"))));
        loadSettingsFile(dir.filePath(QStringLiteral("config.ini")),
                         "[ApplicationSettings]\nParameterPath=" + dir.path().toUtf8() + "\n");
        Parameter* store = Parameter::instance();
        DataProvider* provider = DataProvider::create();
        QVERIFY(provider->initializeForTest(&store->editImage()));
        store->setMasterData(true);

        StatusLine line(store);
        line.resize(1280, line.sizeHint().height()); // as wide as the window makes it
        line.show();
        const quint32 crc = store->masterImage().allDataCRC();
        const QString signature =
            QStringLiteral("%1 (0x%2)").arg(crc).arg(crc, 8, 16, QLatin1Char('0'));
        QVERIFY2(text(line).contains(signature), qPrintable(text(line)));
        QVERIFY2(text(line).contains(QLatin1String("default.txt")), qPrintable(text(line)));
        QVERIFY(text(line).endsWith(
            QLatin1String("|0 values outside their limits, 0 file texts not kept")));
        QVERIFY(!text(line).contains(QLatin1String("not yet written")));

        // An edit counts once it is applied; the unwritten note comes with it.
        QVERIFY(store->editImage().setI16(fieldNamed("UsrSafetyFilterTime"), 0, 0, 0));
        QVERIFY(!text(line).contains(QLatin1String("not yet written")));
        line.refresh(); // an unapplied edit is not "not yet written" either
        QVERIFY2(!text(line).contains(QLatin1String("not yet written")), qPrintable(text(line)));
        QVERIFY(text(line).endsWith(
            QLatin1String("|0 values outside their limits, 0 file texts not kept")));
        store->update(35);
        QTRY_VERIFY(text(line).contains(QLatin1String("Applied changes not yet written")));
        QVERIFY(text(line).endsWith(
            QLatin1String("|1 value outside its limits, 0 file texts not kept")));

        // The applied set becomes the master set.
        store->setMasterData(true);
        QTRY_VERIFY(!text(line).contains(QLatin1String("not yet written")));

        // A CRC of 9894 skips its check when loading: the set read is not
        // signed. That stands beside its source, not beside the signature
        // shown, which stays the one a write would give the set.
        QVERIFY(!text(line).contains(QLatin1String("not signed"), Qt::CaseInsensitive));
        QVERIFY(store->masterImage().setU32At(ParameterLayout::MonitorCrcOffset, 9894));
        QVERIFY(store->masterImage().setU32At(ParameterLayout::AllDataCrcOffset, 9894));
        line.refresh();
        const quint32 written = Crc32c::imageSignature(store->appliedImage()).allData;
        // The source is elided to the room the line's layout gives it.
        QTRY_VERIFY2(
            text(line).contains(QStringLiteral("CRC %1 (0x%2)|Source: default.txt, not signed|")
                                    .arg(written)
                                    .arg(written, 8, 16, QLatin1Char('0'))),
            qPrintable(text(line)));
        QCOMPARE(text(line).count(QLatin1String("signed"), Qt::CaseInsensitive), 1);
        const QLabel* source = nullptr;
        for (const QLabel* label : line.findChildren<QLabel*>())
            if (label->text().startsWith(QLatin1String("Source:")))
                source = label;
        QVERIFY(source);
        QVERIFY2(source->toolTip().startsWith(dir.filePath(QStringLiteral("default.txt"))) &&
                     source->toolTip().contains(QLatin1String("Monitor")) &&
                     source->toolTip().contains(QLatin1String("All data CRC")) &&
                     !source->toolTip().contains(QLatin1String("Whole")),
                 qPrintable(source->toolTip()));

        // The sources have a row of their own: at the line's least width
        // every label still shows its text whole, the short name too.
        line.resize(1, line.height()); // as narrow as its layout lets it be
        QTRY_VERIFY2(source->text().endsWith(QLatin1String("default.txt, not signed")),
                     qPrintable(source->text()));
        for (const QLabel* label : line.findChildren<QLabel*>())
            QVERIFY2(label->contentsRect().width() >=
                         label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text()));
        DataProvider::destroyInstance();
    }

    // The count is red and bold while anything is found: a value outside
    // its limits, or only a file text that the set did not keep.
    void countIsRedWhileAnythingIsFound_data()
    {
        QTest::addColumn<int>("filterTime");   // as stored; its limits are 1 to 127
        QTest::addColumn<QString>("fileText"); // what the file said for it
        QTest::addColumn<QString>("count");
        QTest::newRow("nothing") << 10 << QString()
                                 << "0 values outside their limits, 0 file texts not kept";
        QTest::newRow("outside its limits")
            << 0 << QString() << "1 value outside its limits, 0 file texts not kept";
        QTest::newRow("a file text alone") << 2 << "65538"
                                           << "0 values outside their limits, 1 file text not kept";
    }
    void countIsRedWhileAnythingIsFound()
    {
        QFETCH(int, filterTime);
        QFETCH(QString, fileText);
        QFETCH(QString, count);
        const FieldDef& field = fieldNamed("UsrSafetyFilterTime");
        Parameter* store = Parameter::instance();
        store->editImage() = readImage(defaultSetPath());
        QVERIFY(store->editImage().setI16(field, 0, 0, qint16(filterTime)));
        store->unkeptTexts().clear();
        if (!fileText.isNull())
            store->unkeptTexts().note(store->editImage(), field, 0, 0, fileText);
        store->setMasterData(true);

        StatusLine line(store);
        line.show();
        QLabel* shown = nullptr;
        for (QLabel* label : line.findChildren<QLabel*>())
            if (label->text() == count)
                shown = label;
        QVERIFY2(shown, qPrintable(text(line)));
        const bool red = filterTime != 10;
        QCOMPARE(shown->palette().color(QPalette::WindowText) == QColor(0xff, 0x40, 0x40), red);
        QCOMPARE(shown->font().bold(), red);
        store->unkeptTexts().clear();
    }
};

QTEST_MAIN(TestStatusLine)
#include "tst_statusline.moc"
