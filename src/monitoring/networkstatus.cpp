#include "monitoring/networkstatus.h"

#include "monitoring/networkpage.h"
#include "monitoring/unitcommand.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QtDebug>

namespace {

// "name:value,name:value,...": the values of the items that have exactly
// one ":"; empty unless there are exactly `count` of them.
QStringList pairValues(const QString& value, int count)
{
    QStringList values;
    for (const QString& item : value.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char(':'));
        if (parts.size() == 2)
            values << parts[1];
    }
    return values.size() == count ? values : QStringList();
}

bool keyIs(const QString& key, std::initializer_list<const char*> names)
{
    for (const char* name : names)
        if (key.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void parseAssembly(const QString& value, QString* input, QString* output, QString* size)
{
    const QStringList values = pairValues(value, 3);
    if (values.isEmpty())
        return;
    *input = values[0];
    *output = values[1];
    *size = values[2] + QStringLiteral(" byte");
}

void parseIdentifier(const QString& value, EipsData::Identifier* identifier)
{
    const QStringList values = pairValues(value, 3);
    if (values.isEmpty())
        return;
    // Base from the prefix: "0x" hexadecimal, a leading 0 octal.
    identifier->first = values[0].toUInt(nullptr, 0);
    identifier->time = values[1].toUInt(nullptr, 0);
    identifier->date = quint16(values[2].toUInt(nullptr, 0));
    identifier->present = true;
}

} // namespace

NetworkStatus::NetworkStatus() : QWidget(nullptr)
{
    setupNetworkPage(this, "networkStatus");
    QGridLayout* grid = createNetworkGrid(this, QMargins(15, 15, 15, 15));
    const Qt::Alignment cell = Qt::AlignLeft | Qt::AlignVCenter;
    auto caption = [&](const QString& text, int row, int column, int span) {
        grid->addWidget(new QLabel(text, this), row, column, 1, span, cell);
    };
    auto value = [&](int row, int column, int span, int width) {
        QLineEdit* field = createValueField(this, width, 'W');
        m_fields << field;
        grid->addWidget(field, row, column, 1, span, cell);
    };
    caption(tr("VenderID"), 0, 0, 1);
    value(0, 1, 1, 5);
    caption(tr("DeviceType"), 0, 2, 1);
    value(0, 3, 1, 5);
    caption(tr("ProductCode"), 0, 4, 1);
    value(0, 5, 1, 5);
    caption(tr("Major Version"), 1, 0, 1);
    value(1, 1, 1, 5);
    caption(tr("Minor Version"), 1, 2, 1);
    value(1, 3, 1, 5);
    for (int group = 0; group < 2; ++group) {
        const int row = 2 + 3 * group;
        caption(group == 0 ? tr("Safety Input") : tr("Safety Output"), row, 0, 2);
        caption(tr("Input Assembly Instance"), row, 2, 3);
        value(row, 4, 2, 8);
        caption(tr("Output Assembly Instance"), row + 1, 2, 3);
        value(row + 1, 4, 2, 8);
        caption(tr("Size"), row + 2, 2, 3);
        value(row + 2, 4, 2, 8);
    }
    caption(tr("Configuration Assembly Instance"), 8, 0, 5);
    value(8, 4, 2, 8);
    updateEipsData();
}

bool NetworkStatus::queryEipsData(EipsData* data)
{
    *data = EipsData();
    QString reply;
    if (!Monitoring::sendUnitCommand(QStringLiteral("ZSAFM_EIPS_CONF_DISP"), &reply))
        return false;
    parseEipsData(data, reply);
    return true;
}

void NetworkStatus::parseEipsData(EipsData* data, const QString& reply)
{
    static const QRegularExpression linePattern(QStringLiteral("^(.*)->(.*)$"));
    for (QString line : reply.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        // CR LF line ends read like LF ones.
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QRegularExpressionMatch match = linePattern.match(line);
        if (!match.hasMatch()) {
            qInfo().noquote() << "Invalid line:" << line;
            continue;
        }
        const QString key = match.captured(1);
        const QString value = match.captured(2);
        if (keyIs(key, {"VendorId", "VenderId"})) {
            data->vendorId = value;
        } else if (keyIs(key, {"DevType", "DeviceType"})) {
            data->deviceType = value;
        } else if (keyIs(key, {"ProdCode", "ProductCode"})) {
            data->productCode = value;
        } else if (keyIs(key, {"MajorVer", "MajorVersion"})) {
            data->majorVersion = value;
        } else if (keyIs(key, {"MinorVer", "MinorVersion"})) {
            data->minorVersion = value;
        } else if (keyIs(key, {"SafetyInput", "SafeI"})) {
            parseAssembly(value, &data->safetyInputInputInstance, &data->safetyInputOutputInstance,
                          &data->safetyInputSize);
        } else if (keyIs(key, {"SafetyOutput", "SafeO"})) {
            parseAssembly(value, &data->safetyOutputInputInstance,
                          &data->safetyOutputOutputInstance, &data->safetyOutputSize);
        } else if (keyIs(key, {"CnfAsmInst", "ConfigurationAssemblyInstance",
                               "ConfigurationAssenblyInstance"})) {
            data->configurationAssemblyInstance = value;
        } else if (keyIs(key, {"Port"})) {
            const QStringList values = pairValues(value, 2);
            if (values.isEmpty())
                continue;
            data->port = values[0].toUInt();
            data->portSub = values[1].toUInt();
            if (data->port > 0)
                data->portInfo = QString::fromLatin1(data->portSub ? "%1:1(eth%2:1)" : "%1(eth%2)")
                                     .arg(data->port)
                                     .arg(data->port - 1);
        } else if (keyIs(key, {"IPAdd"})) {
            data->ipAddress = value;
        } else if (keyIs(key, {"MACadd"})) {
            data->macAddress = value;
        } else if (keyIs(key, {"Tunid"})) {
            parseIdentifier(value, &data->tunid);
        } else if (keyIs(key, {"Scid"})) {
            parseIdentifier(value, &data->scid);
        } else if (keyIs(key, {"Ocpunid"})) {
            parseIdentifier(value, &data->ocpunid);
        } else if (keyIs(key, {"NodeId"})) {
            data->nodeId = value;
        }
    }
}

void NetworkStatus::updateEipsData()
{
    EipsData data;
    if (!queryEipsData(&data))
        return;
    const QString* values[] = {&data.vendorId,
                               &data.deviceType,
                               &data.productCode,
                               &data.majorVersion,
                               &data.minorVersion,
                               &data.safetyInputInputInstance,
                               &data.safetyInputOutputInstance,
                               &data.safetyInputSize,
                               &data.safetyOutputInputInstance,
                               &data.safetyOutputOutputInstance,
                               &data.safetyOutputSize,
                               &data.configurationAssemblyInstance};
    for (int i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(*values[i]);
}
