#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include "parameter/parameter.h"

#include <deque>

class CheckBox;
class ComboBox;
class DoubleSpinBox;
class QFormLayout;
class SpinBox;

namespace Property {

class StopItems;

// Base of the panels whose cells are exactly their scene's section of the
// store. Each editor is bound to one cell; a refresh fills them all from
// the edit image. A user's edit is written at once (a number box leaves
// its text alone while the user types; the page follows when it loses the
// focus). Apply copies the section into the applied image and stamps the
// monitor update time; leaving with unapplied edits asks and copies the
// section back.
class SectionPanel : public PropertyWidget
{
    Q_OBJECT

public:
    SectionPanel(Parameter* parameter, int scene, QWidget* parent = nullptr);

    // A form for a section, labels right-aligned.
    static QFormLayout* newForm(QWidget* section);

    void updateUI() override;
    bool requestClose() override;

protected:
    // Binds an editor to cell (0, 0) of a parameter; a page moves the
    // binding to other cells with setCell. The reference stays valid.
    FieldBinding& bind(int parameterNo, ComboBox* box);
    FieldBinding& bind(int parameterNo, CheckBox* box);
    FieldBinding& bind(int parameterNo, SpinBox* box);
    FieldBinding& bind(int parameterNo, DoubleSpinBox* box);
    // The page's item list, in a section of its own: refreshed and reloaded
    // with the page, its edits count as the page's.
    void addItemSection(const QString& title, StopItems* items);
    // Shows a robot part value that the page never writes.
    FieldBinding& bindReadOnly(int parameterNo, DoubleSpinBox* box);
    // The Apply/Cancel bar, the tab order and the connections of every such
    // page, then the first load.
    void finishInitialize(QWidget* lastEditor);

    // What the page shows beyond its bound editors, inside a refresh.
    virtual void showValues() {}
    // Whether the page holds unapplied edits; the base asks every field it
    // binds, whole.
    virtual bool changed() const;
    // A new set was loaded (MasterData), or a page applied or cancelled.
    virtual void parameterLoad(Parameter::DataType type);
    // The edit image's value in a parameter's first cell.
    double editValue(int parameterNo) const;
    // The user's value into a bound cell, then the page follows.
    void edit(const FieldBinding& field, double value);

private:
    void save();

    std::deque<FieldBinding> m_fields;
    StopItems* m_items = nullptr;
};

} // namespace Property
