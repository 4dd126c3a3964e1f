#include "app/statusline.h"

#include "app/core/displaytext.h"
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

#include <algorithm>
#include <numeric>

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

    // The loader skips the check of a CRC of 9894: the file read is not
    // signed. That says where the set came from, not what a write gives it.
    // A robot part read from another file is named beside the set's own.
    QString source;
    QString robotSource;
    const ParameterImage* robotFile = nullptr;
    if (const DataProvider* provider = DataProvider::instance()) {
        source = provider->masterSource();
        robotSource = provider->robotPartSource();
        robotFile = &provider->robotPartFile();
    }
    m_sourceParts.clear();
    m_sourceNames.clear();
    QStringList tip;
    m_notSigned = false;
    const auto addSource = [&](const QString& path, const ParameterImage& file, bool robotPart) {
        const QStringList skipped = skippedChecks(file);
        m_notSigned = m_notSigned || !skipped.isEmpty();
        if (skipped.isEmpty())
            m_sourceParts << (robotPart ? tr("Robot data: %1") : tr("Source: %1"));
        else
            m_sourceParts << (robotPart ? tr("Robot data: %1, not signed")
                                        : tr("Source: %1, not signed"));
        // The unit is named by its address, a file by its name (the path in the tip).
        m_sourceNames << (!path.isEmpty() && path == IO::controllerAddress
                              ? tr("Orbilux (%1)").arg(path)
                              : DisplayText::fileName(QFileInfo(path).fileName()));
        tip << (robotPart ? tr("Robot data: %1") : QStringLiteral("%1"))
                   .arg(DisplayText::fileName(path));
        if (!skipped.isEmpty())
            tip << tr("Not checked (stored as 9894): %1").arg(skipped.join(QLatin1String(", ")));
    };
    addSource(source, master, false);
    if (robotFile && !robotSource.isEmpty() && robotSource != source)
        addSource(robotSource, *robotFile, true);
    m_source->setToolTip(tip.join(QLatin1Char('\n')));
    m_source->setStyleSheet(m_notSigned ? QStringLiteral("color: #ffa500;") : QString());
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

QStringList StatusLine::skippedChecks(const ParameterImage& file)
{
    QStringList skipped;
    for (const auto& signature : Property::SafetySignatureCRC::signatureRows(file))
        if (signature.notSigned)
            skipped << signature.label;
    if (file.allDataCRC() == IO::Decoder::IgnoredCRC)
        skipped << tr("All data CRC");
    return skipped;
}

void StatusLine::elideSource()
{
    const auto compose = [this](const QStringList& names) {
        QStringList parts;
        for (int i = 0; i < m_sourceParts.size(); ++i)
            parts << m_sourceParts[i].arg(names.value(i));
        return parts.join(QStringLiteral("; "));
    };
    // Not laid out yet: its width says nothing.
    if (!m_source->isVisible()) {
        m_source->setText(compose(m_sourceNames));
        return;
    }
    const QFontMetrics metrics = m_source->fontMetrics();
    // The frame and the style's padding, and the label's own margins.
    const int chrome = m_source->width() - m_source->contentsRect().width() +
                       m_source->margin() * 2 + qMax(m_source->indent(), 0);
    const int width = m_source->width() - chrome;
    // "not signed" never gives way: the label keeps room for every word with
    // each name cut to an ellipsis. Otherwise the names give way first.
    const QString ellipsis(QChar(0x2026));
    QStringList cut;
    QStringList none;
    for (int i = 0; i < m_sourceNames.size(); ++i) {
        cut << ellipsis;
        none << QString();
    }
    // An ellipsis more, so that the last name's ellipsis is never clipped.
    m_source->setMinimumWidth(
        m_notSigned ? metrics.horizontalAdvance(compose(cut) + ellipsis) + chrome : 1);
    int room = width - metrics.horizontalAdvance(compose(none));
    if (room < metrics.horizontalAdvance(ellipsis) * int(m_sourceNames.size())) {
        m_source->setText(metrics.elidedText(compose(cut), Qt::ElideRight, qMax(width, 0)));
        return;
    }
    // One name that needs less than its share leaves the rest to the other.
    QVector<int> order(m_sourceNames.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return metrics.horizontalAdvance(m_sourceNames[a]) <
               metrics.horizontalAdvance(m_sourceNames[b]);
    });
    QStringList shown = m_sourceNames;
    for (int k = 0; k < order.size(); ++k) {
        const int i = order[k];
        shown[i] =
            metrics.elidedText(m_sourceNames[i], Qt::ElideMiddle, room / int(order.size() - k));
        room -= metrics.horizontalAdvance(shown[i]);
    }
    m_source->setText(compose(shown));
}
