#include "monitoring/networkparameters.h"

#include "app/core/languagesetting.h"
#include "monitoring/networkpage.h"
#include "monitoring/networkstatus.h"
#include "monitoring/unitcommand.h"
#include "widgets/msgbox.h"

#include <QDateTime>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

NetworkParameters::NetworkParameters() : QWidget(nullptr)
{
    setupNetworkPage(this, "networkParameters");
    QGridLayout* grid = createNetworkGrid(this, QMargins(20, 0, 20, 20));
    const Qt::Alignment cell = Qt::AlignLeft | Qt::AlignVCenter;
    auto caption = [&](const QString& text, int row, bool group) {
        auto* label = new QLabel(text, this);
        if (group) {
            QFont font = label->font();
            font.setBold(true);
            label->setFont(font);
        }
        grid->addWidget(label, row, 0, 1, group ? 6 : 1, cell);
    };
    auto value = [&](Field field, int row, int column, int width) {
        m_fields[field] = createValueField(this, width, 'W');
        grid->addWidget(m_fields[field], row, column, 1, 1, cell);
    };
    auto bar = [&](int row) {
        auto* label = new QLabel(QString(QChar(0x2015)), this);
        label->setAlignment(Qt::AlignCenter);
        grid->addWidget(label, row, 2, 1, 1, cell);
    };
    auto resetButton = [&](int row) {
        auto* button = new QPushButton(tr("Reset"), this);
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, qOverload<bool>(&NetworkParameters::clicked));
        grid->addWidget(button, row, 5, 1, 1, cell);
        return button;
    };
    // Two UNIDs (rows 0 and 6) around the SCID (row 3).
    for (const int first : {0, 6}) {
        const bool owner = first == 6;
        const Field node = owner ? OcpunidNode : TunidNode;
        caption(owner ? tr("OCPUNID (Owner UNID)") : tr("TUNID (Target UNID)"), first, true);
        caption(tr("nodeId"), first + 1, false);
        value(node, first + 1, 1, 8);
        (owner ? m_resetOcpunid : m_resetTunid) = resetButton(first + 1);
        caption(tr("SNN"), first + 2, false);
        value(Field(node + 1), first + 2, 1, 8);
        bar(first + 2);
        value(Field(node + 2), first + 2, 3, 4);
    }
    caption(tr("SCID (Safety Configuration Identifier)"), 3, true);
    caption(tr("CRC"), 4, false);
    value(ScidCrc, 4, 1, 8);
    m_scidDate = new QLabel(this);
    grid->addWidget(m_scidDate, 4, 3, 1, 3, cell);
    caption(tr("time-date"), 5, false);
    value(ScidTime, 5, 1, 8);
    bar(5);
    value(ScidDate, 5, 3, 4);
    updateEipsData();
}

QDateTime NetworkParameters::scidDateTime(const EipsData::Identifier& scid)
{
    if (scid.time >= 86400000u || scid.date >= 65535u)
        return QDateTime();
    return QDateTime(QDate(1972, 1, 1).addDays(scid.date), QTime(0, 0).addMSecs(int(scid.time)),
                     Qt::UTC);
}

void NetworkParameters::showIdentifier(const EipsData::Identifier& identifier, Field first)
{
    // An identifier the reply lacks (offline there is no reply) shows as zeros.
    m_fields[first]->setText(QStringLiteral("%1").arg(identifier.first, 8, 16, QLatin1Char('0')));
    m_fields[first + 1]->setText(
        QStringLiteral("%1").arg(identifier.time, 8, 16, QLatin1Char('0')));
    m_fields[first + 2]->setText(
        QStringLiteral("%1").arg(identifier.date, 4, 16, QLatin1Char('0')));
}

void NetworkParameters::updateEipsData()
{
    for (QLineEdit* field : m_fields)
        field->clear();
    m_scidDate->clear();
    EipsData data;
    if (!NetworkStatus::queryEipsData(&data))
        return;
    showIdentifier(data.tunid, TunidNode);
    showIdentifier(data.scid, ScidCrc);
    showIdentifier(data.ocpunid, OcpunidNode);
    const QDateTime stamp = scidDateTime(data.scid);
    if (stamp.isValid())
        m_scidDate->setText(
            LanguageSetting::locale().toString(stamp, LanguageSetting::dateTimeFormat()));
}

// Only a Reset the unit took is followed by the reboot request: after any
// other click, or a Reset the unit refused or never received, "Parameters
// reset" would report a reset that did not happen.
void NetworkParameters::clicked(bool)
{
    const QObject* from = sender();
    if (from == m_resetTunid || from == m_resetOcpunid)
        resetIdentifier(from == m_resetOcpunid);
    else
        updateEipsData();
}

void NetworkParameters::clicked()
{
    clicked(false);
}

void NetworkParameters::resetIdentifier(bool ocpunid)
{
    const QString command = ocpunid ? QStringLiteral("ZSAFM_EIPS_OCPUNID_RESET")
                                    : QStringLiteral("ZSAFM_EIPS_TUNID_RESET");
    // Offline the command is not sent at all: only a reset the unit took
    // asks for the reboot.
    const bool accepted = Monitoring::unitAcceptedCommand(command);
    updateEipsData();
    MsgBox box(accepted ? QMessageBox::Warning : QMessageBox::Critical, tr("NWParameterReset"),
               accepted ? tr("Parameters reset. Reboot.") : tr("Parameters not reset."),
               QMessageBox::Ok, this);
    box.exec();
}
