#pragma once

#include "parameter/parameterimage.h"
#include "parameter/parametertexttable.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// The texts of a parameter file that the set read from it did not keep: an
// integer its field cannot hold ("65538" in a 16-bit field stores 2), a
// float text that is not a number ("abc", "0x10", "" and "1.#INF" store 0)
// or a text longer than its field's 31 bytes.
// The stored value looks ordinary, so the file's text is what tells the user.
//
// Each text is noted by its cell's byte offset together with the bytes it
// became. It concerns an image only while the image's cell still holds those
// bytes: an edit of the cell takes it out of sight (and Cancel brings it
// back), and forgetChanged() drops it once another value is applied.
class UnkeptTexts
{
public:
    // Whether the text stands for the value the image holds for the cell,
    // the image having stored the text (IO::Decoder::storeCell). Cells
    // outside the image keep every text.
    static bool isKept(const ParameterImage& image, const FieldDef& field, int row, int column,
                       const QString& text);

    // After the image stored the text of a cell: notes the text when the
    // image did not keep it, and forgets an earlier note of the cell when it
    // did.
    void note(const ParameterImage& image, const FieldDef& field, int row, int column,
              const QString& text);
    // Every text of the table that the image holds what it became of and did
    // not keep: for an image decoded from that table.
    static UnkeptTexts ofTable(const ParameterImage& image, const ParameterTextTable& table);

    // The file's text for the cell at offset while the image still holds what
    // it became; a null string otherwise.
    QString textAt(const ParameterImage& image, int offset) const;
    // Offsets of the noted cells, ascending.
    QList<int> offsets() const { return m_notes.keys(); }
    bool isEmpty() const { return m_notes.isEmpty(); }
    int size() const { return m_notes.size(); }
    void clear() { m_notes.clear(); }

    // Drops every note whose cell the image no longer holds: the value was
    // edited and applied.
    void forgetChanged(const ParameterImage& image);
    // A read that stored the cells marked by non-zero bytes of taken brings
    // its own notes for them; the notes of the other cells stay.
    void takeCells(const UnkeptTexts& read, const ParameterImage& taken);

    // A file text as a tool tip or a list shows it: escaped and cut as
    // DisplayText::shown() does (around the character at index around), an
    // empty one quoted.
    static QString shown(const QString& text, int around = 0);

private:
    struct Note
    {
        QString text;
        QByteArray bytes; // what the image stored for it
    };
    QMap<int, Note> m_notes;
};
