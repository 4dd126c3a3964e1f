#include "widgets/properties/logicalop.h"

#include "app/core/interfaceutilities.h"
#include "app/scene/scenesignals.h"
#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/longmessagebox.h"
#include "widgets/msgbox.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/logicassignmenttree.h"
#include "widgets/properties/logicitemdelegate.h"
#include "widgets/properties/logictablemodel.h"
#include "widgets/systemsound.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Hides the results not in use while inUseOnly is set. It filters when
// switched and on reload, not on every edit, so a row being edited stays.
class InUseFilter : public QSortFilterProxyModel
{
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    bool inUseOnly = false;

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override
    {
        const auto* model = static_cast<const LogicTableModel*>(sourceModel());
        return !inUseOnly || model->isInUse(row + 1);
    }
};

} // namespace

LogicalOp::LogicalOp(QWidget* parent, Parameter* store)
    : QWidget(parent), m_store(store ? store : Parameter::instance())
{
    setObjectName(QStringLiteral("LogicalOp"));
    setStyleSheet(readTextFile(QStringLiteral(":/src/stylesheets/logicaloperation.qss")));

    m_model = new LogicTableModel(m_store, this);
    m_model->setConfirmClear(
        [this](int result, const QList<quint32>& driven) { return confirmClear(result, driven); });
    auto* filter = new InUseFilter(this);
    filter->setDynamicSortFilter(false);
    filter->setSourceModel(m_model);
    m_filter = filter;

    m_inUseOnly = new QCheckBox(tr("Show only results in use"));
    m_summary = new QLabel;
    auto* top = new QHBoxLayout;
    top->addWidget(m_inUseOnly);
    top->addStretch(1);
    top->addWidget(m_summary);

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("logicTable"));
    m_table->setModel(m_filter);
    m_delegate = new LogicItemDelegate(m_table);
    m_table->setItemDelegate(m_delegate);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_table->setTabKeyNavigation(true);
    m_table->setWordWrap(false);
    // Long names differ at their end (a member number, the last signal).
    m_table->setTextElideMode(Qt::ElideMiddle);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    QHeaderView* columns = m_table->horizontalHeader();
    const int widths[] = {60, 90, 220, 220, 200};
    for (int column = 0; column < int(std::size(widths)); ++column)
        columns->resizeSection(column, widths[column]);
    columns->setStretchLastSection(true);
    m_table->installEventFilter(this);

    m_formula = new QLabel;
    m_formula->setObjectName(QStringLiteral("logicFormula"));
    m_formula->setWordWrap(true);
    m_formula->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The Check column is narrow and may lie past the edge: the current
    // row's findings stand here whole.
    m_errors = new QLabel;
    m_errors->setObjectName(QStringLiteral("logicErrors"));
    PolishStyle::set(m_errors, QStringLiteral("color: #ff6060;"));
    m_warnings = new QLabel;
    m_warnings->setObjectName(QStringLiteral("logicWarnings"));
    PolishStyle::set(m_warnings, QStringLiteral("color: #ffd640;"));
    for (QLabel* findings : {m_errors, m_warnings}) {
        findings->setWordWrap(true);
        findings->setTextInteractionFlags(Qt::TextSelectableByMouse);
        findings->hide();
    }
    m_assignments = new LogicAssignmentTree;
    auto* sideWidget = new QWidget;
    // Room for the long signal names beside their numbers.
    sideWidget->setFixedWidth(460);
    auto* side = new QVBoxLayout(sideWidget);
    side->setContentsMargins(0, 0, 0, 0);
    side->addWidget(m_formula);
    side->addWidget(m_errors);
    side->addWidget(m_warnings);
    side->addWidget(m_assignments, 1);

    auto* middle = new QHBoxLayout;
    middle->addWidget(m_table, 1);
    middle->addWidget(sideWidget);

    m_status = new QLabel;
    m_status->setWordWrap(true);
    m_applyButton = new ButtonPrimary(tr("Apply"));
    m_cancelButton = new ButtonSecondary(tr("Cancel"));
    // Return in the table must never apply: neither button is a default.
    for (QPushButton* button :
         {static_cast<QPushButton*>(m_applyButton), static_cast<QPushButton*>(m_cancelButton)}) {
        button->setAutoDefault(false);
        button->setDefault(false);
        button->setMinimumWidth(120);
    }
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_status, 1);
    bottom->addWidget(m_applyButton);
    bottom->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    setTabOrder(m_inUseOnly, m_table);
    setTabOrder(m_table, m_assignments);
    setTabOrder(m_assignments, m_applyButton);
    setTabOrder(m_applyButton, m_cancelButton);

    connect(m_inUseOnly, &QCheckBox::toggled, this, &LogicalOp::setInUseFilter);
    connect(m_model, &LogicTableModel::edited, this, &LogicalOp::edited);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &LogicalOp::showCurrent);
    connect(m_delegate, &LogicItemDelegate::inputRejected, this, [this](const QString& reason) {
        playSystemSound(QMessageBox::Warning);
        showStatus(reason, true);
    });
    connect(m_assignments, &LogicAssignmentTree::drivenChanged, this,
            [this](int result, int signal, bool on) {
                if (!m_model->setDriven(result, signal, on))
                    showCurrent();
            });
    connect(m_applyButton, &QPushButton::clicked, this, &LogicalOp::apply);
    connect(m_cancelButton, &QPushButton::clicked, this, &LogicalOp::cancel);
    connect(m_store, &Parameter::parameterChanged, this, &LogicalOp::parameterLoad);

    parameterLoad(Parameter::MasterData);
}

LogicalOp::~LogicalOp() = default;

void LogicalOp::parameterLoad(Parameter::DataType type)
{
    // The logic part of the applied image changes only through this editor
    // or with new master data: unapplied edits survive another page's Apply.
    if (type == Parameter::AppliedData && m_model->isModified()) {
        m_model->refreshStates();
    } else {
        const int result = currentResult();
        const int column = m_table->currentIndex().column();
        m_model->reload();
        keepPlace(result, column);
    }
    edited();
}

void LogicalOp::edited()
{
    const bool modified = m_model->isModified();
    m_applyButton->setEnabled(modified);
    m_cancelButton->setEnabled(modified);
    updateSummary();
    // A change replaces an earlier refusal with the table's own notes.
    showStatus(QString(), false);
    showCurrent();
}

int LogicalOp::currentResult() const
{
    const QModelIndex current = m_filter->mapToSource(m_table->currentIndex());
    return current.isValid() ? current.row() + 1 : 0;
}

void LogicalOp::selectResult(int result, int column)
{
    if (result < 1 || result > LogicTable::ResultCount)
        return;
    QModelIndex index = m_filter->mapFromSource(m_model->index(result - 1, column));
    if (!index.isValid() && m_inUseOnly->isChecked()) {
        m_inUseOnly->setChecked(false);
        index = m_filter->mapFromSource(m_model->index(result - 1, column));
    }
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index);
}

void LogicalOp::setInUseFilter(bool on)
{
    const int result = currentResult();
    const int column = m_table->currentIndex().column();
    auto* filter = static_cast<InUseFilter*>(m_filter);
    filter->inUseOnly = on;
    filter->invalidate();
    if (m_inUseOnly->isChecked() != on)
        m_inUseOnly->setChecked(on);
    keepPlace(result, column);
}

void LogicalOp::keepPlace(int result, int column)
{
    if (column < 0)
        column = LogicTableModel::OperationColumn;
    const QModelIndex kept = m_filter->mapFromSource(m_model->index(result - 1, column));
    m_table->setCurrentIndex(kept.isValid() ? kept : m_filter->index(0, column));
}

void LogicalOp::showCurrent()
{
    const int result = currentResult();
    if (result == 0) {
        m_formula->clear();
    } else {
        const QString formula = LogicTable::formula(m_model->working(), result);
        m_formula->setText(formula.isEmpty() ? tr("Result %1 is unused.").arg(result)
                                             : tr("Result %1 = %2").arg(result).arg(formula));
    }
    const LogicCheck::Findings& findings = m_model->check().of(result);
    m_errors->setText(findings.errors.join(QLatin1Char('\n')));
    m_errors->setVisible(!findings.errors.isEmpty());
    m_warnings->setText(findings.warnings.join(QLatin1Char('\n')));
    m_warnings->setVisible(!findings.warnings.isEmpty());
    m_assignments->showResult(*m_model, result);
}

void LogicalOp::showStatus(const QString& text, bool problem)
{
    QString shown = text;
    // Findings that belong to no row stand here while nothing else does.
    if (shown.isEmpty())
        shown = m_model->check().general().join(QLatin1Char('\n'));
    m_status->setText(shown);
    m_status->setStyleSheet(problem ? QStringLiteral("color: #ff6060;")
                                    : QStringLiteral("color: #ffd640;"));
}

void LogicalOp::updateSummary()
{
    int inUse = 0;
    int warnings = m_model->check().general().size();
    for (int result = 1; result <= LogicTable::ResultCount; ++result) {
        inUse += LogicTable::type(m_model->working(), result) != 0;
        warnings += m_model->check().of(result).warnings.size();
    }
    m_summary->setText(tr("Operations in use: %1   Errors: %2   Warnings: %3")
                           .arg(inUse)
                           .arg(m_model->check().errorCount())
                           .arg(warnings));
}

bool LogicalOp::apply()
{
    if (!m_model->isModified())
        return false;
    const LogicCheck& check = m_model->check();
    if (check.errorCount() > 0) {
        playSystemSound(QMessageBox::Critical);
        selectResult(check.firstError(), LogicTableModel::CheckColumn);
        showStatus(tr("Apply is blocked by errors (%1); the first is at result %2.")
                       .arg(check.errorCount())
                       .arg(check.firstError()),
                   true);
        return false;
    }
    // The edit image keeps the same table, so that no page sees the logic
    // as edited and a whole-image Cancel brings nothing old back.
    LogicTable::copyLogic(m_model->working(), m_store->appliedImage());
    LogicTable::copyLogic(m_model->working(), m_store->editImage());
    // The logic has no section of its own: the store copies nothing, but
    // every screen that shows the applied data hears of the change. The
    // stamp follows, as on every page.
    m_store->update(Scene::LogicalOperationScene);
    m_store->setSignalUpdateTime();
    return true;
}

void LogicalOp::cancel()
{
    requestClose();
}

bool LogicalOp::requestClose()
{
    if (!m_model->isModified())
        return true;
    if (MsgBox::confirmClearInput(this) == QMessageBox::NoRole)
        return false;
    const int result = currentResult();
    const int column = m_table->currentIndex().column();
    m_model->reload();
    keepPlace(result, column);
    edited();
    return true;
}

bool LogicalOp::confirmClear(int result, const QList<quint32>& driven)
{
    QStringList lines;
    for (const quint32 signal : driven) {
        const QString name = LogicSignalDef::signalText(int(signal), LogicSignalDef::NumberFirst);
        lines << (name.isEmpty() ? QString::number(signal) : name);
    }
    LongMessageBox box(tr("Clear operation"),
                       tr("Result %1 drives these signals. OK clears the operation and takes "
                          "them off it; Cancel keeps everything.")
                           .arg(result),
                       lines.join(QLatin1Char('\n')), window());
    // A reflexive Return must keep the formula and its signals.
    if (auto* keep = box.findChild<QPushButton*>(QStringLiteral("messageBoxCancel"))) {
        keep->setDefault(true);
        keep->setFocus();
    }
    return box.exec() == QDialog::Accepted;
}

bool LogicalOp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_table || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    // Tab walks the cells; Ctrl+Tab leaves the table, as in other views
    // that keep Tab for themselves.
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
        (key->modifiers() & Qt::ControlModifier)) {
        if (key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier))
            m_inUseOnly->setFocus(Qt::BacktabFocusReason);
        else
            m_assignments->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (key->key() == Qt::Key_Delete) {
        deleteCurrentCell();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void LogicalOp::deleteCurrentCell()
{
    // Only the cell under the cursor: an emptied input is left for the
    // checks to flag, and only the operation itself takes its signals along,
    // after the question.
    const QModelIndex current = m_filter->mapToSource(m_table->currentIndex());
    switch (current.column()) {
    case LogicTableModel::OperationColumn:
        m_model->clearOperation(current.row() + 1);
        break;
    case LogicTableModel::Input1Column:
    case LogicTableModel::Input2Column:
        m_model->setData(current, 0);
        break;
    default:
        break;
    }
}
