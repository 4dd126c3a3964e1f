#include "parameter/findingcount.h"

#include "parameter/valuevalidator.h"

#include <QCoreApplication>

FindingCount FindingCount::of(const QVector<LimitEntry>& entries)
{
    FindingCount count;
    for (const LimitEntry& entry : entries) {
        if (entry.problem == LimitEntry::TextNotKept)
            ++count.textsNotKept;
        else
            ++count.outsideLimits;
    }
    return count;
}

QString FindingCount::text() const
{
    const QString outside =
        outsideLimits == 1
            ? QCoreApplication::translate("FindingCount", "1 value outside its limits")
            : QCoreApplication::translate("FindingCount", "%1 values outside their limits")
                  .arg(outsideLimits);
    const QString notKept =
        textsNotKept == 1 ? QCoreApplication::translate("FindingCount", "1 file text not kept")
                          : QCoreApplication::translate("FindingCount", "%1 file texts not kept")
                                .arg(textsNotKept);
    return QCoreApplication::translate("FindingCount", "%1, %2").arg(outside, notKept);
}
