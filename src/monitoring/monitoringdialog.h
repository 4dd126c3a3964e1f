#pragma once

#include <QDialog>

class QTabWidget;

// Hidden dialog with one tab per monitoring and safety network screen of
// the View registry. Entering the scene of a screen shows the dialog on
// that screen's tab.
class MonitoringDialog : public QDialog
{
    Q_OBJECT

public:
    explicit MonitoringDialog(QWidget* parent);

    QTabWidget* tabWidget() const { return m_tabWidget; }
    // Measures the screens in their tabs before the dialog first shows them.
    void setVisible(bool visible) override;

protected:
    // Returns to the page the dialog was opened from.
    void closeEvent(QCloseEvent* event) override;
    // Escape closes as the close button does; the toolkit's Escape would only
    // hide the dialog and leave a monitoring scene active.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QTabWidget* m_tabWidget = nullptr;
    bool m_screensMeasured = false;
};
