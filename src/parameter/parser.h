#pragma once

#include "parameter/parameterinfo.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

namespace IO {

// Reads and writes parameter text files against the parameter definitions.
class Parser : public QObject
{
    Q_OBJECT

public:
    explicit Parser(QObject* parent = nullptr);

    // Loads the definitions from the first candidate file that opens. The
    // file is read once per process; later calls, from this or any other
    // parser, only hand over the definitions read then. Returns whether
    // definitions were loaded (false when no candidate opened).
    bool loadInfo();
    // The same with other candidate files; loadInfo uses candidateFiles().
    bool loadInfoFrom(const QStringList& candidates);

    // Compiled-in resource, then the resource folder of the settings, then
    // the parameter folder of the settings.
    static QStringList candidateFiles();

    // Number of distinct parameters defined.
    int definitionCount() const { return parameterInfos.size(); }
    // True when every field of the parameter image has a definition of the
    // same number and shape that puts at least one value on a line. A file
    // written with fewer definitions would silently lack parameters.
    bool hasCompleteDefinitions() const;

    // Forgets the process-wide load so the next loadInfo reads again (tests).
    static void resetLoadedFlag();

    QMap<QString, ParameterInfo> parameterInfos;
    QStringList parameterNames; // in file order, one entry per list element

private:
    static void logFunction(const char* function);
    void takeSharedDefinitions();

    int m_generation = 0; // load whose definitions this parser holds, 0 none
};

} // namespace IO
