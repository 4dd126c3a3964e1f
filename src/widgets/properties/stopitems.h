#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/targetdevicebox.h"

#include <QWidget>

#include <deque>
#include <vector>

class CheckBox;
class ComboBox;
class Parameter;
class SubMenuTable;

namespace Property {

// The 18 items of a stop page: a table with each item's Enabled box and,
// for the current item, its mode switches (where the page has them), its
// stop category and its target robot or device. Editors of a disabled item
// are disabled. Edits go to the edit image at once; edited() asks the page
// to refresh its marks and its Apply/Cancel bar.
class StopItems : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ItemCount = 18;

    // Parameter numbers of the item fields.
    struct Fields
    {
        int valid;
        std::vector<int> modes;
        int category;
        int target;
    };

    StopItems(Parameter* store, const Fields& fields, QWidget* parent = nullptr);

    // The choices the stop categories have names for; other stored values
    // show as they are.
    static ComboBox* newCategoryBox(QWidget* parent);

    // Lists the devices again; after a new set (newSet) the first item
    // becomes current. The caller refreshes.
    void reload(bool newSet);
    void refresh();
    bool changed() const;
    int currentIndex() const { return m_current; }
    QWidget* lastEditor() const;

signals:
    void edited();

private:
    void select(int item);
    void setItemEnabled(int state, int item);
    void write(FieldBinding& field, int value);
    void chooseTarget(const QString& name);
    std::vector<FieldBinding*> itemFields();

    Parameter* m_store;
    SubMenuTable* m_table = nullptr;
    std::vector<CheckBox*> m_modeBoxes;
    ComboBox* m_category = nullptr;
    ComboBox* m_target = nullptr;
    TargetDeviceBox m_targets;

    FieldBinding m_validField;
    std::deque<FieldBinding> m_modeFields;
    FieldBinding m_categoryField;
    FieldBinding m_targetField;
    int m_current = 0;
    bool m_updating = false;
};

} // namespace Property
