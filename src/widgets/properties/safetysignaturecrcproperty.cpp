#include "widgets/properties/safetysignaturecrcproperty.h"

#include <QDateTime>
#include <QFormLayout>

#include "app/core/languagesetting.h"
#include "parameter/decoder.h"
#include "parameter/parameter.h"
#include "widgets/label.h"
#include "widgets/polishstyle.h"
#include "widgets/properties/fieldbinding.h"

namespace Property {

namespace {

struct Row
{
    const char* key;
    int offset;
    bool isTime;
    int no; // parameter number
};

const Row rows[] = {
    {QT_TR_NOOP("WholeUpdateTime"), ParameterLayout::WholeUpdateTimeOffset, true, 9001},
    {QT_TR_NOOP("WholeCRC"), ParameterLayout::WholeCrcOffset, false, 9002},
    {QT_TR_NOOP("SystemUpdateTime"), ParameterLayout::SystemUpdateTimeOffset, true, 9003},
    {QT_TR_NOOP("SystemCRC"), ParameterLayout::SystemCrcOffset, false, 9004},
    {QT_TR_NOOP("MonitorUpdateTime"), ParameterLayout::MonitorUpdateTimeOffset, true, 9005},
    {QT_TR_NOOP("MonitorCRC"), ParameterLayout::MonitorCrcOffset, false, 9006},
    {QT_TR_NOOP("SignalUpdateTime"), ParameterLayout::SignalUpdateTimeOffset, true, 9007},
    {QT_TR_NOOP("SignalCRC"), ParameterLayout::SignalCrcOffset, false, 9008},
};

} // namespace

SafetySignatureCRC::SafetySignatureCRC(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 18, parent)
{
}

void SafetySignatureCRC::initialize()
{
    if (initialized)
        return;
    connect(m_parameter, &Parameter::parameterChanged, this, &SafetySignatureCRC::refresh);

    auto* section = new QWidget;
    PolishStyle::set(section, QStringLiteral("background: #404040; color: white;"));
    auto* form = new QFormLayout(section);
    form->setFormAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight);
    // Narrow side margins keep the long dates beside their names in the
    // pane; a pane narrower still puts a value below its name rather than
    // past the edge.
    const QMargins margins = form->contentsMargins();
    form->setContentsMargins(2, margins.top(), 2, margins.bottom());
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i] = new Label;
        form->addRow(tr(rows[i].key), m_labels[i]);
    }
    addSection(tr("Safety Signature CRC"), section);
    addButtons();
    initialized = true;
    refresh();
}

QString SafetySignatureCRC::crcText(quint32 crc)
{
    return QStringLiteral("%1 (0x%2)").arg(crc).arg(crc, 8, 16, QLatin1Char('0'));
}

QString SafetySignatureCRC::updateTimeText(quint32 seconds)
{
    const QDateTime time = QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC);
    return LanguageSetting::locale().toString(time, LanguageSetting::dateTimeFormat());
}

QVector<SafetySignatureCRC::SignatureRow>
SafetySignatureCRC::signatureRows(const ParameterImage& image)
{
    QVector<SignatureRow> texts;
    for (const Row& row : rows) {
        const quint32 value = image.u32At(row.offset);
        texts.append({tr(row.key), row.isTime ? updateTimeText(value) : crcText(value),
                      !row.isTime && value == IO::Decoder::IgnoredCRC, row.offset});
    }
    return texts;
}

void SafetySignatureCRC::showEvent(QShowEvent* event)
{
    refresh();
    PropertyWidget::showEvent(event);
}

void SafetySignatureCRC::refresh()
{
    if (!initialized)
        return;
    const ParameterImage& master = m_parameter->masterImage();
    const QVector<SignatureRow> texts = signatureRows(master);
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        m_labels[i]->setText(texts[int(i)].text);
        // A file's time or CRC that the set did not keep ("abc" read as 0).
        if (const FieldDef* field = ParameterLayout::findByNo(rows[i].no))
            FieldBinding::markShown(m_labels[i], master, *field);
    }
    setApplyEnabled(false);
    setCancelEnabled(false);
    setApplyVisible(false);
    setCancelVisible(false);
}

} // namespace Property
