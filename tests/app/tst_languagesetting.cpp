#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "messagecapture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestLanguageSetting : public QObject
{
    Q_OBJECT

    QTemporaryDir m_registry;

    // Loads a settings file holding the wanted language and a font folder.
    void setSetting(const QString& language,
                    const QString& fontPath = QStringLiteral(OBX_RUNTIME_DIR "/assets/font"))
    {
        const QString path = m_registry.filePath(QStringLiteral("config.ini"));
        QFile::remove(path);
        {
            QSettings ini(path, QSettings::IniFormat);
            ini.setValue(QStringLiteral("ApplicationSettings/Language"), language);
            ini.setValue(QStringLiteral("ApplicationSettings/FontPath"), fontPath);
        }
        Setting::instance()->resetToDefaults();
        Setting::instance()->load(path);
    }

private slots:
    void initTestCase()
    {
        // Keep the per-user language value away from the real user's store.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_registry.path());
    }
    void init() { LanguageSetting::setRegistryLanguage(QString()); }

    void rowMatching_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<QString>("code");
        QTest::newRow("name") << "Korean"
                              << "ko";
        QTest::newRow("code") << "ko"
                              << "ko";
        QTest::newRow("locale") << "ko_KR"
                                << "ko";
        QTest::newRow("lower-case name") << "korean"
                                         << "en";
        QTest::newRow("british english") << "en_GB"
                                         << "en";
        QTest::newRow("taiwan chinese") << "zh_TW"
                                        << "en";
        QTest::newRow("chinese") << "zh_CN"
                                 << "zh";
        QTest::newRow("empty") << ""
                               << "en";
    }
    void rowMatching()
    {
        QFETCH(QString, wanted);
        QFETCH(QString, code);
        QCOMPARE(QLatin1String(LanguageSetting::findRow(wanted).langCode), code);
    }

    void choiceOrder_data()
    {
        QTest::addColumn<QString>("registry");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("code");
        QTest::newRow("registry code wins") << "zh"
                                            << "Japanese"
                                            << "en_US"
                                            << "zh";
        QTest::newRow("registry name ignored") << "Japanese"
                                               << "Korean"
                                               << "en_US"
                                               << "ko";
        QTest::newRow("setting") << ""
                                 << "ja"
                                 << "en_US"
                                 << "ja";
        QTest::newRow("locale fallback") << ""
                                         << ""
                                         << "ja_JP"
                                         << "ja";
        QTest::newRow("unknown locale") << ""
                                        << ""
                                        << "de_DE"
                                        << "en";
    }
    void choiceOrder()
    {
        QFETCH(QString, registry);
        QFETCH(QString, setting);
        QFETCH(QString, systemLocale);
        QFETCH(QString, code);
        LanguageSetting::setRegistryLanguage(registry);
        setSetting(setting);
        QLocale::setDefault(QLocale(systemLocale));
        LanguageSetting::chooseLanguage(QString());
        QCOMPARE(QLatin1String(LanguageSetting::current().langCode), code);
        QCOMPARE(QLocale().name(), QLatin1String(LanguageSetting::current().locale));
    }

    void appliedLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("cancel");
        QTest::newRow("english") << "English" << 1 << "Cancel";
        QTest::newRow("japanese") << "Japanese" << 0 << QString::fromUtf8("キャンセル");
        QTest::newRow("korean") << "Korean" << 6 << QString::fromUtf8("취소");
        QTest::newRow("chinese") << "Chinese" << 5 << QString::fromUtf8("取消");
    }
    void appliedLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, number);
        QFETCH(QString, cancel);
        setSetting(QString());
        MessageCapture log;
        LanguageSetting::chooseLanguage(language);
        QCOMPARE(LanguageSetting::languageNo(), number);
        QCOMPARE(QCoreApplication::translate("MsgBox", "Cancel"), cancel);
        QVERIFY(log.messagesOf(QtCriticalMsg).isEmpty()); // font and catalogue found

        const QString format = LanguageSetting::dateTimeFormat();
        if (number == 0)
            QCOMPARE(format, QStringLiteral("yyyy/M/d(ddd) H:mm:ss"));
        else if (number == 1)
            QCOMPARE(format, QStringLiteral("ddd, MMM d, yyyy h:mm:ss AP"));
        else
            QVERIFY(!QRegularExpression(QStringLiteral("\\bt\\b")).match(format).hasMatch());
        QVERIFY(!format.isEmpty());
    }

    void chineseRowIsLoggedWithItsWindowsId()
    {
        setSetting(QString());
        MessageCapture log;
        LanguageSetting::chooseLanguage(QStringLiteral("zh"));
        QVERIFY(log.contains(QStringLiteral(
            "LanguageSetting::setLanguage[LangNo:5 LangCode:zh LangName:Chinese Locale:zh_CN "
            "WinLangID:0x0804]")));
    }

    void missingFontKeepsTheFontAndSaysSo()
    {
        setSetting(QString(), QStringLiteral("/nonexistent"));
        const QFont before = QApplication::font();
        MessageCapture log;
        LanguageSetting::chooseLanguage(QStringLiteral("English"));
        QVERIFY(log.messagesOf(QtCriticalMsg)
                    .contains(QStringLiteral(
                        "Error: font file not found: /nonexistent/NotoSans-Regular.ttf")));
        QCOMPARE(QApplication::font(), before);
    }
};

QTEST_MAIN(TestLanguageSetting)
#include "tst_languagesetting.moc"
