#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include "parameter/parameter.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

class CheckBox;
class ComboBox;
class QFormLayout;
class SubMenuTable;
class TargetDeviceBox;

namespace Property {

// Base of the pages of 18 like sets that each watch joints of one target
// robot or device (joint ranges, custom speed): the set table with its
// Enabled boxes, the set's target, its three mode switches and its stop
// category. The pages' cells lie in no section of the store, so Apply and
// Cancel copy exactly the page's fields, never the whole image.
class SetPanel : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int SetCount = 18;

    // The parameter numbers of a page: the set's enable flag, target, mode
    // switches (teach, fast check, repeat) and stop category, and the field
    // of the joints it watches (a row per set, a column per joint).
    struct Numbers
    {
        int valid;
        int target;
        std::array<int, 3> modes;
        int category;
        int joints;
    };

    // others: the page's further fields, moved by Apply and Cancel too.
    SetPanel(Parameter* parameter, int scene, const Numbers& numbers,
             std::initializer_list<int> others, QWidget* parent = nullptr);
    ~SetPanel() override;

    void updateUI() override;
    bool requestClose() override;

public slots:
    void setCurrentSet(int set);
    void parameterRestore();
    void parameterSave();

protected:
    // A caption and an editor of the form.
    using Rows = std::vector<std::pair<QString, QWidget*>>;
    // The section of the sets: the set table over a form with the target,
    // the page's rows (made by rows for the section frame, their parent),
    // the modes and the category, all connected.
    void addSetSection(const QString& title,
                       const std::function<Rows(QWidget* section)>& rows = {});
    // Shows the page's own editors of the current set; enabled: the set is.
    virtual void showSet(bool enabled) = 0;
    // The set's target changed on the page or by a reload.
    virtual void targetShown() {}
    // The tool tip of a set's row: what its colour stands for where the
    // page cannot show it.
    virtual QString setToolTip(int set) const
    {
        Q_UNUSED(set)
        return QString();
    }
    // The stored target of a set.
    int targetOf(int set) const;

    const TargetDeviceBox& target() const { return *m_target; }
    // The stored value of a cell of the current set's row of a field.
    double setValue(const FieldBinding& field, int column) const;

    // A new master set starts at set 1; any change reloads the targets.
    void reset(Parameter::DataType type);

    int m_set = 0;

private:
    void chooseTarget(const QString& name);
    void showRowStates();
    bool changed() const;

    SubMenuTable* m_setTable = nullptr;
    std::unique_ptr<TargetDeviceBox> m_target;
    std::array<CheckBox*, 3> m_modes{};
    ComboBox* m_category = nullptr;

    FieldBinding m_validField;
    FieldBinding m_targetField;
    FieldBinding m_jointsField;
    // Modes and category of the current set.
    std::vector<FieldBinding> m_setFields;
    // Every field of the page.
    std::vector<FieldBinding> m_pageFields;
};

} // namespace Property
