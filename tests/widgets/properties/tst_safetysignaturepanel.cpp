// The signature page: the master trailer's texts, read again when shown.

#include <QPushButton>
#include <QtTest>

#include "app/core/languagesetting.h"
#include "panelfixture.h"
#include "widgets/label.h"
#include "widgets/properties/safetysignaturecrcproperty.h"

using Property::SafetySignatureCRC;

class TestSafetySignaturePanel : public QObject
{
    Q_OBJECT

    Parameter* m_store = nullptr;

    QStringList labelTexts(const SafetySignatureCRC& panel) const
    {
        QStringList texts;
        for (const Label* label : panel.findChildren<Label*>())
            texts << label->text();
        return texts;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(installEnglish());
        LanguageSetting::setDateTimeFormat();
        m_store = Parameter::instance();
    }

    void textsOfKnownValues()
    {
        QCOMPARE(SafetySignatureCRC::crcText(0xfedcba98u),
                 QStringLiteral("4275878552 (0xfedcba98)"));
        // Shown in UTC: the stamp already holds the local wall-clock time.
        QVERIFY(SafetySignatureCRC::updateTimeText(0).contains(QLatin1String("1970")));
        const QDateTime stamp(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::UTC);
        QVERIFY(SafetySignatureCRC::updateTimeText(quint32(stamp.toSecsSinceEpoch()))
                    .contains(QLatin1String("7:08:09")));
    }

    void showsTheMasterTrailerWheneverShown()
    {
        ParameterImage image = defaultImage();
        image.setWholeCRC(255);
        image.setSignalCRC(0);
        image.setSystemUpdateTime(0);
        loadMaster(m_store, image);

        SafetySignatureCRC panel(m_store);
        panel.initialize();
        QStringList texts = labelTexts(panel);
        QCOMPARE(texts.size(), 8);
        QCOMPARE(texts[1], QStringLiteral("255 (0x000000ff)"));
        QCOMPARE(texts[2], SafetySignatureCRC::updateTimeText(0));
        QCOMPARE(texts[7], QStringLiteral("0 (0x00000000)"));
        for (QPushButton* button : panel.findChildren<QPushButton*>())
            QVERIFY(!button->isEnabled() && button->isHidden());

        // A write to the unit replaces the master image without a signal.
        m_store->masterImage().setWholeCRC(0x1234);
        panel.show();
        QCOMPARE(labelTexts(panel)[1], QStringLiteral("4660 (0x00001234)"));

        // Applied data changing leaves the master texts as they are.
        m_store->appliedImage().setWholeCRC(7);
        emit m_store->parameterChanged(Parameter::AppliedData);
        QCOMPARE(labelTexts(panel)[1], QStringLiteral("4660 (0x00001234)"));
        QTest::keyClick(&panel, Qt::Key_Escape);
    }

    // Last: it switches the program's language.
    void timesInTheJapaneseFormat()
    {
        LanguageSetting::setLanguage(&LanguageSetting::findRow(QStringLiteral("ja")));
        QCOMPARE(SafetySignatureCRC::updateTimeText(0), QStringLiteral("1970/1/1(木) 0:00:00"));
        QCOMPARE(SafetySignatureCRC::updateTimeText(86399 + 3600),
                 QStringLiteral("1970/1/2(金) 0:59:59"));
    }
};

QTEST_MAIN(TestSafetySignaturePanel)
#include "tst_safetysignaturepanel.moc"
