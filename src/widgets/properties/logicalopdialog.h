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
    // Escape closes as the close button does; the toolkit's Escape would only
    // hide the dialog and leave its scene active, so it could not be reopened.
    void keyPressEvent(QKeyEvent* event) override;

private:
    LogicalOp* m_logicalOp = nullptr;
};
