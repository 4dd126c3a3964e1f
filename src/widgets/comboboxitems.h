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
// Gives item index the checked or unchecked mark and the 12 x 12 icon size;
// the two icons are made once and shared by every combo box.
void setCheckIcon(QComboBox* comboBox, int index, bool checked);
} // namespace ComboBoxItems
