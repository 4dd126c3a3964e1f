#include "app/core/languagesetting.h"
#include "app/core/setting.h"
#include "messagecapture.h"
#include "testfiles.h"

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
        loadSettingsFile(m_registry.filePath(QStringLiteral("config.ini")),
                         "[ApplicationSettings]\nLanguage=" + language.toUtf8() +
                             "\nFontPath=" + fontPath.toUtf8() + "\n");
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
        const auto row = [](const char* tag, const char* wanted, const char* code) {
            QTest::newRow(tag) << QString(wanted) << QString(code);
        };
        row("name", "Korean", "ko");
        row("code", "ko", "ko");
        row("locale", "ko_KR", "ko");
        row("lower-case name", "korean", "en");
        row("british english", "en_GB", "en");
        row("taiwan chinese", "zh_TW", "en");
        row("chinese", "zh_CN", "zh");
        row("empty", "", "en");
    }
    void rowMatching()
    {
        QFETCH(QString, wanted);
        QTEST(QString(LanguageSetting::findRow(wanted).langCode), "code");
    }

    void choiceOrder_data()
    {
        QTest::addColumn<QString>("registry");
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QString>("code");
        const auto row = [](const char* tag, const char* registry, const char* setting,
                            const char* locale, const char* code) {
            QTest::newRow(tag) << QString(registry) << QString(setting) << QString(locale)
                               << QString(code);
        };
        row("registry code wins", "zh", "Japanese", "en_US", "zh");
        row("registry name ignored", "Japanese", "Korean", "en_US", "ko");
        row("setting", "", "ja", "en_US", "ja");
        row("locale fallback", "", "", "ja_JP", "ja");
        row("unknown locale", "", "", "de_DE", "en");
    }
    void choiceOrder()
    {
        QFETCH(QString, registry);
        QFETCH(QString, setting);
        QFETCH(QString, systemLocale);
        LanguageSetting::setRegistryLanguage(registry);
        setSetting(setting);
        QLocale::setDefault(QLocale(systemLocale));
        LanguageSetting::chooseLanguage(QString());
        QTEST(QString(LanguageSetting::current().langCode), "code");
        QCOMPARE(QLocale().name(), QLatin1String(LanguageSetting::current().locale));
    }

    void appliedLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("format"); // empty: the locale's, without a time zone
        QTest::addColumn<QString>("logged");
        const auto row = [](const char* language, int number, const char* cancel,
                            const char* format, const char* logged) {
            QTest::newRow(language) << QString(language) << number << QString::fromUtf8(cancel)
                                    << QString(format) << QString(logged);
        };
        row("English", 1, "Cancel", "ddd, MMM d, yyyy h:mm:ss AP",
            "[LangNo:1 LangCode:en LangName:English");
        row("Japanese", 0, "キャンセル", "yyyy/M/d(ddd) H:mm:ss", "[LangNo:0 LangCode:ja");
        row("Korean", 6, "취소", "", "[LangNo:6 LangCode:ko");
        row("zh", 5, "取消", "",
            "LanguageSetting::setLanguage[LangNo:5 LangCode:zh LangName:Chinese Locale:zh_CN "
            "WinLangID:0x0804]");
    }
    void appliedLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, format);
        setSetting(QString());
        MessageCapture log;
        LanguageSetting::chooseLanguage(language);
        QTEST(LanguageSetting::languageNo(), "number");
        QTEST(QCoreApplication::translate("MsgBox", "Cancel"), "cancel");
        QVERIFY(log.messagesOf(QtCriticalMsg).isEmpty()); // font and catalogue found
        QFETCH(QString, logged);
        QVERIFY2(log.contains(logged), qPrintable(log.messages().join('\n')));

        const QString shown = LanguageSetting::dateTimeFormat();
        if (!format.isEmpty())
            QCOMPARE(shown, format);
        QVERIFY(!shown.isEmpty());
        QVERIFY(!QRegularExpression(QStringLiteral("\\bt\\b")).match(shown).hasMatch());
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
