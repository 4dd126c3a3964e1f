#pragma once

#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <initializer_list>
#include <vector>

class CheckBox;
class ComboBox;
class DoubleSpinBox;
class Parameter;
class ParameterImage;
class QAbstractButton;
class QLabel;
class SpinBox;
class ToggleSwitch;
class QWidget;
struct FieldDef;

// One editor bound to one cell (row, column) of a parameter image field.
//
// fill() shows the edit image's value in the editor with its edit state and
// never writes: the editor's signals are blocked while it is filled, and a
// stored value the editor cannot hold (a combo index past its items, a
// number outside the spin box's limits, a switch word other than 0 and 1)
// is shown as it is instead of being corrected. write() is for user edits
// only: it clamps the value to the parameter's limits and stores it into
// the edit image through the bounds-checked accessors, so a bad cell writes
// nothing. For the spin boxes, write() takes only a value that differs from
// the one the box held after the last fill or write of the cell: a value
// signal that repeats it is not an edit.
//
// A panel keeps one binding per editor, points per-item bindings at the
// current item with setCell(), and asks the static helpers about whole
// fields (Apply/Cancel enabling, row colours).
class FieldBinding
{
public:
    // Shows a value (NaN never arrives as a valid number) and an edit state.
    using Show = std::function<void(double value, quint8 state)>;

    // A field that is not in the layout binds to nothing: it reads 0 and
    // writes nothing.
    FieldBinding(Parameter* store, int parameterNo, Show show = Show());

    // Index = value; other values appear as an extra, disabled entry with
    // the number as its text.
    static FieldBinding combo(Parameter* store, int parameterNo, ComboBox* box);
    // The box's range widens to show a stored value outside it.
    static FieldBinding spin(Parameter* store, int parameterNo, SpinBox* box);
    static FieldBinding doubleSpin(Parameter* store, int parameterNo, DoubleSpinBox* box);
    // Checked for 1, unchecked for 0, partly checked for any other value.
    static FieldBinding check(Parameter* store, int parameterNo, CheckBox* box);
    static FieldBinding toggle(Parameter* store, int parameterNo, ToggleSwitch* box);

    void setCell(int row, int column);
    int row() const { return m_row; }
    int column() const { return m_column; }
    const FieldDef& field() const { return *m_field; }

    double editValue() const;
    // Edit differs from applied in the bound cell.
    bool isChanged() const;
    quint8 state() const;
    void fill() const;
    // For an editor that is left showing no cell: its own tool tip again
    // and no cell named.
    void unmark() const;
    // Returns false when nothing could be stored.
    bool write(double value) const;
    // The same for another cell, which becomes the bound one.
    bool writeCell(int row, int column, double value)
    {
        setCell(row, column);
        return write(value);
    }
    // The applied value back into the edit image, for this cell only.
    void revert() const;
    // A 16-bit switch or kind that weighs on the area model cost: a change
    // that raises the cost is stored only while the cost stays within the
    // budget; otherwise the user is told on parent and the cell keeps its
    // value. Returns whether the cell holds the value afterwards.
    bool writeWithCostCheck(int value, QWidget* parent) const;
    // Copies into the bound cell the stored bytes of a cell of the same
    // field or of another field of the same value type.
    bool copyCell(const FieldDef& from, int fromRow, int fromColumn) const;

    // Whole-field and cell questions, for tables and the Apply/Cancel bar.
    static double value(const ParameterImage& image, const FieldDef& field, int row, int column);
    // The cell's bytes differ between two images. Stored bytes, not numbers,
    // are compared, so a stored NaN equals itself and a loaded set never
    // shows as edited.
    static bool differs(const ParameterImage& a, const ParameterImage& b, const FieldDef& field,
                        int row, int column);
    // EditState::OutOfLimits when the edit value lies outside its limits,
    // else 1 edit differs from applied, else 2 applied differs from master,
    // else 0.
    static quint8 cellState(const Parameter* store, const FieldDef& field, int row, int column);
    // Why the edit image's cell is marked, for a tool tip: the file's text
    // that the set did not keep ("file: 65538") and the limits it lies
    // outside of, a line each; empty when the cell is not marked.
    static QString findingTip(const Parameter* store, const FieldDef& field, int row, int column);
    // The same for a cell of another image of the held set (the logic
    // editor's working copy).
    static QString findingTip(const ParameterImage& image, const FieldDef& field, int row,
                              int column);
    // A read-only label that shows a one-cell field of the image (a version,
    // an update time): red, with the finding's tip, where the validator
    // lists the cell.
    static void markShown(QLabel* label, const ParameterImage& image, const FieldDef& field);
    // A listed cell's value for a list of findings: the number, and the
    // file's text where the set did not keep it ("0 (file: 65536)").
    static QString listedValue(const ParameterImage& image, const FieldDef& field, int row,
                               int column);
    // A note of listed findings under its title; empty when there are none.
    static QString findingsNote(const QString& title, const QStringList& lines);
    // Outside the limits wins over changed (1), changed over updated (2),
    // updated over equal (0).
    static quint8 mergeStates(quint8 a, quint8 b);
    // Any cell of any of the fields differs between the edit and the applied
    // image: whether a page has unapplied edits.
    static bool anyChanged(std::initializer_list<const FieldBinding*> fields);
    static bool anyChanged(const std::vector<FieldBinding>& fields);
    // Whole-field copies between the edit and the applied image, for the
    // pages whose cells lie in no section of the store.
    static void applyField(Parameter* store, const FieldDef& field);
    static void revertField(Parameter* store, const FieldDef& field);
    // The layout's field of a parameter number; an empty shape when absent.
    static const FieldDef& fieldOf(int parameterNo);

private:
    Parameter* m_store;
    const FieldDef* m_field;
    int m_row = 0;
    int m_column = 0;
    double m_lower;
    double m_upper;
    Show m_show;
    // The editor of the made bindings: fill() gives it the tool tip that names
    // the limits while its value lies outside them, and the property
    // "boundCell" ("number/row/column") that names the cell it shows.
    QWidget* m_editor = nullptr;
    void markLimits(QWidget& editor, bool outside) const;
    // The value the bound box holds, for the boxes whose value signals can
    // repeat it without an edit; and the value it held for which cell after
    // the last fill or write.
    std::function<double()> m_held;
    struct Synced
    {
        int row = -1;
        int column = -1;
        double value = 0;
    };
    mutable Synced m_synced;
};
