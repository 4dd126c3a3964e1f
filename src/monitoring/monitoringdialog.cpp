#include "monitoring/monitoringdialog.h"

#include <QIcon>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QState>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/scene/scenemanager.h"
#include "monitoring/monitoringbase.h"
#include "monitoring/monitoringstylesheet.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/view.h"
#include "widgets/widgetstylesheets.h"

MonitoringDialog::MonitoringDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint |
                          Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint),
      m_tabWidget(new QTabWidget)
{
    setObjectName(QStringLiteral("MonitoringDialog"));
    setWindowTitle(tr("Monitoring"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    setStyleSheet(WidgetStyleSheets::monitoringDialog);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabWidget);
    setVisible(false);

    // The pages share one copy of their sheet, on the page stack (the tab
    // bar keeps the dialog's look): a page with a copy of its own would be
    // re-styled whole as it is placed.
    if (auto* pages =
            m_tabWidget->findChild<QStackedWidget*>(QString(), Qt::FindDirectChildrenOnly))
        pages->setStyleSheet(monitoringStyleSheetText());

    const View* view = View::instance();
    const Scene::SceneManager* manager = Scene::SceneManager::instance();
    if (!view || !manager)
        return;
    for (int scene = 1; scene < Scene::SceneSignals::sceneCount; ++scene) {
        QWidget* screen = view->screen(scene);
        if (!screen)
            continue;
        // Its own copy, still waiting for its first polish, is dropped.
        PolishStyle::set(screen, QString());
        const int index = m_tabWidget->addTab(screen, manager->sceneName(scene));
        // Measured in its place, with the style it is shown in; placing it
        // measured would re-style it whole.
        if (auto* monitoring = qobject_cast<MonitoringBase*>(screen))
            monitoring->ensureMeasured();
        connect(manager->state(scene), &QState::entered, this, [this, index] {
            setVisible(true);
            m_tabWidget->setCurrentIndex(index);
        });
    }
}

void MonitoringDialog::closeEvent(QCloseEvent* event)
{
    if (Scene::SceneManager* manager = Scene::SceneManager::instance())
        manager->loadScene(manager->lastScene());
    QDialog::closeEvent(event);
}

void MonitoringDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}
