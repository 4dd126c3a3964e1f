#pragma once

#include <QString>

namespace Property {

// Captions taken from the parameter definitions, so that a page names a
// field as the comparison view and the report do, in the user's language.
// A parameter without a definition gives empty texts.
namespace DefinitionLabels {

// Part `index` of the parameter's display name, counted from 0; a negative
// index counts from the last part (-1 the field's own name).
QString namePart(int parameterNo, int index);
// The label of the level that numbers the parameter's items ("Set %1"):
// the group level, else the element level; "%1" when neither numbers them.
QString itemFormat(int parameterNo);
// The unit behind the parameter's values with a leading blank (" mm");
// empty for none and for units that follow the joint kinds.
QString unitSuffix(int parameterNo);
// A label text by its id.
QString text(int labelId);

} // namespace DefinitionLabels

} // namespace Property
