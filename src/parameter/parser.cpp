#include "parser.h"

#include "app/core/setting.h"
#include "app/core/startupstate.h"
#include "parameter/parameterlayout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QtDebug>

namespace {

// The definitions are read once per process and shared by every parser, so
// a parser created after the load does not end up without definitions.
struct SharedDefinitions
{
    bool loaded = false;
    int generation = 0; // counts loads (first is 1), so parsers notice a reload
    QMap<QString, ParameterInfo> infos;
    QStringList names;
};

SharedDefinitions& shared()
{
    static SharedDefinitions definitions;
    return definitions;
}

} // namespace

namespace IO {

Parser::Parser(QObject* parent) : QObject(parent) {}

QStringList Parser::candidateFiles()
{
    return {QStringLiteral(":/resources/json/parameter.json"),
            QStringLiteral(":/config/parameter/parameter.json"),
            Setting::instance()->value(QStringLiteral("ParameterPath")) +
                QStringLiteral("/parameter.json")};
}

bool Parser::loadInfo()
{
    if (shared().loaded) {
        takeSharedDefinitions();
        return true;
    }
    return loadInfoFrom(candidateFiles());
}

bool Parser::loadInfoFrom(const QStringList& candidates)
{
    SharedDefinitions& definitions = shared();
    if (definitions.loaded) {
        takeSharedDefinitions();
        return true;
    }

    QFile file;
    bool opened = false;
    for (const QString& candidate : candidates) {
        file.setFileName(candidate);
        if (file.open(QIODevice::ReadOnly)) {
            opened = true;
            break;
        }
    }
    if (!opened) {
        qWarning().noquote() << QStringLiteral("[Parser] Open Error: %1: %2")
                                    .arg(file.fileName(), file.errorString());
        logFunction("loadInfo");
        return false;
    }
    qInfo().noquote() << "IO::Parser::loadInfo" << QStringLiteral("\"%1\"").arg(file.fileName());

    definitions.infos.clear();
    definitions.names.clear();

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    const QJsonValue list = document.object().value(QStringLiteral("parameters"));
    // A broken list still counts as loaded; the missing definitions then show
    // in definitionCount() and hasCompleteDefinitions().
    if (error.error != QJsonParseError::NoError || !list.isArray()) {
        const QString reason = error.error != QJsonParseError::NoError
                                   ? error.errorString()
                                   : QStringLiteral("no parameter list");
        qWarning().noquote()
            << QStringLiteral("[Parser] Parse Error: %1: %2").arg(file.fileName(), reason);
        logFunction("loadInfo");
    }

    const QJsonArray elements = list.toArray();
    for (const QJsonValue& element : elements) {
        const QJsonObject object = element.toObject();
        const QString name = object.value(QStringLiteral("0_Name")).toString();
        ParameterInfo& info = definitions.infos[name];
        info.No = object.value(QStringLiteral("1_No")).toInt(0);
        info.GroupNum = object.value(QStringLiteral("2_GroupNum")).toInt(0);
        info.DataNum = object.value(QStringLiteral("3_DataNum")).toInt(0);
        info.DataPerRow = object.value(QStringLiteral("4_DataPerRow")).toInt(0);
        info.ParamClass = object.value(QStringLiteral("5_ParamClass")).toInt(0);
        info.Llimit = object.value(QStringLiteral("6_Llimit")).toString();
        info.Ulimit = object.value(QStringLiteral("7_Ulimit")).toString();
        info.DataType = object.value(QStringLiteral("8_DataType")).toInt(0);
        // With this controller software the tool models belong to the robot part.
        if (isVSFtoAFM && info.No >= ParameterLayout::ToolModelFirstNo &&
            info.No <= ParameterLayout::ToolModelLastNo)
            info.ParamClass = 0;
        definitions.names.append(name);
    }
    file.close();

    definitions.loaded = true;
    ++definitions.generation;
    takeSharedDefinitions();
    return true;
}

bool Parser::hasCompleteDefinitions() const
{
    const FieldDef* fields = ParameterLayout::fields();
    for (int i = 0; i < ParameterLayout::fieldCount(); ++i) {
        const FieldDef& field = fields[i];
        const auto it = parameterInfos.constFind(QString::fromLatin1(field.name));
        if (it == parameterInfos.constEnd() || it->No != field.no || it->GroupNum != field.rows ||
            it->DataNum != field.columns || it->DataPerRow < 1)
            return false;
    }
    return true;
}

void Parser::resetLoadedFlag()
{
    SharedDefinitions& definitions = shared();
    definitions.loaded = false;
    definitions.infos.clear();
    definitions.names.clear();
}

void Parser::logFunction(const char* function)
{
    qWarning().noquote() << "func : " << function;
}

void Parser::takeSharedDefinitions()
{
    const SharedDefinitions& definitions = shared();
    if (m_generation == definitions.generation)
        return;
    parameterInfos = definitions.infos;
    parameterNames = definitions.names;
    m_generation = definitions.generation;
}

} // namespace IO
