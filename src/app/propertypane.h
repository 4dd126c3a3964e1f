#pragma once

#include <QVector>
#include <QWidget>

#include <functional>

class PropertyWidget;
class QResizeEvent;
class QScrollArea;
class QStackedWidget;
class SubMenuTable;
class QVBoxLayout;

// The right-hand column of the main window: every property panel as a page
// of a stack inside a scroll area. Entering a panel's scene shows its page
// and sizes the column from the system DPI and the full-screen height, so
// the panel column keeps a width that depends only on the DPI and on
// whether the application is online.
class PropertyPane : public QWidget
{
    Q_OBJECT

public:
    // What the sizing reads of the system: its DPI, the height of a window
    // caption and the client size of a full-screen window.
    struct SystemMetrics
    {
        int dpi = 96;
        int captionHeight = 0;
        int fullScreenWidth = 0;
        int fullScreenHeight = 0;
    };
    using MetricsSource = std::function<SystemMetrics()>;

    // The panel table defaults to the main window's; tests pass their own.
    explicit PropertyPane(QWidget* parent = nullptr,
                          const QVector<PropertyWidget*>* propertyWidgets = nullptr);

    QScrollArea* scrollArea() const { return m_scrollArea; }
    QStackedWidget* pageStack() const { return m_pageStack; }

    // The metrics of the primary screen, or of the source set for tests.
    static SystemMetrics systemMetrics();
    // An empty source returns to the primary screen.
    static void setMetricsSource(MetricsSource source);
    // Width of the panel column in pixels.
    static int paneWidth(const SystemMetrics& metrics, bool online);

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showPage(int index, int scene);
    // Sizes the column for the page shown.
    void sizeForPage();
    void fitPageWidth(QWidget* page, int paneWidth);
    static void remeasure(const QList<SubMenuTable*>& tables, QWidget* page);
    // The scroll area keeps the size that the pane's layout gives it.
    void fixScrollArea();

    QVBoxLayout* m_layout = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    QStackedWidget* m_pageStack = nullptr;
    QVector<PropertyWidget*> m_propertyWidgets;
    bool m_pageEntered = false;

    static MetricsSource s_metricsSource;
};
