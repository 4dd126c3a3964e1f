#include "monitoring/monitoringheader.h"

#include "monitoring/monitoringbase.h"
#include "monitoring/monitoringstylesheet.h"
#include "monitoring/smhbutton.h"
#include "widgets/polishstyle.h"

#include <QHBoxLayout>

MonitoringHeader::MonitoringHeader(MonitoringBase* owner) : QWidget(owner)
{
    setObjectName(QStringLiteral("monitoringHeader"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto makeButton = [this](const char* letter) {
        const QString text = tr("Button%1").arg(QLatin1String(letter));
        auto* button = new SMH_Button(text, this);
        button->setObjectName(text);
        connect(button, &QPushButton::clicked, this, qOverload<bool>(&MonitoringHeader::clicked));
        return button;
    };
    m_buttonA = makeButton("A");
    m_buttonB = makeButton("B");
    layout->addStretch(1);
    layout->addWidget(m_buttonA, 2);
    layout->addStretch(1);
    layout->addWidget(m_buttonB, 2);
    layout->addStretch(1);
    markButtons(0);
    select(0);
}

void MonitoringHeader::markButtons(int index)
{
    m_buttonA->setOnOff(index == 0);
    m_buttonB->setOnOff(index == 1);
    // Property selectors are only matched again when the sheet is set again.
    PolishStyle::set(this, monitoringStyleSheetText());
}

void MonitoringHeader::select(int index)
{
    if ((index != 0 && index != 1) || index == m_selected)
        return;
    m_selected = qint8(index);
    setFocusProxy(button(index));
    emit cpuChanged();
}

void MonitoringHeader::clicked(bool)
{
    const QObject* from = sender();
    const int index = from == m_buttonA ? 0 : from == m_buttonB ? 1 : -1;
    markButtons(index);
    select(index);
}

void MonitoringHeader::clicked()
{
    clicked(false);
}

void MonitoringHeader::selectCpuButton(int buttonIndex)
{
    markButtons(buttonIndex);
    select(buttonIndex);
}
