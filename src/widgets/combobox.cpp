#include "combobox.h"

#include "comboboxitems.h"
#include "editstate.h"
#include "widgetstylesheets.h"

#include <QIcon>

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setStyleSheet(WidgetStyleSheets::comboBox);
}

void ComboBox::setState(quint8 state)
{
    setObjectName(EditState::comboObjectName(state));
    setStyleSheet(WidgetStyleSheets::comboBox);
}

void ComboBox::setItemCheckIcon(int index, bool checked)
{
    // Made on first use (they need the application object) and kept for the
    // whole process.
    static const QIcon* const checkedIcon =
        new QIcon(QString::fromLatin1(ComboBoxItems::checkedIconPath));
    static const QIcon* const uncheckedIcon =
        new QIcon(QString::fromLatin1(ComboBoxItems::uncheckedIconPath));
    setItemIcon(index, checked ? *checkedIcon : *uncheckedIcon);
    setIconSize(QSize(12, 12));
}

void ComboBox::setItemEnabled(int index, bool enabled)
{
    ComboBoxItems::setEnabled(this, index, enabled);
}

void ComboBox::setItemHidden(int index, bool hidden)
{
    ComboBoxItems::setHidden(this, index, hidden);
}
