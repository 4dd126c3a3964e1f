#include "monitoring/statusbitrows.h"

#include "app/core/interfaceutilities.h"

#include <QTableWidget>

namespace {
// The stream starts at word 4 of the output bitmap and ends with it.
constexpr int streamFirstWord = 4;
constexpr int streamWords = 14 - streamFirstWord;
} // namespace

StatusBitRows::StatusBitRows(QVector<int> streamBits) : m_streamBits(std::move(streamBits))
{
    Q_ASSERT(m_streamBits.size() <= 64);
}

QVector<int> StatusBitRows::forSignals(const QVector<quint16>& signalNumbers)
{
    QVector<int> bits;
    bits.reserve(signalNumbers.size());
    for (const quint16 signal : signalNumbers)
        bits << int(signal) - 2001;
    return bits;
}

bool StatusBitRows::streamBit(const MirelRzShmRz2IfSafmMonChannel& block, int bit)
{
    if (bit < 0 || bit >= 32 * streamWords)
        return false;
    return (block.safetyOutputs[streamFirstWord + bit / 32] >> (bit % 32)) & 1u;
}

quint64 StatusBitRows::read(const MirelRzShmRz2IfSafmMonChannel& block) const
{
    quint64 value = 0;
    for (int row = 0; row < m_streamBits.size(); ++row)
        if (streamBit(block, m_streamBits[row]))
            value |= quint64(1) << row;
    return value;
}

bool StatusBitRows::refresh(QTableWidget* table, int column,
                            const MirelRzShmRz2IfSafmMonChannel& block, bool force)
{
    const quint64 value = read(block);
    const quint64 changed = force ? ~quint64(0) : value ^ m_shown;
    m_shown = value;
    if (!changed || !table)
        return false;
    table->setUpdatesEnabled(false);
    const int rows = qMin(m_streamBits.size(), table->rowCount());
    for (int row = 0; row < rows; ++row) {
        if (!((changed >> row) & 1u))
            continue;
        if (QTableWidgetItem* item = table->item(row, column))
            item->setText(onOffText((value >> row) & 1u));
    }
    table->setUpdatesEnabled(true);
    return true;
}
