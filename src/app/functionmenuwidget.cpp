#include "app/functionmenuwidget.h"

#include "app/core/interfaceutilities.h"
#include "app/core/languagesetting.h"
#include "app/core/startupstate.h"
#include "app/mainwindow.h"
#include "app/scene/scenemanager.h"
#include "io/dataprovider.h"
#include "monitoring/monitoringdialog.h"
#include "parameter/findingcount.h"
#include "parameter/parameter.h"
#include "parameter/valuevalidator.h"
#include "widgets/properties/logicalop.h"
#include "widgets/properties/logicalopdialog.h"
#include "widgets/properties/propertywidget.h"
#include "widgets/properties/window.h"

#include <QFile>
#include <QHash>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QtDebug>

namespace {

const char* const translationContext = "FunctionMenuWidget";
const char* const pageTreePath = ":/resources/json/scene.json";

const char* const menuStyleSheet =
    "QTreeWidget { background: #424242; color: white; border: none; }"
    "QTreeWidget::item:disabled { color: #707070; }"
    "QTreeView::branch:has-children:closed { image: url(:/assets/image/expand_more_middle.png); }"
    "QTreeView::branch:has-children:open { image: url(:/assets/image/expand_less_middle.png); }";

const QTranslator& englishTranslator()
{
    static QTranslator* translator = [] {
        auto* t = new QTranslator;
        t->load(QStringLiteral("en"), QStringLiteral(":/config/i18n"));
        return t;
    }();
    return *translator;
}

void hideUnlessHidden(QWidget* widget)
{
    if (widget && !widget->isHidden())
        widget->hide();
}

} // namespace

bool FunctionMenuWidget::s_firstShow = true;

FunctionMenuWidget::FunctionMenuWidget(QWidget* parent,
                                       const QVector<PropertyWidget*>* propertyWidgets)
    : QWidget(parent), m_propertyWidgets(propertyWidgets)
{
    m_sceneManager = Scene::SceneManager::instance();
    setStyleSheet(QLatin1String(menuStyleSheet));

    m_tree = new QTreeWidget(this);
    m_tree->setHeaderHidden(true);
    m_tree->setAnimated(true);
    m_tree->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    m_tree->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_tree->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);

    buildTree();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree, 1, Qt::AlignLeft | Qt::AlignTop);

    for (int i = 0; i < m_tree->topLevelItemCount(); ++i)
        m_tree->topLevelItem(i)->setExpanded(true);

    if (Parameter* store = Parameter::instance()) {
        connect(store, &Parameter::parameterChanged, this,
                &FunctionMenuWidget::markPagesOutsideLimits);
        markPagesOutsideLimits();
    }
}

void FunctionMenuWidget::markPagesOutsideLimits()
{
    // Each marked item's tool tip says what it holds, a group the sum of its
    // pages, in the words of the status line.
    QHash<QTreeWidgetItem*, FindingCount> held;
    for (const LimitEntry& entry : ValueValidator::check(Parameter::instance()->editImage())) {
        const FindingCount one = FindingCount::of({entry});
        for (QTreeWidgetItem* item = menuItem(entry.scene); item; item = item->parent()) {
            FindingCount& count = held[item];
            count.outsideLimits += one.outsideLimits;
            count.textsNotKept += one.textsNotKept;
        }
    }
    for (QTreeWidgetItemIterator it(m_tree); *it; ++it) {
        const auto found = held.constFind(*it);
        const bool marked = found != held.constEnd();
        (*it)->setData(0, OutsideLimitsRole, marked ? QVariant(true) : QVariant());
        (*it)->setData(0, Qt::ForegroundRole, marked ? QVariant(QColor(255, 64, 64)) : QVariant());
        (*it)->setToolTip(0, marked ? found->text() : QString());
    }
}

QString FunctionMenuWidget::nodeText(const QString& nodeName)
{
    const QByteArray key = nodeName.toUtf8();
    QString text;
    if (QTranslator* translator = LanguageSetting::translator())
        text = translator->translate(translationContext, key.constData());
    if (text.isEmpty())
        text = englishTranslator().translate(translationContext, key.constData());
    return text.isEmpty() ? nodeName : text;
}

void FunctionMenuWidget::buildTree()
{
    QFile file(QString::fromLatin1(pageTreePath));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qCritical().noquote() << "FunctionMenuWidget::buildTree" << pageTreePath << "NG";
    const QJsonArray nodes =
        QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("node")).toArray();

    m_menuItems.clear();
    m_menuItems.append(nullptr);
    for (const QJsonValue& value : nodes) {
        const QJsonObject node = value.toObject();
        auto* item = new QTreeWidgetItem(
            QStringList(nodeText(node.value(QLatin1String("nodeName")).toString())));
        m_tree->addTopLevelItem(item);
        addChildren(item, node.value(QLatin1String("childNodes")).toArray());
    }
    if (m_menuItems.size() != Scene::SceneSignals::sceneCount)
        qWarning().noquote() << "FunctionMenuWidget::buildTree" << m_menuItems.size()
                             << "numbered items, expected" << Scene::SceneSignals::sceneCount
                             << "NG";

    qInfo().noquote() << "IsOnline:" << isOnline;
    setItemDisabled(Scene::OutputSafetyReportScene, !isOnline);
    qInfo().noquote() << "isVSFtoAFM" << isVSFtoAFM;
    setItemDisabled(Scene::ToolModelScene, isVSFtoAFM);
    // Stop distance estimation is not offered.
    setItemDisabled(Scene::StopDistanceEstimationScene, true);
    if (QTreeWidgetItem* item = menuItem(Scene::StopDistanceEstimationScene))
        item->setHidden(true);

    connect(m_tree, &QTreeWidget::itemClicked, this, &FunctionMenuWidget::menuClicked);
    connect(m_tree, &QTreeWidget::itemActivated, this, &FunctionMenuWidget::menuClicked);
    if (m_sceneManager)
        connect(m_sceneManager, &Scene::SceneManager::loadedScene, this,
                &FunctionMenuWidget::loadedScene);
}

void FunctionMenuWidget::addChildren(QTreeWidgetItem* parentItem, const QJsonArray& nodes)
{
    for (const QJsonValue& value : nodes) {
        const QJsonObject node = value.toObject();
        const QString nodeName = node.value(QLatin1String("nodeName")).toString();
        auto* item = new QTreeWidgetItem(QStringList(nodeText(nodeName)));
        parentItem->addChild(item);

        const QJsonArray children = node.value(QLatin1String("childNodes")).toArray();
        if (!children.isEmpty()) {
            // Of the groups only "Monitoring" is a page: it opens the
            // monitoring dialog.
            if (nodeName == QLatin1String("Monitoring"))
                m_menuItems.append(item);
            addChildren(item, children);
        } else {
            m_menuItems.append(item);
        }
        item->setHidden(!node.value(QLatin1String("visible")).toBool(false));
    }
}

void FunctionMenuWidget::setItemDisabled(int scene, bool disable)
{
    QTreeWidgetItem* item = menuItem(scene);
    if (!item)
        return;
    item->setDisabled(disable);
    if (!disable)
        return;
    item->setExpanded(false);
    if (m_sceneManager && m_sceneManager->currentScene() == scene) {
        m_tree->setCurrentItem(item->parent());
        m_sceneManager->loadScene(Scene::HomeScene);
    }
}

PropertyWidget* FunctionMenuWidget::propertyWidget(int scene) const
{
    if (m_propertyWidgets)
        return m_propertyWidgets->value(scene, nullptr);
    if (MainWindow* window = MainWindow::instance())
        return window->propertyWidgets().value(scene, nullptr);
    return nullptr;
}

bool FunctionMenuWidget::mayLeave(int scene) const
{
    if (scene != Scene::LogicalOperationScene) {
        PropertyWidget* panel = propertyWidget(scene);
        return !panel || panel->requestClose();
    }
    Window* window = Window::instance();
    LogicalOpDialog* dialog = window ? window->logicalOpDialog : nullptr;
    LogicalOp* editor = dialog ? dialog->logicalOp() : nullptr;
    return !editor || editor->requestClose();
}

int FunctionMenuWidget::askedScene() const
{
    // The monitoring dialog opens over a page without asking it, and the page
    // keeps its unapplied edits under the dialog: that page is the one to ask.
    const int current = m_sceneManager->currentScene();
    return current >= Scene::MonitoringScene && current <= Scene::LastScreenScene
               ? m_sceneManager->lastScene()
               : current;
}

bool FunctionMenuWidget::mayLeaveCurrentScene() const
{
    return !m_sceneManager || mayLeave(askedScene());
}

void FunctionMenuWidget::menuClicked(QTreeWidgetItem* item, int)
{
    if (!item || !m_sceneManager)
        return;
    const Qt::ItemFlags required = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if ((item->flags() & required) != required)
        return;

    const int index = m_menuItems.indexOf(item);
    if (index == Scene::OutputSafetyReportScene) {
        if (DataProvider* provider = DataProvider::instance())
            provider->writeReport(this);
        return;
    }

    // The monitoring dialog opens over the current panel, which stays; the
    // logic editor's dialog does not stay, so opening it leaves the editor.
    // Going back to the page under the monitoring dialog leaves nothing.
    const int current = m_sceneManager->currentScene();
    const bool backUnderDialog = current != askedScene() && index == askedScene();
    if (!backUnderDialog &&
        (index != Scene::MonitoringScene || current == Scene::LogicalOperationScene)) {
        if (!mayLeaveCurrentScene()) {
            m_sceneManager->loadScene(current);
            loadedScene(current);
            return;
        }
        if (index < 0) {
            m_sceneManager->loadScene(Scene::HomeScene);
            return;
        }
    }
    m_sceneManager->loadScene(index);
}

void FunctionMenuWidget::loadedScene(int scene)
{
    Window* window = Window::instance();
    QWidget* monitoringDialog = window ? window->monitoringDialog : nullptr;
    QWidget* logicalOpDialog = window ? window->logicalOpDialog : nullptr;
    if (scene != Scene::MonitoringScene)
        hideUnlessHidden(monitoringDialog);
    if (scene != Scene::LogicalOperationScene)
        hideUnlessHidden(logicalOpDialog);

    m_tree->setCurrentItem(menuItem(scene));
}

void FunctionMenuWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!s_firstShow)
        return;
    if (QTreeWidgetItem* item = menuItem(Scene::SystemScene)) {
        expandItemAncestors(item);
        m_tree->setCurrentItem(item);
        emit m_tree->itemClicked(item, 0);
    }
    s_firstShow = false;
}
