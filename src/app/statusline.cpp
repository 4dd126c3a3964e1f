#include "app/statusline.h"

#include "app/core/displaytext.h"
#include "io/controllerlogin.h"
#include "io/dataprovider.h"
#include "parameter/crc32c.h"
#include "parameter/parameter.h"
#include "parameter/valuevalidator.h"
#include "widgets/properties/safetysignaturecrcproperty.h"

#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBoundaryFinder>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {

const QChar ellipsis(0x2026);

// Where each character as the user reads it ends.
QVector<int> characterEnds(const QString& text)
{
    QVector<int> ends;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        ends << finder.position();
    return ends;
}

// The name within width: whole, else cut in the middle, else after its first
// characters, which always show.
QString elidedName(const QString& name, int width,
                   const std::function<int(const QString&)>& measure)
{
    const QVector<int> ends = characterEnds(name);
    const int count = int(ends.size());
    const int first = StatusLine::ShownNameCharacters;
    if (count <= first + 1 || measure(name) <= width)
        return name;
    const auto kept = [&](int characters) {
        const int head = std::max(first, (characters + 1) / 2);
        const int tail = characters - head;
        return name.left(ends[head - 1]) + ellipsis +
               name.mid(tail > 0 ? ends[count - tail - 1] : name.size());
    };
    // The most characters that fit; the first ones fit whatever the width.
    int low = first;
    int high = count - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (measure(kept(middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return kept(low);
}

} // namespace

StatusLine::StatusLine(Parameter* store, QWidget* parent) : QStatusBar(parent), m_store(store)
{
    setObjectName(QStringLiteral("statusLine"));
    setSizeGripEnabled(false);
    setStyleSheet(QStringLiteral("QStatusBar { background: #2c2c2c; color: #e4e4e4; }"
                                 "QStatusBar::item { border: none; }"
                                 "QLabel { padding: 0 12px 0 4px; }"));
    // One row could not hold the sources' words beside the counts in every
    // language: the sources have the first row to themselves.
    auto* rows = new QWidget(this);
    m_signature = new QLabel(rows);
    m_source = new QLabel(rows);
    m_unwritten = new QLabel(tr("Applied changes not yet written"), rows);
    m_outside = new QLabel(rows);
    m_unwritten->setStyleSheet(QStringLiteral("color: #ffa500;"));
    // The style's padding alone spaces the texts: a label that the style
    // gives a frame would otherwise indent its text by half an 'x' and ask
    // a whole one more for it than its text needs.
    for (QLabel* label : {m_signature, m_source, m_unwritten, m_outside})
        label->setIndent(0);
    // The names give way first: the tool tip names them whole.
    m_source->installEventFilter(this);
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_source);
    auto* stateRow = new QHBoxLayout;
    stateRow->addWidget(m_signature);
    stateRow->addStretch(1);
    stateRow->addWidget(m_unwritten);
    stateRow->addWidget(m_outside);
    column->addLayout(stateRow);
    addWidget(rows, 1);
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
    bool notSigned = false;
    const auto addSource = [&](const QString& path, const ParameterImage& file, bool robotPart) {
        const QStringList skipped = DataProvider::skippedCheckLabels(file);
        notSigned = notSigned || !skipped.isEmpty();
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
    m_source->setStyleSheet(notSigned ? QStringLiteral("color: #ffa500;") : QString());
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

QString StatusLine::composeSource(const QStringList& names) const
{
    QStringList parts;
    for (int i = 0; i < m_sourceParts.size(); ++i)
        parts << m_sourceParts[i].arg(names.value(i));
    return parts.join(QStringLiteral("; "));
}

int StatusLine::textWidth(const QString& text) const
{
    // As the label lays the text out, and never less than its advance.
    const QFontMetrics metrics = m_source->fontMetrics();
    return std::max(metrics.horizontalAdvance(text),
                    metrics
                        .boundingRect(QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX),
                                      Qt::AlignLeft | Qt::TextSingleLine, text)
                        .width());
}

void StatusLine::elideSource()
{
    const auto measure = [this](const QString& text) { return textWidth(text); };
    // Every word shows, and each name its first characters: the label is
    // never narrower than that.
    QStringList shortest;
    for (const QString& name : qAsConst(m_sourceNames))
        shortest << elidedName(name, 0, measure);
    // The style's padding and the label's own margins.
    const int chrome =
        m_source->width() - m_source->contentsRect().width() + m_source->margin() * 2;
    m_source->setMinimumWidth(textWidth(composeSource(shortest)) + chrome);
    const int width = m_source->width() - chrome;
    // Not laid out yet, or wide enough: the names show whole.
    if (!m_source->isVisible() || textWidth(composeSource(m_sourceNames)) <= width) {
        m_source->setText(composeSource(m_sourceNames));
        return;
    }
    // One name that needs less than its share leaves the rest to the other.
    QVector<int> order(m_sourceNames.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return textWidth(m_sourceNames[a]) < textWidth(m_sourceNames[b]);
    });
    // The names measured apart may come out wider together: the room
    // shrinks by what the whole line overshoots until it fits.
    QString text;
    for (int room = width - textWidth(composeSource({}));;) {
        QStringList shown = m_sourceNames;
        int left = room;
        for (int k = 0; k < order.size(); ++k) {
            const int i = order[k];
            shown[i] = elidedName(m_sourceNames[i], left / int(order.size() - k), measure);
            left -= textWidth(shown[i]);
        }
        text = composeSource(shown);
        const int over = textWidth(text) - width;
        if (over <= 0 || shown == shortest)
            break;
        room -= over;
    }
    m_source->setText(text);
}
