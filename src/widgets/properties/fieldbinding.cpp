#include "widgets/properties/fieldbinding.h"

#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <cstring>
#include <limits>

#include "parameter/choicetexts.h"
#include "parameter/parameter.h"
#include "parameter/parameterdefdb.h"
#include "parameter/valuevalidator.h"
#include "widgets/checkbox.h"
#include "widgets/combobox.h"
#include "widgets/comboboxitems.h"
#include "widgets/doublespinbox.h"
#include "widgets/editstate.h"
#include "widgets/spinbox.h"
#include "widgets/toggleswitch.h"
#include "widgets/widgetstylesheets.h"

namespace {

const FieldDef noField = {0, "", ValueType::I16, 0, 0, 0, 0, 0, ParamClass::User};

// Offset of a cell that lies wholly inside the image, or -1.
int cellBytes(const FieldDef& field, int row, int column)
{
    const int offset = ParameterLayout::cellOffset(field, row, column);
    const int size = ParameterLayout::valueSize(field.type);
    return offset >= 0 && offset + size <= ParameterImage::Size ? offset : -1;
}

bool isIndex(double value, int count)
{
    return value >= 0 && value < count && value == std::floor(value);
}

// Check state of a stored switch word.
Qt::CheckState checkState(double value)
{
    if (value == 0)
        return Qt::Unchecked;
    return value == 1 ? Qt::Checked : Qt::PartiallyChecked;
}

template <class Box> FieldBinding::Show showCheck(Box* box)
{
    return [box](double value, quint8 state) {
        const QSignalBlocker block(box);
        box->setTristate(checkState(value) == Qt::PartiallyChecked);
        box->setCheckState(checkState(value));
        box->setState(state);
    };
}

// The box's range widens to hold a stored value outside its limits and
// narrows back once the value lies inside them. A stored NaN reads "nan":
// the box holds a value one below its limits that stands for it, so any
// number the user enters, the lowest limit too, is a change.
template <class Box> FieldBinding::Show showRanged(Box* box)
{
    using Limit = decltype(box->minimum());
    const Limit lower = box->minimum();
    const Limit upper = box->maximum();
    return [box, lower, upper](double value, quint8 state) {
        const QSignalBlocker block(box);
        const bool number = !std::isnan(value);
        box->setSpecialValueText(number ? QString() : QStringLiteral("nan"));
        if (number) {
            box->setRange(value < lower ? Limit(value) : lower,
                          value > upper ? Limit(value) : upper);
            box->setValue(Limit(value));
        } else {
            box->setRange(lower - 1, upper);
            box->setValue(lower - 1);
        }
        box->setState(state);
    };
}

} // namespace

FieldBinding::FieldBinding(Parameter* store, int parameterNo, Show show)
    : m_store(store), m_field(&fieldOf(parameterNo)),
      m_lower(-std::numeric_limits<double>::infinity()),
      m_upper(std::numeric_limits<double>::infinity()), m_show(std::move(show))
{
    const ParamDefRecord* record = ParameterDefDB::instance()->findParamByNo(quint32(parameterNo));
    if (record && record->min <= record->max) {
        m_lower = record->min;
        m_upper = record->max;
    }
}

FieldBinding FieldBinding::combo(Parameter* store, int parameterNo, ComboBox* box)
{
    const int validCount = box->count();
    QStringList choices;
    for (int index = 0; index < validCount; ++index)
        choices << box->itemText(index);
    ChoiceTexts::registerTexts(parameterNo, choices);
    FieldBinding binding(store, parameterNo, [box, validCount](double value, quint8 state) {
        const QSignalBlocker block(box);
        while (box->count() > validCount)
            box->removeItem(box->count() - 1);
        if (isIndex(value, validCount)) {
            box->setCurrentIndex(int(value));
        } else {
            box->addItem(QString::number(value, 'g', 7));
            ComboBoxItems::setEnabled(box, validCount, false);
            box->setCurrentIndex(validCount);
        }
        box->setState(state);
    });
    binding.m_editor = box;
    return binding;
}

FieldBinding FieldBinding::spin(Parameter* store, int parameterNo, SpinBox* box)
{
    FieldBinding binding(store, parameterNo, showRanged(box));
    binding.m_held = [box] { return double(box->value()); };
    binding.m_editor = box;
    return binding;
}

FieldBinding FieldBinding::doubleSpin(Parameter* store, int parameterNo, DoubleSpinBox* box)
{
    FieldBinding binding(store, parameterNo, showRanged(box));
    binding.m_held = [box] { return box->value(); };
    binding.m_editor = box;
    return binding;
}

FieldBinding FieldBinding::check(Parameter* store, int parameterNo, CheckBox* box)
{
    FieldBinding binding(store, parameterNo, showCheck(box));
    binding.m_editor = box;
    return binding;
}

FieldBinding FieldBinding::toggle(Parameter* store, int parameterNo, ToggleSwitch* box)
{
    FieldBinding binding(store, parameterNo, showCheck(box));
    binding.m_editor = box;
    return binding;
}

void FieldBinding::markLimits(QWidget& editor, bool outside) const
{
    // The editor's own tip (its range, say) is kept and put back.
    const char* const ownTip = "toolTipWithinLimits";
    if (!editor.property(ownTip).isValid())
        editor.setProperty(ownTip, editor.toolTip());
    QString tip = editor.property(ownTip).toString();
    if (outside) {
        const QString finding = findingTip(m_store, *m_field, m_row, m_column);
        tip = tip.isEmpty() ? finding : finding + QLatin1Char('\n') + tip;
    }
    editor.setToolTip(tip);
    editor.setProperty("boundCell",
                       QStringLiteral("%1/%2/%3").arg(m_field->no).arg(m_row).arg(m_column));
}

void FieldBinding::setCell(int row, int column)
{
    m_row = row;
    m_column = column;
}

double FieldBinding::editValue() const
{
    return value(m_store->editImage(), *m_field, m_row, m_column);
}

bool FieldBinding::isChanged() const
{
    return differs(m_store->editImage(), m_store->appliedImage(), *m_field, m_row, m_column);
}

quint8 FieldBinding::state() const
{
    return cellState(m_store, *m_field, m_row, m_column);
}

void FieldBinding::fill() const
{
    const quint8 shown = state();
    if (m_show)
        m_show(editValue(), shown);
    if (m_editor)
        markLimits(*m_editor, shown == EditState::OutOfLimits);
    if (m_held)
        m_synced = {m_row, m_column, m_held()};
}

void FieldBinding::unmark() const
{
    if (!m_editor)
        return;
    markLimits(*m_editor, false);
    m_editor->setProperty("boundCell", QVariant());
}

bool FieldBinding::write(double value) const
{
    if (std::isnan(value) && m_field->type != ValueType::F32)
        return false;
    // The editor's value signals also come when nothing was edited (Return,
    // a focus change, a range change): the value the editor already held
    // for this cell is no edit, and writing it would clamp an odd stored
    // value into the limits.
    if (m_held && m_synced.row == m_row && m_synced.column == m_column && m_synced.value == value)
        return true;
    if (m_held)
        m_synced = {m_row, m_column, value};
    value = qBound(m_lower, value, m_upper);
    ParameterImage& image = m_store->editImage();
    switch (m_field->type) {
    case ValueType::I16:
        return image.setI16(*m_field, m_row, m_column, qint16(std::lround(value)));
    case ValueType::U16:
        return image.setU16(*m_field, m_row, m_column, quint16(std::lround(value)));
    case ValueType::I32:
        return image.setI32(*m_field, m_row, m_column, qint32(std::llround(value)));
    case ValueType::U32:
        return image.setU32(*m_field, m_row, m_column, quint32(std::llround(value)));
    case ValueType::F32:
        return image.setF32(*m_field, m_row, m_column, float(value));
    case ValueType::Text:
        break;
    }
    return false;
}

void FieldBinding::revert() const
{
    const int offset = cellBytes(*m_field, m_row, m_column);
    if (offset >= 0)
        std::copy_n(m_store->appliedImage().data() + offset,
                    ParameterLayout::valueSize(m_field->type),
                    m_store->editImage().data() + offset);
}

bool FieldBinding::writeWithCostCheck(int value, QWidget* parent) const
{
    const int offset = cellBytes(*m_field, m_row, m_column);
    if (offset < 0 || ParameterLayout::valueSize(m_field->type) != int(sizeof(quint16)) ||
        value < 0 || value > 0xffff)
        return false;
    // The images are aligned members and 16-bit cells lie at even offsets.
    auto* cell = reinterpret_cast<quint16*>(m_store->editImage().data() + offset);
    // Only a change that raises the cost meets the check; one that keeps or
    // lowers it is always taken, so that a set loaded over the budget can
    // be brought back within it.
    const quint16 old = *cell;
    m_store->calculateCost();
    const int before = m_store->cost();
    *cell = quint16(value);
    m_store->calculateCost();
    const bool raises = m_store->cost() > before;
    *cell = old;
    if (raises)
        return setWithCostCheck(m_store, cell, quint16(value), parent);
    *cell = quint16(value);
    m_store->calculateCost();
    return true;
}

bool FieldBinding::copyCell(const FieldDef& field, int fromRow, int fromColumn) const
{
    const int from = cellBytes(field, fromRow, fromColumn);
    const int to = cellBytes(*m_field, m_row, m_column);
    if (from < 0 || to < 0 || field.type != m_field->type)
        return false;
    unsigned char* data = m_store->editImage().data();
    std::memmove(data + to, data + from, std::size_t(ParameterLayout::valueSize(m_field->type)));
    return true;
}

namespace {
void copyField(const ParameterImage& from, ParameterImage& to, const FieldDef& field)
{
    const int size = ParameterLayout::valueSize(field.type);
    for (int row = 0; row < field.rows; ++row)
        for (int column = 0; column < field.columns; ++column) {
            const int offset = cellBytes(field, row, column);
            if (offset >= 0)
                std::copy_n(from.data() + offset, size, to.data() + offset);
        }
}
} // namespace

void FieldBinding::applyField(Parameter* store, const FieldDef& field)
{
    copyField(store->editImage(), store->appliedImage(), field);
    store->unkeptTexts().forgetChanged(store->appliedImage());
}

void FieldBinding::revertField(Parameter* store, const FieldDef& field)
{
    copyField(store->appliedImage(), store->editImage(), field);
}

// Edit states, Apply and leaving compare the stored bytes, floats too, not
// the values: a stored NaN equals itself, so it does not keep Apply enabled
// for ever, and -0 against 0 or another NaN pattern still counts as a change
// that would be written.
bool FieldBinding::differs(const ParameterImage& a, const ParameterImage& b, const FieldDef& field,
                           int row, int column)
{
    const int offset = cellBytes(field, row, column);
    return offset >= 0 && std::memcmp(a.data() + offset, b.data() + offset,
                                      std::size_t(ParameterLayout::valueSize(field.type))) != 0;
}

double FieldBinding::value(const ParameterImage& image, const FieldDef& field, int row, int column)
{
    switch (field.type) {
    case ValueType::I16:
        return image.i16(field, row, column);
    case ValueType::U16:
        return image.u16(field, row, column);
    case ValueType::I32:
        return image.i32(field, row, column);
    case ValueType::U32:
        return image.u32(field, row, column);
    case ValueType::F32:
        return double(image.f32(field, row, column));
    case ValueType::Text:
        break;
    }
    return 0;
}

quint8 FieldBinding::cellState(const Parameter* store, const FieldDef& field, int row, int column)
{
    if (ValueValidator::isOutside(store->editImage(), field, row, column))
        return EditState::OutOfLimits;
    if (differs(store->editImage(), store->appliedImage(), field, row, column))
        return 1;
    return differs(store->appliedImage(), store->masterImage(), field, row, column) ? 2 : 0;
}

QString FieldBinding::findingTip(const Parameter* store, const FieldDef& field, int row, int column)
{
    return findingTip(store->editImage(), field, row, column);
}

QString FieldBinding::findingTip(const ParameterImage& image, const FieldDef& field, int row,
                                 int column)
{
    QStringList lines;
    const QString text = ValueValidator::unkeptText(image, field, row, column);
    if (!text.isNull())
        lines << QCoreApplication::translate("FieldBinding", "file: %1")
                     .arg(UnkeptTexts::shown(text));
    double lower = 0;
    double upper = 0;
    if (ValueValidator::isOutsideLimits(image, field, row, column) &&
        ValueValidator::limitsOf(field.no, &lower, &upper))
        lines << QCoreApplication::translate("FieldBinding", "Outside its limits %1 to %2")
                     .arg(LimitEntry::limitText(lower, field.type),
                          LimitEntry::limitText(upper, field.type));
    return lines.join(QLatin1Char('\n'));
}

void FieldBinding::markShown(QLabel* label, const ParameterImage& image, const FieldDef& field)
{
    const bool listed = ValueValidator::isOutside(image, field, 0, 0);
    EditState::apply(label, listed ? EditState::objectName(EditState::OutOfLimits) : QString(),
                     WidgetStyleSheets::label);
    label->setToolTip(listed ? findingTip(image, field, 0, 0) : QString());
}

QString FieldBinding::listedValue(const ParameterImage& image, const FieldDef& field, int row,
                                  int column)
{
    const QString text = QString::number(value(image, field, row, column), 'g', 7);
    const QString file = ValueValidator::unkeptText(image, field, row, column);
    return file.isNull() ? text : LimitEntry::withFileText(text, file);
}

QString FieldBinding::findingsNote(const QString& title, const QStringList& lines)
{
    return lines.isEmpty() ? QString() : title + QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}

quint8 FieldBinding::mergeStates(quint8 a, quint8 b)
{
    if (a == EditState::OutOfLimits || b == EditState::OutOfLimits)
        return EditState::OutOfLimits;
    if (a == 1 || b == 1)
        return 1;
    return a == 2 || b == 2 ? 2 : 0;
}

bool FieldBinding::anyChanged(std::initializer_list<const FieldBinding*> fields)
{
    for (const FieldBinding* binding : fields) {
        const FieldDef& field = *binding->m_field;
        const Parameter* store = binding->m_store;
        for (int row = 0; row < field.rows; ++row)
            for (int column = 0; column < field.columns; ++column)
                if (differs(store->editImage(), store->appliedImage(), field, row, column))
                    return true;
    }
    return false;
}

bool FieldBinding::anyChanged(const std::vector<FieldBinding>& fields)
{
    for (const FieldBinding& field : fields)
        if (anyChanged({&field}))
            return true;
    return false;
}

const FieldDef& FieldBinding::fieldOf(int parameterNo)
{
    const FieldDef* field = ParameterLayout::findByNo(parameterNo);
    return field ? *field : noField;
}
