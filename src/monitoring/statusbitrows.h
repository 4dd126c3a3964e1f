#pragma once

#include "io/mirelrzshmrz2ifsafmmon.h"

#include <QVector>
#include <QtGlobal>

class QTableWidget;

// The rows of a function status screen as bits of a channel's internal
// output status stream (bit n is signal 2001 + n), with the bit set last
// shown. Up to 64 rows.
class StatusBitRows
{
public:
    // streamBits: the stream bit of each row, in row order.
    explicit StatusBitRows(QVector<int> streamBits);

    // Writes "ON" or "OFF" into the status column of the rows whose bit
    // changed since the last call (every row with force); returns whether
    // anything was written.
    bool refresh(QTableWidget* table, int column, const MirelRzShmRz2IfSafmMonChannel& block,
                 bool force);

    // Rows of internal output signals: signal 2001 + n is stream bit n.
    static QVector<int> forSignals(const QVector<quint16>& signalNumbers);

private:
    static bool streamBit(const MirelRzShmRz2IfSafmMonChannel& block, int bit);
    // The rows' bits of a channel block: bit i is row i.
    quint64 read(const MirelRzShmRz2IfSafmMonChannel& block) const;

    QVector<int> m_streamBits;
    quint64 m_shown = 0;
};
