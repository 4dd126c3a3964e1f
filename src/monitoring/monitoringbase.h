#pragma once

#include "io/mirelrzshmrz2ifsafmmon.h"
#include "io/monitorfeeduse.h"

#include <QRect>

#include <QStringList>
#include <QVector>
#include <QWidget>
#include <memory>

class MonitoringFooter;
class MonitoringHeader;
class ParameterImage;
class StatusBitRows;
class QShortcut;
class QTableWidget;
class QTableWidgetItem;
class QVBoxLayout;

// Base of the live monitoring screens: the channel header, the status table
// (or a screen's own content), the keyboard shortcuts and the live feed. A
// screen is fed only while it is visible; each refresh writes only the
// cells whose value changed, except the first one after a show.
class MonitoringBase : public QWidget
{
    Q_OBJECT

public:
    explicit MonitoringBase(bool selectable);
    ~MonitoringBase() override;

    MonitoringHeader* header() const { return m_header; }
    MonitoringFooter* footer() const { return m_footer; }
    QTableWidget* table() const { return m_table; }
    // 0 channel A, 1 channel B.
    int channelIndex() const;
    const MirelRzShmRz2IfSafmMonChannel& channelBlock() const;
    const MirelRzShmRz2IfSafmMon& record() const { return *monitorRecord; }

    // Lays the content out for the screen's present size, once: the table
    // fits the room its content has, and the columns that fit their contents
    // are fixed at that width. The screen is built unstyled and unmeasured,
    // so that it can be placed without Qt re-styling it; its dialog measures
    // it once placed, a screen shown on its own at its first resize.
    void ensureMeasured();

public slots:
    // Refreshes the cells from the record; the base refreshes the status
    // rows, when the screen has them.
    virtual void updateMonitoringData();
    void cpuChanged();

protected:
    virtual void scrollTableTo(int step);
    // Appends one row per entry of rowSignals; runs once, from
    // setupDefaultTable() or as a deferred table is built.
    virtual void updateTable();
    virtual void adjustTableSize();
    // Builds what the screen leaves unbuilt until it is measured; runs
    // first thing in ensureMeasured(). The base builds a deferred table.
    virtual void buildContent();
    // The enable flag of every row as the applied image has it now; empty
    // when every row counts as enabled.
    virtual QVector<bool> readRowEnabled() const { return {}; }
    // Brings what the rows take from the applied image up to date after the
    // image changed. The base re-reads the enable flags.
    virtual void reloadParameters();

    void setupDefaultTable();
    // The default table, built only when the screen is first measured (as
    // its dialog first shows): the start-up builds screens a user may never
    // open. For a screen that does not touch its table before.
    void setupDeferredTable();
    // Makes every row (rowSignals: internal output signals) a status row
    // whose state shows in the given column.
    void useStatusRows(int column);
    void setContentWidget(QWidget* widget);
    void insertFooter(MonitoringFooter* footer);
    QTableWidget* createTable(const QStringList& headers);
    int addRow(QTableWidget* table, const QString& name, bool enabled);
    // Lets the columns still in the interactive mode fit their contents.
    static void fitContentColumns(QTableWidget* table);
    // Fixes the columns that size to their contents at their present width:
    // measuring them again on every cell change costs a text layout of
    // every row.
    static void freezeContentColumns(QTableWidget* table);
    static void scrollTable(QTableWidget* table, int step);
    void stopUpdate();
    // Item flags of every row from rowEnabled; columns listed in
    // alwaysEnabledColumns stay enabled.
    void applyRowEnabled();
    QVBoxLayout* mainLayout() const { return m_layout; }
    QSize computeTableSize(QTableWidget* table, int availableHeight) const;
    // A non-zero 16-bit enable word of the applied image: element index of
    // the named field. A field the layout does not know counts as enabled.
    bool enableWord(const char* name, int index = 0) const;
    // enableWord() of the elements 0 to count - 1.
    QVector<bool> enableWords(const char* name, int count) const;

    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    const ParameterImage* parameterImage = nullptr;
    const MirelRzShmRz2IfSafmMon* monitorRecord = nullptr;
    QStringList columnHeaders;
    QVector<int> columnAlignment;
    QVector<int> alwaysEnabledColumns;
    QRect contentRect;
    bool forceAll = true;
    bool fitWidth = false;
    bool shrinkToRows = false;
    QVector<quint16> rowSignals;
    QVector<bool> rowEnabled;

private slots:
    void onMonitorDataUpdated();
    void parametersChanged();

private:
    void buildLayout(QWidget* content);
    // Gives the screen and its parts their waiting sheets once it is placed,
    // before it is first polished.
    void takeSheets();
    void measureContent();
    void scrollShortcut(QShortcut* shortcut, int step);

    bool m_measured = false;
    bool m_tableDeferred = false;
    bool m_selectable;
    bool m_updating = false;
    bool m_parametersStale = false;
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_contentWidget = nullptr;
    MonitoringHeader* m_header = nullptr;
    MonitoringFooter* m_footer = nullptr;
    QTableWidget* m_table = nullptr;
    QShortcut* m_downShortcut = nullptr;
    QShortcut* m_upShortcut = nullptr;
    QMetaObject::Connection m_focusFollow;
    IO::MonitorFeedUse m_feed;
    std::unique_ptr<StatusBitRows> m_statusRows;
    int m_statusColumn = 1;
};
