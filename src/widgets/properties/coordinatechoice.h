#pragma once

#include <QObject>
#include <QVector>

class ComboBox;
class Parameter;
class QWidget;

// The two lists through which a point picks its coordinate system: the
// joint (axis) and, among the systems on that joint, the system number.
// Showing a stored number never writes; a user's pick is announced with
// chosen(number), 0 for "Invalid".
class CoordinateChoice : public QObject
{
    Q_OBJECT

public:
    // The two lists are made inside boxParent, the section they stay in.
    CoordinateChoice(Parameter* store, QWidget* boxParent, QObject* parent = nullptr);

    ComboBox* axisBox() const { return m_axis; }
    ComboBox* coordinateBox() const { return m_coordinate; }

    // The joints that carry at least one coordinate system of the edit image.
    void rebuildAxisList();
    // The axis of the stored system, then its list with the number selected;
    // a number outside 1..50 or of a system on no listed joint shows the
    // axis as "Invalid" and the number as it is.
    void show(int stored, bool editable, quint8 state);

signals:
    void chosen(int number);

private:
    void chooseAxis(int index);
    void chooseCoordinate(int index);
    void fillCoordinates(int axis, int stored);

    Parameter* m_store;
    ComboBox* m_axis;
    ComboBox* m_coordinate;
    QVector<quint8> m_axes;
    int m_stored = 0;
    bool m_filling = false;
};
