#pragma once

#include <QStatusBar>

class Parameter;
class ParameterImage;
class QLabel;

// The bottom of the main window, in two rows that it keeps from the start,
// so that its height never changes under the pane. The first names where the
// data last read came from ("not signed" beside a file where a stored CRC of
// 9894 skipped a check, and the robot data's own file after Read Robot
// Data); the second the all-data CRC that writing the applied set now would
// give it, whether applied changes wait to be written, and how many applied
// values the validator lists. Refreshed when the store's data changes and
// after every exchange.
class StatusLine : public QStatusBar
{
    Q_OBJECT

public:
    // Characters of a name that always show, however narrow the window.
    static const int ShownNameCharacters = 6;

    explicit StatusLine(Parameter* store, QWidget* parent = nullptr);

    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The sources' names cut to the room the row leaves them.
    void elideSource();
    // "Source: %1" and "Robot data: %1", with what is said of each, filled
    // with the names given (none past their end).
    QString composeSource(const QStringList& names) const;
    // The width the label needs to show the text whole.
    int textWidth(const QString& text) const;

    Parameter* m_store;
    QLabel* m_signature = nullptr;
    QLabel* m_source = nullptr;
    QLabel* m_unwritten = nullptr;
    QLabel* m_outside = nullptr;
    // "Source: %1" with what is said of it, then the robot part's file
    // where it came from another one; and their names.
    QStringList m_sourceParts;
    QStringList m_sourceNames;
};
