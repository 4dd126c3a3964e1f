#pragma once

#include "widgets/properties/fieldbinding.h"
#include "widgets/properties/propertywidget.h"

#include "parameter/parameter.h"

#include <QStringList>
#include <QVector>

#include <array>

class ComboBox;
class Label;
class SpinBox;

namespace Property {

// Panel of the system settings (scene 1): I/O boards, safety network and
// operation mode input of the system area; the controller address of the
// settings file; and what identifies the set and the unit (specification,
// parameter version, the unit's processor versions, this program's
// version).
class System : public PropertyWidget
{
    Q_OBJECT

public:
    explicit System(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;
    void updateUI() override;

    // The settings file that a new address is written into: config.ini in
    // the program's config folder unless set otherwise (tests).
    static QString settingsFilePath();
    static void setSettingsFilePath(const QString& path);

public slots:
    void parameterLoad(Parameter::DataType dataType);
    void setIoBoards(int value);
    void setSafetyNetwork(int value);
    void setOpeMode(int value);
    bool requestClose() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void parameterSave();
    void changeIoBoards(const QString& text);
    // Asks the unit for its versions, on every refresh.
    void queryVersions();
    void showNetworkPages();
    void saveAddress();
    void information(const QString& title, const QString& text);
    bool ipChanged() const;
    bool changed() const;

    ComboBox* m_ioBoards = nullptr;
    ComboBox* m_safetyNetwork = nullptr;
    ComboBox* m_opeMode = nullptr;
    Label* m_spec = nullptr;
    Label* m_paramVersion = nullptr;
    Label* m_cpuA = nullptr;
    Label* m_cpuB = nullptr;
    Label* m_cpuC = nullptr;
    Label* m_softVersion = nullptr;
    std::array<SpinBox*, 4> m_ip{};
    QString m_versionReply;
    QStringList m_versionLines;
    std::array<int, 4> m_appliedIp{};
    QVector<int> m_configuredIp;

    FieldBinding m_ioBoardsField;
    FieldBinding m_safetyNetworkField;
    FieldBinding m_opeModeField;
};

} // namespace Property
