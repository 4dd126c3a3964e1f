#pragma once

#include <QDialog>

class LogicalOp;

// Hidden dialog that hosts the logical operation editor; it shows itself
// when the logical operation scene is entered.
class LogicalOpDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LogicalOpDialog(QWidget* parent);

    LogicalOp* logicalOp() const { return m_logicalOp; }

protected:
    // Leaves the editor only when it agrees, then returns to the page the
    // dialog was opened from.
    void closeEvent(QCloseEvent* event) override;

private:
    LogicalOp* m_logicalOp = nullptr;
};
