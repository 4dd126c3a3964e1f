#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/buttonsuccess.h"
#include "widgets/buttonsync.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/diffcombobox.h"
#include "widgets/doublespinbox.h"
#include "widgets/label.h"
#include "widgets/spinbox.h"
#include "widgets/spinboxlighttheme.h"
#include "widgets/toggleswitch.h"
#include "widgets/visibility.h"
#include "widgets/widgetstylesheets.h"

#include "app/core/interfaceutilities.h"

#include <QDialog>
#include <QGridLayout>
#include <QImageReader>
#include <QLineEdit>
#include <QListView>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QColor changed(0x1e, 0x90, 0xff);
const QColor changedDisabled(0x87, 0xce, 0xfa);
const QColor updated(0xff, 0xa5, 0x00);
const QColor updatedDisabled(0xff, 0xde, 0xad);

bool near(QRgb pixel, const QColor& colour, int tolerance)
{
    return qAbs(qRed(pixel) - colour.red()) <= tolerance &&
           qAbs(qGreen(pixel) - colour.green()) <= tolerance &&
           qAbs(qBlue(pixel) - colour.blue()) <= tolerance;
}

bool showsColour(QWidget* widget, const QColor& colour, int tolerance = 6)
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (near(image.pixel(x, y), colour, tolerance))
                return true;
    return false;
}

// One editor of each class that shows its edit state, with a sample value.
QWidget* makeEditor(const QString& kind)
{
    QWidget* widget = nullptr;
    if (kind == "CheckBox") {
        auto* box = new CheckBox;
        box->setText("1188 Monitor");
        box->setChecked(true);
        widget = box;
    } else if (kind == "ToggleSwitch") {
        auto* toggle = new ToggleSwitch;
        toggle->setText("1188 Display");
        widget = toggle;
    } else if (kind == "ComboBox") {
        auto* combo = new ComboBox;
        combo->addItems({"1188 Stop", "Other"});
        widget = combo;
    } else if (kind == "SpinBox") {
        auto* spin = new SpinBox(0, 9999);
        spin->setValue(1188);
        widget = spin;
    } else if (kind == "SpinBoxLightTheme") {
        auto* spin = new SpinBoxLightTheme(0, 9999);
        spin->setValue(1188);
        widget = spin;
    } else if (kind == "DoubleSpinBox") {
        auto* spin = new DoubleSpinBox(-9999, 9999);
        spin->setValue(1188.1);
        widget = spin;
    } else if (kind == "ButtonSuccess") {
        widget = new ButtonSuccess;
    }
    widget->resize(160, 32);
    return widget;
}

QLineEdit* editOf(QAbstractSpinBox* box)
{
    return box->findChild<QLineEdit*>();
}

void setState(QWidget* widget, quint8 state)
{
    if (auto* w = qobject_cast<CheckBox*>(widget))
        w->setState(state);
    else if (auto* w = qobject_cast<ToggleSwitch*>(widget))
        w->setState(state);
    else if (auto* w = qobject_cast<ComboBox*>(widget))
        w->setState(state);
    else if (auto* w = qobject_cast<SpinBoxLightTheme*>(widget))
        w->setState(state);
    else if (auto* w = qobject_cast<SpinBox*>(widget))
        w->setState(state);
    else if (auto* w = qobject_cast<DoubleSpinBox*>(widget))
        w->setState(state);
    else if (auto* w = qobject_cast<ButtonSuccess*>(widget))
        w->setState(state);
}

QStringList allSheets()
{
    using namespace WidgetStyleSheets;
    QStringList sheets;
    sheets << buttonPrimary << buttonSecondary << buttonSuccess << buttonSync << checkBox
           << toggleSwitch << visibilityBlack << visibilityWhite << comboBox << diffComboBox
           << spinBox << doubleSpinBox << spinBoxLightTheme << label << logicalOpDialog
           << monitoringDialog << msgBox << waitDialog
           << readTextFile(":/src/stylesheets/logicaloperation.qss");
    return sheets;
}

} // namespace

class TestStyledWidgets : public QObject
{
    Q_OBJECT

private slots:
    void editStates_data();
    void editStates();
    void stateChangeRecolours();
    void buttonSuccessBackground_data();
    void buttonSuccessBackground();
    void indicatorImages_data();
    void indicatorImages();
    void labelLooks();
    void lightSpinBoxSwitchesOnFirstState();
    void returnAndEnterClick_data();
    void returnAndEnterClick();
    void diffComboBoxArrowKeys();
    void comboBoxItemSwitches();
    void comboBoxCheckIcons();
    void doubleSpinBoxSetUp();
    void doubleSpinBoxKeepsValueExact();
    void doubleSpinBoxTypedInput();
    void clickSelectsAll();
    void focusSignals();
    void imageResources_data();
    void imageResources();
    void styleSheetImagesExist();
    void renderForm();
};

void TestStyledWidgets::editStates_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QColor>("colour"); // invalid: neither state colour shows

    const QStringList kinds = {"CheckBox", "ToggleSwitch",      "ComboBox",
                               "SpinBox",  "SpinBoxLightTheme", "DoubleSpinBox"};
    for (const QString& kind : kinds) {
        const bool combo = kind == "ComboBox";
        for (const bool enabled : {true, false}) {
            const QString suffix = enabled ? " enabled" : " disabled";
            const QByteArray name = kind.toLatin1();
            QTest::newRow(name + " 0" + suffix.toLatin1())
                << kind << 0 << enabled << QString(combo ? "form-select" : "") << QColor();
            QTest::newRow(name + " 1" + suffix.toLatin1())
                << kind << 1 << enabled << QString(combo ? "form-select-changed" : "form-changed")
                << (enabled ? changed : changedDisabled);
            QTest::newRow(name + " 2" + suffix.toLatin1())
                << kind << 2 << enabled << QString(combo ? "form-select-updated" : "form-updated")
                << (enabled ? updated : updatedDisabled);
            QTest::newRow(name + " 7" + suffix.toLatin1())
                << kind << 7 << enabled << QString(combo ? "form-select" : "") << QColor();
        }
    }
}

void TestStyledWidgets::editStates()
{
    QFETCH(QString, kind);
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QString, objectName);
    QFETCH(QColor, colour);

    QScopedPointer<QWidget> editor(makeEditor(kind));
    QVERIFY(editor->objectName().isEmpty()); // nothing before the first setState
    editor->setEnabled(enabled);
    setState(editor.data(), quint8(state));
    QCOMPARE(editor->objectName(), objectName);

    if (colour.isValid()) {
        QVERIFY2(showsColour(editor.data(), colour), qPrintable(colour.name()));
    } else {
        for (const QColor& other : {changed, changedDisabled, updated, updatedDisabled})
            QVERIFY2(!showsColour(editor.data(), other, 2), qPrintable(other.name()));
    }
}

void TestStyledWidgets::stateChangeRecolours()
{
    // Setting the object name alone leaves the old colours; setState must
    // re-evaluate the sheet both ways.
    SpinBox spin(0, 9999);
    spin.resize(120, 30);
    spin.setValue(1188);
    spin.setState(1);
    QVERIFY(showsColour(&spin, changed));
    spin.setState(0);
    QCOMPARE(spin.objectName(), QString());
    QVERIFY(!showsColour(&spin, changed, 2));
    spin.setState(2);
    QVERIFY(showsColour(&spin, updated));
}

void TestStyledWidgets::buttonSuccessBackground_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("background");
    QTest::newRow("0 enabled") << 0 << true << QColor(0x19, 0x87, 0x54);
    QTest::newRow("0 disabled") << 0 << false << QColor(0x6a, 0xb1, 0x90);
    QTest::newRow("1 enabled") << 1 << true << changed;
    QTest::newRow("1 disabled") << 1 << false << changedDisabled;
    QTest::newRow("2 enabled") << 2 << true << updated;
    QTest::newRow("2 disabled") << 2 << false << updatedDisabled;
}

void TestStyledWidgets::buttonSuccessBackground()
{
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QColor, background);
    ButtonSuccess button; // no text: the centre shows the background
    button.resize(100, 30);
    button.setEnabled(enabled);
    button.setState(quint8(state));
    const QImage image = button.grab().toImage();
    QVERIFY2(near(image.pixel(50, 15), background, 1),
             qPrintable(QColor(image.pixel(50, 15)).name()));
}

void TestStyledWidgets::indicatorImages_data()
{
    // A colour that only the indicator image of that state contains.
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("check checked") << "CheckBox" << true << true << QColor(0x11, 0x7e, 0xc6);
    QTest::newRow("check checked disabled")
        << "CheckBox" << true << false << QColor(0x43, 0x64, 0x7a);
    QTest::newRow("toggle on") << "ToggleSwitch" << true << true << QColor(0x3e, 0xa6, 0xff);
    QTest::newRow("toggle on disabled")
        << "ToggleSwitch" << true << false << QColor(0x5f, 0x7f, 0x99);
    QTest::newRow("toggle off") << "ToggleSwitch" << false << true << QColor(0xc8, 0xc8, 0xc8);
    QTest::newRow("white eye") << "white" << true << true << QColor(0xf0, 0xf0, 0xf0);
    QTest::newRow("black eye") << "black" << true << true << QColor(0x21, 0x21, 0x21);
    QTest::newRow("white eye disabled") << "white" << true << false << QColor(128, 128, 128);
    QTest::newRow("black eye disabled") << "black" << false << false << QColor(128, 128, 128);
}

void TestStyledWidgets::indicatorImages()
{
    QFETCH(QString, kind);
    QFETCH(bool, checked);
    QFETCH(bool, enabled);
    QFETCH(QColor, colour);
    QScopedPointer<QCheckBox> box;
    if (kind == "CheckBox")
        box.reset(new CheckBox);
    else if (kind == "ToggleSwitch")
        box.reset(new ToggleSwitch);
    else
        box.reset(new Visibility(kind == "white"));
    box->resize(60, 30);
    box->setChecked(checked);
    box->setEnabled(enabled);
    QVERIFY(showsColour(box.data(), colour, 3));
    // A coloured image belongs to its enabled state only (greys also appear
    // in antialiased edges of other images).
    box->setEnabled(!enabled);
    if (colour.saturation() > 40)
        QVERIFY(!showsColour(box.data(), colour, 3));
}

void TestStyledWidgets::labelLooks()
{
    Label caption("X", "item-x");
    QCOMPARE(caption.objectName(), QString("item-x"));
    QCOMPARE(caption.alignment(), Qt::AlignRight | Qt::AlignVCenter);
    caption.setText("XXXX");
    caption.resize(60, 24);
    QVERIFY(showsColour(&caption, QColor(0xff, 0, 0), 2));

    Label value;
    QVERIFY(value.objectName().isEmpty());
    value.setText("1188");
    value.setObjectName("form-updated");
    value.resize(60, 24);
    QVERIFY(showsColour(&value, updated));
}

void TestStyledWidgets::lightSpinBoxSwitchesOnFirstState()
{
    SpinBoxLightTheme spin(0, 100);
    QCOMPARE(spin.minimum(), 0);
    QCOMPARE(spin.maximum(), 100);
    QCOMPARE(spin.styleSheet(), WidgetStyleSheets::spinBox);
    spin.resize(100, 30);
    QVERIFY(!showsColour(&spin, Qt::white, 0));
    spin.setState(0);
    QCOMPARE(spin.styleSheet(), WidgetStyleSheets::spinBoxLightTheme);
    QVERIFY(showsColour(&spin, Qt::white, 0));
}

void TestStyledWidgets::returnAndEnterClick_data()
{
    QTest::addColumn<bool>("primary");
    QTest::addColumn<bool>("inDialog");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("clicks");
    for (const bool primary : {true, false}) {
        for (const bool inDialog : {false, true}) {
            const QByteArray name =
                QByteArray(primary ? "primary" : "secondary") + (inDialog ? " in dialog" : "");
            QTest::newRow(name + " Return") << primary << inDialog << int(Qt::Key_Return) << 1;
            QTest::newRow(name + " Enter") << primary << inDialog << int(Qt::Key_Enter) << 1;
            QTest::newRow(name + " Space") << primary << inDialog << int(Qt::Key_Space) << 0;
        }
    }
}

void TestStyledWidgets::returnAndEnterClick()
{
    QFETCH(bool, primary);
    QFETCH(bool, inDialog);
    QFETCH(int, key);
    QFETCH(int, clicks);
    // Inside a dialog a push button is auto-default, so the toolkit would
    // click it on Return as well: one key must still give one click.
    QScopedPointer<QWidget> window(inDialog ? new QDialog : new QWidget);
    QPushButton* button = primary
                              ? static_cast<QPushButton*>(new ButtonPrimary("Apply", window.data()))
                              : new ButtonSecondary("Cancel", window.data());
    QSignalSpy spy(button, &QPushButton::clicked);
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(spy.count(), clicks);
}

void TestStyledWidgets::diffComboBoxArrowKeys()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* above = new QLineEdit(&window);
    auto* combo = new DiffComboBox(&window);
    auto* below = new QLineEdit(&window);
    layout->addWidget(above);
    layout->addWidget(combo);
    layout->addWidget(below);
    combo->addItems({"a", "b", "c"});
    combo->setCurrentIndex(1);
    QCOMPARE(combo->focusPolicy(), Qt::TabFocus);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), above);
    QCOMPARE(combo->currentIndex(), 1);

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), below);
    QCOMPARE(combo->currentIndex(), 1);

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), combo);
    QCOMPARE(combo->currentIndex(), 0);
    QTest::keyClick(combo, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(combo->currentIndex(), 1);
}

void TestStyledWidgets::comboBoxItemSwitches()
{
    ComboBox combo;
    combo.addItems({"a", "b", "c"});
    auto* model = qobject_cast<QStandardItemModel*>(combo.model());
    QVERIFY(model);
    combo.setItemEnabled(1, false);
    QVERIFY(!model->item(1)->isEnabled());
    combo.setItemEnabled(1, true);
    QVERIFY(model->item(1)->isEnabled());
    combo.setItemEnabled(3, false); // past the last item
    combo.setItemEnabled(-1, false);
    for (int row = 0; row < 3; ++row)
        QVERIFY(model->item(row)->isEnabled());

    combo.setItemHidden(2, true);
    auto* view = qobject_cast<QListView*>(combo.view());
    QVERIFY(view && view->isRowHidden(2));
    combo.setItemHidden(2, false);
    QVERIFY(!view->isRowHidden(2));

    // Another model: nothing happens.
    DiffComboBox other;
    QStringListModel list({"x", "y"});
    other.setModel(&list);
    other.setItemEnabled(0, false);
    QVERIFY(list.flags(list.index(0)) & Qt::ItemIsEnabled);
}

void TestStyledWidgets::comboBoxCheckIcons()
{
    ComboBox combo;
    combo.addItems({"a", "b"});
    combo.setItemCheckIcon(0, true);
    combo.setItemCheckIcon(1, false);
    QCOMPARE(combo.iconSize(), QSize(12, 12));
    const QImage on = combo.itemIcon(0).pixmap(24, 24).toImage();
    const QImage off = combo.itemIcon(1).pixmap(24, 24).toImage();
    QVERIFY(!on.isNull() && !off.isNull());
    QVERIFY(on != off);
    QCOMPARE(on, QImage(":/assets/image/combobox_checked_white.png").convertToFormat(on.format()));

    DiffComboBox diff;
    diff.addItems({"a", "b"});
    diff.checkedDisable(0, true);
    diff.checkedDisable(1, false);
    QCOMPARE(diff.iconSize(), QSize(12, 12));
    QCOMPARE(diff.itemIcon(0).pixmap(24, 24).toImage(), on);
    QCOMPARE(diff.itemIcon(1).pixmap(24, 24).toImage(), off);
}

void TestStyledWidgets::doubleSpinBoxSetUp()
{
    DoubleSpinBox box(-180, 180);
    QCOMPARE(box.minimum(), -180.0);
    QCOMPARE(box.maximum(), 180.0);
    QCOMPARE(box.decimals(), 1);
    QCOMPARE(box.buttonSymbols(), QAbstractSpinBox::NoButtons);
    QCOMPARE(box.alignment(), Qt::AlignRight | Qt::AlignVCenter);
    QVERIFY(box.isAccelerated());
    box.setValueF(12.34f);
    QCOMPARE(box.text(), QString("12.3"));
    box.setValueF(500.0f); // clamped to the range
    QCOMPARE(box.value(), 180.0);

    DoubleSpinBox plain;
    QCOMPARE(plain.minimum(), 0.0); // the toolkit's range
    QCOMPARE(plain.maximum(), 99.99);

    SpinBox spin(-5, 5);
    QCOMPARE(spin.minimum(), -5);
    QCOMPARE(spin.alignment(), Qt::AlignRight);
    QCOMPARE(spin.buttonSymbols(), QAbstractSpinBox::NoButtons);
    QVERIFY(spin.isAccelerated());
}

void TestStyledWidgets::doubleSpinBoxKeepsValueExact()
{
    // A panel writes back whatever valueChanged reports: showing a value with
    // one decimal must not round the stored one.
    QWidget window;
    auto* box = new DoubleSpinBox(-1000, 1000, &window);
    auto* other = new QLineEdit(&window);
    new QVBoxLayout(&window);
    window.layout()->addWidget(box);
    window.layout()->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QSignalSpy changes(box, qOverload<double>(&QDoubleSpinBox::valueChanged));
    box->setValueF(12.34f);
    QCOMPARE(box->text(), QString("12.3"));
    QCOMPARE(box->value(), double(12.34f));
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.takeFirst().at(0).toDouble(), double(12.34f));

    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return); // re-reads the text and reports the value
    other->setFocus();
    QCOMPARE(box->value(), double(12.34f));
    QCOMPARE(float(box->value()), 12.34f);
    for (const QList<QVariant>& change : qAsConst(changes))
        QCOMPARE(change.at(0).toDouble(), double(12.34f));

    box->setSuffix(" mm");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Enter);
    QCOMPARE(box->text(), QString("12.3 mm"));
    QCOMPARE(box->value(), double(12.34f));

    box->setDecimals(2);
    QCOMPARE(box->decimals(), 2);
    QCOMPARE(box->text(), QString("12.34 mm"));
    QCOMPARE(box->value(), double(12.34f));

    box->setDecimals(1);
    box->setValue(-0.05);
    QCOMPARE(box->value(), -0.05);
}

void TestStyledWidgets::doubleSpinBoxTypedInput()
{
    DoubleSpinBox box(-1000, 1000);
    box.setValue(12.34);
    editOf(&box)->selectAll();
    QTest::keyClicks(&box, "45.6");
    QTest::keyClick(&box, Qt::Key_Return);
    QCOMPARE(box.value(), 45.6);

    // No more decimals than the box shows.
    QString text = "45.67";
    int pos = text.size();
    QCOMPARE(box.validate(text, pos), QValidator::Invalid);
    text = "45.6";
    QCOMPARE(box.validate(text, pos), QValidator::Acceptable);

    // A value typed over a finer one replaces it.
    box.setValue(7.26);
    editOf(&box)->selectAll();
    QTest::keyClicks(&box, "7.4");
    QCOMPARE(box.value(), 7.4);
}

void TestStyledWidgets::clickSelectsAll()
{
    QWidget window;
    auto* box = new DoubleSpinBox(-100, 100, &window);
    box->setGeometry(0, 0, 120, 30);
    box->setValue(42.5);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    editOf(box)->deselect();
    QTest::mouseClick(editOf(box), Qt::LeftButton, {}, QPoint(5, 10));
    QCOMPARE(editOf(box)->selectedText(), QString("42.5"));

    editOf(box)->deselect();
    box->setEnabled(false);
    QTest::mouseClick(editOf(box), Qt::LeftButton, {}, QPoint(5, 10));
    QVERIFY(editOf(box)->selectedText().isEmpty());
}

void TestStyledWidgets::focusSignals()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* spin = new SpinBox(&window);
    auto* real = new DoubleSpinBox(&window);
    auto* rest = new QLineEdit(&window);
    layout->addWidget(spin);
    layout->addWidget(real);
    layout->addWidget(rest);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    rest->setFocus();

    QSignalSpy spinSpy(spin, &SpinBox::focussed);
    QSignalSpy realSpy(real, &DoubleSpinBox::focussed);
    spin->setFocus();
    real->setFocus();
    rest->setFocus();
    QCOMPARE(spinSpy.count(), 2);
    QCOMPARE(spinSpy.at(0).at(0).toBool(), true);
    QCOMPARE(spinSpy.at(1).at(0).toBool(), false);
    QCOMPARE(realSpy.count(), 2);
    QCOMPARE(realSpy.at(0).at(0).toBool(), true);
    QCOMPARE(realSpy.at(1).at(0).toBool(), false);
}

void TestStyledWidgets::imageResources_data()
{
    // Every image the program names.
    QTest::addColumn<QString>("name");
    const QString names =
        "arrow_down arrow_right checkbox_checked checkbox_checked_disable "
        "checkbox_partiallychecked checkbox_partiallychecked_disable checkbox_unchecked "
        "checkbox_unchecked_disable combobox_checked_black combobox_checked_white "
        "combobox_unchecked expand_less_middle expand_more expand_more_disable "
        "expand_more_middle folder_black link link_off perspective_or_parallel select_camera "
        "sync_black_24dp sync_black_disabled_24dp sync_white_24dp sync_white_disabled_24dp "
        "toggle_off toggle_off_blue_36dp toggle_off_disable toggle_off_disabled_blue_36dp "
        "toggle_on toggle_on_blue_36dp toggle_on_disable toggle_on_disabled_blue_36dp "
        "visibility_black_off visibility_black_on visibility_gray128_off visibility_gray128_on "
        "visibility_white_off visibility_white_on OBX";
    for (const QString& name : names.split(' '))
        QTest::newRow(qPrintable(name)) << name + ".png";
    QTest::newRow("logo") << "Orbilux_Logo.gif";
}

void TestStyledWidgets::imageResources()
{
    QFETCH(QString, name);
    QImageReader reader(":/assets/image/" + name);
    QCOMPARE(QString::fromLatin1(reader.format()), name.section('.', -1));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    // Not blank: every picture draws something.
    bool varies = false;
    for (int y = 0; y < image.height() && !varies; ++y)
        for (int x = 0; x < image.width() && !varies; ++x)
            varies = image.pixel(x, y) != image.pixel(0, 0);
    QVERIFY(varies);
}

void TestStyledWidgets::styleSheetImagesExist()
{
    const QRegularExpression url("url\\(([^)]*)\\)");
    int count = 0;
    for (const QString& sheet : allSheets()) {
        auto it = url.globalMatch(sheet);
        while (it.hasNext()) {
            const QString path = it.next().captured(1);
            QVERIFY2(QFile::exists(path), qPrintable(path));
            ++count;
        }
    }
    QVERIFY(count > 50);
}

void TestStyledWidgets::renderForm()
{
    // A panel-like section with every styled widget in each edit state,
    // enabled and disabled, for a look at the dark theme.
    QWidget form;
    form.setStyleSheet("background: #404040; color: white;");
    auto* grid = new QGridLayout(&form);
    grid->setHorizontalSpacing(12);
    auto place = [&](QWidget* widget, int row, int column, bool enabled = true) {
        widget->setEnabled(enabled);
        grid->addWidget(widget, row, column);
    };
    const QStringList heads = {"equal",       "changed",       "updated",
                               "equal (off)", "changed (off)", "updated (off)"};
    for (int c = 0; c < heads.size(); ++c)
        place(new Label(heads[c], "item-caption"), 0, c + 1);
    const QStringList kinds = {"CheckBox",      "ToggleSwitch",  "ComboBox",         "SpinBox",
                               "DoubleSpinBox", "ButtonSuccess", "SpinBoxLightTheme"};
    for (int row = 1; row <= kinds.size(); ++row) {
        const QString kind = kinds[row - 1];
        place(new Label(kind, "item-caption"), row, 0);
        for (int c = 0; c < 6; ++c) {
            QWidget* editor = makeEditor(kind);
            if (auto* button = qobject_cast<QPushButton*>(editor))
                button->setText("Apply");
            if (auto* toggle = qobject_cast<ToggleSwitch*>(editor))
                toggle->setChecked(c % 3 != 0);
            setState(editor, quint8(c % 3));
            if (kind == "SpinBoxLightTheme") { // the light box belongs on a light form
                auto* cell = new QWidget;
                cell->setStyleSheet("background: #f8f9fa; color: black;");
                (new QVBoxLayout(cell))->addWidget(editor);
                editor->setEnabled(c < 3);
                editor = cell;
            }
            place(editor, row, c + 1, c < 3);
        }
    }
    const int row = kinds.size() + 1;
    place(new ButtonPrimary("Read"), row, 1);
    place(new ButtonSecondary("Cancel"), row, 2);
    place(new ButtonSync, row, 3);
    place(new ButtonSync, row, 4, false);
    place(new ButtonPrimary("Write"), row, 5, false);
    for (int c = 0; c < 4; ++c) {
        auto* eye = new Visibility(true);
        eye->setChecked(c % 2 == 0);
        place(eye, row + 1, c + 1, c < 2);
    }
    auto* partial = new CheckBox;
    partial->setCheckState(Qt::PartiallyChecked);
    place(partial, row + 1, 5);
    const char* names[] = {"item-x", "item-y", "item-z", "", "form-changed", "form-updated"};
    for (int c = 0; c < 6; ++c)
        place(new Label(c < 3 ? QString("XYZ").mid(c, 1) : "123.4", names[c]), row + 2, c + 1);

    form.resize(form.sizeHint());
    QString path = qEnvironmentVariable("OBX_SCREENSHOT");
    if (path.isEmpty())
        path = QStringLiteral(OBX_BINARY_DIR "/styled-widgets.png");
    QVERIFY(form.grab().save(path));
}

QTEST_MAIN(TestStyledWidgets)
#include "tst_styledwidgets.moc"
