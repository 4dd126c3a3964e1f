#include "widgets/longmessagebox.h"
#include "widgets/msgbox.h"
#include "widgets/systemsound.h"
#include "widgets/waitdialog.h"

#include <QLabel>
#include <QPushButton>
#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(QMessageBox::StandardButtons)
Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(SystemSound)

namespace {

// One language's catalogue, installed for the life of the object (a
// translator removes itself when destroyed).
class Language : public QTranslator
{
public:
    explicit Language(const QString& code)
    {
        if (load(code, ":/config/i18n"))
            QCoreApplication::installTranslator(this);
    }
};

QStringList textsOf(const QMessageBox& box)
{
    QStringList texts;
    for (QAbstractButton* button : box.buttons())
        texts << button->text().remove('&'); // mnemonics vary by platform
    texts.sort();
    return texts;
}

// What a box run through the seam showed.
struct Shown
{
    QString title, text;
    QStringList buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool plain = false; // a toolkit box without the program's look
};

} // namespace

class TestMsgBox : public QObject
{
    Q_OBJECT

    QList<SystemSound> m_sounds;
    Language m_english{"en"}; // as the program installs it

private slots:
    void init()
    {
        m_sounds.clear();
        setSystemSoundPlayer([this](SystemSound sound) {
            m_sounds << sound;
            return true;
        });
    }
    void cleanup()
    {
        MsgBox::setAutoAnswer({});
        LongMessageBox::setAutoAnswer({});
        setSystemSoundPlayer({});
    }

    void buttonTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QMessageBox::StandardButtons>("buttons");
        QTest::addColumn<QStringList>("texts"); // sorted
        using B = QMessageBox;
        QTest::newRow("ja yes no")
            << "ja" << B::StandardButtons(B::Yes | B::No) << QStringList{"いいえ", "はい"};
        QTest::newRow("zh yes no")
            << "zh" << B::StandardButtons(B::Yes | B::No) << QStringList{"否", "是"};
        QTest::newRow("ja ok cancel")
            << "ja" << B::StandardButtons(B::Ok | B::Cancel) << QStringList{"OK", "キャンセル"};
    }
    void buttonTexts()
    {
        QFETCH(QString, language);
        QFETCH(QMessageBox::StandardButtons, buttons);
        Language catalogue(language);
        MsgBox box(buttons);
        QTEST(textsOf(box), "texts");
        if (buttons & QMessageBox::Yes) {
            box.show();
            QVERIFY(box.button(QMessageBox::Yes)->width() >= 100);
        }
    }

    void construction()
    {
        // Every constructor gives the box its window flags.
        QWidget parent;
        MsgBox full(QMessageBox::Critical, "Title", "Body", QMessageBox::Ok, &parent);
        MsgBox single(&parent);
        MsgBox none(QMessageBox::NoButton);
        const Qt::WindowFlags flags = MsgBox::defaultWindowFlags();
        for (const MsgBox* box : {&full, &single, &none})
            QCOMPARE(box->windowFlags() & flags, flags);
        QVERIFY(!full.iconPixmap().isNull() && !full.windowIcon().isNull());
        QCOMPARE(textsOf(single), QStringList{"OK"});
        // Kinds out of the table sound the default.
        QCOMPARE(systemSoundForKind(5), SystemSound::Default);
        QCOMPARE(systemSoundForKind(-1), SystemSound::Default);
    }

    void execThroughSeam_data()
    {
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::addColumn<SystemSound>("sound");
        QTest::addColumn<int>("press"); // NoButton: closed, which presses the Escape button
        QTest::addColumn<int>("result");
        auto row = [](const char* tag, QMessageBox::Icon icon, SystemSound sound, int press,
                      int result) { QTest::newRow(tag) << icon << sound << press << result; };
        using B = QMessageBox;
        row("none, No", B::NoIcon, SystemSound::Default, B::No, B::No);
        row("information, closed", B::Information, SystemSound::Asterisk, B::NoButton, B::Cancel);
        row("warning, Yes", B::Warning, SystemSound::Exclamation, B::Yes, B::Yes);
        row("critical, Cancel", B::Critical, SystemSound::Hand, B::Cancel, B::Cancel);
        row("question, closed", B::Question, SystemSound::Question, B::NoButton, B::Cancel);
    }
    void execThroughSeam()
    {
        QFETCH(QMessageBox::Icon, icon);
        QFETCH(SystemSound, sound);
        QFETCH(int, press);
        int asked = 0;
        bool soundFirst = false;
        MsgBox::setAutoAnswer([&](QMessageBox& box) {
            ++asked;
            soundFirst = m_sounds.size() == 1;
            return box.button(QMessageBox::StandardButton(press));
        });
        MsgBox box(icon, "t", "b", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QTEST(box.exec(), "result");
        QCOMPARE(asked, 1);
        QVERIFY(soundFirst && !box.isVisible());
        QCOMPARE(m_sounds, QList<SystemSound>{sound});
    }

    void cannedBoxes_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("press"); // button text, empty: close the box
        QTest::addColumn<int>("result");    // role or standard button
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        auto row = [](const char* tag, const QString& kind, const QString& press, int result,
                      const QString& title, const QStringList& buttons) {
            QTest::newRow(tag) << kind << press << result << title << buttons;
        };
        const QStringList yesNo = {"No", "Yes"};
        const int yes = QMessageBox::YesRole, no = QMessageBox::NoRole;
        row("clear yes", "clear", "Yes", yes, "Cancel", yesNo);
        row("clear no", "clear", "No", no, "Cancel", yesNo);
        row("clear closed", "clear", "", no, "Cancel", yesNo);
        row("static clear no", "static clear", "No", no, "Cancel", yesNo);
        row("unsupported model (ja)", "unsupported", "はい", yes, "未対応機種エラー", {"はい"});
        row("device change", "device", "OK", QMessageBox::Ok, "Change Confirmation", {"OK"});
    }
    void cannedBoxes()
    {
        QFETCH(QString, kind);
        QFETCH(QString, press);
        QScopedPointer<Language> japanese(kind == "unsupported" ? new Language("ja") : nullptr);
        Shown shown;
        MsgBox::setAutoAnswer([&](QMessageBox& box) -> QAbstractButton* {
            shown = {box.windowTitle(), box.text(), textsOf(box), box.icon(),
                     !qobject_cast<MsgBox*>(&box) && box.styleSheet().isEmpty()};
            for (QAbstractButton* button : box.buttons())
                if (!press.isEmpty() && button->text() == press)
                    return button;
            return nullptr;
        });
        QWidget parent;
        MsgBox box(QMessageBox::NoButton, &parent);
        const int result = kind == "clear"          ? int(box.confirmClearInput())
                           : kind == "static clear" ? int(MsgBox::confirmClearInput(&parent))
                           : kind == "unsupported"  ? int(box.showUnsupportedModelError())
                                                    : int(MsgBox::warnDeviceChange(&parent));
        QTEST(result, "result");
        QTEST(shown.title, "title");
        QVERIFY(!shown.text.isEmpty());
        QTEST(shown.buttons, "buttons");
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QCOMPARE(shown.plain, kind == "device"); // the toolkit's own box
        if (kind != "device")
            QCOMPARE(m_sounds, QList<SystemSound>{SystemSound::Exclamation});
    }

    void longMessageBoxResult_data()
    {
        QTest::addColumn<QString>("press"); // empty: closed through the seam
        QTest::addColumn<int>("result");
        QTest::newRow("ok") << "messageBoxOk" << int(QDialog::Accepted);
        QTest::newRow("cancel") << "messageBoxCancel" << int(QDialog::Rejected);
        QTest::newRow("closed") << "" << int(QDialog::Rejected);
        QTest::newRow("title bar on a running box") << "close" << int(QDialog::Rejected);
    }
    void longMessageBoxResult()
    {
        QFETCH(QString, press);
        LongMessageBox box("t", "c", "x");
        QVERIFY(box.minimumSize() != box.maximumSize()); // no parent: its natural size
        if (press == "close") {
            QTimer::singleShot(0, &box, [&box] { box.close(); });
        } else {
            LongMessageBox::setAutoAnswer([&](LongMessageBox& box) {
                return press.isEmpty() ? nullptr : box.findChild<QPushButton*>(press);
            });
        }
        QTEST(box.exec(), "result");
        QVERIFY(!box.isVisible());
        QCOMPARE(m_sounds, QList<SystemSound>{SystemSound::Exclamation});
    }

    void waitDialogCentredOnItsParent()
    {
        QWidget parent;
        parent.setGeometry(100, 50, 1280, 800);
        WaitDialog wait(&parent);
        QVERIFY(wait.isVisible());
        QCOMPARE(wait.geometry(), QRect(550, 410, 380, 80));
    }
};

QTEST_MAIN(TestMsgBox)
#include "tst_msgbox.moc"
