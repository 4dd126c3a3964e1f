#include "widgets/longmessagebox.h"
#include "widgets/msgbox.h"
#include "widgets/systemsound.h"
#include "widgets/waitdialog.h"
#include "widgets/widgetstylesheets.h"

#include "app/core/interfaceutilities.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(QMessageBox::StandardButtons)
Q_DECLARE_METATYPE(QMessageBox::Icon)
Q_DECLARE_METATYPE(SystemSound)

namespace {

// Installs one language's catalogue for the life of the object.
class Language
{
public:
    explicit Language(const QString& code)
    {
        if (m_translator.load(code, ":/config/i18n"))
            QCoreApplication::installTranslator(&m_translator);
    }
    ~Language() { QCoreApplication::removeTranslator(&m_translator); }

private:
    QTranslator m_translator;
};

QStringList textsOf(const QMessageBox& box)
{
    QStringList texts;
    const QList<QAbstractButton*> buttons = box.buttons();
    for (QAbstractButton* button : buttons)
        texts << button->text().remove('&'); // mnemonics vary by platform
    texts.sort();
    return texts;
}

bool hasFlags(const QWidget& widget, Qt::WindowFlags flags)
{
    return (widget.windowFlags() & flags) == flags;
}

QAbstractButton* buttonWithText(QMessageBox& box, const QString& text)
{
    const QList<QAbstractButton*> buttons = box.buttons();
    for (QAbstractButton* button : buttons)
        if (button->text() == text)
            return button;
    return nullptr;
}

} // namespace

class TestMsgBox : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void buttonTexts_data();
    void buttonTexts();
    void construction();
    void execResultThroughSeam();
    void soundOfIcon_data();
    void soundOfIcon();
    void confirmClearInput_data();
    void confirmClearInput();
    void showUnsupportedModelError();
    void warnDeviceChange();
    void longMessageBoxLayout();
    void longMessageBoxResult_data();
    void longMessageBoxResult();
    void longMessageBoxCloseRejects();
    void waitDialogPlacement();
    void waitDialogWithoutParent();

private:
    QList<SystemSound> m_sounds;
    QScopedPointer<Language> m_english; // as the program installs it
};

void TestMsgBox::initTestCase()
{
    m_english.reset(new Language("en"));
}

void TestMsgBox::init()
{
    m_sounds.clear();
    setSystemSoundPlayer([this](SystemSound sound) {
        m_sounds << sound;
        return true;
    });
}

void TestMsgBox::cleanup()
{
    MsgBox::setAutoAnswer({});
    LongMessageBox::setAutoAnswer({});
    setSystemSoundPlayer({});
}

void TestMsgBox::buttonTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QMessageBox::StandardButtons>("buttons");
    QTest::addColumn<QStringList>("texts"); // sorted
    using B = QMessageBox;
    QTest::newRow("en yes no") << "en" << B::StandardButtons(B::Yes | B::No)
                               << QStringList{"No", "Yes"};
    QTest::newRow("ja yes no") << "ja" << B::StandardButtons(B::Yes | B::No)
                               << QStringList{"いいえ", "はい"};
    QTest::newRow("zh yes no") << "zh" << B::StandardButtons(B::Yes | B::No)
                               << QStringList{"否", "是"};
    QTest::newRow("en ok cancel") << "en" << B::StandardButtons(B::Ok | B::Cancel)
                                  << QStringList{"Cancel", "OK"};
    QTest::newRow("ja ok cancel") << "ja" << B::StandardButtons(B::Ok | B::Cancel)
                                  << QStringList{"OK", "キャンセル"};
    QTest::newRow("ja save") << "ja" << B::StandardButtons(B::Save) << QStringList{"Save"};
}

void TestMsgBox::buttonTexts()
{
    QFETCH(QString, language);
    QFETCH(QMessageBox::StandardButtons, buttons);
    QFETCH(QStringList, texts);
    Language catalogue(language);
    MsgBox box(buttons);
    QCOMPARE(textsOf(box), texts);
    const QList<QAbstractButton*> all = box.buttons();
    for (QAbstractButton* button : all) {
        // Only the four translated buttons carry the box's own look.
        const bool own = box.standardButton(button) != QMessageBox::Save;
        QCOMPARE(button->styleSheet() == WidgetStyleSheets::msgBox, own);
    }
    if (buttons & QMessageBox::Yes) {
        box.show();
        QVERIFY(box.button(QMessageBox::Yes)->width() >= 100);
        box.hide();
    }
}

void TestMsgBox::construction()
{
    QWidget parent;
    MsgBox full(QMessageBox::Critical, "Title", "Body", QMessageBox::Ok, &parent);
    QCOMPARE(MsgBox::defaultWindowFlags(),
             Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint);
    QVERIFY(hasFlags(full, MsgBox::defaultWindowFlags()));
    QCOMPARE(full.icon(), QMessageBox::Critical);
    QVERIFY(!full.iconPixmap().isNull());
    QVERIFY(!full.windowIcon().isNull());
    QCOMPARE(full.styleSheet(), WidgetStyleSheets::msgBox);

    MsgBox single(&parent);
    QCOMPARE(single.buttons().size(), 1);
    QVERIFY(single.button(QMessageBox::Ok));
    QCOMPARE(single.icon(), QMessageBox::NoIcon);
    QVERIFY(hasFlags(single, MsgBox::defaultWindowFlags()));

    MsgBox none(QMessageBox::NoButton);
    QVERIFY(none.buttons().isEmpty());
    QVERIFY(hasFlags(none, MsgBox::defaultWindowFlags()));
}

void TestMsgBox::execResultThroughSeam()
{
    int asked = 0;
    MsgBox::setAutoAnswer([&](QMessageBox& box) {
        ++asked;
        return box.button(QMessageBox::No);
    });
    MsgBox box(QMessageBox::Question, "Close confirmation", "Save?",
               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(box.exec(), int(QMessageBox::No));
    QCOMPARE(asked, 1);
    QCOMPARE(box.clickedButton(), box.button(QMessageBox::No));
    QVERIFY(!box.isVisible());

    // No button: closed as by the title bar, which presses Cancel.
    MsgBox::setAutoAnswer([](QMessageBox&) { return nullptr; });
    MsgBox closed(QMessageBox::Question, "t", "b",
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(closed.exec(), int(QMessageBox::Cancel));
}

void TestMsgBox::soundOfIcon_data()
{
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<SystemSound>("sound");
    QTest::newRow("none") << QMessageBox::NoIcon << SystemSound::Default;
    QTest::newRow("information") << QMessageBox::Information << SystemSound::Asterisk;
    QTest::newRow("warning") << QMessageBox::Warning << SystemSound::Exclamation;
    QTest::newRow("critical") << QMessageBox::Critical << SystemSound::Hand;
    QTest::newRow("question") << QMessageBox::Question << SystemSound::Question;
}

void TestMsgBox::soundOfIcon()
{
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(SystemSound, sound);
    bool soundBeforeShown = false;
    MsgBox::setAutoAnswer([&](QMessageBox& box) {
        soundBeforeShown = m_sounds.size() == 1;
        return box.button(QMessageBox::Ok);
    });
    MsgBox box(icon, "t", "b", QMessageBox::Ok);
    QCOMPARE(box.exec(), int(QMessageBox::Ok));
    QVERIFY(soundBeforeShown);
    QCOMPARE(m_sounds, QList<SystemSound>{sound});

    QCOMPARE(systemSoundForKind(int(icon)), sound);
    QCOMPARE(systemSoundForKind(5), SystemSound::Default);
    QCOMPARE(systemSoundForKind(-1), SystemSound::Default);
}

void TestMsgBox::confirmClearInput_data()
{
    QTest::addColumn<QString>("press"); // button text, empty: close the box
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("statically");
    QTest::newRow("yes") << "Yes" << int(QMessageBox::YesRole) << false;
    QTest::newRow("no") << "No" << int(QMessageBox::NoRole) << false;
    QTest::newRow("closed") << "" << int(QMessageBox::NoRole) << false;
    QTest::newRow("static no") << "No" << int(QMessageBox::NoRole) << true;
    QTest::newRow("static yes") << "Yes" << int(QMessageBox::YesRole) << true;
}

void TestMsgBox::confirmClearInput()
{
    QFETCH(QString, press);
    QFETCH(int, role);
    QFETCH(bool, statically);
    QString title, text;
    QStringList texts;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    MsgBox::setAutoAnswer([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        texts = textsOf(box);
        icon = box.icon();
        return press.isEmpty() ? nullptr : buttonWithText(box, press);
    });
    QWidget panel;
    int result = 0;
    if (statically) {
        result = MsgBox::confirmClearInput(&panel);
    } else {
        MsgBox box(QMessageBox::NoButton, &panel);
        result = box.confirmClearInput();
    }
    QCOMPARE(result, role);
    QCOMPARE(title, QString("Cancel"));
    QCOMPARE(text, QString("Are you sure you want to clear input?\nIf not please update."));
    QCOMPARE(texts, (QStringList{"No", "Yes"}));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(m_sounds, QList<SystemSound>{SystemSound::Exclamation});
}

void TestMsgBox::showUnsupportedModelError()
{
    Language catalogue("ja");
    QString title, text;
    QStringList texts;
    MsgBox::setAutoAnswer([&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        texts = textsOf(box);
        return box.buttons().value(0);
    });
    MsgBox box(QMessageBox::NoButton);
    QCOMPARE(box.showUnsupportedModelError(), QMessageBox::YesRole);
    QCOMPARE(title, QString("未対応機種エラー"));
    QCOMPARE(text, QString("この機種はサポートされていないため、アプリケーションを終了します。"));
    QCOMPARE(texts, QStringList{"はい"});
    QCOMPARE(box.icon(), QMessageBox::Warning);
}

void TestMsgBox::warnDeviceChange()
{
    bool plain = false;
    QString title, text;
    QStringList texts;
    MsgBox::setAutoAnswer([&](QMessageBox& box) {
        plain = !qobject_cast<MsgBox*>(&box) && box.styleSheet().isEmpty();
        title = box.windowTitle();
        text = box.text();
        texts = textsOf(box);
        return box.button(QMessageBox::Ok);
    });
    QWidget parent;
    QCOMPARE(MsgBox::warnDeviceChange(&parent), QMessageBox::Ok);
    QVERIFY(plain);
    QCOMPARE(title, QString("Change Confirmation"));
    QCOMPARE(text, QString("The monitoring target has changed.\nThe robot or device before change "
                           "is no longer monitored."));
    QCOMPARE(texts, QStringList{"OK"});
}

void TestMsgBox::longMessageBoxLayout()
{
    QWidget parent;
    parent.resize(640, 480);
    LongMessageBox covering("Logical operation", "Reassign these outputs:",
                            "Signal 1\nSignal 2 with a very long line that does not wrap", &parent);
    QCOMPARE(covering.size(), parent.frameSize());
    QCOMPARE(covering.minimumSize(), covering.maximumSize());
    QCOMPARE(covering.windowTitle(), QString("Logical operation"));
    QCOMPARE(covering.styleSheet(), readTextFile(":/src/stylesheets/logicaloperation.qss"));
    QVERIFY(covering.styleSheet().contains("messageBoxOk"));

    auto* view = covering.findChild<QTextEdit*>();
    QVERIFY(view);
    QVERIFY(view->isReadOnly());
    QCOMPARE(view->lineWrapMode(), QTextEdit::NoWrap);
    QCOMPARE(view->focusPolicy(), Qt::NoFocus);
    QCOMPARE(view->toPlainText(),
             QString("Signal 1\nSignal 2 with a very long line that does not wrap"));
    auto* caption = covering.findChild<QLabel*>();
    QCOMPARE(caption->text(), QString("Reassign these outputs:"));
    auto* ok = covering.findChild<QPushButton*>("messageBoxOk");
    auto* cancel = covering.findChild<QPushButton*>("messageBoxCancel");
    QVERIFY(ok && cancel);
    QCOMPARE(ok->text(), QString("OK"));
    QCOMPARE(cancel->text(), QString("Cancel"));
    QVERIFY(ok->autoDefault() && cancel->autoDefault());

    LongMessageBox alone("t", "c", "x");
    QVERIFY(alone.minimumSize() != alone.maximumSize()); // natural size
}

void TestMsgBox::longMessageBoxResult_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("result");
    QTest::newRow("ok") << "messageBoxOk" << int(QDialog::Accepted);
    QTest::newRow("cancel") << "messageBoxCancel" << int(QDialog::Rejected);
    QTest::newRow("closed") << "" << int(QDialog::Rejected);
}

void TestMsgBox::longMessageBoxResult()
{
    QFETCH(QString, press);
    QFETCH(int, result);
    LongMessageBox::setAutoAnswer([&](LongMessageBox& box) {
        return press.isEmpty() ? nullptr : box.findChild<QPushButton*>(press);
    });
    LongMessageBox box("t", "c", "x");
    QCOMPARE(box.exec(), result);
    QCOMPARE(m_sounds, QList<SystemSound>{SystemSound::Exclamation});
}

void TestMsgBox::longMessageBoxCloseRejects()
{
    // The title bar's close button on a running box.
    LongMessageBox box("t", "c", "x");
    QTimer::singleShot(0, &box, [&box] { box.close(); });
    QCOMPARE(box.exec(), int(QDialog::Rejected));
    QVERIFY(!box.isVisible());
}

void TestMsgBox::waitDialogPlacement()
{
    QWidget parent;
    parent.setGeometry(100, 50, 1280, 800);
    const Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    WaitDialog wait(&parent, flags);
    QVERIFY(wait.isVisible());
    QCOMPARE(wait.geometry(), QRect(550, 410, 380, 80));
    QVERIFY(hasFlags(wait, flags));
    QCOMPARE(wait.styleSheet(), WidgetStyleSheets::waitDialog);
    auto* label = wait.findChild<QLabel*>();
    QCOMPARE(label->text(), QString("Writing parameters..."));
    QCOMPARE(label->alignment(), Qt::AlignCenter);
}

void TestMsgBox::waitDialogWithoutParent()
{
    WaitDialog wait;
    QVERIFY(wait.isVisible());
    QCOMPARE(wait.size(), QSize(380, 80));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(wait.geometry().center(), QRect(screen.x() + (screen.width() - 380) / 2,
                                             screen.y() + (screen.height() - 80) / 2, 380, 80)
                                           .center());
}

QTEST_MAIN(TestMsgBox)
#include "tst_msgbox.moc"
