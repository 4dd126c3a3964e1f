#include "procedure.h"

#include "parameter/decoder.h"
#include "parameter/encodedcells.h"
#include "parameter/parser.h"

#include <QStringList>
#include <QtDebug>

#include <cstring>

namespace {

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void logFunction(const char* function)
{
    qWarning().noquote() << "func : " << function;
}

struct PartFlags
{
    bool robot;
    bool user;
    bool trailer;
};

bool flagsOfMode(int mode, PartFlags* flags)
{
    switch (mode) {
    case IO::Procedure::RobotPart:
        *flags = {true, false, false};
        return true;
    case IO::Procedure::UserPart:
        *flags = {false, true, true};
        return true;
    case IO::Procedure::AllParts:
        *flags = {true, true, true};
        return true;
    default:
        return false;
    }
}

} // namespace

namespace IO {

Procedure::Procedure(QObject* parent)
    : QObject(parent), decoder(new Decoder(this)), parser(new Parser(this)),
      m_cells(new EncodedCells)
{
}

Procedure::~Procedure() = default;

quint32 Procedure::outputFile(const QString& path, ParameterImage& image)
{
    return output(path, image, false, "outputFile");
}

quint32 Procedure::outputReport(const QString& path, ParameterImage& image)
{
    return output(path, image, true, "outputReport");
}

quint32 Procedure::output(const QString& path, ParameterImage& image, bool reportMode,
                          const char* function)
{
    parser->loadInfo();

    quint32 result = 0;
    // The caller's image only takes the new signature once the file exists.
    ParameterImage signedImage = image;
    QStringList problems;
    if (!parser->hasCompleteDefinitions()) {
        // Without every definition the file would lack parameters.
        qWarning().noquote() << "[Procedure] parameter definitions missing or incomplete";
        logFunction(function);
    } else {
        decoder->computeCRC(signedImage);
        if (!m_cells->encode(signedImage, &problems)) {
            for (const QString& problem : qAsConst(problems))
                qWarning().noquote() << "[Procedure] value can not be written:" << quoted(problem);
            logFunction(function);
        } else {
            result = quint32(parser->extractToText(path, *m_cells, reportMode));
        }
    }

    if (result == 0) {
        qInfo().noquote()
            << QStringLiteral("IO::Procedure::%1(\"%2\") -> NG").arg(QLatin1String(function), path);
        return 0;
    }
    image = signedImage;
    return result;
}

bool Procedure::readAll(ParameterImage& image, const QString& path, DataProviderErrorRecord& error,
                        UnkeptTexts* texts)
{
    return read(image, path, AllParts, true, error, texts, "readAll");
}

bool Procedure::readData(ParameterImage& image, const QString& path, int mode,
                         DataProviderErrorRecord& error, UnkeptTexts* texts)
{
    return read(image, path, mode, false, error, texts, "readData");
}

bool Procedure::read(ParameterImage& image, const QString& path, int mode, bool replaceAll,
                     DataProviderErrorRecord& error, UnkeptTexts* texts, const char* function)
{
    PartFlags flags;
    m_lastProblem.clear();
    if (!flagsOfMode(mode, &flags)) {
        m_lastProblem = QStringLiteral("unknown read mode %1").arg(mode);
        // A mode that selects nothing would report a read that did not happen.
        error.set(DataProviderErrorRecord::FileFormatError,
                  DataProviderErrorRecord::FileProcedureSource);
        qWarning().noquote() << "[Procedure] unknown read mode:" << mode;
        logFunction(function);
    } else {
        parser->loadInfo();
        // The file's own image, as decoding its whole table would give it.
        ParameterImage fileImage;
        UnkeptTexts fileTexts;
        if (!parser->extractToImage(fileImage, path, error, &fileTexts)) {
            m_lastProblem = parser->lastProblem();
            qWarning().noquote() << "[Procedure] extract text to map err";
            logFunction(function);
        } else if (!decoder->isCRCCorrect(fileImage)) {
            m_lastProblem = QStringLiteral("CRC mismatch: ") +
                            Decoder::failedChecks(fileImage).join(QLatin1String(", "));
            error.set(DataProviderErrorRecord::FileFormatError,
                      DataProviderErrorRecord::FileProcedureSource);
            qWarning().noquote() << "[Procedure] incorrect crc err";
            logFunction(function);
        } else {
            if (replaceAll)
                image.clear();
            decoder->decode(image, fileImage, parser->nameIndex(), &parser->parameterInfos,
                            flags.robot, flags.user, flags.trailer);
            // The cells this read stored: decoding a file of all-ones bytes
            // into zeros marks them.
            m_lastTakenCells.clear();
            auto ones = std::make_unique<ParameterImage>();
            std::memset(ones->data(), 0xFF, ParameterImage::Size);
            decoder->decode(m_lastTakenCells, *ones, parser->nameIndex(), &parser->parameterInfos,
                            flags.robot, flags.user, flags.trailer);
            if (texts) {
                if (replaceAll)
                    texts->clear();
                texts->takeCells(fileTexts, m_lastTakenCells);
            }
            m_lastFileImage = fileImage;
            m_lastFileTexts = fileTexts;
            return true;
        }
    }
    qInfo().noquote()
        << QStringLiteral("IO::Procedure::%1(\"%2\") -> false").arg(QLatin1String(function), path);
    return false;
}

} // namespace IO
