#include "msgbox.h"

#include "systemsound.h"
#include "widgetstylesheets.h"

#include <QAbstractButton>
#include <QIcon>
#include <QPushButton>

namespace {

MsgBox::AutoAnswer& autoAnswer()
{
    static MsgBox::AutoAnswer answer;
    return answer;
}

} // namespace

MsgBox::MsgBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
               QWidget* parent, Qt::WindowFlags flags)
    : QMessageBox(NoIcon, title, text, buttons, parent, flags)
{
    setStyleSheet(WidgetStyleSheets::msgBox);
    setIcon(icon);
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    const struct
    {
        StandardButton which;
        QString text;
    } translated[] = {{Ok, tr("OK")}, {Cancel, tr("Cancel")}, {Yes, tr("Yes")}, {No, tr("No")}};
    for (const auto& entry : translated) {
        if (QAbstractButton* standard = button(entry.which)) {
            standard->setText(entry.text);
            standard->setStyleSheet(WidgetStyleSheets::msgBox);
        }
    }
}

MsgBox::MsgBox(StandardButtons buttons, QWidget* parent)
    : MsgBox(NoIcon, QString(), QString(), buttons, parent)
{
}

MsgBox::MsgBox(QWidget* parent) : MsgBox(NoIcon, QString(), QString(), Ok, parent) {}

int MsgBox::exec()
{
    playSystemSound(icon());
    return run(*this);
}

int MsgBox::run(QMessageBox& box)
{
    const AutoAnswer& answer = autoAnswer();
    if (!answer) {
        // Qualified so that a MsgBox does not come back into MsgBox::exec.
        return box.QMessageBox::exec();
    }
    box.setResult(0);
    box.show();
    if (QAbstractButton* pressed = answer(box))
        pressed->click();
    else
        box.close();
    box.hide();
    return box.result();
}

MsgBox::ButtonRole MsgBox::confirmClearInput()
{
    setWindowTitle(tr("Clear Input"));
    setText(tr("Are you sure you want to clear input ? \n If not please update."));
    addButton(tr("Yes"), YesRole);
    addButton(tr("No"), NoRole);
    setIcon(Warning);
    exec();
    return buttonRole(clickedButton());
}

MsgBox::ButtonRole MsgBox::confirmClearInput(QWidget* parent)
{
    MsgBox box(NoButton, parent);
    return box.confirmClearInput();
}

MsgBox::ButtonRole MsgBox::showUnsupportedModelError()
{
    setWindowTitle(tr("Title UnsupportedModelError"));
    setText(tr("Body UnsupportedModelError"));
    addButton(tr("Yes"), YesRole);
    setIcon(Warning);
    exec();
    return buttonRole(clickedButton());
}

MsgBox::StandardButton MsgBox::warnDeviceChange(QWidget* parent)
{
    // Built as QMessageBox::warning builds its box, so that the auto answer
    // reaches it too.
    QMessageBox box(Warning, tr("Device Change Message"),
                    tr("Please check your targetDevice (targetDevice change)"), NoButton, parent);
    box.setDefaultButton(box.addButton(Ok));
    if (run(box) == -1)
        return Cancel;
    return box.standardButton(box.clickedButton());
}

void MsgBox::setAutoAnswer(AutoAnswer answer)
{
    autoAnswer() = std::move(answer);
}
