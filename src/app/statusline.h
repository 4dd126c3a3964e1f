#pragma once

#include <QStatusBar>

class Parameter;
class QLabel;

// The bottom line of the main window: the master set's all-data CRC as the
// safety signature page shows it (and "Not signed" where a CRC of 9894
// skipped a check), where the set came from, whether applied
// changes wait to be written, and how many applied values lie outside their
// limits. Refreshed when the store's data changes and after every exchange.
class StatusLine : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusLine(Parameter* store, QWidget* parent = nullptr);

    void refresh();

private:
    Parameter* m_store;
    QLabel* m_signature;
    QLabel* m_notSigned;
    QLabel* m_source;
    QLabel* m_unwritten;
    QLabel* m_outside;
};
