#include "widgets/properties/placeholderproperty.h"

#include "app/scene/scenemanager.h"

namespace Property {

PlaceholderProperty::PlaceholderProperty(Parameter* parameter, int scene, QWidget* parent)
    : PropertyWidget(parameter, scene, parent)
{
}

void PlaceholderProperty::initialize()
{
    if (initialized)
        return;
    const Scene::SceneManager* manager = Scene::SceneManager::instance();
    addSection(manager ? manager->sceneName(m_scene) : QString(), new QWidget);
    addButtons();
    setApplyEnabled(false);
    setCancelEnabled(false);
    initialized = true;
}

} // namespace Property
