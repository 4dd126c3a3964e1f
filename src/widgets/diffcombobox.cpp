#include "diffcombobox.h"

#include "comboboxitems.h"
#include "widgetstylesheets.h"

#include <QIcon>
#include <QKeyEvent>

DiffComboBox::DiffComboBox(QWidget* parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setStyleSheet(WidgetStyleSheets::diffComboBox);
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
    const QIcon icon(QString::fromLatin1(ComboCeck ? ComboBoxItems::checkedIconPath
                                                   : ComboBoxItems::uncheckedIconPath));
    setItemIcon(index, icon);
    setIconSize(QSize(12, 12));
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
