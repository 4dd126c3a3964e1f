#include "parameterdefdb.h"

#include "app/core/startupstate.h"
#include "parameter/parameterlayout.h"
#include "parameterdeftable.h"

#include <QCoreApplication>
#include <QDebug>
#include <QStringList>

namespace {

// Lookups tend to repeat one number (a parameter's values are shown one after
// the other), so the last hit is kept.
const ParamDefRecord* lookupCache = nullptr;

} // namespace

ParameterDefDB* ParameterDefDB::instance()
{
    static ParameterDefDB* db = nullptr;
    if (!db)
        db = new ParameterDefDB;
    return db;
}

ParameterDefDB::ParameterDefDB() : QObject(nullptr)
{
    const ParamDefRecord* rows = ParameterDefTable::rows();
    records.assign(rows, rows + ParameterDefTable::RowCount);
    loadNames();

    for (ParamDefRecord& record : records) {
        if (record.elementStride == 0)
            record.elementStride = quint16(record.valueSize() * record.valueCount);
        if (record.groupStride == 0)
            record.groupStride = quint16(record.elementStride * record.elementCount);
        if (isVSFtoAFM && record.no >= ParameterLayout::ToolModelFirstNo &&
            record.no <= ParameterLayout::ToolModelLastNo)
            record.access = 'R';
    }
    buildTree();
}

void ParameterDefDB::loadNames()
{
    names.clear();
    names.reserve(ParameterDefTable::LabelCount);
    for (int id = 0; id < ParameterDefTable::LabelCount; ++id) {
        const QByteArray key = "string" + QByteArray::number(id);
        names.append(QCoreApplication::translate("ParameterDefDB", key.constData()));
    }
}

void ParameterDefDB::buildTree()
{
    for (int index = 0; index < int(records.size()); ++index)
        addToTree(index);
    root.last = quint16(records.size() - 1);
}

void ParameterDefDB::addToTree(int index)
{
    const ParamDefRecord& record = records[size_t(index)];
    ParamTreeNode* node = &root;
    int level = 1;
    for (; level <= ParamDefRecord::MaxPathLength && record.pathIds[level - 1] != 0; ++level) {
        const quint16 id = record.pathIds[level - 1];
        ParamTreeNode* child = nullptr;
        for (ParamTreeNode& candidate : node->children) {
            if (candidate.id == id) {
                child = &candidate;
                break;
            }
        }
        if (!child) {
            ParamTreeNode added;
            added.id = id;
            added.first = quint16(index);
            added.last = quint16(index);
            added.depth = quint8(node->depth + 1);
            node->children.push_back(std::move(added));
            child = &node->children.back();
        }

        child->last = quint16(index);
        if (record.access == 'R')
            child->flags |= ParamTreeNode::RobotPart;
        else if (record.access == 'C')
            child->flags |= ParamTreeNode::UserPart;
        if (level == record.groupLevel)
            child->flags |= ParamTreeNode::GroupLabel;
        if (level == record.elementLevel)
            child->flags |= ParamTreeNode::ElementLabel;

        // Users of the tree put the group or element number into "%1".
        if (child->flags & (ParamTreeNode::GroupLabel | ParamTreeNode::ElementLabel)) {
            const QString label = names.value(id);
            if (!label.contains(QLatin1String("%1"))) {
                qInfo().noquote() << QStringLiteral("Error: Param#") + QString::number(record.no) +
                                         QStringLiteral(": \"") + label +
                                         QStringLiteral("\" doesn't contain \"%1\"");
            }
        }
        node = child;
    }

    if (level == 1) {
        qInfo().noquote() << QStringLiteral("paramIndex: ") + QString::number(index);
        return;
    }
    node->flags |= ParamTreeNode::Leaf;
}

const ParamDefRecord* ParameterDefDB::findParamByNo(quint32 no) const
{
    // The cache only serves lookups on the copy it points into.
    const bool cacheIsOurs = lookupCache && lookupCache >= records.data() &&
                             lookupCache < records.data() + records.size();
    if (cacheIsOurs && lookupCache->no == no)
        return lookupCache;

    for (const ParamDefRecord& record : records) {
        if (record.no == no) {
            lookupCache = &record;
            return &record;
        }
    }
    // Trailer numbers are looked up routinely and are expected to miss.
    if (no < 9000)
        qInfo().noquote() << QStringLiteral("ParameterDefDB::findParamByNo(") +
                                 QString::number(no) + QStringLiteral(") NOT FOUND.");
    return nullptr;
}

QString ParameterDefDB::displayName(const ParamDefRecord& record) const
{
    QString name;
    for (int part = 0; part < ParamDefRecord::MaxNameParts && record.nameIds[part] != 0; ++part) {
        if (part > 0)
            name += QLatin1String(" - ");
        name += names.value(record.nameIds[part]);
    }
    return name;
}

QString ParameterDefDB::displayName(const ParamDefRecord* record) const
{
    return record ? displayName(*record) : QString();
}

QString ParameterDefDB::qualifiedName(const ParamDefRecord& record, int group, int element) const
{
    const QString where = cellQualifier(record, group, element);
    const QString name = displayName(record);
    return where.isEmpty() ? name : name + QStringLiteral(" (") + where + QLatin1Char(')');
}

QString ParameterDefDB::cellQualifier(const ParamDefRecord& record, int group, int element) const
{
    QStringList parts;
    const auto add = [&](int level, int number, int count) {
        if (count <= 1)
            return;
        QString label;
        if (level > 0 && level <= ParamDefRecord::MaxPathLength && record.pathIds[level - 1])
            label = names.value(record.pathIds[level - 1]);
        parts << (label.contains(QLatin1String("%1")) ? label.arg(number)
                                                      : QString::number(number));
    };
    add(record.groupLevel, group, record.groupCount);
    add(record.elementLevel, element, record.elementCount);
    return parts.join(QLatin1String(", "));
}
