#include "widgets/properties/logicitemdelegate.h"

#include "parameter/logicsignaldef.h"
#include "parameter/logictable.h"
#include "widgets/properties/logictablemodel.h"

#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QStringListModel>

namespace {

// Every signal a logical operation may read, in table order.
const QVector<int>& inputNumbers()
{
    static const QVector<int> numbers = [] {
        QVector<int> list;
        for (int number = 1; number <= 3003; ++number)
            if (LogicTable::isInputSignal(number))
                list << number;
        return list;
    }();
    return numbers;
}

QString withoutTilde(const QString& name)
{
    return name.startsWith(QLatin1Char('~')) ? name.mid(1) : name;
}

// The text an input editor opened with.
const char* const shownProperty = "shownText";

bool isInputColumn(int column)
{
    return column == LogicTableModel::Input1Column || column == LogicTableModel::Input2Column;
}

} // namespace

LogicItemDelegate::LogicItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent), m_signalList(new QStringListModel(this))
{
}

QWidget* LogicItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    if (index.column() == LogicTableModel::OperationColumn) {
        auto* box = new QComboBox(parent);
        for (int type = 0; type <= LogicTable::MaxOperationType; ++type)
            box->addItem(LogicSignalDef::opName(type), type);
        return box;
    }
    if (!isInputColumn(index.column()))
        return QStyledItemDelegate::createEditor(parent, option, index);
    // The completions, every input signal's name, are read for the first
    // input edited: the editor is built at start-up, and may never be used.
    if (m_signalList->rowCount() == 0) {
        QStringList texts;
        for (const int number : inputNumbers())
            texts << LogicTable::inputText(number);
        m_signalList->setStringList(texts);
    }
    auto* edit = new QLineEdit(parent);
    auto* completer = new QCompleter(m_signalList, edit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setMaxVisibleItems(12);
    edit->setCompleter(completer);
    return edit;
}

void LogicItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const int value = index.data(Qt::EditRole).toInt();
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        int item = box->findData(value);
        if (item < 0) {
            // A stored type the program does not know stays selectable as
            // it is, but cannot be chosen again once left.
            box->addItem(QString::number(value), value);
            item = box->count() - 1;
            if (auto* items = qobject_cast<QStandardItemModel*>(box->model()))
                items->item(item)->setEnabled(false);
        }
        box->setCurrentIndex(item);
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        const QString shown = value == 0 ? QString() : LogicTable::inputText(value);
        edit->setText(shown);
        edit->setProperty(shownProperty, shown);
        return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void LogicItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, box->currentData());
        return;
    }
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit || !isInputColumn(index.column())) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    // An untouched field keeps the stored value, whatever it is.
    if (edit->text() == edit->property(shownProperty).toString())
        return;
    int number = 0;
    QString reason;
    if (parseInput(edit->text(), &number, &reason))
        model->setData(index, number);
    else
        emit inputRejected(reason);
}

bool LogicItemDelegate::parseInput(const QString& typed, int* number, QString* reason)
{
    const QString text = typed.trimmed();
    if (text.isEmpty()) {
        *number = 0;
        return true;
    }
    static const QRegularExpression leadingNumber(QStringLiteral("^(\\d+)( |$)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (match.hasMatch()) {
        bool ok = false;
        const int value = match.captured(1).toInt(&ok);
        if (ok && LogicTable::isInputSignal(value)) {
            *number = value;
            return true;
        }
        *reason = QCoreApplication::translate("QObject", "%1: Invalid signal number.")
                      .arg(match.captured(1));
        return false;
    }

    const QString wanted = withoutTilde(text);
    QVector<int> starting;
    for (const int candidate : inputNumbers()) {
        const QString name = withoutTilde(LogicSignalDef::signalText(candidate));
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) {
            *number = candidate;
            return true;
        }
        if (name.startsWith(wanted, Qt::CaseInsensitive))
            starting << candidate;
    }
    if (starting.size() == 1) {
        *number = starting.first();
        return true;
    }
    *reason = starting.isEmpty() ? tr("No input signal is named \"%1\".").arg(text)
                                 : tr("%1 signals begin with \"%2\"; choose one from the list.")
                                       .arg(starting.size())
                                       .arg(text);
    return false;
}
