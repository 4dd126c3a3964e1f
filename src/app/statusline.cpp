#include "app/statusline.h"

#include "io/controllerlogin.h"
#include "io/dataprovider.h"
#include "parameter/crc32c.h"
#include "parameter/decoder.h"
#include "parameter/parameter.h"
#include "parameter/valuevalidator.h"
#include "widgets/properties/safetysignaturecrcproperty.h"

#include <QEvent>
#include <QFileInfo>
#include <QLabel>

StatusLine::StatusLine(Parameter* store, QWidget* parent)
    : QStatusBar(parent), m_store(store), m_signature(new QLabel(this)), m_source(new QLabel(this)),
      m_unwritten(new QLabel(tr("Applied changes not yet written"), this)),
      m_outside(new QLabel(this))
{
    setObjectName(QStringLiteral("statusLine"));
    setSizeGripEnabled(false);
    setStyleSheet(QStringLiteral("QStatusBar { background: #2c2c2c; color: #e4e4e4; }"
                                 "QStatusBar::item { border: none; }"
                                 "QLabel { padding: 0 12px 0 4px; }"));
    m_unwritten->setStyleSheet(QStringLiteral("color: #ffa500;"));
    addWidget(m_signature);
    // The source gives way first, so that the line fits a narrow window: its
    // tool tip names it whole.
    m_source->setMinimumWidth(1);
    m_source->installEventFilter(this);
    addWidget(m_source, 1);
    addPermanentWidget(m_unwritten);
    addPermanentWidget(m_outside);
    // Queued: a read stores the set before it records where it came from.
    connect(store, &Parameter::parameterChanged, this, &StatusLine::refresh, Qt::QueuedConnection);
    if (DataProvider* provider = DataProvider::instance())
        connect(provider, &DataProvider::operationFinished, this, &StatusLine::refresh);
    refresh();
}

void StatusLine::refresh()
{
    const ParameterImage& master = m_store->masterImage();
    // What a write of the held set would sign it with: a read by part keeps
    // the other part's values but takes the file's trailer, so the stored
    // value need not be the set's.
    m_signature->setText(tr("All data CRC %1")
                             .arg(Property::SafetySignatureCRC::crcText(
                                 Crc32c::imageSignature(m_store->appliedImage()).allData)));

    // The loader skips the check of a CRC of 9894: the set read is not
    // signed. That says where the set came from, not what a write gives it.
    QStringList skipped;
    for (const auto& signature : Property::SafetySignatureCRC::signatureRows(master))
        if (signature.notSigned)
            skipped << signature.label;
    if (master.allDataCRC() == IO::Decoder::IgnoredCRC)
        skipped << tr("All data CRC");

    QString source;
    if (const DataProvider* provider = DataProvider::instance())
        source = provider->masterSource();
    // The unit is named by its address, a file by its name (the path in the tip).
    const bool unit = !source.isEmpty() && source == IO::controllerAddress;
    const QString name = unit ? tr("Orbilux (%1)").arg(source) : QFileInfo(source).fileName();
    if (skipped.isEmpty()) {
        m_sourceText = tr("Source: %1");
        m_source->setToolTip(source);
        m_source->setStyleSheet(QString());
    } else {
        m_sourceText = tr("Source: %1, not signed");
        m_source->setToolTip(
            source + QLatin1Char('\n') +
            tr("Not checked (stored as 9894): %1").arg(skipped.join(QLatin1String(", "))));
        m_source->setStyleSheet(QStringLiteral("color: #ffa500;"));
    }
    m_sourceName = name;
    elideSource();

    m_unwritten->setVisible(m_store->hasUnwrittenChanges());

    const FindingCount found = ValueValidator::count(m_store->appliedImage());
    m_outside->setText(found.text());
    m_outside->setStyleSheet(!found.isEmpty() ? QStringLiteral("color: #ff4040; font-weight: bold;")
                                              : QString());
}

bool StatusLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_source && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        elideSource();
    return QStatusBar::eventFilter(watched, event);
}

void StatusLine::elideSource()
{
    // Not laid out yet: its width says nothing.
    if (!m_source->isVisible()) {
        m_source->setText(m_sourceText.arg(m_sourceName));
        return;
    }
    // The name gives way, not what is said of it.
    const QFontMetrics metrics = m_source->fontMetrics();
    const int room = m_source->contentsRect().width() - m_source->margin() * 2 -
                     m_source->indent() - metrics.horizontalAdvance(m_sourceText.arg(QString()));
    m_source->setText(
        m_sourceText.arg(metrics.elidedText(m_sourceName, Qt::ElideMiddle, qMax(room, 0))));
}
