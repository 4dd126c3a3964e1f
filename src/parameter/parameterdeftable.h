#pragma once

#include "paramdefrecord.h"

// The built-in definitions of the parameters before the signature trailer,
// in ascending parameter number (the order of the fields in the image).
// Strides are as stated: 0 stands for the default that ParameterDefDB fills in.
namespace ParameterDefTable {

constexpr int RowCount = 198;
constexpr int LabelCount = 214;

const ParamDefRecord* rows();

} // namespace ParameterDefTable
