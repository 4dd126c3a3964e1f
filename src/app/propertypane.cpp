#include "app/propertypane.h"

#include "app/core/startupstate.h"
#include "app/mainwindow.h"
#include "app/pagestack.h"
#include "app/scene/scenemanager.h"
#include "parameter/parameter.h"
#include "widgets/properties/propertywidget.h"
#include "widgets/submenutable.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QState>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr double onlineBaseWidth = 477.0;
constexpr double offlineBaseWidth = 417.0;
constexpr double referenceDpi = 96.0;
// Used when the style has no title bar metric.
constexpr int defaultCaptionHeight = 23;
// The right margin of a panel's section titles.
constexpr int sectionRightGap = 20;
// The lower border that a window manager draws below the window, which the
// caption heights do not count.
constexpr int frameBorderAllowance = 4;

const char* const paneStyleSheet = "\nQWidget {\n"
                                   "    background: #424242;\n"
                                   "    color: white;\n"
                                   "    border: none;\n"
                                   "}\n";

} // namespace

PropertyPane::MetricsSource PropertyPane::s_metricsSource;

PropertyPane::PropertyPane(QWidget* parent, const QVector<PropertyWidget*>* propertyWidgets)
    : QWidget(parent)
{
    if (propertyWidgets)
        m_propertyWidgets = *propertyWidgets;
    else if (MainWindow* window = MainWindow::instance())
        m_propertyWidgets = window->propertyWidgets();

    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    // The one sheet of the pane reaches the scroll area, the page stack and
    // every panel; a copy on each of them would be matched again for every
    // widget of every page.
    setStyleSheet(QLatin1String(paneStyleSheet));

    m_layout = new QVBoxLayout(this);

    m_scrollArea = new QScrollArea;
    m_scrollArea->setMaximumHeight(QWIDGETSIZE_MAX);
    m_scrollArea->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    m_scrollArea->setWidgetResizable(true);
    m_scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_layout->addWidget(m_scrollArea);

    m_pageStack = new PageStack;
    m_pageStack->setContentsMargins(0, 0, 0, 0);
    m_scrollArea->setWidget(m_pageStack);
    m_scrollArea->setAlignment(Qt::AlignLeft);
    m_pageStack->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::MinimumExpanding);
    m_pageStack->show();

    Scene::SceneManager* scenes = Scene::SceneManager::instance();
    for (int n = Scene::SystemScene; n < Scene::SceneSignals::sceneCount; ++n) {
        PropertyWidget* panel = m_propertyWidgets.value(n, nullptr);
        if (!panel)
            continue;
        const int index = m_pageStack->addWidget(panel);
        if (QState* state = scenes ? scenes->state(n) : nullptr)
            connect(state, &QState::entered, this, [this, index, n] { showPage(index, n); });
    }
}

void PropertyPane::setMetricsSource(MetricsSource source)
{
    s_metricsSource = std::move(source);
}

PropertyPane::SystemMetrics PropertyPane::systemMetrics()
{
    if (s_metricsSource)
        return s_metricsSource();

    SystemMetrics metrics;
    QStyle* style = QApplication::style();
    const int caption = style ? style->pixelMetric(QStyle::PM_TitleBarHeight) : 0;
    metrics.captionHeight = caption > 0 ? caption : defaultCaptionHeight;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.dpi = qRound(screen->logicalDotsPerInch());
        const QRect available = screen->availableGeometry();
        metrics.fullScreenWidth = available.width();
        metrics.fullScreenHeight = available.height() - metrics.captionHeight;
    }
    return metrics;
}

int PropertyPane::paneWidth(const SystemMetrics& metrics, bool online)
{
    const double base = online ? onlineBaseWidth : offlineBaseWidth;
    const double dpi = metrics.dpi > 0 ? metrics.dpi : referenceDpi;
    const double fullWidth = metrics.fullScreenWidth;
    // The detour through the screen width is kept because its rounding is
    // what the column has always been sized by (1440 / (1440 / 477) is just
    // below 477); a screen that reports no width goes straight to the base.
    const double unscaled = fullWidth > 0 ? fullWidth / (fullWidth / base) : base;
    const double width = unscaled * (dpi / referenceDpi);
    if (!std::isfinite(width) || width <= 0)
        return int(base);
    return int(qMin(width, double(QWIDGETSIZE_MAX)));
}

void PropertyPane::showPage(int index, int scene)
{
    m_pageEntered = true;
    m_pageStack->setCurrentIndex(index);
    sizeForPage();

    if (scene == Scene::AreaModelScene && Parameter::instance()->checkAreaModelCost(true, this)) {
        if (PropertyWidget* panel = m_propertyWidgets.value(Scene::AreaModelScene, nullptr))
            panel->updateUI();
    }
}

void PropertyPane::sizeForPage()
{
    QWidget* page = m_pageStack->currentWidget();
    if (!page)
        return;
    if (page->layout())
        page->layout()->activate();

    const SystemMetrics metrics = systemMetrics();
    const int width = paneWidth(metrics, isOnline);
    QRect rect = geometry();
    rect.setWidth(width);
    // A screen that reports no height leaves the pane as tall as it is.
    int height = metrics.fullScreenHeight - metrics.captionHeight;
    // The window's status line sits below the pane and needs its room too.
    // One caption stands for the menu bar: a taller one, and the frame's
    // lower border, take theirs as well, or the window with its frame could
    // not fit the screen, since the pane holds its height.
    if (const auto* status =
            window()->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
        height -= status->sizeHint().height();
    if (const auto* menuBar = window()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        height -= qMax(0, qMax(menuBar->sizeHint().height(), menuBar->minimumHeight()) -
                              metrics.captionHeight) +
                  frameBorderAllowance;
    if (height > 0)
        rect.setHeight(height);
    setGeometry(rect);

    m_scrollArea->setFixedWidth(width);
    m_scrollArea->setMaximumHeight(this->height());
    fitPageWidth(page, width);
}

// The page takes the pane's width less a vertical scroll bar that its height
// brings, rather than that of the widest page, so that no page scrolls
// sideways; its item tables narrow to stay inside it. The height it is
// measured against is the area's own once the window has laid it out: a
// window smaller than the screen gives it less than its most.
void PropertyPane::fitPageWidth(QWidget* page, int paneWidth)
{
    const QList<SubMenuTable*> tables = page->findChildren<SubMenuTable*>();
    for (SubMenuTable* table : tables)
        table->adjustLayoutIfDue();
    remeasure(tables, page);
    const int height = page->sizeHint().height();
    const int frame = 2 * m_scrollArea->frameWidth();
    int room = m_scrollArea->maximumHeight();
    if (m_scrollArea->isVisible() && m_scrollArea->height() > 0)
        room = qMin(room, m_scrollArea->height());
    int width = paneWidth - frame;
    if (height > room - frame)
        width -= m_scrollArea->verticalScrollBar()->sizeHint().width();
    // The tables end where the section titles end.
    for (SubMenuTable* table : tables) {
        table->setMaximumWidth(qMax(0, width - sectionRightGap - table->mapTo(page, QPoint()).x()));
        table->adjustLayout();
    }
    remeasure(tables, page);
    m_pageStack->setFixedSize(qMax(width, page->minimumSizeHint().width()), height);
}

// A layout keeps the sizes it measured until its widget handles the layout
// request that a change below it posts; the page is measured before that.
// The layouts from each item table up to the page measure again now,
// innermost first, so that a table laid out or narrowed just now counts
// even inside a section (a page is first shown as it is shown again).
void PropertyPane::remeasure(const QList<SubMenuTable*>& tables, QWidget* page)
{
    for (SubMenuTable* table : tables) {
        table->updateGeometry();
        for (QWidget* at = table->parentWidget(); at && at != page; at = at->parentWidget())
            if (QLayout* layout = at->layout()) {
                layout->invalidate();
                layout->activate();
            }
    }
    if (QLayout* layout = page->layout()) {
        if (!tables.isEmpty())
            layout->invalidate();
        layout->activate();
    }
}

// The window is first polished just before it is first laid out, and the
// function menu enters its first page only as it is shown, after that
// layout. The column takes that page's size here already, as entering it
// will give it, so that the window is laid out once (the 3D view beside
// the column sets up its frame buffer for each size it is given).
bool PropertyPane::event(QEvent* event)
{
    if (event->type() == QEvent::Polish && !m_pageEntered && !isVisible() &&
        m_pageStack->currentWidget()) {
        sizeForPage();
        // Hidden, the pane takes its new size only as it is shown: its
        // layout places the scroll area now, as the resize will.
        m_layout->activate();
        fixScrollArea();
    }
    return QWidget::event(event);
}

void PropertyPane::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    fixScrollArea();
}

void PropertyPane::fixScrollArea()
{
    if (m_layout->count() > 0)
        m_scrollArea->setFixedSize(m_layout->itemAt(m_layout->count() - 1)->geometry().size());
}
