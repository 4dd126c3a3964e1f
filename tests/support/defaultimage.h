#pragma once

// Parameter files, and the shipped offline set (config/parameter/default.txt),
// read into images by the program's own file procedure.

#include "parameter/dataprovidererrorrecord.h"
#include "parameter/parameterimage.h"
#include "parameter/procedure.h"

inline bool readImageFile(ParameterImage& image, const QString& path)
{
    IO::Procedure procedure;
    DataProviderErrorRecord error;
    return procedure.readAll(image, path, error);
}

inline ParameterImage readImage(const QString& path)
{
    ParameterImage image;
    readImageFile(image, path);
    return image;
}

inline QString defaultSetPath()
{
    return QStringLiteral(OBX_SOURCE_DIR "/config/parameter/default.txt");
}

// A crafted parameter file kept with the tests (tests/data).
inline QString testDataPath(const char* name)
{
    return QStringLiteral(OBX_SOURCE_DIR "/tests/data/") + QLatin1String(name);
}

inline bool readDefaultImage(ParameterImage& image)
{
    return readImageFile(image, defaultSetPath());
}

inline ParameterImage defaultImage()
{
    return readImage(defaultSetPath());
}
