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
    // Styled before the screens join it, the tab widget stops the main
    // window's first polish, which runs through every widget below it that
    // was not polished yet: each screen is styled when it is first shown or
    // measured instead.
    m_tabWidget->ensurePolished();

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
        connect(manager->state(scene), &QState::entered, this, [this, index] {
            setVisible(true);
            m_tabWidget->setCurrentIndex(index);
        });
    }
}

// The screens are measured in their places, with the style they are shown
// in (placing one measured would re-style it whole), and only when the dialog
// is first shown: the start-up builds the dialog, which may never be opened.
void MonitoringDialog::setVisible(bool visible)
{
    if (visible && !m_screensMeasured) {
        m_screensMeasured = true;
        for (int index = 0; index < m_tabWidget->count(); ++index)
            if (auto* screen = qobject_cast<MonitoringBase*>(m_tabWidget->widget(index)))
                screen->ensureMeasured();
    }
    QDialog::setVisible(visible);
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
