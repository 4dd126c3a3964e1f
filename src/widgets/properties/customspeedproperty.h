#pragma once

#include "widgets/properties/setpanel.h"

#include <QPointer>
#include <QVector>

#include <vector>

class ButtonSuccess;
class CheckBox;
class ComboBox;
class DoubleSpinBox;
class QLabel;
class SpeedPointDialog;

namespace Property {

// Panel of the custom speed monitoring (scene 29): 18 sets, each limiting
// the speed of chosen joints of one target robot or device or of chosen
// speed monitoring points, picked in the point dialog. While the page is
// shown, the 3D view draws the points that the current set watches.
class CustomSpeed : public SetPanel
{
    Q_OBJECT

public:
    explicit CustomSpeed(Parameter* parameter, QWidget* parent = nullptr);
    ~CustomSpeed() override;

    void initialize() override;

public slots:
    // Opens the point dialog of the current set (window-modal, returns at once).
    void openPointDialog();

protected:
    void showSet(bool enabled) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Rows buildSetRows(QWidget* section);
    // The stored words of the current set.
    QVector<quint32> words(int parameterNo, int count) const;
    // Flags the watched points for the 3D view.
    void showPoints(const QVector<quint32>& arm, const QVector<quint32>& tools, int tool);
    QString limitUnit() const;
    // Tool tip of the points button; empty when no word lies outside its limits.
    QString pointFindings() const;

    ComboBox* m_kind = nullptr;
    DoubleSpinBox* m_limit = nullptr;
    std::vector<CheckBox*> m_jointBoxes;
    ButtonSuccess* m_pointsButton = nullptr;
    QLabel* m_pointsSummary = nullptr;
    QPointer<SpeedPointDialog> m_dialog;
    int m_dialogSet = -1;
    // The tool whose watched points the 3D view draws.
    int m_tool = 0;

    FieldBinding m_kindField;
    FieldBinding m_limitField;
    std::vector<FieldBinding> m_jointFields;

    // The 3D view's selection as the page found it, given back on hiding.
    struct ViewState
    {
        qint32 speedPointSet = 0;
        qint32 selectedTool = -1;
        quint8 arm[2][Parameter::ModelsPerSet] = {};
        quint8 tools[Parameter::ToolCount][Parameter::ModelsPerSet] = {};
    };
    ViewState m_saved;
    bool m_showingPoints = false;
};

} // namespace Property
