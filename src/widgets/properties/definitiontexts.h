#pragma once

#include <QString>

// What the panels take from the built-in parameter definitions: editor
// limits and the catalogue's label texts, which are translated already.
namespace DefinitionTexts {

// The parameter's limits; lower and upper stay as given when the number is
// not defined.
void limitsOf(int parameterNo, double* lower, double* upper);
// The last part of the parameter's display name ("Speed Limit"), or the
// fallback when the number is not defined.
QString labelOf(int parameterNo, const QString& fallback = QString());
// A label text by its id, placeholders as they are ("Joint %1").
QString text(int labelId);

} // namespace DefinitionTexts
