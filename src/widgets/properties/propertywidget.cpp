#include "widgets/properties/propertywidget.h"

#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

#include "app/scene/scenemanager.h"
#include "parameter/parameter.h"
#include "widgets/buttonprimary.h"
#include "widgets/buttonsecondary.h"
#include "widgets/msgbox.h"
#include "widgets/polishstyle.h"

namespace {
const char* const sectionTitleStyle = "\nQLabel {\n\tfont:bold;\n\tbackground: #707070;\n\tborder: "
                                      "2px outset #404040;\n\tmargin: 0 20px 0 0;\n\tpadding: 2px "
                                      "2px 2px 2px;\n}\n";
} // namespace

PropertyWidget::PropertyWidget(Parameter* parameter, int scene, QWidget* parent)
    : QWidget(parent), m_parameter(parameter), m_scene(scene), m_layout(new QVBoxLayout(this))
{
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
}

// The stored connections end with their senders or with the panel itself;
// only the handles are dropped here.
PropertyWidget::~PropertyWidget() = default;

void PropertyWidget::setApplyEnabled(bool enabled)
{
    if (m_applyButton)
        m_applyButton->setEnabled(enabled);
}

void PropertyWidget::setCancelEnabled(bool enabled)
{
    if (m_cancelButton)
        m_cancelButton->setEnabled(enabled);
}

void PropertyWidget::setApplyVisible(bool visible)
{
    if (m_applyButton)
        m_applyButton->setVisible(visible);
}

void PropertyWidget::setCancelVisible(bool visible)
{
    if (m_cancelButton)
        m_cancelButton->setVisible(visible);
}

void PropertyWidget::addSection(const QString& title, QWidget* section)
{
    auto* label = new QLabel(title, this);
    label->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::Preferred);
    // The title moves with its panel into the pane: its sheet waits for the
    // first polish, so that the move re-styles nothing.
    PolishStyle::set(label, QString::fromLatin1(sectionTitleStyle));
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    m_layout->addLayout(row, 0);
    m_layout->addWidget(section, 0, Qt::AlignLeft);
}

void PropertyWidget::addButtons()
{
    m_buttonBar = new QWidget(this);
    m_applyButton = new ButtonPrimary(tr("Apply"), m_buttonBar);
    m_cancelButton = new ButtonSecondary(tr("Cancel"), m_buttonBar);
    auto* bar = new QHBoxLayout(m_buttonBar);
    bar->setContentsMargins(0, 4, 20, 4);
    bar->setSpacing(4);
    bar->addWidget(m_applyButton, 1);
    bar->addWidget(m_cancelButton, 1);
    m_layout->addWidget(m_buttonBar, 1, Qt::AlignTop);

    connect(m_applyButton, &QPushButton::clicked, this, &PropertyWidget::apply);
    connect(m_cancelButton, &QPushButton::clicked, this, &PropertyWidget::cancel);
    connect(this, &PropertyWidget::apply, this, &PropertyWidget::propertyApply);
    connect(this, &PropertyWidget::cancel, this, &PropertyWidget::propertyRestore);
}

void PropertyWidget::setTabOrder(QWidget* lastEditor)
{
    if (!m_applyButton || !lastEditor)
        return;
    QWidget::setTabOrder(lastEditor, m_applyButton);
    QWidget::setTabOrder(m_applyButton, m_cancelButton);
}

void PropertyWidget::requestUpdate()
{
    QCoreApplication::postEvent(this, new QEvent(QEvent::Type(UpdateEventType)),
                                Qt::HighEventPriority);
}

void PropertyWidget::refreshOnPageLoad()
{
    if (Scene::SceneManager* scenes = Scene::SceneManager::instance())
        connect(scenes, &Scene::SceneManager::loadedScene, this, [this](int scene) {
            if (scene == m_scene)
                updateUI();
        });
}

bool PropertyWidget::event(QEvent* event)
{
    if (event->type() == UpdateEventType) {
        updateUI();
        return true;
    }
    return QWidget::event(event);
}

void PropertyWidget::keyPressEvent(QKeyEvent* event)
{
    // A disabled button ignores the click.
    if (event->key() == Qt::Key_Escape && m_cancelButton)
        m_cancelButton->click();
    // Keys never travel on to the property pane or the main window.
    event->accept();
}

void PropertyWidget::followFocusWhileShown(const std::function<void(QWidget*)>& follow)
{
    while (!m_connections.isEmpty())
        disconnect(m_connections.takeLast());
    m_connections << connect(qApp, &QApplication::focusChanged, this,
                             [follow](QWidget*, QWidget* now) { follow(now); });
}

void PropertyWidget::showMarker(quint8 marker, qint32 part)
{
    if (part < 0)
        part = m_parameter->m_markerIndex;
    if (m_parameter->m_marker == marker && m_parameter->m_markerIndex == part)
        return;
    m_parameter->m_marker = marker;
    m_parameter->m_markerIndex = part;
    m_parameter->selectionWritten();
}

void PropertyWidget::hideEvent(QHideEvent* event)
{
    if (m_parameter && m_parameter->m_marker != 0) {
        m_parameter->m_marker = 0;
        m_parameter->selectionWritten();
    }
    while (!m_connections.isEmpty())
        disconnect(m_connections.takeLast());
    QWidget::hideEvent(event);
}

bool PropertyWidget::closeDiscarding(bool changed, const std::function<void()>& restore)
{
    if (!changed)
        return true;
    if (MsgBox::confirmClearInput(this) == QMessageBox::NoRole)
        return false;
    restore();
    return true;
}

QString PropertyWidget::rangeToolTip(double lower, double upper)
{
    return tr("ToolTipRangeUpper") + QStringLiteral(" : ") + QString::number(upper, 'g', 7) +
           QLatin1Char(' ') + tr("ToolTipRangeLower") + QStringLiteral(" : ") +
           QString::number(lower, 'g', 7);
}
