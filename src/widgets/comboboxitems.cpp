#include "comboboxitems.h"

#include <QComboBox>
#include <QIcon>
#include <QListView>
#include <QStandardItemModel>

namespace ComboBoxItems {

void setEnabled(QComboBox* comboBox, int index, bool enabled)
{
    auto* model = qobject_cast<QStandardItemModel*>(comboBox->model());
    if (!model)
        return;
    if (QStandardItem* item = model->item(index, 0))
        item->setEnabled(enabled);
}

void setHidden(QComboBox* comboBox, int index, bool hidden)
{
    if (auto* view = qobject_cast<QListView*>(comboBox->view()))
        view->setRowHidden(index, hidden);
}

void setCheckIcon(QComboBox* comboBox, int index, bool checked)
{
    // Made on first use (they need the application object) and kept for the
    // whole process.
    static const QIcon* const checkedIcon =
        new QIcon(QStringLiteral(":/assets/image/combobox_checked_white.png"));
    static const QIcon* const uncheckedIcon =
        new QIcon(QStringLiteral(":/assets/image/combobox_unchecked.png"));
    comboBox->setItemIcon(index, checked ? *checkedIcon : *uncheckedIcon);
    comboBox->setIconSize(QSize(12, 12));
}

} // namespace ComboBoxItems
