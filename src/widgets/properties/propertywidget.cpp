#include "widgets/properties/propertywidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/scene/scenemanager.h"
#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"

namespace {
const char* const sectionTitleStyle = "\nQLabel {\n\tfont:bold;\n\tbackground: #707070;\n\tborder: "
                                      "2px outset #404040;\n\tmargin: 0 20px 0 0;\n\tpadding: 2px "
                                      "2px 2px 2px;\n}\n";
} // namespace

PropertyWidget::PropertyWidget(Parameter* parameter, int scene, QWidget* parent)
    : QWidget(parent), m_parameter(parameter), m_scene(scene), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
}

void PropertyWidget::initialize()
{
    addSceneHeading(m_scene);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

void PropertyWidget::setApplyEnabled(bool enabled)
{
    if (m_applyButton)
        m_applyButton->setEnabled(enabled);
}

void PropertyWidget::setCancelEnabled(bool enabled)
{
    if (m_cancelButton)
        m_cancelButton->setEnabled(enabled);
}

void PropertyWidget::addSceneHeading(int scene)
{
    const Scene::SceneManager* manager = Scene::SceneManager::instance();
    auto* title = new QLabel(manager ? manager->sceneName(scene) : QString());
    title->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred);
    title->setStyleSheet(QString::fromLatin1(sectionTitleStyle));
    auto* row = new QHBoxLayout;
    row->addWidget(title);
    m_layout->addLayout(row, 0);
}

void PropertyWidget::addButtons()
{
    m_applyButton = new ButtonPrimary(tr("Apply"));
    m_cancelButton = new ButtonSecondary(tr("Cancel"));
    m_buttonBar = new QWidget;
    auto* bar = new QHBoxLayout(m_buttonBar);
    bar->setContentsMargins(0, 4, 20, 4);
    bar->setSpacing(4);
    bar->addWidget(m_applyButton, 1);
    bar->addWidget(m_cancelButton, 1);
    m_layout->addWidget(m_buttonBar, 1, Qt::AlignTop);
}
