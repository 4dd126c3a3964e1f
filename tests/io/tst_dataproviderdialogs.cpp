// The exchange's own dialogs: what the comparison view lists, which
// passwords the password dialog takes, and what the file chooser offers.

#include "dataproviderfixture.h"
#include "parameter/parameterdefdb.h"

#include <QtTest>

class TestDataProviderDialogs : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() { QVERIFY(installEnglish()); }

    void comparisonListsEveryDifferentValue()
    {
        const ParameterImage left = defaultImage();
        ParameterImage right = left;
        right.setTextAt(4 + 2 * 32, QStringLiteral("EXTRA-AXIS")); // robot type of device 2
        right.setF32At(2796 + 24, 0.1f);                           // TCP_X of tool 2
        right.setU32At(56268 + 4, 5u);                             // second word of a mask
        right.setU32At(ParameterLayout::WholeCrcOffset, 1u);       // the trailer is no parameter

        const QVector<IO::ComparisonView::Row> rows = IO::ComparisonView::differences(left, right);
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].no, 101);
        QCOMPARE(rows[0].left, QString());
        QCOMPARE(rows[0].right, QStringLiteral("EXTRA-AXIS"));
        QVERIFY2(rows[0].name.endsWith(QLatin1String("(Name 3)")), qPrintable(rows[0].name));
        QCOMPARE(rows[1].no, 3004);
        QCOMPARE(rows[1].right, QStringLiteral("0.1"));
        QVERIFY2(rows[1].name.endsWith(QLatin1String("(Tool 2)")), qPrintable(rows[1].name));
        QCOMPARE(rows[2].no, 3315);
        QCOMPARE(rows[2].right.section(QLatin1Char(','), 1).trimmed(),
                 QStringLiteral("0x00000005"));
        const ParameterDefDB* db = ParameterDefDB::instance();
        QVERIFY(rows[2].name.startsWith(db->displayName(db->findParamByNo(3315))));

        // Values that print alike at six digits still read differently.
        right = left;
        right.setF32At(2796, 1.0000001f);
        const auto close = IO::ComparisonView::differences(left, right);
        QCOMPARE(close.size(), 1);
        QVERIFY(close[0].left != close[0].right);
    }

    void passwordsAreSingleWords_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("valid");
        QTest::newRow("word") << "Abc123!" << true;
        QTest::newRow("non-ASCII") << "p\u00e4ss" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "a b" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("line break") << "a\nZSAFM_LOAD /FIX" << false;
    }
    void passwordsAreSingleWords()
    {
        QFETCH(QString, password);
        QFETCH(bool, valid);
        IO::PasswordDialog dialog(IO::PasswordDialog::ChangePassword);
        dialog.setCurrentPassword(QStringLiteral("old"));
        dialog.setNewPassword(password);
        QCOMPARE(dialog.isAcceptable(), valid);
        IO::PasswordDialog::setAutoAnswer([](IO::PasswordDialog&) { return true; });
        QCOMPARE(dialog.exec(), valid ? int(QDialog::Accepted) : int(QDialog::Rejected));
        IO::PasswordDialog::setAutoAnswer(IO::PasswordDialog::AutoAnswer());
    }

    void namesOnTheControllerStayInItsFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("plain") << "OBX_Safetyparam_1.txt" << true;
        QTest::newRow("parent folder") << "../x.txt" << false;
        QTest::newRow("absolute") << "/etc/x.txt" << false;
        QTest::newRow("backslash") << "..\\x.txt" << false;
    }
    void namesOnTheControllerStayInItsFolder()
    {
        QFETCH(QString, name);
        const auto lister = [](const QString&, QVector<FtpListEntry>*) { return true; };
        IO::FileDialog dialog(IO::FileDialog::SaveParameterFile, true, m_dir.path(), "/remote",
                              lister, name);
        QCOMPARE(dialog.drive(), IO::FileDialog::CFast);
        IO::FileDialog::setAutoAnswer([](IO::FileDialog&) { return true; });
        QTEST(dialog.exec() == QDialog::Accepted, "accepted");
        IO::FileDialog::setAutoAnswer(IO::FileDialog::AutoAnswer());
    }
};

QTEST_MAIN(TestDataProviderDialogs)
#include "tst_dataproviderdialogs.moc"
