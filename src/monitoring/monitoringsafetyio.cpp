#include "monitoring/monitoringsafetyio.h"

#include "app/core/interfaceutilities.h"
#include "parameter/logicsignaldef.h"

#include <QHeaderView>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

MonitoringSafetyIO::MonitoringSafetyIO()
    : MonitoringBase(false), m_tabTitles{tr("Fixed"), tr("User"), tr("Network"), tr("Internal")}
{
}

void MonitoringSafetyIO::setupTabs(int wordCount)
{
    currentWords.fill(0, wordCount);
    shownWords.fill(0, wordCount);
    m_tabWidget = new QTabWidget;
    m_tabWidget->setDocumentMode(true);
    setContentWidget(m_tabWidget);
}

void MonitoringSafetyIO::addSignalTab(int tab, int firstId, int secondId, WordRange words)
{
    m_wordRanges[tab] = words;
    m_rangeIds[tab][0] = firstId;
    m_rangeIds[tab][1] = secondId;
}

void MonitoringSafetyIO::buildContent()
{
    for (int tab = 0; tab < TabCount; ++tab)
        if (m_rangeIds[tab][0] && !m_tabTables[tab])
            m_tabTables[tab] = buildSignalTable(tab, m_rangeIds[tab][0], m_rangeIds[tab][1]);
}

QTableWidget* MonitoringSafetyIO::buildSignalTable(int tab, int firstId, int secondId)
{
    const bool numbered = firstId < 60001;
    QStringList headers{tr("SignalName")};
    if (numbered)
        headers << tr("SignalNo");
    headers << tr("Status");
    QTableWidget* table = createTable(headers);
    const int statusColumn = headers.size() - 1;
    for (const int id : {firstId, secondId}) {
        const SignalRangeDef* range = id ? LogicSignalDef::findRow(id) : nullptr;
        if (!range)
            continue;
        for (int s = range->first; s < range->first + range->count; ++s) {
            const int row = addRow(table, LogicSignalDef::signalText(s), true);
            if (numbered)
                table->item(row, 1)->setText(QString::number(s));
            // Every status starts as "OFF"; only the first is written before
            // the column is fitted to its contents (see adjustTableSize()).
            if (row == 0)
                table->item(row, statusColumn)->setText(onOffText(false));
        }
    }
    // Placed filled: built apart, unstyled, the rows cost less, and as the
    // columns do not fit their contents yet, placing it measures none.
    m_tabWidget->addTab(table, m_tabTitles[tab]);
    return table;
}

void MonitoringSafetyIO::copyWords(int tab, const MirelRzShmRz2IfSafmMonChannel& block)
{
    const quint32* words = sourceWords(block);
    const WordRange range = m_wordRanges[tab];
    for (int w = range.first; w < range.first + range.count && w < currentWords.size(); ++w)
        currentWords[w] = words[w];
}

void MonitoringSafetyIO::updateMonitoringData()
{
    const int tab = m_tabWidget ? m_tabWidget->currentIndex() : -1;
    if (tab < 0 || tab >= TabCount || !m_tabTables[tab])
        return;
    copyWords(tab, channelBlock());
    QTableWidget* table = m_tabTables[tab];
    const WordRange range = wordRange(tab);
    const int statusColumn = table->columnCount() - 1;
    table->setUpdatesEnabled(false);
    for (int w = 0; w < range.count; ++w) {
        const int index = range.first + w;
        const quint32 current = currentWords.value(index);
        const quint32 changed = current ^ shownWords.value(index);
        if (index < shownWords.size())
            shownWords[index] = current;
        for (int bit = 0; bit < 32 && (changed >> bit); ++bit) {
            const int row = 32 * w + bit;
            if (row >= table->rowCount())
                break;
            if ((changed >> bit) & 1u)
                table->item(row, statusColumn)->setText(onOffText((current >> bit) & 1u));
        }
    }
    table->setUpdatesEnabled(true);
}

void MonitoringSafetyIO::scrollTableTo(int step)
{
    if (!m_tabWidget)
        return;
    if (auto* table = qobject_cast<QTableWidget*>(m_tabWidget->currentWidget()))
        scrollTable(table, step);
}

void MonitoringSafetyIO::adjustTableSize()
{
    if (!m_tabWidget)
        return;
    const int height = contentRect.height() - m_tabWidget->tabBar()->sizeHint().height();
    int width = m_tabWidget->tabBar()->sizeHint().width();
    QSize sizes[TabCount];
    for (int tab = 0; tab < TabCount; ++tab) {
        QTableWidget* table = m_tabTables[tab];
        if (!table)
            continue;
        table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        sizes[tab] = computeTableSize(table, height);
        width = qMax(width, sizes[tab].width());
    }
    for (int tab = 0; tab < TabCount; ++tab) {
        QTableWidget* table = m_tabTables[tab];
        if (!table)
            continue;
        // Fixed at the widths just measured: a stretched first column
        // would lay the sections out, and measure every row, once more.
        freezeContentColumns(table);
        // The statuses, all alike, were measured by the first alone.
        const int statusColumn = table->columnCount() - 1;
        for (int row = 1; row < table->rowCount(); ++row)
            table->item(row, statusColumn)->setText(onOffText(false));
        if (sizes[tab].width() < width)
            table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        table->setFixedSize(width, sizes[tab].height());
    }
    m_tabWidget->setFixedWidth(width);
}
