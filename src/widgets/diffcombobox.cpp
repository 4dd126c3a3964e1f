#include "diffcombobox.h"

#include "comboboxitems.h"
#include "polishstyle.h"
#include "wheelguard.h"
#include "widgetstylesheets.h"

#include <QKeyEvent>

DiffComboBox::DiffComboBox(QWidget* parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::TabFocus);
    PolishStyle::set(this, WidgetStyleSheets::diffComboBox);
}

void DiffComboBox::setItemEnabled(int index, bool enabled)
{
    ComboBoxItems::setEnabled(this, index, enabled);
}

void DiffComboBox::setItemHidden(int index, bool hidden)
{
    ComboBoxItems::setHidden(this, index, hidden);
}

void DiffComboBox::checkedDisable(int index, bool ComboCeck)
{
    ComboBoxItems::setCheckIcon(this, index, ComboCeck);
}

void DiffComboBox::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
    if (plain && event->key() == Qt::Key_Up) {
        focusPreviousChild();
        return;
    }
    if (plain && event->key() == Qt::Key_Down) {
        focusNextChild();
        return;
    }
    QComboBox::keyPressEvent(event);
}

void DiffComboBox::wheelEvent(QWheelEvent* event)
{
    if (WheelGuard::takes(this, event))
        QComboBox::wheelEvent(event);
}
