#include "widgetstylesheets.h"

namespace {

QString image(const char* fileName)
{
    return QStringLiteral("image: url(:/assets/image/%1);").arg(QLatin1String(fileName));
}

// Padding that gives a frame wider than the editor's usual border the
// difference back, across and up and down, so that the editor keeps its
// size and its text its place as the frame comes and goes. padding is the
// usual padding across (none up and down).
QString paddingFor(int frame, int border, int padding = 0)
{
    const int less = frame - border;
    return QStringLiteral("padding: %1px %2px;").arg(-less).arg(padding - less);
}

struct ButtonColours
{
    const char* background;
    const char* border;
    const char* disabled;
    const char* hover;
    const char* pressed;
};

// The focus and pressed frames take their width out of the padding: a
// button keeps its size as it takes the focus.
QString buttonSheet(const ButtonColours& c)
{
    return QStringLiteral("QPushButton {\n"
                          "    color: #e4e4e4;\n"
                          "    background-color: %1;\n"
                          "    border-color: %2;\n"
                          "    border-radius: 4px;\n"
                          "    font-weight: bold;\n"
                          "    padding: 5px;\n"
                          "}\n"
                          "QPushButton:disabled { background-color: %3; }\n"
                          "QPushButton:hover { background-color: %4; }\n"
                          "QPushButton:pressed { background-color: %5; border: 1px solid #86b7fe; "
                          "padding: 4px; }\n"
                          "QPushButton:focus { border: 1px solid #86b7fe; padding: 4px; }\n")
        .arg(QLatin1String(c.background), QLatin1String(c.border), QLatin1String(c.disabled),
             QLatin1String(c.hover), QLatin1String(c.pressed));
}

// Images of the check box indicator in its four plain states.
struct IndicatorImages
{
    const char* checked;
    const char* checkedDisabled;
    const char* unchecked;
    const char* uncheckedDisabled;
};

QString indicatorRules(const IndicatorImages& images, const QString& suffix)
{
    return QStringLiteral("QCheckBox::indicator:checked%1 { %2 }\n"
                          "QCheckBox::indicator:checked:disabled%1 { %3 }\n"
                          "QCheckBox::indicator:unchecked%1 { %4 }\n"
                          "QCheckBox::indicator:unchecked:disabled%1 { %5 }\n")
        .arg(suffix, image(images.checked), image(images.checkedDisabled), image(images.unchecked),
             image(images.uncheckedDisabled));
}

// Indicator images, edit-state text colours and the indicator rules repeated
// for both edit-state names (the two object names have no indeterminate rule).
QString checkSheet(const IndicatorImages& images, const char* indeterminate,
                   const char* indeterminateDisabled)
{
    return QStringLiteral("QCheckBox::indicator:checked { %1 }\n"
                          "QCheckBox::indicator:checked:disabled { %2 }\n"
                          "QCheckBox::indicator:indeterminate { %3 }\n"
                          "QCheckBox::indicator:indeterminate:disabled { %4 }\n"
                          "QCheckBox::indicator:unchecked { %5 }\n"
                          "QCheckBox::indicator:unchecked:disabled { %6 }\n"
                          "QCheckBox#form-changed { color: #1e90ff; }\n"
                          "QCheckBox:disabled#form-changed { color: #87cefa; }\n"
                          "QCheckBox#form-updated { color: #ffa500; }\n"
                          "QCheckBox:disabled#form-updated { color: #ffdead; }\n")
               .arg(image(images.checked), image(images.checkedDisabled), image(indeterminate),
                    image(indeterminateDisabled), image(images.unchecked),
                    image(images.uncheckedDisabled)) +
           indicatorRules(images, QStringLiteral("#form-changed")) +
           indicatorRules(images, QStringLiteral("#form-updated"));
}

QString visibilitySheet(const char* on, const char* off)
{
    return QStringLiteral("QCheckBox::indicator:checked { %1 }\n"
                          "QCheckBox::indicator:unchecked { %2 }\n"
                          "QCheckBox::indicator:checked:disabled { %3 }\n"
                          "QCheckBox::indicator:unchecked:disabled { %4 }\n")
        .arg(image(on), image(off), image("visibility_gray128_on.png"),
             image("visibility_gray128_off.png"));
}

QString comboSheet(bool greyArrowWhenDisabled)
{
    const QString dropDown = QStringLiteral("background-color: #2c2c2c; border: 1px solid #e9ecef; "
                                            "border-style: none; border-radius: 5px; "
                                            "padding-right: 10px;");
    QString sheet = QStringLiteral("QComboBox {\n"
                                   "    color: #e4e4e4;\n"
                                   "    background-color: #2c2c2c;\n"
                                   "    border: 1px solid #444444;\n"
                                   "    border-radius: 5px;\n"
                                   "    padding-left: 10px;\n"
                                   "    padding-right: 10px;\n"
                                   "}\n"
                                   "QComboBox::focus, QComboBox::open { border-color: #86b7fe; }\n"
                                   "QComboBox:disabled { color: #6c757d; border-color: #808080; }\n"
                                   "QComboBox::drop-down { %1 }\n"
                                   "QComboBox::down-arrow { %2 }\n")
                        .arg(dropDown, image("expand_more.png"));
    if (greyArrowWhenDisabled)
        sheet += QStringLiteral("QComboBox::down-arrow:disabled { %1 }\n")
                     .arg(image("expand_more_disable.png"));
    sheet +=
        QStringLiteral(
            "QComboBox::down-arrow:disabled#form-select { %1 }\n"
            "QComboBox QAbstractItemView { background: #2c2c2c; color: #e4e4e4; }\n"
            "QComboBox#form-select-changed {\n"
            "    color: #1e90ff;\n"
            "    background-color: #2c2c2c;\n"
            "    border: 1px solid #dfdfdf;\n"
            "    border-radius: 5px;\n"
            "    padding-left: 10px;\n"
            "    padding-right: 10px;\n"
            "}\n"
            "QComboBox#form-select-updated {\n"
            "    color: #ffa500;\n"
            "    background-color: #2c2c2c;\n"
            "    border: 1px solid #444444;\n"
            "    border-radius: 5px;\n"
            "    padding-left: 10px;\n"
            "    padding-right: 10px;\n"
            "}\n"
            "QComboBox::focus#form-select-changed, QComboBox::focus#form-select-updated "
            "{ border-color: #86b7fe; border-width: 2px; %4 }\n"
            "QComboBox::open#form-select-changed, QComboBox::open#form-select-updated "
            "{ border-color: #86b7fe; }\n"
            "QComboBox:disabled#form-select-changed { color: #87cefa; border-color: #808080; }\n"
            "QComboBox:disabled#form-select-updated { color: #ffdead; border-color: #808080; }\n"
            "QComboBox::drop-down#form-select-changed, QComboBox::drop-down#form-select-updated "
            "{ %2 }\n"
            "QComboBox::down-arrow#form-select-changed, "
            "QComboBox::down-arrow#form-select-updated { %3 }\n"
            "QComboBox::down-arrow:disabled#form-select-changed, "
            "QComboBox::down-arrow:disabled#form-select-updated { %1 }\n")
            .arg(image("expand_more_disable.png"), dropDown, image("expand_more.png"),
                 paddingFor(2, 1, 10));
    return sheet;
}

// Edit-state rules of the dark spin boxes; the label shares them. The focus
// frame of a changed or updated field is wider than its usual one.
QString darkStateRules(const char* type)
{
    return QStringLiteral("%1#form-changed { color: #1e90ff; background-color: #2c2c2c; "
                          "border: 1px solid #dfdfdf; }\n"
                          "%1::focus#form-changed { border-color: #86b7fe; border-width: 2px; "
                          "%2 }\n"
                          "%1:disabled#form-changed { color: #87cefa; border-color: #f5f5f5; }\n"
                          "%1#form-updated { color: #ffa500; background-color: #2c2c2c; "
                          "border: 1px solid #444444; }\n"
                          "%1::focus#form-updated { border-color: #86b7fe; border-width: 2px; "
                          "%2 }\n"
                          "%1:disabled#form-updated { color: #ffdead; border-color: #f5f5f5; }\n")
        .arg(QLatin1String(type), paddingFor(2, 1));
}

QString darkSpinSheet(const char* type)
{
    return QStringLiteral("%1 { border: 1px solid #595959; border-radius: 5px; "
                          "background-color: #595959; }\n"
                          "%1:disabled { border: 1px solid #404040; background-color: #404040; "
                          "color: #808080; }\n"
                          "%1:focus { border-color: #86b7fe; border-width: 1px; }\n"
                          "QToolTip { color: black; }\n")
               .arg(QLatin1String(type)) +
           darkStateRules(type);
}

// The red mark of a stored value outside its limits; the same for every editor.
// Its frame is wider than the editor's usual one (border, with the padding
// across inside it) and takes the difference out of the padding.
QString outOfLimitsRules(const char* type, int border, int padding = 0,
                         const char* name = "form-invalid")
{
    return QStringLiteral("%1#%2 { color: #ff4040; border: 2px solid #ff4040; %3 }\n"
                          "%1:disabled#%2 { color: #ff8080; border: 1px solid #ff8080; %4 }\n")
        .arg(QLatin1String(type), QLatin1String(name), paddingFor(2, border, padding),
             paddingFor(1, border, padding));
}

QString dialogFrameRules()
{
    return QStringLiteral("QDialog { border: 1px solid #333334; color: white; "
                          "background-color: #424242; }\n"
                          "QDialog::title { text-align: left; background: #333334; }\n");
}

} // namespace

namespace WidgetStyleSheets {

const QString buttonPrimary = buttonSheet({"#117ec6", "#0e639c", "#43647a", "#1177bb", "#0062cc"});
const QString buttonSecondary =
    buttonSheet({"#6c757d", "#6c757d", "#a0a6ab", "#545b62", "#0062cc"});
const QString buttonSuccess =
    buttonSheet({"#198754", "#198754", "#6ab190", "#1e7e34", "#1e7e34"}) +
    QStringLiteral("QPushButton#form-changed { background-color: #1e90ff; }\n"
                   "QPushButton:disabled#form-changed { background-color: #87cefa; }\n"
                   "QPushButton#form-updated { background-color: #ffa500; }\n"
                   "QPushButton:disabled#form-updated { background-color: #ffdead; }\n"
                   // The editors' red frame; the padding gives the frame's
                   // width back, so the button keeps its size.
                   "QPushButton#form-invalid { border: 2px solid #ff4040; padding: 3px; }\n"
                   "QPushButton:disabled#form-invalid { border: 1px solid #ff8080; "
                   "padding: 4px; }\n");

const QString buttonSync =
    QStringLiteral("QPushButton#sync-button { background-color: transparent; border-style: none; "
                   "%1 }\n"
                   "QPushButton:disabled#sync-button { background-color: transparent; "
                   "border-style: none; %2 }\n"
                   "QPushButton:pressed#sync-button { background-color: #d9d9d9; "
                   "border-style: none; border-radius: 5px; %1 }\n"
                   "QPushButton:focus#sync-button { background-color: #d9d9d9; "
                   "border-style: none; border-radius: 5px; %1 }\n")
        .arg(image("sync_white_24dp.png"), image("sync_white_disabled_24dp.png"));

const QString checkBox =
    QStringLiteral("QCheckBox { color: #e4e4e4; }\n"
                   "QCheckBox::disabled { color: #6c757d; }\n") +
    checkSheet({"checkbox_checked.png", "checkbox_checked_disable.png", "checkbox_unchecked.png",
                "checkbox_unchecked_disable.png"},
               "checkbox_partiallychecked.png", "checkbox_partiallychecked_disable.png") +
    outOfLimitsRules("QCheckBox", 0);

const QString toggleSwitch =
    checkSheet({"toggle_on_blue_36dp.png", "toggle_on_disabled_blue_36dp.png",
                "toggle_off_blue_36dp.png", "toggle_off_disabled_blue_36dp.png"},
               "toggle_off_blue_36dp.png", "toggle_off_disabled_blue_36dp.png") +
    outOfLimitsRules("QCheckBox", 0);

const QString visibilityBlack =
    visibilitySheet("visibility_black_on.png", "visibility_black_off.png");
const QString visibilityWhite =
    visibilitySheet("visibility_white_on.png", "visibility_white_off.png");

const QString comboBox =
    comboSheet(false) + outOfLimitsRules("QComboBox", 1, 10, "form-select-invalid");
const QString diffComboBox =
    comboSheet(true) + outOfLimitsRules("QComboBox", 1, 10, "form-select-invalid");

const QString spinBox = darkSpinSheet("QSpinBox") + outOfLimitsRules("QSpinBox", 1);
const QString doubleSpinBox =
    darkSpinSheet("QDoubleSpinBox") + outOfLimitsRules("QDoubleSpinBox", 1);

// Its focus frame is wider than its usual one in every state.
const QString spinBoxLightTheme =
    QStringLiteral(
        "QSpinBox { border: 1px solid #ced4da; border-radius: 5px; background-color: #ffffff; }\n"
        "QSpinBox:disabled { background-color: #dfdfdf; color: #909294; }\n"
        "QSpinBox:focus { border-color: #86b7fe; border-width: 2px; %1 }\n"
        "QToolTip { color: black; }\n"
        "QSpinBox#form-changed { color: #1e90ff; background-color: #ffffff; "
        "border: 1px solid #ced4da; }\n"
        "QSpinBox::focus#form-changed { border-color: #86b7fe; border-width: 2px; %1 }\n"
        "QSpinBox:disabled#form-changed { color: #87cefa; }\n"
        "QSpinBox#form-updated { color: #ffa500; background-color: #ffffff; "
        "border: 1px solid #ced4da; }\n"
        "QSpinBox::focus#form-updated { border-color: #86b7fe; border-width: 2px; %1 }\n"
        "QSpinBox:disabled#form-updated { color: #ffdead; }\n")
        .arg(paddingFor(2, 1));

const QString label =
    QStringLiteral("QLabel { border: 1px solid #404040; border-radius: 5px; "
                   "background-color: #404040; color: #ffffff; }\n"
                   "QLabel:disabled { }\n"
                   "QLabel:focus { border-color: #86b7fe; border-width: 1px; }\n") +
    darkStateRules("QLabel") + outOfLimitsRules("QLabel", 1) +
    QStringLiteral("QLabel#item-caption { border: none; background: none; color: white; }\n"
                   "QLabel:disabled#item-caption { color: #808080; }\n"
                   "QLabel#item-x { border: none; background: none; color: #FF0000; }\n"
                   "QLabel#item-y { border: none; background: none; color: #00FF00; }\n"
                   "QLabel#item-z { border: none; background: none; color: #6060FF; }\n");

const QString logicalOpDialog =
    dialogFrameRules() +
    QStringLiteral(
        "QTreeView { border: none; }\n"
        "QTreeView::branch:has-children:!has-siblings:closed,\n"
        "QTreeView::branch:closed:has-children:has-siblings { border-image: none; %1 }\n"
        "QTreeView::branch:open:has-children:!has-siblings,\n"
        "QTreeView::branch:open:has-children:has-siblings { border-image: none; %2 }\n"
        "QScrollBar:vertical { border: 1px transparent white; border-radius: 8px; "
        "background-color: transparent; margin: 0px 0px 0px 0px; width: 12px; }\n"
        "QScrollBar::handle:vertical { border-radius: 6px; background-color: #676767; }\n"
        "QScrollBar::handle:vertical:hover { background-color: #6c6c6c; }\n"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }\n"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { border: none; "
        "background: none; }\n"
        "LogicalOpDialog { border: none; color: white; }\n")
        .arg(image("expand_more_middle.png"), image("expand_less_middle.png"));

const QString monitoringDialog =
    dialogFrameRules() +
    QStringLiteral(
        "MonitoringDialog *, MonitoringDialog QStackedWidget, MonitoringDialog QTabWidget, "
        "MonitoringDialog QTabWidget::pane, MonitoringDialog QTabBar "
        "{ background-color: #424242; color: white; }\n"
        "MonitoringDialog QTabBar::tab { background-color: #707070; margin-right: 2px; "
        "padding: 5px 10px; top: -1px; }\n"
        "MonitoringDialog QTabBar::tab:selected { background-color: #595959; }\n"
        "MonitoringDialog QTabBar::tab:disabled { background-color: #909090; "
        "color: #B6B6B6; }\n");

const QString lineEdit = QStringLiteral(
    "QLineEdit { border: 1px solid #595959; border-radius: 5px; background: #595959; }\n"
    "QLineEdit:disabled { border: 1px solid #404040; background: #404040; color: #808080; }\n"
    "QLineEdit:focus { border-color: #86b7fe; border-width: 1px; }\n");

const QString msgBox = QStringLiteral(
    "QMessageBox { background-color: white; border: 1px solid white; padding-left: 10px; "
    "padding-right: 10px; color: black; }\n"
    "QPushButton { border: 2px outset #c0c0c0; border-radius: 4px; padding: 5px 10px 5px 10px; "
    "min-width: 100px; color: black; background-color: white; }\n"
    "QLabel { background-color: white; border: 1px solid white; color: black; }\n");

const QString waitDialog = QStringLiteral(
    "QDialog { border: 1px solid #333334; color: black; background-color: white; }\n");

} // namespace WidgetStyleSheets
