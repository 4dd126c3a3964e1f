#pragma once

#include <QString>
#include <QVector>
#include <QWidget>

class CheckBox;
class QColor;
class QTableWidget;
class QVBoxLayout;
class Visibility;

// Numbered item list at the head of a panel that edits several like items:
// one row per item with its label, an optional Enabled box and an optional
// Visible (eye) box. Rows are created on demand and never removed; rows at
// and beyond the row count in use are only hidden, so their boxes keep their
// states. The selection always stays in column 0.
class SubMenuTable : public QWidget
{
    Q_OBJECT

public:
    SubMenuTable(const QString& itemFormat, int rows, int heightRows, bool enabledColumn,
                 bool visibleColumn, bool disabledIcons, bool lockFirstNine,
                 QWidget* parent = nullptr);
    ~SubMenuTable() override;

    QTableWidget* table() const { return m_table; }
    int rowCount() const { return m_rowCount; }
    int currentIndex() const { return m_currentIndex; }

    bool setRowCount(int rows);
    bool isEnabledChecked(int row) const;
    bool isVisibleChecked(int row) const;
    void setEnabledChecked(int row, bool checked);
    // Marks a row's Enabled box red (the edit state's "form-invalid"), with
    // the tool tip that says why; an unmarked box has no tip.
    void setEnabledMark(int row, bool marked, const QString& toolTip);
    CheckBox* enabledBox(int row) const { return m_enabledBoxes.value(row, nullptr); }
    void setVisibleChecked(int row, bool checked);
    void setCurrentRow(int row, bool scroll);
    void setRowForeground(int row, const QColor& colour);
    void setRowToolTip(int row, const QString& text);
    void setRowDisabledLook(int row, bool checked);
    void setHeaderText(int column, const QString& text);
    void setRowHidden(int row, bool hidden);

signals:
    void currentIndexChanged(int index);
    void enabledStateChanged(int state, int itemIndex);
    void visibleStateChanged(int state, int itemIndex);

public slots:
    // Header sections fit their texts with a padding that shrinks only as
    // far as needed to keep the table within this widget's maximum width.
    // A table still waiting for its place does so once it is placed.
    void adjustLayout();

public:
    // Lays the table out now if the window asked for it while the table was
    // out of sight, or if it waited for its place when asked (its page is
    // about to be measured).
    void adjustLayoutIfDue();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private slots:
    // The window lays every table out again; one out of sight does so when
    // it is shown or its page is measured.
    void layoutRequested();

private:
    void setupUi();
    // Fills the row r just inserted.
    void addRow(int r);
    // A table built under a PolishStyle::Hold, before its window was first
    // shown, is moved once more with its panel into its place: until the
    // hold ends or the window is shown it neither takes its sheet nor
    // measures itself, and its cells stay out of the window until the table
    // is first shown, so that neither the move nor the window's first polish
    // styles them before they are seen.
    bool isWaitingForPlace() const;
    // The sheet of a table built waiting, as this widget is first polished.
    void takeTableSheet();
    // Shows the cell in its place at once, or once the table is first shown.
    void placeCell(int row, int column, QWidget* cell);
    void placeWaitingCells();
    bool isRowInUse(int row) const { return row >= 0 && row < m_rowCount; }
    bool isRowCreated(int row) const;
    void onCurrentCellChanged(int row, int column, int previousRow, int previousColumn);
    void onCellClicked(int row, int column);
    void onCellDoubleClicked(int row, int column);
    void onEnabledStateChanged(int state);
    void onVisibleStateChanged(int state);

    QVBoxLayout* m_layout = nullptr;
    QTableWidget* m_table = nullptr;
    QVector<CheckBox*> m_enabledBoxes;
    QVector<Visibility*> m_visibleBoxes;
    struct Cell
    {
        int row;
        int column;
        QWidget* widget;
    };
    // The cells of a table still to be shown, on their own; the table
    // deletes those it never showed.
    QVector<Cell> m_waitingCells;
    bool m_waiting = false;
    bool m_layoutDue = false;
    QString m_itemFormat;
    int m_rowCount = 0;
    int m_heightRows = 0;
    int m_currentIndex = 0;
    bool m_enabledColumn = false;
    bool m_visibleColumn = false;
    bool m_disabledIcons = false;
    bool m_lockFirstNine = false;
};
