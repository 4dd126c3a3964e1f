#pragma once

#include <QObject>
#include <QPointer>
#include <QVector>

#include <functional>

class Parameter;
class PropertyWidget;
class QWidget;

// Process-wide registry of the monitoring and safety network screens by
// scene number; its load() builds every property panel once at start-up.
class View : public QObject
{
    Q_OBJECT

public:
    // The panel table by scene number (37 slots, null where a scene has no
    // panel). The main window supplies it; the registry cannot reach the
    // main window itself.
    using PanelSource = std::function<QVector<PropertyWidget*>()>;

    // The first call creates the registry as a child of the parent; later
    // calls do nothing.
    static void create(QObject* parent);
    static View* instance();
    ~View() override;

    // The screen of a scene, or null.
    QWidget* screen(int scene) const;

    void setPanelSource(PanelSource source) { m_panelSource = std::move(source); }

    // A new screen of a scene (3 to 17), without parent; null for another
    // scene.
    static QWidget* createScreen(int scene);

public slots:
    void load();

private:
    explicit View(QObject* parent);
    // The tool ID screen follows the first common settings panel.
    void connectToolIdScreen(const QVector<PropertyWidget*>& panels);

    Parameter* m_parameter = nullptr;
    // Guarded: the monitoring dialog takes the screens as its pages and may
    // be destroyed first.
    QVector<QPointer<QWidget>> m_screens;
    PanelSource m_panelSource;

    static View* s_instance;
};
