#include "longmessagebox.h"

#include "app/core/interfaceutilities.h"
#include "systemsound.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

LongMessageBox::AutoAnswer& autoAnswer()
{
    static LongMessageBox::AutoAnswer answer;
    return answer;
}

} // namespace

LongMessageBox::LongMessageBox(const QString& title, const QString& caption, const QString& text,
                               QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowSystemMenuHint), m_caption(caption), m_text(text)
{
    // The logical operation editor's sheet gives the dark look and the two
    // button styles by object name. The resource never changes: read it once.
    static const QString styleSheet =
        readTextFile(QStringLiteral(":/src/stylesheets/logicaloperation.qss"));
    setStyleSheet(styleSheet);
    setWindowTitle(title);
    if (parent)
        setFixedSize(parent->frameSize());

    m_captionLabel = new QLabel(m_caption, this);
    m_textView = new QTextEdit(this);
    m_textView->setPlainText(m_text);
    m_textView->setReadOnly(true);
    m_textView->setLineWrapMode(QTextEdit::NoWrap);
    m_textView->setFocusPolicy(Qt::NoFocus);

    m_buttonRow = new QHBoxLayout;
    m_mainLayout = new QVBoxLayout(this);
    m_mainLayout->addWidget(m_captionLabel);
    m_mainLayout->addWidget(m_textView);
    m_mainLayout->addLayout(m_buttonRow);

    m_okButton = createPushButton(tr("OK"), m_buttonRow, "messageBoxOk", this);
    m_cancelButton = createPushButton(tr("Cancel"), m_buttonRow, "messageBoxCancel", this);
    connect(m_okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

int LongMessageBox::exec()
{
    playSystemSound(2);
    const AutoAnswer& answer = autoAnswer();
    if (!answer)
        return QDialog::exec();
    setResult(Rejected);
    show();
    if (QPushButton* pressed = answer(*this))
        pressed->click();
    else
        close();
    hide();
    return result();
}

void LongMessageBox::setAutoAnswer(AutoAnswer answer)
{
    autoAnswer() = std::move(answer);
}

void LongMessageBox::closeEvent(QCloseEvent* event)
{
    reject();
    event->accept();
}
