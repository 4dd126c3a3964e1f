#include "comboboxitems.h"

#include <QComboBox>
#include <QListView>
#include <QStandardItemModel>

namespace ComboBoxItems {

const char* const checkedIconPath = ":/assets/image/combobox_checked_white.png";
const char* const uncheckedIconPath = ":/assets/image/combobox_unchecked.png";

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

} // namespace ComboBoxItems
