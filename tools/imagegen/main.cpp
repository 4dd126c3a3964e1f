// Draws the program's compiled-in images (assets/image) and writes them into
// the folder given on the command line:
//
//     obx_imagegen <source>/assets/image
//
// Every picture is vector-drawn here, so the set can be redrawn at will. The
// GIF logo is checked by reading it back.
#include "gifwriter.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QtMath>

#include <climits>
#include <cstdio>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

QImage render(int width, int height, const Draw& draw, QColor background = Qt::transparent)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// ---- check boxes (18 x 18) -------------------------------------------------

enum class Mark
{
    None,
    Check,
    Dash
};

Draw checkBox(QColor frame, QColor fill, Mark mark, QColor markColour)
{
    return [=](QPainter& p) {
        p.setPen(QPen(frame, 1.5));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(1.75, 1.75, 14.5, 14.5), 3, 3);
        p.setPen(roundPen(markColour, 2.2));
        p.setBrush(Qt::NoBrush);
        if (mark == Mark::Check)
            p.drawPolyline(QPolygonF({{4.8, 9.2}, {7.6, 12.0}, {13.2, 6.0}}));
        else if (mark == Mark::Dash)
            p.drawLine(QPointF(5.2, 9.0), QPointF(12.8, 9.0));
    };
}

// ---- toggle switches (36 x 20) ---------------------------------------------

Draw toggle(bool on, QColor track, QColor knob)
{
    return [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(track);
        p.drawRoundedRect(QRectF(3, 4, 30, 12), 6, 6);
        p.setBrush(QColor(0, 0, 0, 70)); // a soft shadow under the knob
        const qreal x = on ? 26 : 10;
        p.drawEllipse(QPointF(x, 10.6), 8, 8);
        p.setBrush(knob);
        p.drawEllipse(QPointF(x, 10), 7.6, 7.6);
    };
}

// ---- eyes (24 x 24) -----------------------------------------------------------

Draw eye(QColor colour, bool open)
{
    return [=](QPainter& p) {
        QPainterPath outline;
        outline.moveTo(1.5, 12);
        outline.cubicTo(5, 5, 19, 5, 22.5, 12);
        outline.cubicTo(19, 19, 5, 19, 1.5, 12);
        p.setPen(roundPen(colour, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawEllipse(QPointF(12, 12), 3.6, 3.6);
        if (!open) {
            // Cut a gap around the slash, then draw it.
            p.setCompositionMode(QPainter::CompositionMode_Clear);
            p.setPen(roundPen(Qt::black, 4.6));
            p.drawLine(QPointF(3.5, 3.5), QPointF(20.5, 20.5));
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setPen(roundPen(colour, 1.8));
            p.drawLine(QPointF(3.5, 3.5), QPointF(20.5, 20.5));
        }
    };
}

// ---- chevrons and arrows (16 x 16) ------------------------------------------

Draw chevron(QColor colour, bool down)
{
    return [=](QPainter& p) {
        p.setPen(roundPen(colour, 2));
        if (down)
            p.drawPolyline(QPolygonF({{3.5, 6}, {8, 10.5}, {12.5, 6}}));
        else
            p.drawPolyline(QPolygonF({{3.5, 10}, {8, 5.5}, {12.5, 10}}));
    };
}

Draw triangle(QColor colour, bool down)
{
    return [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        if (down)
            p.drawPolygon(QPolygonF({{3, 5.5}, {13, 5.5}, {8, 11}}));
        else
            p.drawPolygon(QPolygonF({{5.5, 3}, {5.5, 13}, {11, 8}}));
    };
}

// ---- combo box item marks (24 x 24, shown at 12 x 12) -----------------------

Draw comboMark(QColor frame, QColor check, bool checked)
{
    return [=](QPainter& p) {
        p.setPen(QPen(frame, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 3.5, 3.5);
        if (checked) {
            p.setPen(roundPen(check, 3));
            p.drawPolyline(QPolygonF({{7, 12.5}, {10.5, 16}, {17.5, 8}}));
        }
    };
}

// ---- tool icons (24 x 24) ------------------------------------------------------

Draw folder(QColor colour)
{
    return [=](QPainter& p) {
        QPainterPath path;
        path.moveTo(2, 6.5);
        path.quadTo(2, 5, 3.5, 5);
        path.lineTo(9, 5);
        path.lineTo(11, 7);
        path.lineTo(20.5, 7);
        path.quadTo(22, 7, 22, 8.5);
        path.lineTo(22, 17.5);
        path.quadTo(22, 19, 20.5, 19);
        path.lineTo(3.5, 19);
        path.quadTo(2, 19, 2, 17.5);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(path);
    };
}

void chainLinks(QPainter& p, QColor colour, qreal gap)
{
    p.save();
    p.translate(12, 12);
    p.rotate(-45);
    p.setPen(roundPen(colour, 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-10.5 - gap, -3.8, 12, 7.6), 3.8, 3.8);
    p.drawRoundedRect(QRectF(-1.5 + gap, -3.8, 12, 7.6), 3.8, 3.8);
    p.restore();
}

Draw link(QColor colour)
{
    return [=](QPainter& p) { chainLinks(p, colour, 0); };
}

Draw linkOff(QColor colour, QColor slash)
{
    return [=](QPainter& p) {
        chainLinks(p, colour, 1.6);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.setPen(roundPen(Qt::black, 5));
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setPen(roundPen(slash, 2.2));
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
    };
}

Draw perspectiveCube(QColor colour)
{
    return [=](QPainter& p) {
        const QRectF front(2.5, 8.5, 12, 12);
        const QRectF back(11, 3.5, 8, 8); // smaller: farther away
        p.setBrush(Qt::NoBrush);
        QPen dashed = roundPen(colour, 1.1);
        dashed.setDashPattern({1.5, 1.5});
        p.setPen(dashed);
        p.drawRect(back);
        p.drawLine(front.topLeft(), back.topLeft());
        p.drawLine(front.bottomLeft(), back.bottomLeft());
        p.drawLine(front.topRight(), back.topRight());
        p.drawLine(front.bottomRight(), back.bottomRight());
        p.setPen(roundPen(colour, 1.6));
        p.drawRect(front);
    };
}

Draw camera(QColor colour)
{
    return [=](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(2, 7, 20, 13), 2.5, 2.5);
        p.drawRoundedRect(QRectF(8, 4, 8, 5), 1.5, 1.5);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.drawEllipse(QPointF(12, 13.5), 4.6, 4.6);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawEllipse(QPointF(12, 13.5), 2.6, 2.6);
        p.drawEllipse(QPointF(18.5, 9.6), 1, 1);
    };
}

// Two arcs chasing each other around the centre, each ending in an arrowhead.
Draw sync(QColor colour)
{
    return [=](QPainter& p) {
        const QPointF centre(12, 12);
        const qreal radius = 7.5;
        const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        for (int half = 0; half < 2; ++half) {
            const qreal start = 35 + 180 * half; // degrees, counter-clockwise
            const qreal span = 125;
            p.setPen(roundPen(colour, 2.2));
            p.setBrush(Qt::NoBrush);
            p.drawArc(circle, int(start * 16), int(span * 16));
            // Arrowhead at the end of the arc, along the counter-clockwise tangent.
            const qreal end = qDegreesToRadians(start + span);
            const QPointF tip(centre.x() + radius * qCos(end), centre.y() - radius * qSin(end));
            const QPointF tangent(-qSin(end), -qCos(end));
            const QPointF normal(qCos(end), -qSin(end));
            const QPointF head = tip + tangent * 2.6;
            p.setPen(Qt::NoPen);
            p.setBrush(colour);
            p.drawPolygon(QPolygonF({head + tangent * 1.2, tip - tangent * 2.4 + normal * 3.4,
                                     tip - tangent * 2.4 - normal * 3.4}));
        }
    };
}

// ---- product icon and logo -----------------------------------------------------

const QColor brandBlue(0x11, 0x7e, 0xc6);
const QColor brandDark(0x1d, 0x2b, 0x3a);
const QColor brandGreen(0x00, 0xfa, 0x9a);

// An orbit ring around a core, the mark of the product.
void orbitMark(QPainter& p, const QRectF& box, QColor core, QColor ring, QColor satellite)
{
    const QPointF c = box.center();
    const qreal r = box.width() / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(core);
    p.drawEllipse(c, r * 0.42, r * 0.42);
    p.save();
    p.translate(c);
    p.rotate(-25);
    p.setPen(QPen(ring, r * 0.09));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 0), r * 0.92, r * 0.42);
    p.setPen(Qt::NoPen);
    p.setBrush(satellite);
    p.drawEllipse(QPointF(r * 0.92, 0), r * 0.14, r * 0.14);
    p.restore();
}

Draw appIcon()
{
    return [](QPainter& p) {
        QLinearGradient gradient(0, 0, 0, 128);
        gradient.setColorAt(0, QColor(0x2a, 0x3d, 0x52));
        gradient.setColorAt(1, QColor(0x14, 0x1e, 0x29));
        p.setPen(Qt::NoPen);
        p.setBrush(gradient);
        p.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);
        orbitMark(p, QRectF(14, 6, 100, 100), brandBlue, QColor(0xe4, 0xe4, 0xe4), brandGreen);
        QFont font(QStringLiteral("Noto Sans"));
        font.setPixelSize(30);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(4, 84, 120, 36), Qt::AlignCenter, QStringLiteral("OBX"));
    };
}

Draw logo()
{
    return [](QPainter& p) {
        orbitMark(p, QRectF(10, 10, 80, 80), brandBlue, brandDark, brandBlue);
        QFont title(QStringLiteral("Noto Sans"));
        title.setPixelSize(46);
        title.setBold(true);
        p.setFont(title);
        p.setPen(brandDark);
        p.drawText(QRectF(104, 8, 290, 58), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Orbilux"));
        QFont subtitle(QStringLiteral("Noto Sans"));
        subtitle.setPixelSize(15);
        p.setFont(subtitle);
        p.setPen(QColor(0x6c, 0x75, 0x7d));
        p.drawText(QRectF(106, 64, 290, 24), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Safety Monitoring Unit"));
    };
}

// Palette for the logo on white: blends of white towards each colour it uses
// and a grey ramp, so that antialiased edges keep their hue.
QImage toIndexed(const QImage& image, const QList<QColor>& inks)
{
    QVector<QRgb> palette;
    const int levels = (256 - 32) / inks.size();
    for (const QColor& ink : inks) {
        for (int i = 0; i < levels; ++i) {
            const qreal t = qreal(i) / (levels - 1);
            palette << qRgb(qRound(255 + (ink.red() - 255) * t),
                            qRound(255 + (ink.green() - 255) * t),
                            qRound(255 + (ink.blue() - 255) * t));
        }
    }
    const int greys = 256 - palette.size();
    for (int i = 0; i < greys; ++i) {
        const int level = i * 255 / (greys - 1);
        palette << qRgb(level, level, level);
    }

    QImage indexed(image.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, int> nearest;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xff000000u;
            auto found = nearest.find(pixel);
            if (found == nearest.end()) {
                int best = 0;
                int bestDistance = INT_MAX;
                for (int i = 0; i < palette.size(); ++i) {
                    const int dr = qRed(pixel) - qRed(palette[i]);
                    const int dg = qGreen(pixel) - qGreen(palette[i]);
                    const int db = qBlue(pixel) - qBlue(palette[i]);
                    const int distance = dr * dr + dg * dg + db * db;
                    if (distance < bestDistance) {
                        bestDistance = distance;
                        best = i;
                    }
                }
                found = nearest.insert(pixel, best);
            }
            indexed.setPixel(x, y, uint(found.value()));
        }
    }
    return indexed;
}

bool writeGif(const QString& path, const QImage& indexed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(GifWriter::encode(indexed)) < 0)
        return false;
    file.close();
    const QImage back(path);
    if (back.size() != indexed.size())
        return false;
    for (int y = 0; y < back.height(); ++y)
        for (int x = 0; x < back.width(); ++x)
            if ((back.pixel(x, y) | 0xff000000u) != (indexed.pixel(x, y) | 0xff000000u))
                return false;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        err() << "usage: obx_imagegen <output folder>\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        err() << "cannot create " << out.path() << "\n";
        return 1;
    }

    // Colours of the dark theme.
    const QColor light(0xe4, 0xe4, 0xe4);
    const QColor white(0xf0, 0xf0, 0xf0);
    const QColor black(0x21, 0x21, 0x21);
    const QColor grey128(128, 128, 128);
    const QColor disabledGrey(0x6c, 0x75, 0x7d);
    const QColor fieldDark(0x2c, 0x2c, 0x2c);
    const QColor fieldDisabled(0x40, 0x40, 0x40);
    const QColor primaryDisabled(0x43, 0x64, 0x7a);
    const QColor markDisabled(0xa0, 0xa6, 0xab);

    struct Item
    {
        const char* name;
        int width;
        int height;
        Draw draw;
    };
    const QList<Item> items = {
        {"arrow_down.png", 16, 16, triangle(light, true)},
        {"arrow_right.png", 16, 16, triangle(light, false)},
        {"checkbox_checked.png", 18, 18, checkBox(brandBlue, brandBlue, Mark::Check, Qt::white)},
        {"checkbox_checked_disable.png", 18, 18,
         checkBox(primaryDisabled, primaryDisabled, Mark::Check, markDisabled)},
        {"checkbox_partiallychecked.png", 18, 18,
         checkBox(brandBlue, brandBlue, Mark::Dash, Qt::white)},
        {"checkbox_partiallychecked_disable.png", 18, 18,
         checkBox(primaryDisabled, primaryDisabled, Mark::Dash, markDisabled)},
        {"checkbox_unchecked.png", 18, 18,
         checkBox(QColor(0xc8, 0xc8, 0xc8), fieldDark, Mark::None, {})},
        {"checkbox_unchecked_disable.png", 18, 18,
         checkBox(disabledGrey, fieldDisabled, Mark::None, {})},
        {"combobox_checked_black.png", 24, 24, comboMark(black, black, true)},
        {"combobox_checked_white.png", 24, 24, comboMark(light, Qt::white, true)},
        {"combobox_unchecked.png", 24, 24, comboMark(QColor(0x9a, 0x9a, 0x9a), {}, false)},
        {"expand_less_middle.png", 16, 16, chevron(white, false)},
        {"expand_more.png", 16, 16, chevron(light, true)},
        {"expand_more_disable.png", 16, 16, chevron(disabledGrey, true)},
        {"expand_more_middle.png", 16, 16, chevron(white, true)},
        {"folder_black.png", 24, 24, folder(black)},
        {"link.png", 24, 24, link(QColor(0x7f, 0xd2, 0x8a))},
        {"link_off.png", 24, 24, linkOff(QColor(0xb0, 0xb0, 0xb0), QColor(0xe5, 0x73, 0x73))},
        {"perspective_or_parallel.png", 24, 24, perspectiveCube(light)},
        {"select_camera.png", 24, 24, camera(light)},
        {"sync_black_24dp.png", 24, 24, sync(black)},
        {"sync_black_disabled_24dp.png", 24, 24, sync(QColor(0xa0, 0xa0, 0xa0))},
        {"sync_white_24dp.png", 24, 24, sync(white)},
        {"sync_white_disabled_24dp.png", 24, 24, sync(disabledGrey)},
        {"toggle_off.png", 36, 20,
         toggle(false, QColor(0x5a, 0x5a, 0x5a), QColor(0xc8, 0xc8, 0xc8))},
        {"toggle_off_blue_36dp.png", 36, 20,
         toggle(false, QColor(0x5a, 0x5a, 0x5a), QColor(0xc8, 0xc8, 0xc8))},
        {"toggle_off_disable.png", 36, 20,
         toggle(false, QColor(0x48, 0x48, 0x48), QColor(0x6c, 0x6c, 0x6c))},
        {"toggle_off_disabled_blue_36dp.png", 36, 20,
         toggle(false, QColor(0x48, 0x48, 0x48), QColor(0x6c, 0x6c, 0x6c))},
        {"toggle_on.png", 36, 20, toggle(true, QColor(0x1f, 0x6b, 0x47), QColor(0x3d, 0xd6, 0x8c))},
        {"toggle_on_blue_36dp.png", 36, 20,
         toggle(true, QColor(0x2f, 0x6f, 0x9f), QColor(0x3e, 0xa6, 0xff))},
        {"toggle_on_disable.png", 36, 20,
         toggle(true, QColor(0x2e, 0x4a, 0x3d), QColor(0x4f, 0x7f, 0x66))},
        {"toggle_on_disabled_blue_36dp.png", 36, 20,
         toggle(true, QColor(0x34, 0x49, 0x5a), QColor(0x5f, 0x7f, 0x99))},
        {"visibility_black_off.png", 24, 24, eye(black, false)},
        {"visibility_black_on.png", 24, 24, eye(black, true)},
        {"visibility_gray128_off.png", 24, 24, eye(grey128, false)},
        {"visibility_gray128_on.png", 24, 24, eye(grey128, true)},
        {"visibility_white_off.png", 24, 24, eye(white, false)},
        {"visibility_white_on.png", 24, 24, eye(white, true)},
        {"OBX.png", 128, 128, appIcon()},
    };

    int failures = 0;
    for (const Item& item : items) {
        const QString path = out.filePath(QLatin1String(item.name));
        if (!render(item.width, item.height, item.draw).save(path, "PNG")) {
            err() << "cannot write " << path << "\n";
            ++failures;
        }
    }

    const QImage logoImage = render(400, 100, logo(), Qt::white);
    const QString logoPath = out.filePath(QStringLiteral("Orbilux_Logo.gif"));
    if (!writeGif(logoPath,
                  toIndexed(logoImage, {brandBlue, brandDark, QColor(0x6c, 0x75, 0x7d)}))) {
        err() << "cannot write or read back " << logoPath << "\n";
        ++failures;
    }
    err().flush();
    return failures == 0 ? 0 : 1;
}
