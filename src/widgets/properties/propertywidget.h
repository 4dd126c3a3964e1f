#pragma once

#include <QWidget>

class ButtonPrimary;
class ButtonSecondary;
class Parameter;
class QVBoxLayout;

// Base of every property panel: a vertical stack of titled sections over an
// Apply/Cancel bar, working on the edit image of the parameter store. The
// main window constructs the panels; View::load builds each one once
// through initialize().
class PropertyWidget : public QWidget
{
    Q_OBJECT

public:
    // scene: the page the panel stands for, named in its heading.
    explicit PropertyWidget(Parameter* parameter, int scene = 0, QWidget* parent = nullptr);

    // Builds the panel's editors, sections, buttons and connections once;
    // by default the heading and an Apply/Cancel bar with nothing to apply.
    virtual void initialize();
    // Refreshes the editors and their edit states from the edit image.
    virtual void updateUI() {}
    // Whether the panel may be left; a panel with unapplied edits asks the
    // user first.
    virtual bool requestClose() { return true; }

    bool isInitialized() const { return initialized; }
    int scene() const { return m_scene; }

public slots:
    // Without the buttons (before addButtons) these do nothing.
    virtual void setApplyEnabled(bool enabled);
    virtual void setCancelEnabled(bool enabled);

protected:
    // A title row carrying the name of the panel's scene.
    void addSceneHeading(int scene);
    void addButtons();

    Parameter* m_parameter = nullptr;
    int m_scene = 0;
    QVBoxLayout* m_layout = nullptr;
    QWidget* m_buttonBar = nullptr;
    ButtonPrimary* m_applyButton = nullptr;
    ButtonSecondary* m_cancelButton = nullptr;
    bool initialized = false;
};
