#pragma once

#include "parameter/dataprovidererrorrecord.h"
#include "parameter/parameterfilescanner.h"
#include "parameter/parameterimage.h"
#include "parameter/parameterinfo.h"
#include "parameter/parameternameindex.h"
#include "parameter/parametertexttable.h"
#include "parameter/textbuffer.h"
#include "parameter/unkepttexts.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <string_view>

namespace IO {

class EncodedCells;

// Outcome of reading a parameter text file.
struct ParseResult
{
    enum ErrorKind : qint32
    {
        NoError = 0,
        OpenError = 3,   // not opened (or a simulated read error)
        FormatError = 5, // no block, or a line refused
        NotOpened = 11   // before the file is opened; never returned
    };

    bool ok = false; // read, and no line refused
    qint32 errorKind = NotOpened;
    QMap<QString, int> valueCounts; // values stored per parameter name
    QString problem;                // why not ok, in words
};

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

    // Gives every defined parameter its empty shape: GroupNum rows of
    // DataNum empty cells, replacing what the table held for it.
    void makeTable(ParameterTextTable& table);

    // Writes the table as a parameter text file (report mode: display names
    // in the name field). Returns 1 when written, 0 otherwise.
    int extractToText(const QString& path, const ParameterTextTable& table, bool reportMode);
    // The same for the cell texts of an image (IO::EncodedCells).
    int extractToText(const QString& path, const EncodedCells& cells, bool reportMode);
    // Appends the lines of one parameter.
    void formatParameter(QString& text, const QString& name, const ParameterTextTable& table,
                         bool reportMode);
    // Replaces the file by the text, in UTF-8 without byte order mark; the
    // old file stays whole until the new one is complete.
    int makeFile(const QString& path, const QString& text);

    // Reads a parameter file into the table and checks that every parameter
    // got all its values; on failure the error record holds the reason.
    bool extractToMap(ParameterTextTable& table, const QString& path,
                      DataProviderErrorRecord& error);
    ParseResult parseText(ParameterTextTable& table, const QString& path);
    // Reads a parameter file straight into a zeroed image, with the checks,
    // messages and error record of extractToMap: the image then holds what
    // IO::Decoder::decode without definitions stores from that table. texts,
    // when given, gets the cell texts the image did not keep.
    bool extractToImage(ParameterImage& fileImage, const QString& path,
                        DataProviderErrorRecord& error, UnkeptTexts* texts = nullptr);
    bool checkDataCount(const QMap<QString, int>& valueCounts);
    // Why the last read of a parameter file failed, in words that name the
    // line or parameter ("format error in line 12: unknown parameter "X"")
    // but not the path; empty after a read that succeeded.
    QString lastProblem() const { return m_lastProblem; }

    // Forgets the process-wide load so the next loadInfo reads again (tests).
    static void resetLoadedFlag();

    QMap<QString, ParameterInfo> parameterInfos;
    QStringList parameterNames; // in file order, one entry per list element

    // The lookup of the definitions above, made again whenever they change.
    const ParameterNameIndex& nameIndex() const;

private:
    static void logFunction(const char* function);
    // Reads the file's block through the scanner into the sink.
    ParseResult parse(const QString& path, ParameterFileScanner& scanner,
                      ParameterFileScanner::CellSink& sink);
    // Turns a failed read, or value counts that do not agree, into the error
    // record.
    template <typename CountsAgree>
    bool checkParsed(const ParseResult& result, CountsAgree countsAgree,
                     DataProviderErrorRecord& error);
    // countOf(definition entry or -1, name) gives the values read for each
    // name of the list; logs the first that differs from the definition.
    template <typename CountOf> bool countsAgree(CountOf countOf);
    // Why the definitions (and the table, when given) cannot be written;
    // empty when they can.
    QString unfitForWriting(const ParameterTextTable* table) const;
    // Logs the refusal when unfit.
    bool writable(const QString& path, const ParameterTextTable* table) const;
    // appendCells(text, name, definition entry) gives the function that
    // appends, each followed by a comma, the texts of count cells of that
    // parameter from cell first of a group: appendCells(group, first, count).
    template <typename AppendCells>
    int writeParameters(const QString& path, bool reportMode, AppendCells appendCells);
    template <typename AppendCells>
    void appendParameter(TextBuffer& text, const QString& name, const ParameterInfo& info,
                         bool reportMode, AppendCells appendCells);
    int writeFile(const QString& path, std::string_view bytes);
    void takeSharedDefinitions();

    int m_generation = 0; // load whose definitions this parser holds, 0 none
    // nameIndex() made from these (a cache of the public members).
    mutable QMap<QString, ParameterInfo> m_indexedInfos;
    mutable QStringList m_indexedNames;
    mutable ParameterNameIndex m_nameIndex;
    TextBuffer m_fileText{256 * 1024}; // the file being written; reused by every write
    QString m_lastProblem;
};

} // namespace IO
