#pragma once

#include <QDialog>
#include <QString>

#include <functional>

class QLineEdit;
class QPushButton;

namespace IO {
// Asks for the unit's password: the current one alone before a write, the
// current and a new one for a change. Both fields are masked. A password is
// sent as one word of a monitor command, so it may hold no blank or control
// character; OK stays disabled until every field holds such a word.
//
// Answering without a person: setAutoAnswer installs a function that exec()
// calls instead of running the modal event loop. The function fills the
// fields through the setters; exec() returns Accepted when it returns true
// and the fields are acceptable, Rejected otherwise. Tests set it and clear
// it (an empty function); the program never does.
class PasswordDialog : public QDialog
{
    Q_OBJECT

public:
    enum Mode
    {
        CheckPassword,
        ChangePassword,
    };
    using AutoAnswer = std::function<bool(PasswordDialog& dialog)>;

    explicit PasswordDialog(Mode mode, QWidget* parent = nullptr);

    int exec() override;

    Mode mode() const { return m_mode; }
    QString currentPassword() const;
    QString newPassword() const;
    void setCurrentPassword(const QString& password);
    void setNewPassword(const QString& password);
    bool isAcceptable() const;
    static bool isValidPassword(const QString& password);

    static void setAutoAnswer(AutoAnswer answer);

private:
    void updateButtons();

    Mode m_mode;
    QLineEdit* m_current;
    QLineEdit* m_new = nullptr;
    QPushButton* m_okButton;
};
} // namespace IO
