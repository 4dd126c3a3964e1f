#include "widgets/properties/logicassignmenttree.h"

#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "widgets/properties/logictablemodel.h"
#include "widgets/properties/rowcolours.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace {

constexpr int SignalRole = Qt::UserRole;
constexpr int DriverColumn = 1;
const QColor errorColour(255, 96, 96);

} // namespace

LogicAssignmentTree::LogicAssignmentTree(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("logicAssignments"));
    setColumnCount(2);
    setHeaderLabels({tr("Signal"), tr("Driven by")});
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    // Wide enough for its heading in every language and any stored number.
    header()->setSectionResizeMode(DriverColumn, QHeaderView::ResizeToContents);
    // Many names share a long start and differ only in the member and
    // signal number at their end: those stay visible when a name is cut.
    setTextElideMode(Qt::ElideMiddle);
    setUniformRowHeights(true);
    addGroup(tr("Internal safety inputs"), LogicTable::firstSignal(LogicTable::InternalInput),
             LogicTable::NamedInternalInputs);
    addGroup(tr("User safety outputs"), LogicTable::firstSignal(LogicTable::UserOutput),
             LogicTable::entryCount(LogicTable::UserOutput));
    addGroup(tr("Network safety outputs"), LogicTable::firstSignal(LogicTable::NetworkOutput),
             LogicTable::entryCount(LogicTable::NetworkOutput));
    expandAll();

    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item, int column) {
        const int signal = item->data(0, SignalRole).toInt();
        if (m_filling || column != 0 || signal == 0)
            return;
        emit drivenChanged(m_result, signal, item->checkState(0) == Qt::Checked);
    });
}

void LogicAssignmentTree::addGroup(const QString& title, int first, int count)
{
    auto* group = new QTreeWidgetItem(this, {title});
    group->setFlags(Qt::ItemIsEnabled);
    for (int signal = first; signal < first + count; ++signal) {
        // The name first, so that typing its start finds it; the number
        // last for every signal, members of a numbered range included.
        const QString text = QStringLiteral("%1 (%2)")
                                 .arg(LogicSignalDef::signalText(signal, LogicSignalDef::NameOnly))
                                 .arg(signal);
        auto* item = new QTreeWidgetItem(group, {text});
        item->setData(0, SignalRole, signal);
    }
}

QTreeWidgetItem* LogicAssignmentTree::itemOf(int signal) const
{
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        const int first =
            group->childCount() > 0 ? group->child(0)->data(0, SignalRole).toInt() : 0;
        if (signal >= first && signal < first + group->childCount())
            return group->child(signal - first);
    }
    return nullptr;
}

void LogicAssignmentTree::showResult(const LogicTableModel& model, int result)
{
    m_filling = true;
    m_result = result;
    for (int g = 0; g < topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem* item = group->child(i);
            const int signal = item->data(0, SignalRole).toInt();
            const int driver = model.owner(signal);
            const bool otherDriver =
                driver != result && driver >= 1 && driver <= LogicTable::ResultCount;
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (!otherDriver && result >= 1)
                flags |= Qt::ItemIsUserCheckable;
            item->setFlags(flags);
            item->setCheckState(0, driver == result ? Qt::Checked : Qt::Unchecked);
            item->setText(DriverColumn, driver == 0 ? QString() : QString::number(driver));
            // The whole name, which the column may show shortened.
            QString tip = item->text(0);
            const QString finding = model.signalFinding(signal);
            if (!finding.isEmpty())
                tip += QLatin1Char('\n') + finding;
            const QString fault = model.check().ofSignal(signal);
            if (!fault.isEmpty())
                tip += QLatin1Char('\n') + fault;
            if (otherDriver)
                tip += QLatin1Char('\n') +
                       tr("Driven by result %1; take it off there first.").arg(driver);
            item->setToolTip(0, tip);
            item->setToolTip(DriverColumn, fault);
            const QColor colour =
                fault.isEmpty() ? RowColours::of(model.signalState(signal)) : errorColour;
            item->setForeground(0, colour);
            item->setForeground(DriverColumn, colour);
        }
    }
    m_filling = false;
}

void LogicAssignmentTree::keyboardSearch(const QString& search)
{
    m_typing.start();
    QTreeWidget::keyboardSearch(search);
}

void LogicAssignmentTree::keyPressEvent(QKeyEvent* event)
{
    // The view's own search forgets the typed text after the same interval.
    const bool typing =
        m_typing.isValid() && m_typing.elapsed() <= QApplication::keyboardInputInterval();
    const bool plain = !(event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    if (event->key() == Qt::Key_Space && plain && typing) {
        keyboardSearch(event->text());
        event->accept();
        return;
    }
    // Any other key (a move, a shortcut) ends the search: a Space after an
    // arrow key ticks the row the user went to.
    if (event->text().isEmpty() || !plain)
        m_typing.invalidate();
    QTreeWidget::keyPressEvent(event);
}
