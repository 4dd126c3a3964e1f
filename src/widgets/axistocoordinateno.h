#pragma once

#include <QDialog>
#include <QVector>

class ButtonPrimary;
class ButtonSecondary;
class DiffComboBox;

// Modal dialog that picks the coordinate system number of an arm speed
// monitoring point: first a robot joint, then one of the coordinate systems
// that belong to it in the edit image's kinematic description. The choice is
// read from axisNo and coordinateNo after accepted().
class AxisToCoordinateNo : public QDialog
{
    Q_OBJECT

public:
    explicit AxisToCoordinateNo(quint32 coordinateNo, QWidget* parent = nullptr);

    DiffComboBox* axisComboBox() const { return m_axisComboBox; }
    DiffComboBox* coordinateComboBox() const { return m_coordinateComboBox; }
    ButtonPrimary* okButton() const { return m_okButton; }
    ButtonSecondary* cancelButton() const { return m_cancelButton; }

    void updateCoordinateList();

    // The result: 0 where "Invalid" is chosen.
    quint32 axisNo = 0;
    quint32 coordinateNo = 0;

signals:
    // Emitted by the OK and Cancel buttons only, before the dialog closes;
    // closing the window rejects it without rejected().
    void accepted();
    void rejected();

public slots:
    void updateUI();

private:
    DiffComboBox* m_axisComboBox = nullptr;
    DiffComboBox* m_coordinateComboBox = nullptr;
    ButtonPrimary* m_okButton = nullptr;
    ButtonSecondary* m_cancelButton = nullptr;
    QVector<quint8> m_jointNumbers;
};
