#include "interfaceutilities.h"

#include "constants.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QTableWidget>
#include <QTextStream>
#include <QToolTip>
#include <QTreeWidgetItem>
#include <QtDebug>

#include <cstdio>
#include <cstring>

const QString& okNgText(bool ok)
{
    return ok ? Constants::textOk : Constants::textNg;
}
const QString& onOffText(bool on)
{
    return on ? Constants::textOn : Constants::textOff;
}
const QString& tfText(bool value)
{
    return value ? Constants::textTrue : Constants::textFalse;
}

QString objectDescription(const QObject* object)
{
    if (!object)
        return QStringLiteral("NULL");
    if (!object->objectName().isEmpty())
        return object->objectName();
    char address[20];
    std::snprintf(address, sizeof address, "@%p", static_cast<const void*>(object));
    return QLatin1String(object->metaObject()->className()) + QLatin1String(address);
}

const QMap<int, QString>& ApplicationAttributeNames()
{
    // Qt 5 attribute values 0..30; 9 is unused and 5 carries one name.
    static const QMap<int, QString> names = {
        {0, "ImmediateWidgetCreation"},
        {1, "MSWindowsUseDirect3DByDefault"},
        {2, "DontShowIconsInMenus"},
        {3, "NativeWindows"},
        {4, "DontCreateNativeWidgetSiblings"},
        {5, "PluginApplication"},
        {6, "DontUseNativeMenuBar"},
        {7, "MacDontSwapCtrlAndMeta"},
        {8, "Use96Dpi"},
        {10, "X11InitThreads"},
        {11, "SynthesizeTouchForUnhandledMouseEvents"},
        {12, "SynthesizeMouseForUnhandledTouchEvents"},
        {13, "UseHighDpiPixmaps"},
        {14, "ForceRasterWidgets"},
        {15, "UseDesktopOpenGL"},
        {16, "UseOpenGLES"},
        {17, "UseSoftwareOpenGL"},
        {18, "ShareOpenGLContexts"},
        {19, "SetPalette"},
        {20, "EnableHighDpiScaling"},
        {21, "DisableHighDpiScaling"},
        {22, "UseStyleSheetPropagationInWidgetStyles"},
        {23, "DontUseNativeDialogs"},
        {24, "SynthesizeMouseForUnhandledTabletEvents"},
        {25, "CompressHighFrequencyEvents"},
        {26, "DontCheckOpenGLContextThreadAffinity"},
        {27, "DisableShaderDiskCache"},
        {28, "DontShowShortcutsInContextMenus"},
        {29, "CompressTabletEvents"},
        {30, "DisableWindowContextHelpButton"},
    };
    return names;
}

void dumpApplicationAttributes(bool sorted)
{
    QVector<QPair<QString, int>> lines;
    const auto& names = ApplicationAttributeNames();
    for (auto it = names.begin(); it != names.end(); ++it)
        lines.append({it.value(), it.key()});
    if (sorted)
        std::sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
            return a.first.toLatin1() < b.first.toLatin1();
        });
    qInfo().noquote() << "ApplicationAttributes:";
    for (const auto& line : qAsConst(lines)) {
        const bool on = QCoreApplication::testAttribute(Qt::ApplicationAttribute(line.second));
        qInfo().noquote() << QStringLiteral("  %1: %2").arg(line.first, tfText(on));
    }
}

void logFontInfo(const QFontInfo& fontInfo)
{
    const qreal points = fontInfo.pointSizeF();
    const int pixels = fontInfo.pixelSize();
    const qreal dpi = points > 0 ? (pixels * 72) / points : 0;
    qInfo().noquote() << QStringLiteral("FontInfo[family:\"%1\" %2(%3)pt %4px %5dpi]")
                             .arg(fontInfo.family())
                             .arg(points)
                             .arg(fontInfo.pointSize())
                             .arg(pixels)
                             .arg(dpi);
}

void logFontMetrics(const QFontMetrics& fm)
{
    qInfo().noquote()
        << QStringLiteral("FontMetrics[ascent:%1 descent:%2 height:%3 leading:%4 lineSpacing:%5]")
               .arg(fm.ascent())
               .arg(fm.descent())
               .arg(fm.height())
               .arg(fm.leading())
               .arg(fm.lineSpacing());
}

QRect textBoundingRect(const QFont& font, const QString& text, int count, bool boldIfLight)
{
    QFont measured = font;
    if (boldIfLight && font.weight() < 58)
        measured.setWeight(QFont::Bold);
    return QFontMetrics(measured).boundingRect(count > 1 ? text.repeated(count) : text);
}

int setFixedWidthInChars(QWidget* widget, int count, char character)
{
    const int width =
        widget->fontMetrics().horizontalAdvance(QString(qMax(count, 0), QLatin1Char(character)));
    widget->setFixedWidth(width);
    return width;
}

int comboBoxContentWidth(QComboBox* comboBox, int minimum, int extra)
{
    int w = comboBox->sizeHint().width();
    if (comboBox->hasFrame())
        w -= 2;
    if (minimum >= 0)
        return qMax(minimum, w);
    const QFontMetrics fm(comboBox->view()->font());
    int widest = 0;
    for (int i = 0; i < comboBox->count(); ++i)
        widest = qMax(widest, fm.horizontalAdvance(comboBox->itemText(i)));
    return qMax(w, widest + extra);
}

int selectComboBoxItem(QComboBox* comboBox, const QString& text, int fallback)
{
    int index = comboBox->findData(text, Qt::DisplayRole, Qt::MatchFixedString);
    if (index < 0) {
        if (fallback < 0)
            return fallback;
        index = fallback;
    }
    comboBox->setCurrentIndex(index);
    return index;
}

QLabel* createBulletLabel(const QColor& color, QWidget* parent)
{
    auto* label = new QLabel(QString(QChar(0x25CF)), parent);
    label->setAlignment(Qt::AlignCenter);
    QPalette palette = label->palette();
    palette.setBrush(QPalette::All, QPalette::WindowText, QBrush(color, Qt::SolidPattern));
    label->setPalette(palette);
    QFont font = label->font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 4);
    label->setFont(font);
    return label;
}

QPushButton* createPushButton(const QString& text, QLayout* layout, const char* objectName,
                              QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName ? QString::fromLatin1(objectName) : text);
    if (layout)
        layout->addWidget(button);
    button->setAutoDefault(true);
    return button;
}

int stepSliderValue(QSlider* slider, int delta)
{
    const int old = slider->value();
    if (delta == 0)
        return old;
    const int next =
        delta > 0 ? qMin(old + delta, slider->maximum()) : qMax(old + delta, slider->minimum());
    if (next != old)
        slider->setValue(next);
    return next;
}

bool isEqualAsText(float a, float b, const char* format)
{
    char textA[64];
    char textB[64];
    std::snprintf(textA, sizeof textA, format, double(a));
    std::snprintf(textB, sizeof textB, format, double(b));
    return std::strcmp(textA, textB) == 0;
}

namespace {

// Sums the sizes of the first `limit` visible sections (all when negative);
// the count is tested after each added section, so a limit of 0 counts one.
int sumVisibleSections(QHeaderView* header, int count, int limit, int* first)
{
    int sum = 0;
    int counted = 0;
    if (first)
        *first = 0;
    for (int i = 0; i < count; ++i) {
        if (header->isSectionHidden(i))
            continue;
        const int size = header->sectionSize(i);
        if (counted == 0 && first)
            *first = size;
        sum += size;
        ++counted;
        if (limit >= 0 && counted >= limit)
            break;
    }
    return sum;
}

int frameOf(QTableView* table, bool withFrame)
{
    return withFrame ? table->frameWidth() : 0;
}

} // namespace

int tableHeightForRows(QTableView* table, bool withHeader, bool withFrame, int rows,
                       int* headerHeight, int* rowHeight, int* frameWidth)
{
    QHeaderView* header = table->horizontalHeader();
    const int head = withHeader && !header->isHidden() ? header->sizeHint().height() : 0;
    const int frame = frameOf(table, withFrame);
    const int body = sumVisibleSections(
        table->verticalHeader(), table->model() ? table->model()->rowCount() : 0, rows, rowHeight);
    if (headerHeight)
        *headerHeight = head;
    if (frameWidth)
        *frameWidth = frame;
    return head + body + 2 * frame;
}

int tableWidthForColumns(QTableView* table, bool withHeader, bool withFrame, int columns,
                         int* headerWidth, int* columnWidth, int* frameWidth)
{
    QHeaderView* header = table->verticalHeader();
    const int head = withHeader && !header->isHidden() ? header->sizeHint().width() : 0;
    const int frame = frameOf(table, withFrame);
    const int body = sumVisibleSections(table->horizontalHeader(),
                                        table->model() ? table->model()->columnCount() : 0, columns,
                                        columnWidth);
    if (headerWidth)
        *headerWidth = head;
    if (frameWidth)
        *frameWidth = frame;
    return head + body + 2 * frame;
}

QSize tableContentSize(QTableView* table, bool withHorizontalHeader, bool withVerticalHeader,
                       bool withFrame)
{
    return QSize(tableWidthForColumns(table, withVerticalHeader, withFrame),
                 tableHeightForRows(table, withHorizontalHeader, withFrame));
}

int tableRowsThatFit(QTableWidget* table, int height, int* fittedHeight)
{
    QHeaderView* header = table->horizontalHeader();
    const int head = header->isHidden() ? 0 : header->sizeHint().height();
    const int frame = table->frameWidth();
    int rowHeight = 0;
    for (int r = 0; r < table->rowCount() && rowHeight == 0; ++r)
        if (!table->isRowHidden(r))
            rowHeight = table->rowHeight(r);
    if (rowHeight == 0) {
        if (table->rowCount() == 0) {
            table->insertRow(0);
            rowHeight = table->verticalHeader()->sectionSize(0);
            table->removeRow(0);
        } else {
            rowHeight = table->verticalHeader()->sectionSize(0);
        }
    }
    // Rows 0 pixels high would divide by zero: count them as 1 pixel.
    rowHeight = qMax(rowHeight, 1);
    const int available = height - (head + 2 * frame);
    const int n = available / rowHeight;
    if (fittedHeight)
        *fittedHeight = n * rowHeight + head + 2 * frame;
    return n;
}

void showTableCellToolTip(QTableWidget* table, const QString& text, int row, int column,
                          int bottomLimit)
{
    if (text.isEmpty() || !table) {
        QToolTip::hideText();
        return;
    }
    if (row < 0)
        row = table->currentRow();
    if (column < 0)
        column = table->currentColumn();
    if (row < 0 || column < 0) {
        QToolTip::hideText();
        return;
    }
    QWidget* viewport = table->viewport();
    const QScreen* screen = viewport->screen();
    const QRect desktop = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const QRect textRect = QFontMetrics(QToolTip::font())
                               .boundingRect(desktop, Qt::AlignLeft | Qt::TextWordWrap, text);
    const int tipHeight = textRect.height() + 4;

    const int rowTop = table->rowViewportPosition(row);
    const int rowHeight = table->rowHeight(row);
    const int below = rowTop + rowHeight;
    const int need = (2 * rowHeight) / 3 + tipHeight;
    int roomEnd = viewport->height();
    if (bottomLimit >= 0) {
        const int desktopBottom = viewport->mapFromGlobal(desktop.bottomLeft()).y();
        roomEnd = qMin(bottomLimit, desktopBottom);
    }
    QPoint point(table->columnViewportPosition(column), below);
    if (need > roomEnd - below)
        point.setY(rowTop - 2 * rowHeight - need);
    QToolTip::showText(viewport->mapToGlobal(point), text, viewport);
}

QObject* findAncestorInheriting(const QObject* object, const QMetaObject* metaObject)
{
    if (!object || !metaObject)
        return nullptr;
    for (QObject* p = object->parent(); p; p = p->parent())
        if (p->metaObject()->inherits(metaObject))
            return p;
    return nullptr;
}

void expandItemAncestors(QTreeWidgetItem* item)
{
    if (!item)
        return;
    for (QTreeWidgetItem* p = item->parent(); p; p = p->parent())
        p->setExpanded(true);
}

QWindow* nativeWindowHandle(QWidget* widget)
{
    widget->winId();
    return widget->windowHandle();
}

WId nativeWindowId(QWidget* widget)
{
    QWindow* window = nativeWindowHandle(widget);
    return window ? window->winId() : 0;
}

bool ensureWindowActive(QWidget* window)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (window->isActiveWindow())
        return false;
    window->activateWindow();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return true;
}

void clickFocusedButton()
{
    auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (!button)
        return;
    if (button->isCheckable())
        button->toggle();
    else
        button->click();
}

QString readTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QTextStream(&file).readAll();
}

QString expandEnvironment(const QString& text)
{
    // %NAME% is replaced by the variable's value; an unknown name or a lone
    // percent sign stays as written, as on the platform this came from.
    static const QRegularExpression reference(QStringLiteral("%([^%]+)%"));
    QString result;
    int last = 0;
    auto it = reference.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        result += text.midRef(last, match.capturedStart() - last);
        const QByteArray name = match.captured(1).toLocal8Bit();
        if (qEnvironmentVariableIsSet(name.constData()))
            result += qEnvironmentVariable(name.constData());
        else
            result += match.captured(0);
        last = match.capturedEnd();
    }
    result += text.midRef(last);
    return result;
}

QString systemErrorText(unsigned messageId, unsigned languageId)
{
    Q_UNUSED(languageId) // the C library gives its texts in one language
    switch (messageId) {
    case 1152:
        return QStringLiteral("Cannot start more than one instance of this program.");
    case 1460:
        return QStringLiteral("The operation timed out.");
    default:
        break;
    }
    if (messageId == 0 || messageId > 4095)
        return QString();
    return QString::fromLocal8Bit(std::strerror(int(messageId))).trimmed();
}
