#pragma once

#include <QStatusBar>

class Parameter;
class QLabel;

// The bottom line of the main window: the all-data CRC that writing the
// applied set now would give it, where the data last read came from ("not
// signed" beside it where a stored CRC of 9894 skipped a check), whether
// applied changes wait to be written, and how many applied values the
// validator lists. Refreshed when the store's data changes and after every
// exchange.
class StatusLine : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusLine(Parameter* store, QWidget* parent = nullptr);

    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The source's name cut to the room the line leaves it.
    void elideSource();

    Parameter* m_store;
    QLabel* m_signature;
    QLabel* m_source;
    QLabel* m_unwritten;
    QLabel* m_outside;
    QString m_sourceText; // "Source: %1" with what is said of it
    QString m_sourceName;
};
