#pragma once

#include <QStatusBar>

class Parameter;
class ParameterImage;
class QLabel;

// The bottom line of the main window: the all-data CRC that writing the
// applied set now would give it, where the data last read came from ("not
// signed" beside it where a stored CRC of 9894 skipped a check, and the
// robot data's own file after Read Robot Data), whether
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
    // The sources' names cut to the room the line leaves them.
    void elideSource();
    // The labels of the CRCs stored as 9894 in a file's trailer.
    static QStringList skippedChecks(const ParameterImage& file);

    Parameter* m_store;
    QLabel* m_signature;
    QLabel* m_source;
    QLabel* m_unwritten;
    QLabel* m_outside;
    // "Source: %1" with what is said of it, then the robot part's file
    // where it came from another one; and their names.
    QStringList m_sourceParts;
    QStringList m_sourceNames;
    bool m_notSigned = false;
};
