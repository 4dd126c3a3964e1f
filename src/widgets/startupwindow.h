#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QVBoxLayout;

// The window that stands on the screen while the application starts: logo,
// progress bar and one line of text. Every start-up step advances it once;
// main deletes it once the main window is shown.
class StartupWindow : public QDialog
{
    Q_OBJECT

public:
    // Number of start-up steps, the bar's maximum.
    static constexpr int stepTotal = 29;

    static StartupWindow* instance();
    ~StartupWindow() override;

    void showMessage(const QString& text);
    // The step text only names the step for the caller; it is not shown.
    void updateProgress(const QString& step);
    void startTimer();

    int stepCount() const { return m_stepCount; }
    QString messageText() const;

private:
    StartupWindow();

    QVBoxLayout* m_layout = nullptr;
    QLabel* m_logoLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    QProgressBar* m_progressBar = nullptr;
    int m_stepCount = 0;
    bool m_timerStarted = false;

    static StartupWindow* s_instance;
};
