#include "parameternameindex.h"
#include "parameter/utf8text.h"

namespace {

bool isAscii(const char* text, int size)
{
    for (int i = 0; i < size; ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

} // namespace

namespace IO {

ParameterNameIndex::ParameterNameIndex(const QMap<QString, ParameterInfo>& infos,
                                       const QStringList& names)
    : m_entryOfField(ParameterLayout::fieldCount(), -1)
{
    QHash<QString, int> fieldByName;
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i)
        fieldByName.insert(QString::fromLatin1(fields[i].name), i);

    m_entries.reserve(infos.size());
    for (auto it = infos.constBegin(); it != infos.constEnd(); ++it) {
        const int index = m_entries.size();
        const int field = fieldByName.value(it.key(), -1);
        m_entries.append({it.key(), it.value(), field, field < 0 ? nullptr : &fields[field], 0, 0});
        if (field >= 0)
            m_entryOfField[field] = index;
        m_byName.insert(it.key(), index);
        const QByteArray utf8 = it.key().toUtf8();
        if (isAscii(utf8.constData(), utf8.size()))
            m_byAsciiName.insert(utf8, index);
    }
    m_entryOfName.reserve(names.size());
    for (const QString& name : names) {
        const int index = m_byName.value(name, -1);
        m_entryOfName.append(index);
        if (index < 0)
            continue;
        Entry& entry = m_entries[index];
        entry.tableRows = qMax(entry.info.GroupNum, 0);
        entry.tableCells = qMax(entry.info.DataNum, 0);
    }
}

int ParameterNameIndex::find(const char* name, int size) const
{
    // Names are compared as the strings a file decodes to; only plain ASCII
    // bytes can be compared as they are.
    if (isAscii(name, size))
        return m_byAsciiName.value(QByteArray::fromRawData(name, size), -1);
    return m_byName.value(utf8Text(std::string_view(name, std::size_t(size))), -1);
}

} // namespace IO
