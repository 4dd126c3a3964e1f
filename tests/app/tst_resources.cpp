#include <QFile>
#include <QTranslator>
#include <QtTest>

// The compiled-in resource trees must reach every binary (they are linked as
// objects, not through a static library that could drop them).
class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void translationCatalogues_data()
    {
        QTest::addColumn<QString>("code");
        for (const char* code : {"en", "ja", "ko", "zh"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }
    void translationCatalogues()
    {
        QFETCH(QString, code);
        QVERIFY(QFile::exists(QStringLiteral(":/config/i18n/%1.qm").arg(code)));
        QTranslator translator;
        QVERIFY(translator.load(code, QStringLiteral(":/config/i18n")));
        QVERIFY(!translator.isEmpty());
    }

    void styleSheets()
    {
        for (const char* name :
             {"progressbar", "monitoring", "logicaloperation", "paramtreewidget"})
            QVERIFY2(
                QFile::exists(QStringLiteral(":/src/stylesheets/%1.qss").arg(QLatin1String(name))),
                name);
    }
};

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
