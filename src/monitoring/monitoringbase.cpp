#include "monitoring/monitoringbase.h"

#include "app/core/interfaceutilities.h"
#include "app/scene/scenemanager.h"
#include "io/mirelclient.h"
#include "monitoring/monitoringfooter.h"
#include "monitoring/monitoringheader.h"
#include "monitoring/monitoringstylesheet.h"
#include "monitoring/statusbitrows.h"
#include "parameter/logicsignaldef.h"
#include "parameter/parameter.h"
#include "widgets/polishstyle.h"

#include <QApplication>
#include <QDialog>
#include <QHeaderView>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtDebug>

MonitoringBase::MonitoringBase(bool selectable) : QWidget(nullptr), m_selectable(selectable)
{
    Parameter* store = Parameter::instance();
    parameterImage = &store->appliedImage();
    monitorRecord = IO::MirelClient::monitorRecord();
    columnHeaders = QStringList{tr("SignalName"), tr("Status")};
    columnAlignment = {Qt::AlignLeft};
    setObjectName(QStringLiteral("monitoringBase"));
    PolishStyle::set(this, monitoringStyleSheetText());
    m_header = new MonitoringHeader(this);
    connect(store, &Parameter::parameterChanged, this, &MonitoringBase::parametersChanged);

    m_downShortcut = new QShortcut(QKeySequence(Qt::Key_Down), this, nullptr, nullptr,
                                   Qt::WidgetWithChildrenShortcut);
    m_upShortcut = new QShortcut(QKeySequence(Qt::Key_Up), this, nullptr, nullptr,
                                 Qt::WidgetWithChildrenShortcut);
    connect(m_downShortcut, &QShortcut::activated, this,
            [this] { scrollShortcut(m_downShortcut, 1); });
    connect(m_upShortcut, &QShortcut::activated, this,
            [this] { scrollShortcut(m_upShortcut, -1); });
    if (m_selectable)
        m_focusFollow = connect(qApp, &QApplication::focusChanged, this, [this] {
            if (!m_table || !m_table->hasFocus()) {
                m_downShortcut->setEnabled(true);
                m_upShortcut->setEnabled(true);
            }
        });
    for (const int key : {int(Qt::Key_Enter), int(Qt::Key_Return)})
        connect(new QShortcut(QKeySequence(key), this, nullptr, nullptr, Qt::WindowShortcut),
                &QShortcut::activated, this, &clickFocusedButton);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WindowShortcut),
            &QShortcut::activated, this, [] {
                // Going home hides the monitoring dialog (the function menu
                // hides it on every page but the monitoring one); the last
                // page then shows again.
                if (Scene::SceneManager* manager = Scene::SceneManager::instance()) {
                    const int last = manager->lastScene();
                    manager->loadScene(0);
                    manager->loadScene(last);
                }
            });
}

MonitoringBase::~MonitoringBase()
{
    // ~QWidget moves the focus away from a child that holds it: the handler
    // would run on this half-destroyed screen.
    disconnect(m_focusFollow);
    stopUpdate();
}

int MonitoringBase::channelIndex() const
{
    return m_header && m_header->selected() == 1 ? 1 : 0;
}

const MirelRzShmRz2IfSafmMonChannel& MonitoringBase::channelBlock() const
{
    return monitorRecord->channel[channelIndex()];
}

void MonitoringBase::useStatusRows(int column)
{
    m_statusRows = std::make_unique<StatusBitRows>(StatusBitRows::forSignals(rowSignals));
    m_statusColumn = column;
}

void MonitoringBase::updateMonitoringData()
{
    if (m_statusRows)
        m_statusRows->refresh(m_table, m_statusColumn, channelBlock(), forceAll);
}

void MonitoringBase::cpuChanged()
{
    updateMonitoringData();
}

void MonitoringBase::scrollTableTo(int step)
{
    if (m_table)
        scrollTable(m_table, step);
}

void MonitoringBase::scrollTable(QTableWidget* table, int step)
{
    QScrollBar* bar = table->verticalScrollBar();
    bar->setValue(qBound(bar->minimum(), bar->value() + step, bar->maximum()));
}

void MonitoringBase::scrollShortcut(QShortcut* shortcut, int step)
{
    // A selectable table moves its own current cell with the arrow keys.
    if (m_selectable && m_table && m_table->hasFocus()) {
        shortcut->setEnabled(false);
        return;
    }
    scrollTableTo(step);
}

void MonitoringBase::updateTable()
{
    for (int k = 0; k < rowSignals.size(); ++k)
        addRow(m_table, LogicSignalDef::signalText(rowSignals[k]),
               k >= rowEnabled.size() || rowEnabled[k]);
}

void MonitoringBase::setupDefaultTable()
{
    m_table = createTable(columnHeaders);
    m_table->setObjectName(QStringLiteral("defaultTable"));
    // Placed while still empty: moving a styled table later re-styles and
    // re-measures every row it holds.
    buildLayout(m_table);
    updateTable();
}

void MonitoringBase::setupDeferredTable()
{
    m_tableDeferred = true;
    buildLayout(nullptr);
}

void MonitoringBase::buildContent()
{
    if (!m_tableDeferred || m_table)
        return;
    m_table = createTable(columnHeaders);
    m_table->setObjectName(QStringLiteral("defaultTable"));
    // Filled apart, unstyled, then placed: its columns do not fit their
    // contents yet, so placing it measures no row.
    updateTable();
    m_contentWidget = m_table;
    m_layout->insertWidget(1, m_table, 1, Qt::AlignCenter);
}

void MonitoringBase::setContentWidget(QWidget* widget)
{
    buildLayout(widget);
}

void MonitoringBase::buildLayout(QWidget* content)
{
    m_contentWidget = content;
    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_header, 0);
    if (content)
        m_layout->addWidget(content, 1, Qt::AlignCenter);
    m_layout->addSpacing(5);
    m_layout->setSpacing(5);
    m_layout->setContentsMargins(10, 5, 10, 5);
    connect(m_header, &MonitoringHeader::cpuChanged, this, &MonitoringBase::cpuChanged);
}

void MonitoringBase::insertFooter(MonitoringFooter* footer)
{
    // Below the content, before the closing spacing.
    m_layout->insertWidget(m_layout->count() - 1, footer, 0, Qt::AlignCenter);
    m_footer = footer;
}

QTableWidget* MonitoringBase::createTable(const QStringList& headers)
{
    auto* table = new QTableWidget(0, headers.size());
    table->setHorizontalHeaderLabels(headers);
    table->setContentsMargins(0, 0, 0, 0);
    table->verticalHeader()->hide();
    for (QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setMinimumHeight(5);
        header->setMinimumSectionSize(5);
    }
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setAlternatingRowColors(true);
    table->setCornerButtonEnabled(false);
    table->setTabKeyNavigation(false);
    if (!m_selectable) {
        connect(table, &QTableWidget::currentCellChanged, table, [table](int row, int column) {
            if (row >= 0 && column >= 0)
                table->setCurrentCell(-1, -1);
        });
        table->setFocusPolicy(Qt::NoFocus);
    }
    // The table and its header take the screen's sheet from the screen: a
    // copy of their own would re-style every row each time the table moves.
    // Its columns keep the interactive mode until the screen is measured,
    // and fit their contents from then on (unless the screen gave them
    // another mode): a column that fits its contents measures every row at
    // each style change, and placing the screen sends one to every widget.
    return table;
}

int MonitoringBase::addRow(QTableWidget* table, const QString& name, bool enabled)
{
    const Qt::ItemFlags flags =
        enabled ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::ItemIsSelectable;
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < table->columnCount(); ++column) {
        auto* item = new QTableWidgetItem;
        item->setFlags(flags);
        item->setTextAlignment(columnAlignment.value(column, Qt::AlignHCenter) | Qt::AlignVCenter);
        if (column == 0)
            item->setText(name);
        table->setItem(row, column, item);
    }
    if (!table->verticalHeader()->isHidden()) {
        auto* item = new QTableWidgetItem;
        item->setFlags(flags);
        table->setVerticalHeaderItem(row, item);
    }
    return row;
}

void MonitoringBase::applyRowEnabled()
{
    if (!m_table)
        return;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const bool enabled = row >= rowEnabled.size() || rowEnabled[row];
        for (int column = 0; column < m_table->columnCount(); ++column) {
            QTableWidgetItem* item = m_table->item(row, column);
            if (!item)
                continue;
            const bool on = enabled || alwaysEnabledColumns.contains(column);
            const Qt::ItemFlags flags =
                on ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::ItemIsSelectable;
            if (item->flags() != flags)
                item->setFlags(flags);
        }
    }
}

void MonitoringBase::reloadParameters()
{
    rowEnabled = readRowEnabled();
    applyRowEnabled();
}

bool MonitoringBase::enableWord(const char* name, int index) const
{
    const FieldDef* field = ParameterLayout::findByName(QLatin1String(name));
    bool ok = false;
    const qint16 value =
        field && parameterImage ? parameterImage->i16(*field, 0, index, &ok) : qint16(0);
    return !ok || value != 0;
}

QVector<bool> MonitoringBase::enableWords(const char* name, int count) const
{
    QVector<bool> enabled;
    enabled.reserve(count);
    for (int i = 0; i < count; ++i)
        enabled << enableWord(name, i);
    return enabled;
}

void MonitoringBase::parametersChanged()
{
    m_parametersStale = true;
    if (!isVisible())
        return;
    m_parametersStale = false;
    reloadParameters();
    forceAll = true;
}

void MonitoringBase::ensureMeasured()
{
    if (m_measured)
        return;
    m_measured = true;
    buildContent();
    ensurePolished();
    for (QTableWidget* table : findChildren<QTableWidget*>())
        fitContentColumns(table);
    measureContent();
    adjustTableSize();
    for (QTableWidget* table : findChildren<QTableWidget*>())
        freezeContentColumns(table);
}

void MonitoringBase::takeSheets()
{
    // Placing the screen under its dialog's sheet polished a few of its
    // parts already (asking a header or a scroll bar for its size polishes
    // it). A sheet given to an unpolished widget under a styled parent is
    // only stored, Qt taking its subtree for unpolished too: so the parts
    // below it polished early are re-styled one by one, and the first
    // polish of the screen (shown as the dialog's first page, or measured)
    // polishes the rest once, with the sheets in place. A screen polished
    // before (shown on its own) took its sheets then.
    if (testAttribute(Qt::WA_WState_Polished))
        return;
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.prepend(this);
    QEvent styleChange(QEvent::StyleChange);
    for (QWidget* widget : qAsConst(widgets)) {
        if (widget->testAttribute(Qt::WA_WState_Polished) || !widget->styleSheet().isEmpty())
            continue;
        const QString sheet = PolishStyle::styleSheet(widget);
        if (sheet.isEmpty())
            continue;
        widget->setStyleSheet(sheet);
        for (QWidget* part : widget->findChildren<QWidget*>()) {
            if (!part->testAttribute(Qt::WA_WState_Polished))
                continue;
            part->style()->polish(part);
            QCoreApplication::sendEvent(part, &styleChange);
        }
    }
}

void MonitoringBase::fitContentColumns(QTableWidget* table)
{
    QHeaderView* header = table->horizontalHeader();
    for (int column = 0; column < table->columnCount(); ++column)
        if (header->sectionResizeMode(column) == QHeaderView::Interactive)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
}

void MonitoringBase::freezeContentColumns(QTableWidget* table)
{
    QHeaderView* header = table->horizontalHeader();
    // Asking for the length lays the sections out to their contents if that
    // is still due, once for all columns; the sizes are kept when the modes
    // become fixed. Asking each column for its size instead would lay them
    // out again for each: a layout starts the next one.
    header->length();
    for (int column = 0; column < table->columnCount(); ++column)
        if (header->sectionResizeMode(column) == QHeaderView::ResizeToContents)
            header->setSectionResizeMode(column, QHeaderView::Fixed);
}

void MonitoringBase::measureContent()
{
    if (!m_layout || !m_contentWidget)
        return;
    const int index = m_layout->indexOf(m_contentWidget);
    if (index < 0)
        return;
    m_layout->removeWidget(m_contentWidget);
    m_layout->insertStretch(index, 1);
    m_layout->activate();
    m_layout->setGeometry(rect());
    contentRect = m_layout->itemAt(index)->geometry();
    delete m_layout->takeAt(index);
    m_layout->insertWidget(index, m_contentWidget, 1, Qt::AlignCenter);
}

QSize MonitoringBase::computeTableSize(QTableWidget* table, int availableHeight) const
{
    const QSize full = tableContentSize(table, true, !table->verticalHeader()->isHidden(), true);
    int fittedHeight = 0;
    const int rows = tableRowsThatFit(table, availableHeight, &fittedHeight);
    int width = full.width();
    int height = fittedHeight;
    if (rows < table->rowCount()) {
        const QScrollBar* bar = table->verticalScrollBar();
        width += bar->minimumWidth() == bar->maximumWidth() ? bar->minimumWidth()
                                                            : bar->sizeHint().width();
    } else if (shrinkToRows) {
        height = full.height();
    }
    if (fitWidth)
        width = contentRect.width();
    return QSize(width, height);
}

void MonitoringBase::adjustTableSize()
{
    if (!m_table)
        return;
    m_table->setFixedSize(computeTableSize(m_table, contentRect.height()));
    m_layout->activate();
}

void MonitoringBase::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_parametersStale) {
        m_parametersStale = false;
        reloadParameters();
    }
    forceAll = true;
    if (m_updating)
        return;
    qInfo().noquote() << metaObject()->className() << "startUpdate";
    m_updating = true;
    if (IO::MirelClient* client = IO::MirelClient::instance())
        connect(client, &IO::MirelClient::monitorDataUpdated, this,
                &MonitoringBase::onMonitorDataUpdated, Qt::UniqueConnection);
    m_feed.take();
}

void MonitoringBase::stopUpdate()
{
    if (!m_updating)
        return;
    qInfo().noquote() << metaObject()->className() << "stopUpdate";
    m_updating = false;
    m_feed.release();
    if (IO::MirelClient* client = IO::MirelClient::instance())
        disconnect(client, &IO::MirelClient::monitorDataUpdated, this,
                   &MonitoringBase::onMonitorDataUpdated);
}

void MonitoringBase::hideEvent(QHideEvent* event)
{
    stopUpdate();
    QWidget::hideEvent(event);
}

void MonitoringBase::closeEvent(QCloseEvent* event)
{
    stopUpdate();
    QWidget::closeEvent(event);
}

void MonitoringBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ensureMeasured();
    m_header->setFocus(Qt::OtherFocusReason);
}

void MonitoringBase::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Placed in its dialog, which shows its first page at once.
    if (event->type() == QEvent::ParentChange && parentWidget())
        takeSheets();
}

void MonitoringBase::onMonitorDataUpdated()
{
    updateMonitoringData();
    if (m_footer)
        m_footer->monitoringUpdated();
    forceAll = false;
}
