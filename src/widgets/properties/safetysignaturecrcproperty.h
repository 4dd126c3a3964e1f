#pragma once

#include "widgets/properties/propertywidget.h"

#include <QVector>

#include <array>

class ParameterImage;

class Label;

namespace Property {

// Read-only page of the master image's signature: the update time and the
// CRC-32C of the whole set and of the system, monitor and signal areas
// (scene 18).
class SafetySignatureCRC : public PropertyWidget
{
    Q_OBJECT

public:
    explicit SafetySignatureCRC(Parameter* parameter, QWidget* parent = nullptr);

    void initialize() override;

    // "%1 (0x%2)": the CRC in decimal and in eight hexadecimal digits.
    static QString crcText(quint32 crc);
    // Seconds since 1970 taken as UTC, in the application's language and format.
    static QString updateTimeText(quint32 seconds);

    struct SignatureRow
    {
        QString label;
        QString text;
        bool notSigned = false; // a CRC of 9894, whose check is skipped
        int offset = 0;         // in the image
    };
    // The page's eight rows for an image: whole, system, monitor and signal
    // area, each its update time and its CRC, labelled as on the page.
    static QVector<SignatureRow> signatureRows(const ParameterImage& image);

protected:
    // A write to the unit replaces the master image without a signal, so
    // the page reads the trailer again whenever it is shown.
    void showEvent(QShowEvent* event) override;

private:
    void refresh();

    // Whole time, whole CRC, system time, system CRC, monitor ..., signal ...
    std::array<Label*, 8> m_labels{};
};

} // namespace Property
