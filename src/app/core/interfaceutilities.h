#pragma once

#include <QFont>
#include <QMap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWindow>
#include <QtGlobal>

class QAbstractItemView;
class QColor;
class QComboBox;
class QFontMetrics;
class QLabel;
class QLayout;
class QMetaObject;
class QObject;
class QPushButton;
class QSlider;
class QTableView;
class QTableWidget;
class QTreeWidgetItem;
class QWidget;

// Short texts (references to the shared constants, never new strings).
const QString& okNgText(bool ok);
const QString& onOffText(bool on);
const QString& tfText(bool value);
QString objectDescription(const QObject* object);

// Diagnostics written to the log at start-up.
const QMap<int, QString>& ApplicationAttributeNames();
void dumpApplicationAttributes(bool sorted);
void logFontInfo(const QFontInfo& fontInfo);
void logFontMetrics(const QFontMetrics& fontMetrics);

// Measuring and fitting.
QRect textBoundingRect(const QFont& font, const QString& text, int count = 1,
                       bool boldIfLight = false);
int setFixedWidthInChars(QWidget* widget, int count, char character = '0');
int comboBoxContentWidth(QComboBox* comboBox, int minimum = -1, int extra = 0);
int selectComboBoxItem(QComboBox* comboBox, const QString& text, int fallback = -1);
QLabel* createBulletLabel(const QColor& color, QWidget* parent = nullptr);
QPushButton* createPushButton(const QString& text, QLayout* layout = nullptr,
                              const char* objectName = nullptr, QWidget* parent = nullptr);
int stepSliderValue(QSlider* slider, int delta);
bool isEqualAsText(float a, float b, const char* format);

// Tables (hidden headers, rows and columns count nothing).
int tableHeightForRows(QTableView* table, bool withHeader, bool withFrame, int rows = -1,
                       int* headerHeight = nullptr, int* rowHeight = nullptr,
                       int* frameWidth = nullptr);
int tableWidthForColumns(QTableView* table, bool withHeader, bool withFrame, int columns = -1,
                         int* headerWidth = nullptr, int* columnWidth = nullptr,
                         int* frameWidth = nullptr);
QSize tableContentSize(QTableView* table, bool withHorizontalHeader, bool withVerticalHeader,
                       bool withFrame);
int tableRowsThatFit(QTableWidget* tableWidget, int height, int* fittedHeight = nullptr);
void showTableCellToolTip(QTableWidget* tableWidget, const QString& text, int row = -1,
                          int column = -1, int bottomLimit = -1);

// Windows and objects.
QObject* findAncestorInheriting(const QObject* object, const QMetaObject* metaObject);
void expandItemAncestors(QTreeWidgetItem* item);
QWindow* nativeWindowHandle(QWidget* widget);
WId nativeWindowId(QWidget* widget);
bool ensureWindowActive(QWidget* window);
void clickFocusedButton();
QString readTextFile(const QString& path);

// Platform services: %NAME% expansion from the process environment and the
// text of a system error number (errno values, plus the few Windows-style
// numbers the program reports itself: 1152 single instance, 1460 time-out).
QString expandEnvironment(const QString& text);
QString systemErrorText(unsigned messageId, unsigned languageId = 0x0409);
