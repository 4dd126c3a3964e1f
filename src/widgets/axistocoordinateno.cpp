#include "widgets/axistocoordinateno.h"

#include "app/core/interfaceutilities.h"
#include "parameter/parameter.h"
#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/diffcombobox.h"

#include <QAbstractItemView>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QVBoxLayout>
#include <QtDebug>

namespace {

constexpr quint32 coordinateSystemCount = 50;

// The dialog is light on the dark application: plain white lists.
const char* const comboBoxStyleSheet = "background:white; color:black;";

// The joint that coordinate system n (1 to 50) belongs to; 0 for none.
int jointOfCoordinateSystem(const ParameterImage& image, quint32 n)
{
    const FieldDef* axisNo = ParameterLayout::findByName(QStringLiteral("DHPrmAxisNo"));
    if (!axisNo || n < 1 || n > coordinateSystemCount)
        return 0;
    return image.i16(*axisNo, 0, int(n - 1));
}

// A combo box text as a number; "Invalid" (or any other text) gives 0.
quint32 numberOf(const QString& text)
{
    bool ok = false;
    const quint32 value = text.toUInt(&ok);
    return ok ? value : 0;
}

} // namespace

AxisToCoordinateNo::AxisToCoordinateNo(quint32 coordinateNo, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Title Coordinate No Setting"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/image/OBX.png")));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint |
                   Qt::WindowCloseButtonHint);

    const ParameterImage& image = Parameter::instance()->editImage();

    m_axisComboBox = new DiffComboBox(this);
    m_axisComboBox->setStyleSheet(QLatin1String(comboBoxStyleSheet));
    m_axisComboBox->view()->setStyleSheet(QLatin1String(comboBoxStyleSheet));
    m_axisComboBox->addItem(tr("Item Invalid"));
    m_jointNumbers = Parameter::usedJointNumbers(image);
    for (quint8 joint : qAsConst(m_jointNumbers))
        m_axisComboBox->addItem(QString::number(joint));

    m_coordinateComboBox = new DiffComboBox(this);
    m_coordinateComboBox->setStyleSheet(QLatin1String(comboBoxStyleSheet));
    m_coordinateComboBox->view()->setStyleSheet(QLatin1String(comboBoxStyleSheet));
    for (quint32 n = 0; n <= coordinateSystemCount; ++n)
        m_coordinateComboBox->addItem(QString::number(n));

    m_okButton = new ButtonPrimary(tr("OK"), this);
    m_cancelButton = new ButtonSecondary(tr("Cancel"), this);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(tr("Axis No"), m_axisComboBox);
    form->addRow(tr("Coordinate No"), m_coordinateComboBox);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    layout->addLayout(buttons);

    connect(m_axisComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AxisToCoordinateNo::updateCoordinateList);
    connect(m_coordinateComboBox, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &AxisToCoordinateNo::updateUI);
    connect(m_okButton, &QPushButton::clicked, this, [this] {
        emit accepted();
        accept();
    });
    connect(m_cancelButton, &QPushButton::clicked, this, [this] {
        emit rejected();
        reject();
    });

    qInfo().noquote() << "AxisToCoordinateNo::selectCoordinateNo" << coordinateNo;

    const int joint = jointOfCoordinateSystem(image, coordinateNo);
    const bool preselected = joint > 0;
    if (preselected) {
        axisNo = quint32(joint);
        this->coordinateNo = coordinateNo;
        selectComboBoxItem(m_axisComboBox, QString::number(joint));
    } else {
        m_axisComboBox->setCurrentIndex(0);
        m_coordinateComboBox->setCurrentIndex(0);
    }

    updateCoordinateList();
    if (preselected)
        selectComboBoxItem(m_coordinateComboBox, QString::number(coordinateNo));
    updateUI();
}

void AxisToCoordinateNo::updateUI()
{
    axisNo = numberOf(m_axisComboBox->currentText());
    coordinateNo = numberOf(m_coordinateComboBox->currentText());
}

void AxisToCoordinateNo::updateCoordinateList()
{
    // Refilling fires currentIndexChanged item by item; the selections are
    // read back once at the end instead.
    const QSignalBlocker blocker(m_coordinateComboBox);
    m_coordinateComboBox->clear();

    if (m_axisComboBox->currentIndex() > 0) {
        const int joint = int(numberOf(m_axisComboBox->currentText()));
        if (joint >= 1 && joint <= Parameter::JointCount) {
            const QVector<quint16> systems =
                Parameter::coordinateSystemsOfJoint(Parameter::instance()->editImage(), joint);
            for (quint16 n : systems)
                m_coordinateComboBox->addItem(QString::number(n));
        }
    }

    if (m_coordinateComboBox->count() == 0)
        m_coordinateComboBox->addItem(tr("Item Invalid"));
    if (m_coordinateComboBox->count() == 1)
        m_coordinateComboBox->setCurrentIndex(0);

    updateUI();
}
