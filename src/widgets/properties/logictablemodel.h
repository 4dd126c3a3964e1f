#pragma once

#include "parameter/logiccheck.h"
#include "parameter/parameterimage.h"

#include <QAbstractTableModel>
#include <QList>
#include <QVector>

#include <functional>
#include <memory>

class Parameter;

// The 400 logical operations as a table over a working copy of the logic
// part of the applied image. Each row is one result; the cells compute their
// texts, colours and check findings when the view asks for them, so only
// the visible rows cost anything. Edits change the working copy only; the
// editor writes it into the store on Apply.
class LogicTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        ResultColumn,
        OperationColumn,
        Input1Column,
        Input2Column,
        DrivesColumn,
        CheckColumn,
        ColumnCount
    };

    // Asked before an operation that still drives signals is cleared; true
    // clears it with those assignments.
    using ConfirmClear = std::function<bool(int result, const QList<quint32>& driven)>;

    explicit LogicTableModel(Parameter* store, QObject* parent = nullptr);
    ~LogicTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Operation column: the type (0 clears the operation); input columns:
    // the signal number, which the caller has checked.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    void setConfirmClear(ConfirmClear confirm) { m_confirmClear = std::move(confirm); }

    // The working copy from the applied image; edits are dropped.
    void reload();
    // The applied or master image changed under unchanged edits: the colours
    // and findings are computed again.
    void refreshStates();

    const ParameterImage& working() const { return m_work; }
    const LogicCheck& check() const { return *m_check; }
    // The working copy differs from the applied image.
    bool isModified() const;
    // A row that is used, drives a signal or was edited.
    bool isInUse(int result) const;

    // Sets the type and both inputs to 0 and, after confirmation when it
    // drives signals, takes those assignments away. False when declined.
    bool clearOperation(int result);

    // Assignment of a driven signal (60001..60157, 60501..60533,
    // 60601..60664): the stored result number (any value as stored).
    int owner(int signal) const;
    // Makes result drive the signal, or drive it no longer.
    bool setDriven(int result, int signal, bool on);
    QList<quint32> drivenBy(int result) const;
    // 0 equal, 1 edited, 2 applied but not written, 4 (red) a value the
    // validator lists (outside its limits, or a file text not kept).
    quint8 signalState(int signal) const;
    // Why a signal's assignment is red, a line each; empty when it is not.
    QString signalFinding(int signal) const;

signals:
    // The working copy changed by an edit.
    void edited();

private:
    void recompute();
    // Recomputes after an edit of one result's row or assignments.
    void changed(int result);
    quint8 cellState(int parameterNo, int result) const;
    // Why a cell of a logic field is red ("file: 65536", its limits).
    QString finding(int parameterNo, int entry) const;
    quint8 rowState(int result) const;
    QString drivesText(int result, const QString& separator) const;
    // Stores the driver of a signal without telling anyone.
    bool assign(int signal, int result);

    Parameter* m_store;
    ParameterImage m_work;
    std::unique_ptr<LogicCheck> m_check;
    // Per result 1..400 (index 0 unused): the signals it drives, and the
    // edit state of its assignments.
    QVector<QList<quint32>> m_driven;
    QVector<quint8> m_drivesState;
    ConfirmClear m_confirmClear;
};
