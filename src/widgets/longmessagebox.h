#pragma once

#include <QDialog>

#include <functional>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QTextEdit;
class QVBoxLayout;

// Dialog for a message too long for a message box: a caption, a scrolling
// read-only text and OK and Cancel. With a parent it covers the parent window.
//
// Answering without a person: as with MsgBox::setAutoAnswer, a function set
// with setAutoAnswer is called by exec() instead of the modal event loop; it
// returns the button to press (the object names are "messageBoxOk" and
// "messageBoxCancel"), or null to close the window. Tests only.
class LongMessageBox : public QDialog
{
    Q_OBJECT

public:
    using AutoAnswer = std::function<QPushButton*(LongMessageBox& box)>;

    LongMessageBox(const QString& title, const QString& caption, const QString& text,
                   QWidget* parent = nullptr);

    // Plays the exclamation sound, then runs the dialog: Accepted for OK,
    // Rejected for Cancel or closing the window.
    int exec() override;

    static void setAutoAnswer(AutoAnswer answer);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString m_caption;
    QString m_text;
    QLabel* m_captionLabel = nullptr;
    QTextEdit* m_textView = nullptr;
    QHBoxLayout* m_buttonRow = nullptr;
    QVBoxLayout* m_mainLayout = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
