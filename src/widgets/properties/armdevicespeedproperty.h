#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include "parameter/parameter.h"

#include <QVector>

#include <vector>

class ButtonSuccess;
class ComboBox;
class CoordinateChoice;
class PointEditors;
class SubMenuTable;

namespace Property {

// Panel of the speed monitoring points on the arm and devices (scene 26):
// 20 points of the maker, shown read-only, and 20 of the user, each a
// position in one of the robot's coordinate systems. The page's cells lie
// in no section of the store, so Apply and Cancel move the user points only.
class ArmSpeed : public PropertyWidget
{
    Q_OBJECT

public:
    static constexpr int SetCount = 2; // 0 maker, 1 user
    static constexpr int PointCount = 20;

    explicit ArmSpeed(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;

public slots:
    void setCurrentIndex(int index);
    void parameterLoad();
    void parameterRestore();
    void parameterSave();
    // Picks the current user point's coordinate system through its axis.
    void coordinateNoSettingClicked();
    void setPoint(int axis, double value);
    // X, Y and Z of the current user point, as the boxes give them.
    void setPoint0(double value);
    void setPoint1(double value);
    void setPoint2(double value);
    void copy();
    void paste();
    void updateUI() override;
    bool requestClose() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reset(Parameter::DataType type);
    void switchSet(int set);
    void chooseCoordinate(int number);
    void writeCoordinate(int number);
    void showRows();
    void showDisplayFlags();
    void selectCurrent();
    int coordinateOf(int set, int point) const;
    bool canPaste() const;
    bool changed() const;
    // Coordinate number, X, Y, Z of a set.
    std::vector<FieldBinding>& fields(int set) { return set == 0 ? m_makerFields : m_userFields; }

    ComboBox* m_setBox = nullptr;
    SubMenuTable* m_table = nullptr;
    CoordinateChoice* m_coordinates = nullptr;
    PointEditors* m_point = nullptr;
    ButtonSuccess* m_copy = nullptr;
    ButtonSuccess* m_paste = nullptr;

    int m_set = 0;
    int m_pointIndex = 0;
    int m_copySet = -1;
    int m_copyPoint = -1;
    bool m_visible[SetCount][PointCount] = {};

    std::vector<FieldBinding> m_makerFields;
    std::vector<FieldBinding> m_userFields;
};

} // namespace Property
