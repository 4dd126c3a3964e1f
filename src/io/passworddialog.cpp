#include "io/passworddialog.h"

#include "io/okcancelrow.h"

#include <QFormLayout>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
IO::PasswordDialog::AutoAnswer& autoAnswer()
{
    static IO::PasswordDialog::AutoAnswer answer;
    return answer;
}
} // namespace

namespace IO {

PasswordDialog::PasswordDialog(Mode mode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_mode(mode)
{
    setWindowTitle(mode == CheckPassword ? tr("Password") : tr("Change Password"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto passwordEdit = [this] {
        auto* edit = new QLineEdit(this);
        edit->setEchoMode(QLineEdit::Password);
        // The masked text must not leave the field through the clipboard.
        edit->setContextMenuPolicy(Qt::NoContextMenu);
        connect(edit, &QLineEdit::textChanged, this, &PasswordDialog::updateButtons);
        return edit;
    };
    m_current = passwordEdit();
    form->addRow(mode == CheckPassword ? tr("Password:") : tr("Current password:"), m_current);
    if (mode == ChangePassword) {
        m_new = passwordEdit();
        form->addRow(tr("New password:"), m_new);
    }
    layout->addLayout(form);

    m_okButton = addOkCancelRow(this, layout).ok;
    m_okButton->setDefault(true);
    updateButtons();
}

int PasswordDialog::exec()
{
    const AutoAnswer& answer = autoAnswer();
    if (!answer)
        return QDialog::exec();
    const bool accepted = answer(*this) && isAcceptable();
    setResult(accepted ? Accepted : Rejected);
    return result();
}

QString PasswordDialog::currentPassword() const
{
    return m_current->text();
}

QString PasswordDialog::newPassword() const
{
    return m_new ? m_new->text() : QString();
}

void PasswordDialog::setCurrentPassword(const QString& password)
{
    m_current->setText(password);
}

void PasswordDialog::setNewPassword(const QString& password)
{
    if (m_new)
        m_new->setText(password);
}

bool PasswordDialog::isAcceptable() const
{
    return isValidPassword(currentPassword()) &&
           (m_mode == CheckPassword || isValidPassword(newPassword()));
}

bool PasswordDialog::isValidPassword(const QString& password)
{
    if (password.isEmpty())
        return false;
    for (const QChar c : password)
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    return true;
}

void PasswordDialog::setAutoAnswer(AutoAnswer answer)
{
    autoAnswer() = std::move(answer);
}

void PasswordDialog::updateButtons()
{
    m_okButton->setEnabled(isAcceptable());
}

} // namespace IO
