#include "monitoring/monitoringjointposition.h"

#include "app/core/interfaceutilities.h"
#include "app/core/setting.h"
#include "parameter/parameterimage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtDebug>

#include <charconv>
#include <cstring>
#include <limits>

namespace {
constexpr int jointCount = 18;

// Bitwise, so that a NaN that stays NaN is not written again on every tick.
bool sameFloat(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}
} // namespace

MonitoringJointPosition::MonitoringJointPosition()
    : MonitoringBase(false),
      m_logFlange(Setting::instance()->isTrue(QStringLiteral("LogFlangePosition")))
{
    setObjectName(QStringLiteral("MonitoringJointPosition"));
    // The smallest positive normal float, which no real joint value is, so
    // that the first refresh writes every cell.
    for (int i = 0; i < jointCount; ++i)
        m_shownSV[i] = m_shownPV[i] = std::numeric_limits<float>::min();
    columnHeaders = QStringList{tr("Joint"), tr("SV"), tr("PV"), tr("Unit")};
    columnAlignment = {Qt::AlignRight, Qt::AlignRight, Qt::AlignRight, Qt::AlignHCenter};
    // The joint table is built when the screen is first measured.
    auto* content = new QWidget;
    m_contentLayout = new QHBoxLayout(content);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->setSpacing(2);
    setContentWidget(content);

    m_flangeLabel = new QLabel(this);
    m_flangeLabel->setContentsMargins(0, 0, 0, 5);
    m_flangeLabel->setAlignment(Qt::AlignCenter);
    mainLayout()->addWidget(m_flangeLabel);
}

void MonitoringJointPosition::buildContent()
{
    if (m_jointTable)
        return;
    QTableWidget* table = createTable(columnHeaders);
    QHeaderView* columns = table->horizontalHeader();
    columns->setSectionResizeMode(1, QHeaderView::Stretch);
    columns->setSectionResizeMode(2, QHeaderView::Stretch);
    rowEnabled = readRowEnabled();
    for (int i = 0; i < jointCount; ++i) {
        const int row = addRow(table, QString(), rowEnabled[i]);
        table->item(row, 0)->setText(QString::number(i + 1));
        table->item(row, 3)->setText(unitText(i));
    }
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // Filled apart, unstyled, then placed: its columns do not fit their
    // contents yet, so placing it measures no row.
    m_contentLayout->addWidget(table, 1, Qt::AlignHCenter | Qt::AlignTop);
    m_jointTable = table;
    // Measured with its line, the dialog keeps its size as the first
    // record comes.
    showFlangePosition();
}

void MonitoringJointPosition::adjustTableSize()
{
    // Every row shows, at the height the screen's style gives the header,
    // the rows and the frame.
    m_jointTable->setFixedHeight(tableHeightForRows(m_jointTable, true, true));
}

QVector<bool> MonitoringJointPosition::readRowEnabled() const
{
    return enableWords("Assignment", jointCount);
}

QString MonitoringJointPosition::unitText(int joint) const
{
    const FieldDef* field = ParameterLayout::findByName(QStringLiteral("AxisType"));
    const qint16 type = field ? parameterImage->i16(*field, 0, joint) : qint16(0);
    return type == 1   ? QStringLiteral("mm")
           : type == 2 ? QStringLiteral("deg")
                       : QStringLiteral("-");
}

void MonitoringJointPosition::reloadParameters()
{
    rowEnabled = readRowEnabled();
    for (int i = 0; i < jointCount; ++i) {
        const Qt::ItemFlags flags =
            rowEnabled[i] ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::ItemIsSelectable;
        for (int column = 0; column < m_jointTable->columnCount(); ++column)
            m_jointTable->item(i, column)->setFlags(flags);
        m_jointTable->item(i, 3)->setText(unitText(i));
    }
}

// C's "%.1f", not Qt's rounding: the exact binary value rounded half to even
// (0.25 shows 0.2), and -0.0 keeps its sign. std::to_chars prints what
// printf prints in the "C" locale, whatever locale the process runs in.
QString MonitoringJointPosition::valueText(float value)
{
    char text[64]; // the largest float takes 41 characters
    const std::to_chars_result end =
        std::to_chars(text, text + sizeof text, double(value), std::chars_format::fixed, 1);
    return QString::fromLatin1(text, int(end.ptr - text));
}

void MonitoringJointPosition::updateMonitoringData()
{
    const MirelRzShmRz2IfSafmMon& record = this->record();
    m_jointTable->setUpdatesEnabled(false);
    for (int i = 0; i < jointCount; ++i) {
        if (!sameFloat(record.jointSv[i], m_shownSV[i])) {
            m_jointTable->item(i, 1)->setText(valueText(record.jointSv[i]));
            m_shownSV[i] = record.jointSv[i];
        }
        if (!sameFloat(record.jointPv[i], m_shownPV[i])) {
            m_jointTable->item(i, 2)->setText(valueText(record.jointPv[i]));
            m_shownPV[i] = record.jointPv[i];
        }
    }
    m_jointTable->setUpdatesEnabled(true);
    showFlangePosition();
}

void MonitoringJointPosition::showFlangePosition()
{
    const float* flange = channelBlock().flangePosition;
    const QString text = QStringLiteral("    X:%1 mm    Y:%2 mm    Z:%3 mm")
                             .arg(valueText(flange[0]), valueText(flange[1]), valueText(flange[2]));
    if (m_logFlange)
        qInfo().noquote() << "strlen(buf):" << text.size();
    m_flangeLabel->setText(tr("CurrentFlangePosition") + text);
}
