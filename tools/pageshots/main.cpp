// Starts the program as usual (offline, on its default set), then opens the
// given pages one after the other and saves a picture of the main window for
// each (the whole screen): scripts/screenshot.sh uses it to review the pages under Xvfb.
//   obx-pageshots <output folder> <scene number>[:<choice>,...]...
//   obx-pageshots <output folder> monitoring
// A choice acts on the page as a user would, in order: a number selects that
// row (from 0) in the page's next item table, "e" after it also clicks the
// row's Enabled box and "v" its Visible box, "c<n>" chooses entry n of the
// page's first combo box and "c<i>=<n>" that of its i-th (from 0), "s<n>=<value>" types a value
// into its n-th number box (from 0) and "f<n>" puts the focus there, "i<n>=<value>" types a
// whole number into its n-th integer box, "k<n>" clicks its n-th check box outside the item
// tables, "z<mm>" moves the 3D view's camera to that distance, "p<n>" takes the camera's preset
// view n, "d<parameter>:<row>:<column>=<value>" puts a value into the loaded set as a read would
// (so the page shows data rather than edits), "b<text>" clicks the page's button whose text
// begins so and "w<text>" shows that button's tool tip; e.g. 22:2,4e or 26:c1,0 or
// 22:0,0ev,s0=150,f1 or 29:dUsrSpeedValid:0:0=1,bMon; "t<n>" makes table n the next item table
// (23:0ev,t0,1ev), "h<n>" shows the tool tip of row n of the next item table
// (25:dSelectAxisTargetRobot:0:0=0,h0) and "y<n>" scrolls the pane n pixels down (25:y9999 shows
// the page's end). Message boxes that a choice brings up are answered with their default button.
// The logical operation editor takes its own choices (logicshots.h), e.g. 36:demo,u,r10. The second
// form shows every monitoring and network tab with a fixed monitor record; the program itself never
// gets such a record. A scene number written "+<n>" shows that page without taking its picture,
// e.g. 30 +20 30 takes page 30 as shown again.
#include "app/core/applicationinit.h"
#include "app/mainwindow.h"
#include "app/scene/scenemanager.h"
#include "app/startupsequence.h"
#include "app/windowplacement.h"
#include "logicshots.h"
#include "monitoringshots.h"
#include "parameter/parameter.h"
#include "view3d/glwidget.h"
#include "widgets/checkbox.h"
#include "widgets/doublespinbox.h"
#include "widgets/msgbox.h"
#include "widgets/properties/propertywidget.h"
#include "widgets/submenutable.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolTip>

#include <algorithm>
#include <cstdio>

namespace {

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// "<parameter>:<row>:<column>=<value>" into the edit image, then taken as
// the master and applied data.
void loadCell(const QString& choice)
{
    const QStringList cell = choice.section(QLatin1Char('='), 0, 0).split(QLatin1Char(':'));
    const FieldDef* field = ParameterLayout::findByName(cell.value(0));
    if (!field || cell.size() != 3)
        return;
    const int row = cell[1].toInt(), column = cell[2].toInt();
    const QString value = choice.section(QLatin1Char('='), 1);
    Parameter* store = Parameter::instance();
    ParameterImage& image = store->editImage();
    switch (field->type) {
    case ValueType::I16:
    case ValueType::U16:
        image.setI16(*field, row, column, qint16(value.toInt()));
        break;
    case ValueType::I32:
    case ValueType::U32:
        image.setI32(*field, row, column, qint32(value.toUInt(nullptr, 0)));
        break;
    case ValueType::F32:
        image.setF32(*field, row, column, value.toFloat());
        break;
    case ValueType::Text:
        return;
    }
    store->setMasterData(true);
}

QPushButton* buttonStartingWith(const QWidget* page, const QString& text)
{
    for (QPushButton* button : page->findChildren<QPushButton*>())
        if (button->text().startsWith(text))
            return button;
    return nullptr;
}

void choose(const MainWindow& window, int scene, const QStringList& choices)
{
    PropertyWidget* page = nullptr;
    for (PropertyWidget* panel : window.findChildren<PropertyWidget*>())
        if (panel->scene() == scene)
            page = panel;
    if (!page)
        return;
    const QList<SubMenuTable*> tables = page->findChildren<SubMenuTable*>();
    int next = 0;
    for (const QString& choice : choices) {
        const QList<DoubleSpinBox*> boxes = page->findChildren<DoubleSpinBox*>();
        if (choice.startsWith(QLatin1Char('d'))) {
            loadCell(choice.mid(1));
        } else if (choice.startsWith(QLatin1Char('b'))) {
            if (QPushButton* button = buttonStartingWith(page, choice.mid(1)))
                button->click();
        } else if (choice.startsWith(QLatin1Char('w'))) {
            if (QPushButton* button = buttonStartingWith(page, choice.mid(1)))
                QToolTip::showText(button->mapToGlobal(button->rect().center()), button->toolTip(),
                                   button);
        } else if (choice.startsWith(QLatin1Char('c'))) {
            const bool nth = choice.contains(QLatin1Char('='));
            const int which = nth ? choice.section('=', 0, 0).midRef(1).toInt() : 0;
            if (QComboBox* box = page->findChildren<QComboBox*>().value(which))
                box->setCurrentIndex((nth ? choice.section('=', 1) : choice.mid(1)).toInt());
        } else if (choice.startsWith(QLatin1Char('s'))) {
            if (DoubleSpinBox* box = boxes.value(choice.section('=', 0, 0).midRef(1).toInt())) {
                box->setValue(choice.section('=', 1).toDouble());
                emit box->editingFinished();
            }
        } else if (choice.startsWith(QLatin1Char('f'))) {
            if (DoubleSpinBox* box = boxes.value(choice.midRef(1).toInt())) {
                box->window()->activateWindow();
                box->setFocus(Qt::OtherFocusReason);
            }
        } else if (choice.startsWith(QLatin1Char('i'))) {
            const QList<QSpinBox*> integers = page->findChildren<QSpinBox*>();
            if (QSpinBox* box = integers.value(choice.section('=', 0, 0).midRef(1).toInt()))
                box->setValue(choice.section('=', 1).toInt());
        } else if (choice.startsWith(QLatin1Char('h'))) {
            if (SubMenuTable* table = tables.value(next)) {
                const int row = choice.midRef(1).toInt();
                if (QTableWidgetItem* item = table->table()->item(row, 0)) {
                    const QRect cell = table->table()->visualItemRect(item);
                    QToolTip::showText(table->table()->viewport()->mapToGlobal(cell.center()),
                                       item->toolTip(), table->table());
                }
            }
        } else if (choice.startsWith(QLatin1Char('y'))) {
            for (QWidget* at = page; at; at = at->parentWidget())
                if (auto* area = qobject_cast<QScrollArea*>(at)) {
                    area->verticalScrollBar()->setValue(choice.midRef(1).toInt());
                    break;
                }
        } else if (choice.startsWith(QLatin1Char('t'))) {
            next = choice.midRef(1).toInt();
        } else if (choice.startsWith(QLatin1Char('p'))) {
            if (GLWidget* view = GLWidget::instance()) {
                view->camera().setPreset(choice.midRef(1).toUInt());
                view->update();
            }
        } else if (choice.startsWith(QLatin1Char('k'))) {
            QList<CheckBox*> boxes;
            for (CheckBox* box : page->findChildren<CheckBox*>())
                if (std::none_of(tables.begin(), tables.end(),
                                 [box](SubMenuTable* table) { return table->isAncestorOf(box); }))
                    boxes << box;
            if (CheckBox* box = boxes.value(choice.midRef(1).toInt()))
                box->click();
        } else if (choice.startsWith(QLatin1Char('z'))) {
            if (GLWidget* view = GLWidget::instance()) {
                view->camera().setDistance(choice.midRef(1).toFloat());
                view->update(); // the view repaints by itself only when its data changes
            }
        } else if (SubMenuTable* table = tables.value(next++)) {
            const int row = QString(choice).remove(QRegularExpression("[ev]")).toInt();
            table->setCurrentRow(row, true);
            if (choice.contains(QLatin1Char('e')))
                emit table->table()->cellClicked(row, 1);
            if (choice.contains(QLatin1Char('v')))
                emit table->table()->cellClicked(row, 2);
        }
        settle(100);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: %s <output folder> <scene number>...\n", argv[0]);
        return 2;
    }
    const QString folder = QDir(arguments[1]).absolutePath();
    if (!InitializeApp() || !InitializeSAFM())
        return 1;
    MainWindow window;
    window.parseCommandLine({arguments[0]});
    window.show();
    // As the start-up does: the robot is loaded once the window exists.
    if (GLWidget* view = GLWidget::instance())
        view->loadRobot();
    settle(1500);
    // Sized and placed as the start-up does, once the frame is known.
    placeOnScreen(&window, window.screen()->availableGeometry());
    settle(300);
    if (arguments[2] == QLatin1String("monitoring")) {
        QDir().mkpath(folder);
        return takeMonitoringShots(folder, settle) ? 0 : 1;
    }
    MsgBox::setAutoAnswer([](QMessageBox& box) -> QAbstractButton* {
        QAbstractButton* button = box.defaultButton();
        return button ? button : box.buttons().value(0);
    });
    for (QString argument : arguments.mid(2)) {
        const bool pictured = !argument.startsWith(QLatin1Char('+'));
        if (!pictured)
            argument.remove(0, 1);
        const QString scene = argument.section(QLatin1Char(':'), 0, 0);
        Scene::SceneManager::instance()->loadScene(scene.toInt());
        settle(800);
        const QStringList choices =
            argument.section(QLatin1Char(':'), 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (scene.toInt() == Scene::LogicalOperationScene)
            chooseLogic(choices);
        else
            choose(window, scene.toInt(), choices);
        settle(300);
        if (!pictured)
            continue;
        const QString path = QStringLiteral("%1/page-%2.png").arg(folder, scene);
        // The whole screen, so the monitoring and logic dialogs are seen too.
        if (!saveScreenPicture(path))
            return 1;
    }
    return 0;
}
