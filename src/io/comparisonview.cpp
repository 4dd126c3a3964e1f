#include "io/comparisonview.h"

#include "app/core/displaytext.h"
#include "app/core/interfaceutilities.h"
#include "io/okcancelrow.h"
#include "parameter/parameterdefdb.h"
#include "parameter/parameterimage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstring>

namespace {

IO::ComparisonView::AutoAnswer& autoAnswer()
{
    static IO::ComparisonView::AutoAnswer answer;
    return answer;
}

// The shortest text that reads back as the same float, so that two
// different values never look equal.
QString floatText(float value)
{
    // The toolkit drops the sign of a zero; -0 and 0 are different bytes
    // (and signatures), so they must not look the same.
    if (value == 0 && std::signbit(value))
        return QStringLiteral("-0");
    for (int precision = 6; precision < 9; ++precision) {
        const QString text = QString::number(double(value), 'g', precision);
        if (text.toFloat() == value)
            return text;
    }
    return QString::number(double(value), 'g', 9);
}

int cellBytes(const ParamDefRecord& record)
{
    return record.isText() ? record.valueCount : record.valueSize() * record.valueCount;
}

} // namespace

namespace IO {

ComparisonView::ComparisonView(const ParameterImage& left, const ParameterImage& right,
                               const QString& leftTitle, const QString& rightTitle, Mode mode,
                               const QString& caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_rows(differences(left, right))
{
    setWindowTitle(tr("Parameter comparison"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    resize(900, 600);

    auto* layout = new QVBoxLayout(this);
    auto* captionLabel = new QLabel(
        m_rows.isEmpty() ? caption + QLatin1Char('\n') + tr("No differences.") : caption, this);
    captionLabel->setWordWrap(true);
    layout->addWidget(captionLabel);

    m_table = new QTableWidget(m_rows.size(), 3, this);
    m_table->setHorizontalHeaderLabels({tr("Parameter"), leftTitle, rightTitle});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->setVisible(false);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    for (int row = 0; row < m_rows.size(); ++row) {
        const Row& entry = m_rows.at(row);
        m_table->setItem(row, 0, new QTableWidgetItem(entry.name));
        m_table->setItem(row, 1, new QTableWidgetItem(entry.left));
        m_table->setItem(row, 2, new QTableWidgetItem(entry.right));
    }
    layout->addWidget(m_table);

    if (mode == Confirm) {
        QPushButton* cancel = addOkCancelRow(this, layout).cancel;
        // Writing needs a deliberate choice: Cancel has the focus first.
        cancel->setDefault(true);
        cancel->setFocus();
    } else {
        auto* buttonRow = new QHBoxLayout;
        buttonRow->addStretch();
        auto* close = new QPushButton(tr("Close"), this);
        close->setDefault(true);
        buttonRow->addWidget(close);
        connect(close, &QPushButton::clicked, this, &QDialog::accept);
        close->setFocus();
        layout->addLayout(buttonRow);
    }

    auto* returnKey = new QShortcut(QKeySequence(Qt::Key_Return), this);
    connect(returnKey, &QShortcut::activated, this, [] { clickFocusedButton(); });
}

int ComparisonView::exec()
{
    const AutoAnswer& answer = autoAnswer();
    if (!answer)
        return QDialog::exec();
    setResult(answer(*this) ? Accepted : Rejected);
    return result();
}

QVector<ComparisonView::Row> ComparisonView::differences(const ParameterImage& left,
                                                         const ParameterImage& right,
                                                         const AlsoDiffers& alsoDiffers)
{
    QVector<Row> rows;
    const ParameterDefDB* db = ParameterDefDB::instance();
    for (const ParamDefRecord& record : db->records) {
        const int bytes = cellBytes(record);
        if (bytes <= 0)
            continue;
        for (int group = 1; group <= record.groupCount; ++group) {
            for (int element = 1; element <= record.elementCount; ++element) {
                const quint32 offset = record.valueOffset(group, element);
                if (offset + quint32(bytes) > quint32(ParameterImage::Size))
                    continue;
                if (std::memcmp(left.data() + offset, right.data() + offset, size_t(bytes)) == 0 &&
                    !(alsoDiffers && alsoDiffers(int(offset), bytes)))
                    continue;
                Row row;
                row.no = record.no;
                row.group = group;
                row.element = element;
                row.name = db->qualifiedName(record, group, element);
                row.left = valueText(left, record, group, element);
                row.right = valueText(right, record, group, element);
                rows << row;
            }
        }
    }
    return rows;
}

QString ComparisonView::valueText(const ParameterImage& image, const ParamDefRecord& record,
                                  int group, int element)
{
    if (record.isText())
        return DisplayText::shown(image.textAt(int(record.valueOffset(group, element))));
    QStringList values;
    for (int value = 1; value <= record.valueCount; ++value)
        values << valueText(image, record, group, element, value);
    return values.join(QLatin1String(", "));
}

QString ComparisonView::valueText(const ParameterImage& image, const ParamDefRecord& record,
                                  int group, int element, int value)
{
    const int offset = int(record.valueOffset(group, element, value));
    if (record.isText())
        return DisplayText::shown(image.textAt(offset));
    if (record.type == ParamDefRecord::TypeFloat)
        return floatText(image.f32At(offset));
    const int size = record.valueSize();
    if (QLatin1String(record.format).startsWith(QLatin1String("0x"))) {
        const quint32 bits = size == 2 ? image.u16At(offset) : image.u32At(offset);
        return QStringLiteral("0x%1").arg(bits, size * 2, 16, QLatin1Char('0'));
    }
    switch (record.type) {
    case ParamDefRecord::TypeInt16:
        return QString::number(image.i16At(offset));
    case ParamDefRecord::TypeUInt16:
        return QString::number(image.u16At(offset));
    case ParamDefRecord::TypeInt32:
        return QString::number(image.i32At(offset));
    case ParamDefRecord::TypeUInt32:
        return QString::number(image.u32At(offset));
    default:
        break;
    }
    return QString();
}

void ComparisonView::setAutoAnswer(AutoAnswer answer)
{
    autoAnswer() = std::move(answer);
}

} // namespace IO
