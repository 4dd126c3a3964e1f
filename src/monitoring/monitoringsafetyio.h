#pragma once

#include "monitoring/monitoringbase.h"

class QTabWidget;

// Base of the safety input and output screens: one signal table per tab
// (fixed, user, network, internal). Only the current tab is refreshed; a
// cell is written only when its bit differs from the word last shown, so
// the cells start as "OFF" over zeroed shown words.
class MonitoringSafetyIO : public MonitoringBase
{
    Q_OBJECT

public:
    static constexpr int TabCount = 4;

    MonitoringSafetyIO();

    QTabWidget* tabWidget() const { return m_tabWidget; }
    QTableWidget* tabTable(int tab) const { return m_tabTables[tab]; }

public slots:
    void updateMonitoringData() override;

protected:
    // Where a tab's rows lie in the word arrays: row r is bit r % 32 of
    // word first + r / 32.
    struct WordRange
    {
        int first;
        int count;
    };

    // wordCount: the size of currentWords and shownWords.
    void setupTabs(int wordCount);
    // Adds a tab whose table lists the members of the signal range rows
    // that start at firstId and then at secondId (0: none). The tables,
    // hundreds of rows together, are built when the screen is measured, as
    // its dialog first shows: the start-up builds a screen a user may never
    // open.
    void addSignalTab(int tab, int firstId, int secondId, WordRange words);
    void buildContent() override;
    QTableWidget* buildSignalTable(int tab, int firstId, int secondId);
    // Copies the words of a tab from the channel block into currentWords;
    // the base takes them from sourceWords at the same indices.
    virtual void copyWords(int tab, const MirelRzShmRz2IfSafmMonChannel& block);
    virtual const quint32* sourceWords(const MirelRzShmRz2IfSafmMonChannel& block) const = 0;
    WordRange wordRange(int tab) const { return m_wordRanges[tab]; }

    void scrollTableTo(int step) override;
    void adjustTableSize() override;

    QVector<quint32> currentWords;
    QVector<quint32> shownWords;

private:
    QTabWidget* m_tabWidget = nullptr;
    QTableWidget* m_tabTables[TabCount] = {};
    QStringList m_tabTitles;
    WordRange m_wordRanges[TabCount] = {};
    // The first and second signal range of each tab's rows.
    int m_rangeIds[TabCount][2] = {};
};
