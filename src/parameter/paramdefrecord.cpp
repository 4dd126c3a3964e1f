#include "paramdefrecord.h"

int ParamDefRecord::typeSize(int type)
{
    static const int sizes[8] = {0, 2, 2, 4, 4, 4, 1, 0};
    return type >= 0 && type < 8 ? sizes[type] : 0;
}

int ParamDefRecord::pathLength() const
{
    int length = 0;
    while (length < MaxPathLength && pathIds[length] != 0)
        ++length;
    return length;
}

quint32 ParamDefRecord::valueOffset(int group, int element, int value) const
{
    quint32 position =
        offset + quint32(group - 1) * groupStride + quint32(element - 1) * elementStride;
    if (!isText())
        position += quint32(value - 1) * valueSize();
    return position;
}
