#pragma once

#include <QString>
#include <QVector>

struct LimitEntry;

// What a list of findings holds, each cell counted once: as a file text not
// kept where the file's text was not kept (whatever the stored value), else
// as a value outside its limits. The window, the command line and the
// report all say it in these words.
struct FindingCount
{
    int outsideLimits = 0;
    int textsNotKept = 0;

    static FindingCount of(const QVector<LimitEntry>& entries);

    int total() const { return outsideLimits + textsNotKept; }
    bool isEmpty() const { return total() == 0; }
    bool operator==(const FindingCount& other) const
    {
        return outsideLimits == other.outsideLimits && textsNotKept == other.textsNotKept;
    }
    bool operator!=(const FindingCount& other) const { return !(*this == other); }

    // "2 values outside their limits, 1 file text not kept".
    QString text() const;
};
