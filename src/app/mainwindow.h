#pragma once

#include <QMainWindow>
#include <QString>
#include <QVector>

class MonitoringDialog;
class PropertyWidget;
class QCloseEvent;
class QProgressBar;
class QScreen;
class QShowEvent;
class QWindow;

// The one top-level window: function menu on the left, the 3D view over the
// cost bar in the middle, the property pane on the right, the menu bar above.
// Its constructor builds every panel, registry, screen and dialog.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    static MainWindow* instance();

    // Slot n holds the property panel of scene n, null where there is none.
    const QVector<PropertyWidget*>& propertyWidgets() const { return m_propertyWidgets; }

    void updateCostBar();
    QProgressBar* costBar() const { return m_costBar; }

    // Reads the command line (the program's own arguments by default); the
    // "o"/"opengl" option hides the central area.
    void parseCommandLine(const QStringList& arguments = QStringList());

signals:
    // Asks every widget that sizes itself to the window's fonts to re-fit.
    void requestLayout();

public slots:
    void screenChanged(QScreen* screen);
    void screenChanged();
    void logicalDpiChanged(double dpi);
    void physicalDpiChanged(double dpi);
    void adjustLayout();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createPropertyWidgets();
    void connectAreaScreenToView(MonitoringDialog* dialog);
    void setupLayout();

    QWindow* m_nativeWindow = nullptr;
    QScreen* m_boundScreen = nullptr;
    QVector<PropertyWidget*> m_propertyWidgets;
    QProgressBar* m_costBar = nullptr;
    QString m_costBarStyle;
};
