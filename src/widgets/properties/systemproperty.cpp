#include "widgets/properties/systemproperty.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QtDebug>

#include "app/core/displaytext.h"
#include "app/core/interfaceutilities.h"
#include "app/core/setting.h"
#include "io/dataprovider.h"
#include "monitoring/monitoringdialog.h"
#include "widgets/combobox.h"
#include "widgets/label.h"
#include "widgets/msgbox.h"
#include "widgets/properties/settingsaddressfile.h"
#include "widgets/properties/view.h"
#include "widgets/properties/window.h"
#include "widgets/spinbox.h"

namespace Property {

namespace {

enum ParameterNo
{
    CommonSpec = 1,
    IoBoardSheets = 201,
    EtherNetIPValid = 301,
    OpeModeInputSet = 401,
    ParameterVersion = 9009,
};

// The safety network pages of the monitoring dialog.
constexpr int networkScenes[] = {15, 16, 17};

QString& settingsFileOverride()
{
    static QString path;
    return path;
}

} // namespace

System::System(Parameter* parameter, QWidget* parent)
    : PropertyWidget(parameter, 1, parent), m_ioBoardsField(parameter, IoBoardSheets),
      m_safetyNetworkField(parameter, EtherNetIPValid), m_opeModeField(parameter, OpeModeInputSet)
{
}

QString System::settingsFilePath()
{
    const QString& path = settingsFileOverride();
    return path.isEmpty()
               ? QCoreApplication::applicationDirPath() + QStringLiteral("/config/config.ini")
               : path;
}

void System::setSettingsFilePath(const QString& path)
{
    settingsFileOverride() = path;
}

void System::initialize()
{
    if (initialized)
        return;
    m_ioBoards = new ComboBox;
    for (int boards = 0; boards <= 4; ++boards)
        m_ioBoards->addItem(QStringLiteral("%1").arg(boards));
    m_safetyNetwork = new ComboBox;
    m_safetyNetwork->addItems({tr("Disabled"), tr("Enabled")});
    m_opeMode = new ComboBox;
    m_opeMode->addItems({tr("item Operation Panel"), tr("item User")});
    m_ioBoardsField = FieldBinding::combo(m_parameter, IoBoardSheets, m_ioBoards);
    m_safetyNetworkField = FieldBinding::combo(m_parameter, EtherNetIPValid, m_safetyNetwork);
    m_opeModeField = FieldBinding::combo(m_parameter, OpeModeInputSet, m_opeMode);
    for (Label** label : {&m_spec, &m_paramVersion, &m_cpuA, &m_cpuB, &m_cpuC, &m_softVersion})
        *label = new Label;

    // The address as configured; missing parts show as 0.
    for (const QString& part :
         Setting::instance()->value(QStringLiteral("MirelIPAddress")).split(QLatin1Char('.')))
        m_configuredIp << part.toInt(nullptr, 10);
    auto* ipRow = new QWidget;
    auto* ipLayout = new QHBoxLayout(ipRow);
    ipLayout->setContentsMargins(0, 0, 0, 0);
    for (std::size_t i = 0; i < m_ip.size(); ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."));
            dot->setFixedWidth(10);
            ipLayout->addWidget(dot);
        }
        m_ip[i] = new SpinBox(0, 255);
        m_ip[i]->setFixedWidth(40);
        m_ip[i]->setValue(m_configuredIp.value(int(i), 0));
        m_appliedIp[i] = m_ip[i]->value();
        ipLayout->addWidget(m_ip[i]);
    }
    auto* ipGrid = new QGridLayout;
    ipGrid->addWidget(ipRow, 0, 0, Qt::AlignRight);

    initialized = true;
    updateUI();

    auto* section = new QFrame;
    auto* form = new QFormLayout(section);
    form->setFormAlignment(Qt::AlignRight);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("IoBoards"), m_ioBoards);
    form->addRow(tr("Label safetyNetwork"), m_safetyNetwork);
    form->addRow(tr("OpeMode"), m_opeMode);
    form->addRow(tr("Spec"), m_spec);
    form->addRow(tr("ParamVer"), m_paramVersion);
    form->addRow(tr("CpuA"), m_cpuA);
    form->addRow(tr("CpuB"), m_cpuB);
    form->addRow(tr("CpuC"), m_cpuC);
    form->addRow(tr("SoftVer"), m_softVersion);
    form->addRow(tr("IPAddress"), ipGrid);
    addSection(tr("System"), section);
    addButtons();
    setTabOrder(m_ip.back());

    connect(m_parameter, &Parameter::parameterChanged, this, &System::parameterLoad);
    connect(this, &PropertyWidget::apply, this, &System::parameterSave);
    connect(this, &PropertyWidget::cancel, this, &System::cancelRequested);
    connect(m_ioBoards, &QComboBox::currentTextChanged, this, &System::changeIoBoards);
    connect(m_safetyNetwork, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &System::setSafetyNetwork);
    connect(m_opeMode, qOverload<int>(&QComboBox::currentIndexChanged), this, [this](int index) {
        if (updating)
            return;
        setOpeMode(index);
        updateUI();
    });
    for (SpinBox* box : m_ip)
        connect(box, qOverload<int>(&QSpinBox::valueChanged), this, &System::updateUI);
    // The editors were filled before the bar existed.
    showModified(changed());
}

void System::parameterLoad(Parameter::DataType dataType)
{
    Q_UNUSED(dataType)
    updateUI();
}

void System::showEvent(QShowEvent* event)
{
    updateUI();
    PropertyWidget::showEvent(event);
}

void System::queryVersions()
{
    DataProvider* provider = DataProvider::instance();
    if (!initialized || !provider)
        return;
    // Whatever the unit answers, an error reply too, is what the labels
    // show; offline or without a connection no reply comes and the last stays.
    provider->executeMonitorMirel(QStringLiteral("ZSAFM_VERSION"), &m_versionReply);
    m_versionLines = m_versionReply.split(QLatin1Char('\n'));
    Label* const labels[] = {m_cpuA, m_cpuB, m_cpuC};
    for (int line = 0; line < 3 && line < m_versionLines.size(); ++line)
        if (!m_versionReply.isEmpty())
            labels[line]->setText(m_versionLines[line]);
}

void System::setIoBoards(int value)
{
    m_ioBoardsField.write(value);
}

void System::setOpeMode(int value)
{
    m_opeModeField.write(value);
}

void System::changeIoBoards(const QString& text)
{
    if (updating)
        return;
    bool ok = false;
    const int count = text.toInt(&ok, 10);
    if (!ok)
        return;
    if (count != m_parameter->appliedImage().i16(m_ioBoardsField.field()))
        information(tr("Safety IO Change Message"),
                    tr("Please check your Safety input/output signal"));
    setIoBoards(count);
    updateUI();
}

void System::setSafetyNetwork(int value)
{
    if (updating)
        return;
    qInfo().noquote() << "Property::System::setSafetyNetwork index" << value;
    m_safetyNetworkField.write(value);
    showNetworkPages();
    updateUI();
}

// The network pages follow the edit image's word, also after a Cancel or a
// new set.
void System::showNetworkPages()
{
    const Window* window = Window::instance();
    const View* view = View::instance();
    if (!window || !window->monitoringDialog || !view)
        return;
    const bool enabled = m_safetyNetworkField.editValue() == 1;
    QTabWidget* tabs = window->monitoringDialog->tabWidget();
    for (int scene : networkScenes) {
        const int index = tabs->indexOf(view->screen(scene));
        if (index >= 0)
            tabs->setTabEnabled(index, enabled);
    }
}

void System::updateUI()
{
    if (!initialized || updating)
        return;
    updating = true;
    m_ioBoardsField.fill();
    m_safetyNetworkField.fill();
    m_opeModeField.fill();
    showNetworkPages();

    const int spec = m_parameter->editImage().i16(FieldBinding::fieldOf(CommonSpec));
    const QString specTexts[] = {tr("Spec Standard"), tr("Spec Clean"), tr("Spec Automaker")};
    m_spec->setText(spec >= 0 && spec <= 2 ? specTexts[spec] : QString::number(spec));
    // Escaped as the notice and the report show it: the file chose its bytes.
    m_paramVersion->setText(DisplayText::shown(m_parameter->editImage().parameterVersion()));
    FieldBinding::markShown(m_paramVersion, m_parameter->editImage(),
                            FieldBinding::fieldOf(ParameterVersion));
    queryVersions();
    m_softVersion->setText(QStringLiteral(OBX_APP_VERSION));

    for (std::size_t i = 0; i < m_ip.size(); ++i) {
        const int configured = m_configuredIp.value(int(i), 0);
        m_ip[i]->setState(m_ip[i]->value() != m_appliedIp[i] ? 1
                          : m_appliedIp[i] != configured     ? 2
                                                             : 0);
    }
    showModified(changed());
    updating = false;
}

bool System::ipChanged() const
{
    for (std::size_t i = 0; i < m_ip.size(); ++i)
        if (m_ip[i]->value() != m_appliedIp[i])
            return true;
    return false;
}

bool System::changed() const
{
    return m_ioBoardsField.isChanged() || m_safetyNetworkField.isChanged() ||
           m_opeModeField.isChanged() || ipChanged();
}

void System::parameterSave()
{
    m_parameter->update(m_scene);
    m_parameter->setSystemUpdateTime();
    if (ipChanged())
        saveAddress();
    updateUI();
}

void System::saveAddress()
{
    QStringList parts;
    bool allZero = true;
    for (SpinBox* box : m_ip) {
        parts << QString::number(box->value());
        allZero = allZero && box->value() == 0;
    }
    if (allZero) {
        information(tr("IPAddress Change Error"), tr("IP address is incorrect"));
        return;
    }
    const QString path = settingsFilePath();
    switch (SettingsAddressFile::rewrite(path, parts.join(QLatin1Char('.')))) {
    case SettingsAddressFile::SourceUnreadable:
        qWarning().noquote() << "Property::System::saveAddress cannot read" << path << "NG";
        return;
    case SettingsAddressFile::WriteFailed:
        qWarning().noquote() << "Property::System::saveAddress cannot write" << path << "NG";
        information(tr("IPAddress Save Error"), tr("Please check config file"));
        return;
    case SettingsAddressFile::Written:
        break;
    }
    qInfo().noquote() << "Property::System::saveAddress" << path << "OK";
    for (std::size_t i = 0; i < m_ip.size(); ++i)
        m_appliedIp[i] = m_ip[i]->value();
    information(tr("IPAddress Change Message"), tr("Please app restart"));
}

void System::information(const QString& title, const QString& text)
{
    MsgBox box(QMessageBox::Information, title, text, QMessageBox::Ok, this);
    box.exec();
    ensureWindowActive(window());
}

bool System::requestClose()
{
    return closeDiscarding(changed(), [this] {
        m_parameter->restore(m_scene);
        for (std::size_t i = 0; i < m_ip.size(); ++i) {
            const QSignalBlocker block(m_ip[i]);
            m_ip[i]->setValue(m_appliedIp[i]);
        }
        updateUI();
    });
}

} // namespace Property
