#pragma once

#include <QStringList>
#include <QtGlobal>

// Collects the log messages emitted while it is alive (tests read the exact
// texts a component logs).
class MessageCapture
{
public:
    MessageCapture()
    {
        m_previous = qInstallMessageHandler(&MessageCapture::handler);
        current() = this;
    }
    ~MessageCapture()
    {
        qInstallMessageHandler(m_previous);
        current() = nullptr;
    }
    const QStringList& messages() const { return m_messages; }
    QStringList messagesOf(QtMsgType type) const
    {
        QStringList out;
        for (int i = 0; i < m_messages.size(); ++i)
            if (m_types[i] == type)
                out << m_messages[i];
        return out;
    }
    // Whether any message holds the text.
    bool contains(const QString& text) const { return !m_messages.filter(text).isEmpty(); }

private:
    static MessageCapture*& current()
    {
        static MessageCapture* c = nullptr;
        return c;
    }
    static void handler(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (current()) {
            current()->m_messages << message;
            current()->m_types << type;
        }
    }
    QtMessageHandler m_previous = nullptr;
    QStringList m_messages;
    QList<QtMsgType> m_types;
};
