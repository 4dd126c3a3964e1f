#include "widgets/properties/logicalopdialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>
#include <QState>
#include <QStyle>
#include <QVBoxLayout>

#include "app/scene/scenemanager.h"
#include "widgets/properties/logicalop.h"
#include "widgets/widgetstylesheets.h"

LogicalOpDialog::LogicalOpDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LogicalOpDialog"));
    setWindowTitle(tr("LogicalOperation"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    setStyleSheet(WidgetStyleSheets::logicalOpDialog);
    // The editor is made in its place, under the dialog's sheet: moved in,
    // it would be styled a second time with all its rows.
    m_logicalOp = new LogicalOp(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_logicalOp);
    // The editor's size where the screen has room for it; on a smaller
    // screen its free area, so that Apply and Cancel stay in sight.
    QSize size = m_logicalOp->sizeHint();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() -
                              QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight)));
    resize(size);
    setVisible(false);

    if (const Scene::SceneManager* manager = Scene::SceneManager::instance())
        connect(manager->state(Scene::LogicalOperationScene), &QState::entered, this,
                &QWidget::show);
}

void LogicalOpDialog::closeEvent(QCloseEvent* event)
{
    if (!m_logicalOp->requestClose()) {
        event->ignore();
        return;
    }
    if (Scene::SceneManager* manager = Scene::SceneManager::instance())
        manager->loadScene(manager->lastScene());
    QDialog::closeEvent(event);
}

void LogicalOpDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
