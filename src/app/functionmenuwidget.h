#pragma once

#include <QList>
#include <QVector>
#include <QWidget>

class PropertyWidget;
class QJsonArray;
class QShowEvent;
class QTreeWidget;
class QTreeWidgetItem;

namespace Scene {
class SceneManager;
}

// The page tree on the left of the main window, built once from the
// compiled-in page tree. Every page item carries its scene number (its index
// in menuItems), so a click loads the page and every page change selects the
// matching item. Before a page is left its panel is asked whether it may
// close; a refusal keeps it.
class FunctionMenuWidget : public QWidget
{
    Q_OBJECT

public:
    // The panel table defaults to the main window's; tests pass their own.
    explicit FunctionMenuWidget(QWidget* parent = nullptr,
                                const QVector<PropertyWidget*>* propertyWidgets = nullptr);

    QTreeWidget* tree() const { return m_tree; }
    // Entry n is the item of scene n; entry 0 is null.
    const QList<QTreeWidgetItem*>& menuItems() const { return m_menuItems; }
    // The item of a scene; null for 0 and for numbers the tree lacks.
    QTreeWidgetItem* menuItem(int scene) const { return m_menuItems.value(scene, nullptr); }

    // The text of a node: the current catalogue's, else the English one,
    // else the key itself, so that no item is ever left blank.
    static QString nodeText(const QString& nodeName);

    // Whether the current page may be left, asked of its panel (or the
    // logic editor) exactly as a click on another page asks; while the
    // monitoring dialog stands over a page, that page is asked. True without
    // a scene manager.
    bool mayLeaveCurrentScene() const;

    // Set on a page item (and the groups above it) whose page holds a value
    // outside its limits; such items are red and say so in their tip.
    static constexpr int OutsideLimitsRole = Qt::UserRole + 1;
    // Marks the pages by the values of the store's edit image; runs on every
    // change of the store's data.
    void markPagesOutsideLimits();

public slots:
    void menuClicked(QTreeWidgetItem* item, int column);
    void loadedScene(int scene);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildTree();
    void addChildren(QTreeWidgetItem* parentItem, const QJsonArray& nodes);
    void setItemDisabled(int scene, bool disable);
    PropertyWidget* propertyWidget(int scene) const;
    bool mayLeave(int scene) const;
    int askedScene() const;

    Scene::SceneManager* m_sceneManager = nullptr;
    QTreeWidget* m_tree = nullptr;
    QList<QTreeWidgetItem*> m_menuItems;
    const QVector<PropertyWidget*>* m_propertyWidgets = nullptr;

    // The System page opens on the first show of the process only.
    static bool s_firstShow;
};
