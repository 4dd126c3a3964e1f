#include "widgets/startupwindow.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QVBoxLayout>
#include <QtDebug>

#include "app/core/constants.h"

StartupWindow* StartupWindow::s_instance = nullptr;

StartupWindow* StartupWindow::instance()
{
    if (!s_instance)
        s_instance = new StartupWindow();
    return s_instance;
}

// A title bar without close, minimise or maximise buttons: the start-up
// cannot be interrupted from this window.
StartupWindow::StartupWindow()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint)
{
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    setWindowTitle(Constants::applicationTitle);
    setStyleSheet(QStringLiteral("QDialog { background: white; }"));

    m_progressBar = new QProgressBar();
    m_textLabel = new QLabel();
    m_logoLabel = new QLabel();
    m_logoLabel->setPixmap(QPixmap(QStringLiteral(":/assets/image/Orbilux_Logo.gif")));

    m_layout = new QVBoxLayout(this);
    m_layout->addWidget(m_logoLabel);
    m_layout->addWidget(m_progressBar);
    m_layout->addWidget(m_textLabel, 0, Qt::AlignCenter);

    m_progressBar->setMaximum(stepTotal);
}

StartupWindow::~StartupWindow()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void StartupWindow::showMessage(const QString& text)
{
    startTimer();
    m_textLabel->setText(text);
    show();
    raise();
}

void StartupWindow::updateProgress(const QString& step)
{
    Q_UNUSED(step)
    if (!m_timerStarted)
        startTimer();
    m_textLabel->setText(tr("Reading robot parameters..."));
    ++m_stepCount;
    if (m_stepCount <= stepTotal)
        m_progressBar->setValue(m_stepCount);
    // Repaint while the GUI thread is busy with the start-up, without letting
    // the user act on any window yet.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void StartupWindow::startTimer()
{
    qInfo().noquote() << "StartupWindow::startTimer";
    m_timerStarted = true;
}

QString StartupWindow::messageText() const
{
    return m_textLabel->text();
}
