#pragma once

class QComboBox;

// Item switches shared by the styled combo boxes.
namespace ComboBoxItems {
// Enables or disables item index; nothing happens unless the model is a
// QStandardItemModel with such an item.
void setEnabled(QComboBox* comboBox, int index, bool enabled);
// Hides or shows row index of the popup; nothing happens unless the view is a
// QListView.
void setHidden(QComboBox* comboBox, int index, bool hidden);

extern const char* const checkedIconPath;
extern const char* const uncheckedIconPath;
} // namespace ComboBoxItems
