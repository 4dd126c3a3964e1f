#include "widgets/properties/speedpointdialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "widgets/properties/definitionlabel.h"

namespace {

enum LabelId
{
    ToolLabel = 35,      // "Tool %1"
    ArmPointsLabel = 44, // "Speed Monitoring Points on Arm/Device"
    ToolPointsLabel = 45,
    PointLabel = 147, // "Monitoring Point %1"
};

constexpr int BitRole = Qt::UserRole;
const QColor markColour(255, 80, 80);

QListWidget* checkList(const QString& name, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setMinimumWidth(170);
    return list;
}

QLabel* title(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("font: bold;"));
    return label;
}

} // namespace

SpeedPointDialog::SpeedPointDialog(const QVector<quint32>& arm, const QVector<quint32>& tools,
                                   int tool, QWidget* parent)
    : QDialog(parent), m_arm(arm), m_tools(tools), m_tool(qBound(0, tool, ToolCount - 1))
{
    m_arm.resize(ArmWordCount);
    m_tools.resize(ToolCount);
    setWindowTitle(tr("Speed Monitoring Points"));

    // Arm words on the left, tools and the chosen tool's points on the right,
    // in a scrolled area so that the note and the buttons stay in sight.
    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(title(definitionText(ArmPointsLabel), content), 0, 0, 1, 2);
    grid->addWidget(title(definitionText(ToolPointsLabel), content), 0, 2, 1, 2);
    for (int w = 0; w < ArmWordCount; ++w) {
        grid->addWidget(new QLabel(tr("Word %1").arg(w + 1), content), 1, w);
        m_armLists[w] = checkList(QStringLiteral("word%1").arg(w + 1), content);
        grid->addWidget(m_armLists[w], 2, w);
        fillList(m_armLists[w], m_arm[w], ArmBits);
        connect(m_armLists[w], &QListWidget::itemChanged, this,
                [this, w](QListWidgetItem* item) { toggle(item, m_arm[w]); });
    }

    m_toolList = checkList(QStringLiteral("tools"), content);
    m_toolList->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int t = 0; t < ToolCount; ++t)
        m_toolList->addItem(QString());
    m_toolPoints = checkList(QStringLiteral("toolPoints"), content);
    grid->addWidget(m_toolList, 2, 2);
    grid->addWidget(m_toolPoints, 2, 3);
    connect(m_toolList, &QListWidget::currentRowChanged, this, &SpeedPointDialog::chooseTool);
    connect(m_toolPoints, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { toggle(item, m_tools[m_tool]); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // Said once in words, as the red mark alone is easily missed.
    auto* note = new QLabel(
        tr("Bits in red lie above the limit of their word; they are kept as stored."), this);
    note->setStyleSheet(QStringLiteral("color: #ff5050;"));
    note->setObjectName(QStringLiteral("aboveLimitNote"));
    bool above = false;
    for (quint32 word : qAsConst(m_arm))
        above = above || word >> ArmBits;
    for (quint32 word : qAsConst(m_tools))
        above = above || word >> ToolBits;
    note->setVisible(above);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("pointArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    auto* column = new QVBoxLayout(this);
    column->addWidget(scroll, 1);
    column->addWidget(note);
    column->addWidget(buttons);

    showToolNames();
    m_toolList->setCurrentRow(m_tool);
    chooseTool(m_tool);
    fitToScreen(scroll);
}

// The whole content where the screen has room for it, else as much as the
// available area takes with the window's frame; the rest scrolls. The width
// always holds the lists and a scroll bar, so nothing scrolls sideways. The
// frame stands centred on the owner and wholly on the screen (the toolkit's
// own placement lets the lower border out).
void SpeedPointDialog::fitToScreen(QScrollArea* scroll)
{
    const QWidget* content = scroll->widget();
    const int width =
        content->minimumSizeHint().width() + scroll->verticalScrollBar()->sizeHint().width();
    scroll->setMinimumSize(width, content->sizeHint().height());
    const QSize whole = sizeHint();
    scroll->setMinimumSize(width, 0);

    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame that the window manager puts around the owner comes around
    // the dialog too; without a framed owner, at least a title bar.
    QMargins frame;
    if (owner) {
        const QRect inner = owner->geometry();
        const QRect outer = owner->frameGeometry();
        frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    }
    if (frame.top() <= 0)
        frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QRect available = screen->availableGeometry();
    const QSize extra(frame.left() + frame.right(), frame.top() + frame.bottom());
    resize(whole.boundedTo(available.size() - extra));
    if (!owner)
        return;
    QRect outer(QPoint(), size() + extra);
    outer.moveCenter(owner->frameGeometry().center());
    outer.moveLeft(qBound(available.left(), outer.left(), available.right() + 1 - outer.width()));
    outer.moveTop(qBound(available.top(), outer.top(), available.bottom() + 1 - outer.height()));
    move(outer.topLeft());
}

void SpeedPointDialog::fillList(QListWidget* list, quint32 word, int bits)
{
    const QScopedValueRollback<bool> filling(m_filling, true);
    list->clear();
    for (int bit = 0; bit < 32; ++bit) {
        const bool set = (word >> bit) & 1u;
        if (bit >= bits && !set)
            continue;
        auto* item = new QListWidgetItem(bit < PointCount ? definitionText(PointLabel).arg(bit + 1)
                                                          : tr("Bit %1").arg(bit + 1));
        item->setData(BitRole, bit);
        item->setCheckState(set ? Qt::Checked : Qt::Unchecked);
        if (bit < PointCount) {
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        } else {
            // Shown, not changeable; above the limit also marked.
            item->setFlags(Qt::ItemIsUserCheckable);
            if (bit >= bits) {
                item->setForeground(markColour);
                item->setToolTip(tr("Above the limit of the word: kept as stored."));
            } else {
                item->setToolTip(tr("No known meaning: kept as stored."));
            }
        }
        list->addItem(item);
    }
    const int rows = qMax(list->count(), PointCount + 1);
    list->setMinimumHeight(rows * qMax(1, list->sizeHintForRow(0)) + 2 * list->frameWidth());
}

void SpeedPointDialog::toggle(QListWidgetItem* item, quint32& word)
{
    const int bit = item->data(BitRole).toInt();
    if (m_filling || bit < 0 || bit >= PointCount)
        return;
    const quint32 mask = 1u << bit;
    word = item->checkState() == Qt::Checked ? word | mask : word & ~mask;
    showToolNames();
    emit pointsChanged();
}

void SpeedPointDialog::chooseTool(int tool)
{
    if (tool < 0 || tool >= ToolCount)
        return;
    m_tool = tool;
    fillList(m_toolPoints, m_tools[tool], ToolBits);
    emit pointsChanged();
}

// Each tool with the number of points it watches; a tool whose word holds
// bits above its limit is marked.
void SpeedPointDialog::showToolNames()
{
    for (int t = 0; t < ToolCount; ++t) {
        QListWidgetItem* item = m_toolList->item(t);
        const quint32 word = m_tools[t];
        const int points = qPopulationCount(word & ((1u << PointCount) - 1));
        QString text = definitionText(ToolLabel).arg(t + 1);
        if (points > 0)
            text += QStringLiteral(" (%1)").arg(points);
        item->setText(text);
        item->setForeground(word >> ToolBits ? QBrush(markColour) : QBrush());
    }
}
