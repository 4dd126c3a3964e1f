#pragma once

#include "parameter/parameterinfo.h"
#include "parameter/parameterlayout.h"

#include <QByteArray>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

namespace IO {

// The parameter definitions as the file reader and writer look them up: by
// the bytes of a name as they stand in a file, without making a string, and
// with the shape IO::Parser::makeTable gives each parameter.
class ParameterNameIndex
{
public:
    struct Entry
    {
        QString name;
        ParameterInfo info;
        int fieldIndex;        // in ParameterLayout::fields(), -1 when no image field has the name
        const FieldDef* field; // that field, or null
        // The rows and cells that IO::Parser::makeTable gives the parameter;
        // no rows when it is not in the list of names.
        int tableRows;
        int tableCells;
    };

    ParameterNameIndex() : ParameterNameIndex({}, {}) {}
    ParameterNameIndex(const QMap<QString, ParameterInfo>& infos, const QStringList& names);

    // Index of the definition whose name has these UTF-8 bytes, -1 when none.
    int find(const char* name, int size) const;
    int find(const QString& name) const { return m_byName.value(name, -1); }
    const Entry& entry(int index) const { return m_entries.at(index); }
    int size() const { return m_entries.size(); }

    // The definition of the name at this position of the list of names, -1
    // when none.
    int entryOfName(int position) const { return m_entryOfName.at(position); }
    // The definition of the image field, -1 when none.
    int entryOfField(int fieldIndex) const { return m_entryOfField.at(fieldIndex); }

private:
    QVector<Entry> m_entries;
    QHash<QByteArray, int> m_byAsciiName;
    QHash<QString, int> m_byName;
    QVector<int> m_entryOfField;
    QVector<int> m_entryOfName;
};

} // namespace IO
