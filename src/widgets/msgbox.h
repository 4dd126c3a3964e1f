#pragma once

#include <QMessageBox>

#include <functional>

// The application's message box: stays on top, fixed size, a light look of
// its own, the application icon, translated OK, Cancel, Yes and No buttons and
// the system sound of its icon when it is run.
//
// Answering without a person: setAutoAnswer installs a function that exec()
// calls instead of running the modal event loop. exec() still plays the sound,
// then shows the box (modeless, so nothing waits), hands it to the function and
// presses the button the function returns; a null button closes the box as
// its title bar's close button would (the Escape button, if it has one). The
// box is hidden again and exec() returns what the modal run would have
// returned for that button. The same holds for warnDeviceChange, whose box is
// a plain QMessageBox. Tests set the function and clear it (an empty function)
// when done; the program never sets it.
class MsgBox : public QMessageBox
{
    Q_OBJECT

public:
    using AutoAnswer = std::function<QAbstractButton*(QMessageBox& box)>;

    static Qt::WindowFlags defaultWindowFlags()
    {
        return Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint;
    }

    MsgBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons = NoButton,
           QWidget* parent = nullptr, Qt::WindowFlags flags = defaultWindowFlags());
    // No icon, empty title and text; any standard buttons, none at all too.
    MsgBox(StandardButtons buttons, QWidget* parent = nullptr);
    // No icon, empty title and text, one OK button.
    explicit MsgBox(QWidget* parent = nullptr);

    // Plays the sound of the current icon (without waiting), then runs the box.
    int exec() override;

    // Turns a box made without buttons into the leave-the-page confirmation
    // (warning, Yes and No) and runs it; returns the role of the clicked button:
    // QMessageBox::NoRole means stay on the page.
    ButtonRole confirmClearInput();
    // The same on a fresh box owned by the caller's stack.
    static ButtonRole confirmClearInput(QWidget* parent);
    // Turns a box made without buttons into the unsupported-robot-model error
    // (warning, Yes only) and runs it; returns the role of the clicked button.
    ButtonRole showUnsupportedModelError();
    // The toolkit's standard warning box (not a MsgBox) telling that the
    // monitoring target changed; one OK button. Returns the clicked button.
    static StandardButton warnDeviceChange(QWidget* parent);

    static void setAutoAnswer(AutoAnswer answer);

private:
    // Runs a box modally, or through the auto answer when one is set.
    static int run(QMessageBox& box);
};
