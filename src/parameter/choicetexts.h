#pragma once

#include <QString>
#include <QStringList>

// The texts that the pages show for stored choices, by parameter number, so
// that a list of changes names a choice as its page does ("AND (was THRU)"
// rather than "2 (was 1)"). A page registers the texts of each choice box
// as it builds it; the logic table's operation types are named by the
// signal dictionary.
class ChoiceTexts
{
public:
    // texts[i] names the stored value i.
    static void registerTexts(int parameterNo, const QStringList& texts);
    // The text of a stored value; empty where the parameter has no choice
    // texts or the value is none of its choices.
    static QString text(int parameterNo, qint64 value);
    // A value text as shown in a list of changes: the choice's text where
    // the number names one, the text as it is otherwise.
    static QString shown(int parameterNo, const QString& valueText);
};
