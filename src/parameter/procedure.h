#pragma once

#include "parameter/dataprovidererrorrecord.h"
#include "parameter/parameterimage.h"
#include "parameter/unkepttexts.h"

#include <QObject>
#include <QString>

#include <memory>

namespace IO {

class Decoder;
class EncodedCells;
class Parser;

// The one way between parameter images and parameter files: writes an image
// as a parameter file or safety report with its signature, and reads a file
// back, whole or by part, only after its format, value counts and signature
// have been checked. On any failure the caller's image is left as it was.
class Procedure : public QObject
{
    Q_OBJECT

public:
    // Parts that readData stores.
    enum ReadMode
    {
        RobotPart = 0, // robot part only
        UserPart = 1,  // user part and signature trailer
        AllParts = 2
    };

    explicit Procedure(QObject* parent = nullptr);
    ~Procedure() override;

    // Signs the image and writes it as a parameter file. Returns 1 when the
    // file was written; the image then carries the signature written. On 0
    // the image is unchanged.
    quint32 outputFile(const QString& path, ParameterImage& image);
    // The same with the display names of the parameters (safety report).
    quint32 outputReport(const QString& path, ParameterImage& image);

    // Replaces the whole image by the file's data; texts, when given, by the
    // file's texts that the image did not keep.
    bool readAll(ParameterImage& image, const QString& path, DataProviderErrorRecord& error,
                 UnkeptTexts* texts = nullptr);
    // Stores the parts of the file that the mode selects into the image;
    // everything else keeps its value. texts takes the file's unkept texts
    // of the cells stored and keeps its notes of the others.
    bool readData(ParameterImage& image, const QString& path, int mode,
                  DataProviderErrorRecord& error, UnkeptTexts* texts = nullptr);
    // The whole set of the file last read, whatever part the read stored, and
    // the texts of it that the set did not keep.
    const ParameterImage& lastFileImage() const { return m_lastFileImage; }
    const UnkeptTexts& lastFileTexts() const { return m_lastFileTexts; }
    // The cells the last read that succeeded stored, marked by non-zero bytes.
    const ParameterImage& lastTakenCells() const { return m_lastTakenCells; }
    // Why the last read failed, in words ("CRC mismatch: signal", or the
    // parser's reason); empty after a read that succeeded.
    QString lastProblem() const { return m_lastProblem; }

    Decoder* decoder;
    Parser* parser;

private:
    quint32 output(const QString& path, ParameterImage& image, bool reportMode,
                   const char* function);
    bool read(ParameterImage& image, const QString& path, int mode, bool replaceAll,
              DataProviderErrorRecord& error, UnkeptTexts* texts, const char* function);

    // The cell texts of the last file written; its buffers serve every write.
    std::unique_ptr<EncodedCells> m_cells;
    ParameterImage m_lastFileImage;
    UnkeptTexts m_lastFileTexts;
    ParameterImage m_lastTakenCells;
    QString m_lastProblem;
};

} // namespace IO
