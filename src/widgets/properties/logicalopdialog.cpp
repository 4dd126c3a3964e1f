#include "widgets/properties/logicalopdialog.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QState>
#include <QVBoxLayout>

#include "app/scene/scenemanager.h"
#include "widgets/properties/logicalop.h"
#include "widgets/widgetstylesheets.h"

LogicalOpDialog::LogicalOpDialog(QWidget* parent) : QDialog(parent), m_logicalOp(new LogicalOp)
{
    setObjectName(QStringLiteral("LogicalOpDialog"));
    setWindowTitle(tr("LogicalOperation"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    setStyleSheet(WidgetStyleSheets::logicalOpDialog);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_logicalOp);
    resize(m_logicalOp->sizeHint());
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
