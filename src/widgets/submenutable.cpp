#include "widgets/submenutable.h"

#include "app/core/interfaceutilities.h"
#include "widgets/checkbox.h"
#include "widgets/editstate.h"
#include "widgets/polishstyle.h"
#include "widgets/visibility.h"
#include "widgets/widgetstylesheets.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    ItemColumn = 0,
    EnabledColumn = 1,
    VisibleColumn = 2,
    ColumnCount = 3,
};

// Rows 0 to 8 whose Enabled boxes the "lock first nine" tables keep fixed.
constexpr int lockedRowCount = 9;
// Room beside a header text so the bold section title never clips.
constexpr int headerTextPadding = 48;
// What a column keeps beside its text when the table must fit a narrow pane.
constexpr int leastHeaderTextPadding = 12;

// The look of a row whose Enabled box is locked. A QIcon made from a file
// name looks the file up each time, so the two are made once (on first use:
// they need the application) and kept for the whole process.
const QIcon& disabledIcon(bool checked)
{
    static const QIcon* const checkedIcon =
        new QIcon(QStringLiteral(":/assets/image/checkbox_checked_disable.png"));
    static const QIcon* const uncheckedIcon =
        new QIcon(QStringLiteral(":/assets/image/checkbox_unchecked_disable.png"));
    return checked ? *checkedIcon : *uncheckedIcon;
}

const char* const widgetStyleSheet = "QTableWidget {"
                                     " background: #424242;"
                                     " color: white;"
                                     " selection-background-color: #43607D;"
                                     " selection-color: white;"
                                     "}"
                                     "QTableWidget::item:selected:!active { color: white; }"
                                     "QTableWidget::item:hover { background: #344350; }"
                                     "QTableWidget:disabled {"
                                     " background: #424242;"
                                     " color: #808080;"
                                     " selection-color: #808080;"
                                     "}"
                                     "QTableWidget::item:disabled {"
                                     " background: #424242;"
                                     " color: #808080;"
                                     " selection-color: #808080;"
                                     "}"
                                     "QHeaderView::section {"
                                     " padding: 0 0 0 0;"
                                     " background: #606060;"
                                     " color: white;"
                                     " font-weight: bold;"
                                     "}";

// The table's sheet also carries the looks of the header and of the boxes in
// its rows, keyed by their classes: one sheet read and matched for all of
// them instead of a sheet of each one's own, for tables of dozens of rows.
QString tableStyleSheet()
{
    return QLatin1String(widgetStyleSheet) +
           QString(WidgetStyleSheets::checkBox)
               .replace(QLatin1String("QCheckBox"), QLatin1String("CheckBox")) +
           QString(WidgetStyleSheets::visibilityWhite)
               .replace(QLatin1String("QCheckBox"), QLatin1String("Visibility"));
}

// A cell widget that centres one check box with a pixel of room above and below.
// The cell is made inside the table's viewport (or, for a table waiting for
// its place, on its own) and the box inside the cell, so that neither is
// moved (and re-styled) once more before it is placed.
template <typename Box, typename... Args>
QWidget* centredCell(QWidget* parent, Box** box, Args... args)
{
    auto* cell = new QWidget(parent);
    *box = new Box(args..., cell);
    PolishStyle::set(*box, QString());
    auto* layout = new QVBoxLayout(cell);
    layout->setContentsMargins(0, 1, 0, 1);
    layout->addWidget(*box, 0, Qt::AlignCenter);
    return cell;
}

// The main window asks every self-fitting widget to re-fit when fonts or DPI
// change. It is found by class name so that this library does not depend on
// the application library.
QWidget* findMainWindow()
{
    const QWidgetList widgets = QApplication::topLevelWidgets();
    for (QWidget* widget : widgets)
        if (widget->inherits("MainWindow"))
            return widget;
    return nullptr;
}

} // namespace

SubMenuTable::~SubMenuTable()
{
    for (const Cell& cell : qAsConst(m_waitingCells))
        delete cell.widget;
}

SubMenuTable::SubMenuTable(const QString& itemFormat, int rows, int heightRows, bool enabledColumn,
                           bool visibleColumn, bool disabledIcons, bool lockFirstNine,
                           QWidget* parent)
    : QWidget(parent), m_itemFormat(itemFormat), m_heightRows(heightRows),
      m_enabledColumn(enabledColumn), m_visibleColumn(visibleColumn),
      m_disabledIcons(disabledIcons), m_lockFirstNine(lockFirstNine)
{
    setupUi();
    setRowCount(rows);

    if (QWidget* mainWindow = findMainWindow())
        connect(mainWindow, SIGNAL(requestLayout()), this, SLOT(layoutRequested()));
}

void SubMenuTable::setupUi()
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);

    m_table = new QTableWidget(0, ColumnCount, this);
    // The sheet sits on the table, not on this widget, which the panels move
    // into their sections: a widget without a sheet of its own moves
    // without re-styling its rows, as long as no sheet is above it yet. A
    // table that waits for its place takes it only once there; a sheet set
    // now would re-style all its rows once more when the panel moves.
    m_waiting = isWaitingForPlace();
    if (!m_waiting)
        m_table->setStyleSheet(tableStyleSheet());
    m_table->setContentsMargins(0, 0, 0, 0);
    m_table->verticalHeader()->hide();
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_layout->addWidget(m_table);

    m_table->setHorizontalHeaderLabels({tr("Item"), tr("Enabled"), tr("Visible")});
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    QHeaderView* header = m_table->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);

    m_table->setColumnHidden(EnabledColumn, !m_enabledColumn);
    m_table->setColumnHidden(VisibleColumn, !m_visibleColumn);

    connect(m_table, &QTableWidget::currentCellChanged, this, &SubMenuTable::onCurrentCellChanged);
    connect(m_table, &QTableWidget::cellClicked, this, &SubMenuTable::onCellClicked);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &SubMenuTable::onCellDoubleClicked);
    m_table->installEventFilter(this);
}

void SubMenuTable::addRow(int r)
{
    auto* item = new QTableWidgetItem(
        QString(m_itemFormat).replace(QLatin1String("%1"), QString::number(r + 1)));
    item->setTextAlignment(Qt::AlignCenter);
    if (m_disabledIcons)
        item->setIcon(disabledIcon(false));
    m_table->setItem(r, ItemColumn, item);

    if (m_enabledColumn) {
        CheckBox* box = nullptr;
        QWidget* cell = centredCell(m_waiting ? nullptr : m_table->viewport(), &box);
        cell->setEnabled(!(m_lockFirstNine && r < lockedRowCount));
        placeCell(r, EnabledColumn, cell);
        m_enabledBoxes.append(box);
        connect(box, &QCheckBox::stateChanged, this, &SubMenuTable::onEnabledStateChanged);
    }
    if (m_visibleColumn) {
        Visibility* box = nullptr;
        placeCell(r, VisibleColumn,
                  centredCell(m_waiting ? nullptr : m_table->viewport(), &box, true));
        m_visibleBoxes.append(box);
        connect(box, &QCheckBox::stateChanged, this, &SubMenuTable::onVisibleStateChanged);
    }
}

bool SubMenuTable::isRowCreated(int row) const
{
    return row >= 0 && row < m_table->rowCount();
}

bool SubMenuTable::setRowCount(int rows)
{
    m_rowCount = qMax(rows, 0);
    if (m_enabledColumn)
        m_enabledBoxes.reserve(m_rowCount);
    if (m_visibleColumn)
        m_visibleBoxes.reserve(m_rowCount);

    const int created = m_table->rowCount();
    for (int r = 0; r < created; ++r)
        m_table->setRowHidden(r, r >= m_rowCount);
    // All new rows at once: the table lays itself out once, not once a row.
    if (created < m_rowCount) {
        m_table->setRowCount(m_rowCount);
        for (int r = created; r < m_rowCount; ++r)
            addRow(r);
    }

    if (m_table->rowCount() > 0)
        m_table->setCurrentCell(0, ItemColumn);
    adjustLayout();
    return true;
}

bool SubMenuTable::isEnabledChecked(int row) const
{
    if (!m_enabledColumn)
        return true;
    CheckBox* box = m_enabledBoxes.value(row, nullptr);
    return box && box->isChecked();
}

bool SubMenuTable::isVisibleChecked(int row) const
{
    if (!m_visibleColumn)
        return true;
    Visibility* box = m_visibleBoxes.value(row, nullptr);
    return box && box->isChecked();
}

void SubMenuTable::setEnabledChecked(int row, bool checked)
{
    if (!m_enabledColumn || !isRowInUse(row) || row >= m_enabledBoxes.size())
        return;
    m_enabledBoxes[row]->setChecked(checked);
    if (m_visibleColumn && row < m_visibleBoxes.size())
        m_visibleBoxes[row]->setEnabled(checked);
}

void SubMenuTable::setEnabledMark(int row, bool marked, const QString& toolTip)
{
    if (!m_enabledColumn || !isRowInUse(row) || row >= m_enabledBoxes.size())
        return;
    CheckBox* box = m_enabledBoxes[row];
    const QString name = marked ? EditState::objectName(EditState::OutOfLimits) : QString();
    if (box->objectName() != name) {
        box->setObjectName(name);
        // The table's sheet holds the boxes' looks: matched again for the name.
        box->style()->unpolish(box);
        box->style()->polish(box);
    }
    box->setToolTip(toolTip);
}

void SubMenuTable::setVisibleChecked(int row, bool checked)
{
    if (!m_visibleColumn || !isRowInUse(row) || row >= m_visibleBoxes.size())
        return;
    m_visibleBoxes[row]->setChecked(checked);
}

void SubMenuTable::setCurrentRow(int row, bool scroll)
{
    if (!isRowInUse(row))
        return;
    m_table->setCurrentCell(row, ItemColumn);
    if (scroll)
        m_table->scrollToItem(m_table->item(row, ItemColumn));
}

void SubMenuTable::setRowForeground(int row, const QColor& colour)
{
    if (!isRowCreated(row))
        return;
    if (QTableWidgetItem* item = m_table->item(row, ItemColumn))
        item->setForeground(QBrush(colour, Qt::SolidPattern));
}

void SubMenuTable::setRowToolTip(int row, const QString& text)
{
    if (!isRowCreated(row))
        return;
    if (QTableWidgetItem* item = m_table->item(row, ItemColumn))
        item->setToolTip(text);
}

void SubMenuTable::setRowDisabledLook(int row, bool checked)
{
    if (!m_disabledIcons || !isRowInUse(row))
        return;
    if (QTableWidgetItem* item = m_table->item(row, ItemColumn))
        item->setIcon(disabledIcon(checked));
}

void SubMenuTable::setHeaderText(int column, const QString& text)
{
    if (column < ItemColumn || column > VisibleColumn)
        return;
    if (QTableWidgetItem* item = m_table->horizontalHeaderItem(column))
        item->setText(text);
    else
        m_table->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
}

void SubMenuTable::setRowHidden(int row, bool hidden)
{
    if (!isRowCreated(row))
        return;
    m_table->setRowHidden(row, hidden);
}

bool SubMenuTable::isWaitingForPlace() const
{
    return PolishStyle::isHeld() && !window()->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

void SubMenuTable::placeCell(int row, int column, QWidget* cell)
{
    if (m_waiting)
        m_waitingCells.append({row, column, cell});
    else
        m_table->setCellWidget(row, column, cell);
}

void SubMenuTable::placeWaitingCells()
{
    if (m_waitingCells.isEmpty())
        return;
    // The boxes come into the window's focus chain last as they are placed;
    // Tab goes from the table to its boxes, row by row, as for a table whose
    // cells were made in it.
    QWidget* previous = m_table;
    for (const Cell& cell : qAsConst(m_waitingCells)) {
        m_table->setCellWidget(cell.row, cell.column, cell.widget);
        if (auto* box = cell.widget->findChild<QCheckBox*>()) {
            QWidget::setTabOrder(previous, box);
            previous = box;
        }
    }
    m_waitingCells.clear();
}

void SubMenuTable::adjustLayout()
{
    if (m_waiting) {
        // Due once placed: the pane may measure its page before it shows.
        if (isWaitingForPlace()) {
            m_layoutDue = true;
            return;
        }
        // The table takes its sheet as this widget is polished (event()):
        // it is measured with it.
        ensurePolished();
        m_waiting = false;
    }
    m_layoutDue = false;
    m_table->setUpdatesEnabled(false);

    QHeaderView* header = m_table->horizontalHeader();
    const auto fitColumns = [this, header](int padding) {
        for (int c = 0; c < ColumnCount; ++c) {
            const QTableWidgetItem* item = m_table->horizontalHeaderItem(c);
            const QString text = item ? item->text() : QString();
            m_table->setColumnWidth(c, textBoundingRect(header->font(), text).width() + padding);
        }
        const int width = m_table->verticalScrollBar()->sizeHint().width() +
                          tableWidthForColumns(m_table, false, false);
        m_table->setFixedWidth(width);
        return width;
    };
    // Beyond the widget's maximum width (a narrow pane) the shown columns
    // give up padding, never text, so that the scroll bar stays in view.
    const int width = fitColumns(headerTextPadding);
    int shown = 0;
    for (int c = 0; c < ColumnCount; ++c)
        shown += m_table->isColumnHidden(c) ? 0 : 1;
    if (width > maximumWidth() && shown > 0) {
        const int cut = (width - maximumWidth() + shown - 1) / shown;
        fitColumns(qMax(leastHeaderTextPadding, headerTextPadding - cut));
    }
    m_table->setFixedHeight(tableHeightForRows(m_table, true, true, m_heightRows));

    m_table->setUpdatesEnabled(true);
}

bool SubMenuTable::event(QEvent* event)
{
    // Sent before the children are polished.
    if (event->type() == QEvent::Polish && m_table->styleSheet().isEmpty())
        takeTableSheet();
    return QWidget::event(event);
}

void SubMenuTable::takeTableSheet()
{
    const bool styledAbove = m_table->style()->inherits("QStyleSheetStyle");
    m_table->setStyleSheet(tableStyleSheet());
    if (!styledAbove || m_table->testAttribute(Qt::WA_WState_Polished))
        return;
    // Qt restyles the polished parts of a table that takes a sheet only if
    // the table itself is polished, or if no sheet lies above it. Of the
    // parts Qt polished as the table was built (headers, scroll bars), the
    // sheet styles the headers' sections: those are polished once more.
    QEvent change(QEvent::StyleChange);
    const QList<QHeaderView*> headers = m_table->findChildren<QHeaderView*>();
    for (QHeaderView* header : headers) {
        if (!header->testAttribute(Qt::WA_WState_Polished))
            continue;
        header->style()->unpolish(header);
        header->style()->polish(header);
        QCoreApplication::sendEvent(header, &change);
    }
}

void SubMenuTable::layoutRequested()
{
    if (isVisible())
        adjustLayout();
    else
        m_layoutDue = true;
}

void SubMenuTable::adjustLayoutIfDue()
{
    if (m_layoutDue)
        adjustLayout();
}

void SubMenuTable::showEvent(QShowEvent* event)
{
    placeWaitingCells();
    adjustLayout();
    QWidget::showEvent(event);
}

void SubMenuTable::onCurrentCellChanged(int row, int, int, int)
{
    if (row == m_currentIndex)
        return;
    m_currentIndex = row;
    emit currentIndexChanged(row);
}

void SubMenuTable::onCellClicked(int row, int column)
{
    if (!isRowCreated(row))
        return;
    if (column == EnabledColumn) {
        if (!m_enabledColumn || row >= m_enabledBoxes.size())
            return;
        m_enabledBoxes[row]->click();
    } else if (column == VisibleColumn) {
        if (!m_visibleColumn || row >= m_visibleBoxes.size())
            return;
        m_visibleBoxes[row]->click();
    } else {
        return;
    }
    m_table->setCurrentCell(row, ItemColumn);
}

void SubMenuTable::onCellDoubleClicked(int row, int column)
{
    if (column != ItemColumn && isRowCreated(row))
        m_table->setCurrentCell(row, ItemColumn);
}

void SubMenuTable::onEnabledStateChanged(int state)
{
    const int row = m_enabledBoxes.indexOf(qobject_cast<CheckBox*>(sender()));
    if (row >= 0) {
        m_table->setCurrentCell(row, ItemColumn);
        if (m_visibleColumn && row < m_visibleBoxes.size())
            m_visibleBoxes[row]->setEnabled(state != Qt::Unchecked);
    }
    emit enabledStateChanged(state, row);
}

void SubMenuTable::onVisibleStateChanged(int state)
{
    const int row = m_visibleBoxes.indexOf(qobject_cast<Visibility*>(sender()));
    if (row >= 0)
        m_table->setCurrentCell(row, ItemColumn);
    emit visibleStateChanged(state, row);
}

bool SubMenuTable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_table || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);

    const int key = static_cast<QKeyEvent*>(event)->key();
    const int row = m_table->currentRow();
    bool swallowed = false;
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
        swallowed = true;
        break;
    case Qt::Key_Up:
        swallowed = row == 0;
        break;
    case Qt::Key_Down:
        swallowed = row == m_table->rowCount() - 1;
        break;
    default:
        break;
    }
    if (swallowed)
        event->accept();

    // The check boxes are reached with the mouse only.
    if (m_table->currentColumn() != ItemColumn && row >= 0)
        m_table->setCurrentCell(row, ItemColumn);
    return swallowed;
}
