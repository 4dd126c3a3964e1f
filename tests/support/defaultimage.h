#pragma once

// The shipped offline parameter set (config/parameter/default.txt), read
// into an image by the program's own file procedure.

#include "parameter/dataprovidererrorrecord.h"
#include "parameter/parameterimage.h"
#include "parameter/procedure.h"

inline bool readDefaultImage(ParameterImage& image)
{
    IO::Procedure procedure;
    DataProviderErrorRecord error;
    return procedure.readAll(image, QStringLiteral(OBX_SOURCE_DIR "/config/parameter/default.txt"),
                             error);
}
