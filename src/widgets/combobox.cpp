#include "combobox.h"

#include "comboboxitems.h"
#include "editstate.h"
#include "polishstyle.h"
#include "wheelguard.h"
#include "widgetstylesheets.h"

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    PolishStyle::set(this, WidgetStyleSheets::comboBox);
    WheelGuard::install(this);
}

void ComboBox::setState(quint8 state)
{
    EditState::apply(this, EditState::comboObjectName(state), WidgetStyleSheets::comboBox);
}

void ComboBox::setItemCheckIcon(int index, bool checked)
{
    ComboBoxItems::setCheckIcon(this, index, checked);
}

void ComboBox::setItemEnabled(int index, bool enabled)
{
    ComboBoxItems::setEnabled(this, index, enabled);
}

void ComboBox::setItemHidden(int index, bool hidden)
{
    ComboBoxItems::setHidden(this, index, hidden);
}

void ComboBox::wheelEvent(QWheelEvent* event)
{
    if (WheelGuard::takes(this, event))
        QComboBox::wheelEvent(event);
}
