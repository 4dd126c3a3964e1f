#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/buttonsuccess.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/diffcombobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/editstate.h"
#include "widgets/label.h"
#include "widgets/spinbox.h"
#include "widgets/spinboxlighttheme.h"
#include "widgets/toggleswitch.h"
#include "widgets/widgetstylesheets.h"

#include "app/core/interfaceutilities.h"

#include <QDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QVBoxLayout>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

namespace {

// Colours of the edit states: changed, changed and disabled, updated,
// updated and disabled, outside the limits (the red frame), and disabled.
const QColor stateColours[] = {{0x1e, 0x90, 0xff}, {0x87, 0xce, 0xfa}, {0xff, 0xa5, 0x00},
                               {0xff, 0xde, 0xad}, {0xff, 0x40, 0x40}, {0xff, 0x80, 0x80}};

bool showsColour(QWidget* widget, const QColor& colour, int tolerance = 6)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAbs(qRed(p) - colour.red()) <= tolerance &&
                qAbs(qGreen(p) - colour.green()) <= tolerance &&
                qAbs(qBlue(p) - colour.blue()) <= tolerance)
                return true;
        }
    }
    return false;
}

// One editor of each class that shows its edit state, with a sample value,
// and the way to set that state.
struct Editor
{
    QScopedPointer<QWidget> widget;
    std::function<void(quint8)> setState;

    template <class W> W* hold(W* w)
    {
        widget.reset(w);
        setState = [w](quint8 state) { w->setState(state); };
        w->resize(160, 32);
        return w;
    }
    explicit Editor(const QString& kind)
    {
        if (kind == "CheckBox" || kind == "ToggleSwitch") {
            QCheckBox* box = kind == "CheckBox" ? static_cast<QCheckBox*>(hold(new CheckBox))
                                                : hold(new ToggleSwitch);
            box->setText("1188 Monitor");
            box->setChecked(kind == "CheckBox");
        } else if (kind == "ComboBox") {
            hold(new ComboBox)->addItems({"1188 Stop", "Other"});
        } else if (kind == "SpinBox") {
            hold(new SpinBox(0, 9999))->setValue(1188);
        } else if (kind == "SpinBoxLightTheme") {
            hold(new SpinBoxLightTheme(0, 9999))->setValue(1188);
        } else if (kind == "DoubleSpinBox") {
            hold(new DoubleSpinBox(-9999, 9999))->setValue(1188.1);
        } else if (kind == "Label") {
            // A label shows a state through the name its owner gives it.
            auto* label = new Label(QStringLiteral("1188"), QString());
            widget.reset(label);
            setState = [label](quint8 state) {
                EditState::apply(label, EditState::objectName(state), WidgetStyleSheets::label);
            };
            label->resize(160, 32);
        } else {
            hold(new ButtonSuccess(QStringLiteral("Monitoring Points...")));
        }
    }
};

QLineEdit* editOf(QAbstractSpinBox* box)
{
    return box->findChild<QLineEdit*>();
}

// Where the editor shows its value: the line edit of a spin box, the edit
// field of a combo box, the contents of a button or a label.
QRect textRect(QWidget* editor)
{
    if (auto* box = qobject_cast<QAbstractSpinBox*>(editor))
        return editOf(box)->geometry();
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                              QStyle::SC_ComboBoxEditField, combo);
    }
    if (auto* button = qobject_cast<QPushButton*>(editor)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return editor->contentsRect();
}

// Lays the widgets out in one window and makes it the active one.
bool showActive(QWidget& window, const QList<QWidget*>& widgets)
{
    auto* layout = new QVBoxLayout(&window);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    window.show();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

class TestStyledWidgets : public QObject
{
    Q_OBJECT

private slots:
    void editStates_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("enabled");
        for (const char* kind : {"CheckBox", "ToggleSwitch", "ComboBox", "SpinBox",
                                 "SpinBoxLightTheme", "DoubleSpinBox", "ButtonSuccess", "Label"})
            for (const bool on : {true, false})
                for (const int state : {0, 1, 2, 4, 7}) {
                    // No page shows a stored value in the light box.
                    if (state == 4 && QLatin1String(kind) == QLatin1String("SpinBoxLightTheme"))
                        continue;
                    QTest::addRow("%s %d %s", kind, state, on ? "enabled" : "disabled")
                        << QString(kind) << state << on;
                }
    }

    void editStates()
    {
        QFETCH(QString, kind);
        QFETCH(int, state);
        QFETCH(bool, enabled);
        // No state colour shows in state 0 or out of range.
        const int colourIndex = state == 1 || state == 2 ? (state - 1) * 2 : state == 4 ? 4 : -1;
        const QColor colour = colourIndex >= 0 ? stateColours[colourIndex + !enabled] : QColor();

        Editor made(kind);
        QWidget* editor = made.widget.data();
        QVERIFY(editor->objectName().isEmpty()); // nothing before the first setState
        editor->setEnabled(enabled);
        // Another state shown first: setState must re-evaluate the sheet.
        made.setState(quint8((state + 1) % 3));
        editor->grab();
        made.setState(quint8(state));
        if (colour.isValid()) {
            QVERIFY2(showsColour(editor, colour), qPrintable(colour.name()));
        } else {
            for (const QColor& other : stateColours)
                QVERIFY2(!showsColour(editor, other, 2), qPrintable(other.name()));
        }
    }

    // An editor keeps its size, and its text its place, in every state and
    // while it is being edited: the changed field's wider focus frame and the
    // red frame of a value outside its limits lie where the usual frame and
    // padding are. So typing moves nothing, nor does the red mark as it comes
    // and goes (typing over it, Apply).
    void editStatesKeepTheSize_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QVector<int>>("states"); // set in turn, the last one measured
        QTest::addColumn<QString>("use");         // "plain", "focused" (edited) or "disabled"
        const std::pair<QByteArray, QVector<int>> states[] = {
            {"changed", {EditState::Changed}},
            {"updated", {EditState::Updated}},
            {"outside limits", {EditState::OutOfLimits}},
            {"changed over outside limits", {EditState::OutOfLimits, EditState::Changed}},
        };
        for (const char* kind : {"CheckBox", "ToggleSwitch", "ComboBox", "SpinBox",
                                 "SpinBoxLightTheme", "DoubleSpinBox", "ButtonSuccess", "Label"})
            for (const char* use : {"plain", "focused", "disabled"}) {
                // A label takes no focus.
                if (QLatin1String(kind) == QLatin1String("Label") &&
                    QLatin1String(use) == QLatin1String("focused"))
                    continue;
                for (const auto& [name, sequence] : states) {
                    // No page shows a stored value in the light box.
                    if (QLatin1String(kind) == QLatin1String("SpinBoxLightTheme") &&
                        sequence.first() == EditState::OutOfLimits)
                        continue;
                    QTest::addRow("%s %s %s", kind, name.constData(), use)
                        << QString(kind) << sequence << QString(use);
                }
            }
    }

    void editStatesKeepTheSize()
    {
        QFETCH(QString, kind);
        QFETCH(QVector<int>, states);
        QFETCH(QString, use);
        Editor made(kind);
        QWidget* editor = made.widget.data();
        editor->setEnabled(use != QLatin1String("disabled"));
        editor->show();
        QApplication::setActiveWindow(editor);
        QVERIFY(QTest::qWaitForWindowActive(editor));
        const auto geometry = [&] {
            // The boxes keep their size hints until their style changes.
            QEvent styleChange(QEvent::StyleChange);
            QCoreApplication::sendEvent(editor, &styleChange);
            editor->ensurePolished();
            editor->resize(editor->sizeHint());
            QCoreApplication::processEvents();
            return QVector<QRect>{QRect(QPoint(), editor->sizeHint()),
                                  QRect(QPoint(), editor->minimumSizeHint()), textRect(editor)};
        };
        made.setState(EditState::Equal);
        editor->clearFocus();
        const QVector<QRect> plain = geometry();
        if (use == QLatin1String("focused")) {
            editor->setFocus();
            QTRY_VERIFY(editor->hasFocus());
            QCOMPARE(geometry(), plain); // no state: only the frame's colour changes
        }
        for (const int state : qAsConst(states))
            made.setState(quint8(state));
        QCOMPARE(geometry(), plain);
        if (states.last() == EditState::OutOfLimits)
            QVERIFY(showsColour(editor, use == QLatin1String("disabled")
                                            ? QColor(0xff, 0x80, 0x80)
                                            : QColor(0xff, 0x40, 0x40)));
        made.setState(EditState::Equal); // Apply or Cancel
        QCOMPARE(geometry(), plain);
    }

    void returnAndEnterClick_data()
    {
        QTest::addColumn<bool>("primary");
        QTest::addColumn<bool>("inDialog");
        QTest::newRow("primary") << true << false;
        QTest::newRow("secondary") << false << false;
        QTest::newRow("primary in dialog") << true << true;
        QTest::newRow("secondary in dialog") << false << true;
    }
    void returnAndEnterClick()
    {
        QFETCH(bool, primary);
        QFETCH(bool, inDialog);
        // Inside a dialog a push button is auto-default, so the toolkit would
        // click it on Return as well: one key must still give one click.
        QScopedPointer<QWidget> window(inDialog ? new QDialog : new QWidget);
        QPushButton* button =
            primary ? static_cast<QPushButton*>(new ButtonPrimary("Apply", window.data()))
                    : new ButtonSecondary("Cancel", window.data());
        const std::pair<Qt::Key, int> keys[] = {
            {Qt::Key_Return, 1}, {Qt::Key_Enter, 1}, {Qt::Key_Space, 0}};
        for (const auto& [key, clicks] : keys) {
            QSignalSpy spy(button, &QPushButton::clicked);
            QTest::keyClick(button, key);
            QCOMPARE(spy.count(), clicks);
        }
    }

    // Plain Up and Down walk the focus chain and leave the choice alone; with
    // Shift they choose as a combo box does.
    void diffComboBoxArrowsMoveTheFocus()
    {
        QWidget window;
        auto* before = new QLineEdit;
        auto* combo = new DiffComboBox;
        auto* after = new QLineEdit;
        combo->addItems({"a", "b", "c"});
        combo->setCurrentIndex(1);
        QVERIFY(showActive(window, {before, combo, after}));

        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QVERIFY(after->hasFocus());
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Up);
        QVERIFY(before->hasFocus());
        QCOMPARE(combo->currentIndex(), 1);

        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(combo->currentIndex(), 2);
        QVERIFY(combo->hasFocus());
    }

    // Over a box without the keyboard focus the wheel scrolls the pane and
    // leaves the value alone; with the focus it turns the box.
    void wheelTurnsOnlyAFocusedBox()
    {
        auto* spin = new SpinBox(0, 100);
        auto* real = new DoubleSpinBox(0, 100);
        auto* combo = new ComboBox;
        auto* diff = new DiffComboBox;
        spin->setValue(50);
        real->setValue(50);
        for (QComboBox* box : {static_cast<QComboBox*>(combo), static_cast<QComboBox*>(diff)}) {
            box->addItems({"a", "b", "c"});
            box->setCurrentIndex(1);
        }
        const QList<QWidget*> boxes = {spin, real, combo, diff};
        const auto values = [&] {
            return QVariantList{spin->value(), real->value(), combo->currentIndex(),
                                diff->currentIndex()};
        };
        QScrollArea area;
        auto* pane = new QWidget;
        pane->setMinimumHeight(4000);
        auto* layout = new QVBoxLayout(pane);
        auto* other = new QLineEdit;
        layout->addWidget(other);
        for (QWidget* box : boxes)
            layout->addWidget(box);
        layout->addStretch(1);
        area.setWidget(pane);
        area.resize(300, 200);
        area.show();
        QApplication::setActiveWindow(&area);
        QVERIFY(QTest::qWaitForWindowActive(&area));
        other->setFocus();
        // Through the window, as the window system delivers it (spontaneous,
        // past sendEvent): the event goes to the widget under the point and
        // up its parents until one takes it.
        const auto turnDown = [&area](QWidget* box) {
            const QPoint at = box->mapTo(&area, QPoint(5, 5));
            QWheelEvent event(at, area.mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QSpontaneKeyEvent::setSpontaneous(&event);
            qApp->notify(area.windowHandle(), &event);
        };

        const QVariantList before = values();
        for (QWidget* box : boxes) {
            area.verticalScrollBar()->setValue(0);
            turnDown(box);
            QVERIFY(!box->hasFocus());
            QVERIFY(area.verticalScrollBar()->value() > 0);
        }
        QCOMPARE(values(), before);
        for (QWidget* box : boxes) {
            area.verticalScrollBar()->setValue(0);
            box->setFocus();
            turnDown(box);
            QCOMPARE(area.verticalScrollBar()->value(), 0);
        }
        QCOMPARE(values(), QVariantList({49, 49.0, 2, 2}));
    }

    // Item indexes outside the list, and models the switches do not know,
    // are ignored.
    void comboBoxItems()
    {
        ComboBox combo;
        combo.addItems({"a", "b", "c"});
        auto* model = qobject_cast<QStandardItemModel*>(combo.model());
        auto* view = qobject_cast<QListView*>(combo.view());
        QVERIFY(model && view);
        combo.setItemEnabled(1, false);
        combo.setItemEnabled(3, false);
        combo.setItemEnabled(-1, false);
        combo.setItemHidden(2, true);
        for (int row = 0; row < 3; ++row) {
            QCOMPARE(model->item(row)->isEnabled(), row != 1);
            QCOMPARE(view->isRowHidden(row), row == 2);
        }
        QStringListModel list({"x", "y"});
        combo.setModel(&list);
        combo.setItemEnabled(0, false);
        QVERIFY(list.flags(list.index(0)) & Qt::ItemIsEnabled);
    }

    void doubleSpinBoxKeepsValueExact()
    {
        // A panel writes back whatever valueChanged reports: showing a value with
        // one decimal must not round the stored one.
        QWidget window;
        auto* box = new DoubleSpinBox(-1000, 1000);
        auto* other = new QLineEdit;
        QVERIFY(showActive(window, {box, other}));
        const double exact = double(12.34f);

        QSignalSpy changes(box, qOverload<double>(&QDoubleSpinBox::valueChanged));
        box->setValueF(12.34f);
        QCOMPARE(box->text(), QString("12.3"));
        QCOMPARE(changes.count(), 1);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return); // re-reads the text and reports the value
        other->setFocus();
        QCOMPARE(box->value(), exact);
        for (const QList<QVariant>& change : qAsConst(changes))
            QCOMPARE(change.at(0).toDouble(), exact);

        box->setSuffix(" mm");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Enter);
        QCOMPARE(box->text(), QString("12.3 mm"));
        QCOMPARE(box->value(), exact);

        box->setDecimals(2);
        QCOMPARE(box->text(), QString("12.34 mm"));
        QCOMPARE(box->value(), exact);
        box->setValue(-0.05);
        QCOMPARE(box->value(), -0.05);

        // Typed text replaces a finer value, with no more decimals than shown.
        box->setSuffix(QString());
        box->setDecimals(1);
        box->setValue(7.26);
        editOf(box)->selectAll();
        QTest::keyClicks(box, "7.4");
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->value(), 7.4);
        QString text = "45.67";
        int pos = text.size();
        QCOMPARE(box->validate(text, pos), QValidator::Invalid);

        // A far stored value reads whole in a box of ordinary width, and
        // Return and leaving the box keep it.
        box->setSuffix(" mm");
        box->setRange(-1000, 1e30);
        box->setValue(1e30);
        changes.clear();
        QCOMPARE(box->text(), QString("1e+30 mm"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        other->setFocus();
        QCOMPARE(box->value(), 1e30);
        for (const QList<QVariant>& change : qAsConst(changes))
            QCOMPARE(change.at(0).toDouble(), 1e30);
    }

    // A click selects the whole text; focus changes are reported.
    void spinBoxClicksAndFocus()
    {
        QWidget window;
        auto* spin = new SpinBox;
        auto* real = new DoubleSpinBox(-100, 100);
        auto* rest = new QLineEdit;
        real->setValue(42.5);
        QVERIFY(showActive(window, {spin, real, rest}));
        rest->setFocus();
        QSignalSpy spinSpy(spin, &SpinBox::focussed);
        QSignalSpy realSpy(real, &DoubleSpinBox::focussed);
        spin->setFocus();
        real->setFocus();
        rest->setFocus();
        for (const QSignalSpy* spy : {&spinSpy, &realSpy}) {
            QCOMPARE(spy->count(), 2);
            QCOMPARE(spy->at(0).at(0).toBool(), true);
            QCOMPARE(spy->at(1).at(0).toBool(), false);
        }

        for (const bool enabled : {true, false}) {
            real->setEnabled(enabled);
            editOf(real)->deselect();
            QTest::mouseClick(editOf(real), Qt::LeftButton, {}, QPoint(5, 10));
            QCOMPARE(editOf(real)->selectedText(), QString(enabled ? "42.5" : ""));
        }
    }

    // Every shipped picture decodes and draws something (not one colour), and
    // every picture a style sheet names is there.
    void compiledInImagesAndSheets()
    {
        const QStringList names = QDir(":/assets/image").entryList(QDir::Files);
        QVERIFY(names.contains("OBX.png") && names.contains("Orbilux_Logo.gif"));
        for (const QString& name : names) {
            QImageReader reader(":/assets/image/" + name);
            QCOMPARE(QString::fromLatin1(reader.format()), name.section('.', -1));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(name + ": " + reader.errorString()));
            bool varies = false;
            for (int y = 0; y < image.height() && !varies; ++y)
                for (int x = 0; x < image.width() && !varies; ++x)
                    varies = image.pixel(x, y) != image.pixel(0, 0);
            QVERIFY2(varies, qPrintable(name));
        }

        using namespace WidgetStyleSheets;
        QStringList sheets = {
            buttonPrimary,    buttonSecondary, buttonSuccess,     buttonSync, checkBox,
            toggleSwitch,     visibilityBlack, visibilityWhite,   comboBox,   diffComboBox,
            spinBox,          doubleSpinBox,   spinBoxLightTheme, label,      logicalOpDialog,
            monitoringDialog, msgBox,          waitDialog};
        for (const char* name :
             {"progressbar", "monitoring", "logicaloperation", "paramtreewidget"}) {
            sheets << readTextFile(QString(":/src/stylesheets/%1.qss").arg(name));
            QVERIFY2(!sheets.last().isEmpty(), name);
        }
        const QRegularExpression url("url\\(([^)]*)\\)");
        int count = 0;
        for (const QString& sheet : sheets) {
            for (auto it = url.globalMatch(sheet); it.hasNext(); ++count) {
                const QString path = it.next().captured(1);
                QVERIFY2(QFile::exists(path), qPrintable(path));
            }
        }
        QVERIFY(count > 50);
    }
};

QTEST_MAIN(TestStyledWidgets)
#include "tst_styledwidgets.moc"
