#pragma once

#include "parameter/parameter.h"

#include <QWidget>

class ButtonPrimary;
class ButtonSecondary;
class LogicAssignmentTree;
class LogicItemDelegate;
class LogicTableModel;
class QCheckBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;

// The logical operation editor hosted by LogicalOpDialog: the table of the
// 400 results with their operation, inputs, driven signals and check
// findings, the current result's formula and findings in full, the signals
// it drives, and Apply and Cancel.
// Edits stay in the editor's working copy until Apply writes the logic part
// into the applied image (and the edit image, which keeps no copy of its
// own) and stamps the signal area's update time. Viewing never writes.
class LogicalOp : public QWidget
{
    Q_OBJECT

public:
    explicit LogicalOp(QWidget* parent = nullptr, Parameter* store = nullptr);
    ~LogicalOp() override;

    // Whether the editor may be left; with unapplied edits in the logic
    // table the user is asked first. true = may leave (the edits are gone).
    bool requestClose();

    LogicTableModel* model() const { return m_model; }
    QTableView* table() const { return m_table; }
    LogicAssignmentTree* assignments() const { return m_assignments; }
    // Applies when nothing blocks it; false when refused or nothing to apply.
    bool apply();
    // Result of the current row (1..400), or 0.
    int currentResult() const;
    // Makes a result current, showing it even when the filter hides it.
    void selectResult(int result, int column = 1);
    void setInUseFilter(bool on);

    QSize sizeHint() const override { return QSize(1520, 760); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void parameterLoad(Parameter::DataType type);
    void edited();
    void showCurrent();
    void deleteCurrentCell();
    // After a reload or filter change: the same result and column when the
    // filter shows it, else the first row shown.
    void keepPlace(int result, int column);
    void showStatus(const QString& text, bool problem);
    void updateSummary();
    void cancel();
    bool confirmClear(int result, const QList<quint32>& driven);

    Parameter* m_store;
    LogicTableModel* m_model = nullptr;
    QSortFilterProxyModel* m_filter = nullptr;
    LogicItemDelegate* m_delegate = nullptr;
    QTableView* m_table = nullptr;
    QCheckBox* m_inUseOnly = nullptr;
    QLabel* m_summary = nullptr;
    QLabel* m_formula = nullptr;
    QLabel* m_errors = nullptr;
    QLabel* m_warnings = nullptr;
    LogicAssignmentTree* m_assignments = nullptr;
    QLabel* m_status = nullptr;
    ButtonPrimary* m_applyButton = nullptr;
    ButtonSecondary* m_cancelButton = nullptr;
};
