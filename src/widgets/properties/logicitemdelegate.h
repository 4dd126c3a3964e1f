#pragma once

#include <QStyledItemDelegate>

class QStringListModel;

// Editors of the logic table: a list of the operation types, and for the
// inputs a text field that takes a signal number or a signal name, with a
// completion list of every input signal ("1101 User Safety Input 1").
// A text that names no input signal is refused: the cell keeps its value
// and inputRejected() tells why.
class LogicItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit LogicItemDelegate(QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

    // The signal number a typed text means: empty is 0 (no input); digits
    // are the number itself; a completion entry or the start of exactly one
    // signal's name (case ignored, with or without its leading "~") is that
    // signal. Returns false with the reason for anything else.
    static bool parseInput(const QString& text, int* number, QString* reason);

signals:
    void inputRejected(const QString& reason) const;

private:
    QStringListModel* m_signalList;
};
