#pragma once

#include "monitoring/eipsdata.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

// The unit's safety identifiers TUNID, SCID and OCPUNID in hexadecimal,
// the SCID time stamp as a date, and the resets of the two UNIDs.
class NetworkParameters : public QWidget
{
    Q_OBJECT

public:
    enum Field
    {
        TunidNode,
        TunidTime,
        TunidDate,
        ScidCrc,
        ScidTime,
        ScidDate,
        OcpunidNode,
        OcpunidTime,
        OcpunidDate,
        FieldCount
    };

    NetworkParameters();

    QLineEdit* field(Field field) const { return m_fields[field]; }
    QLabel* scidDateLabel() const { return m_scidDate; }
    QPushButton* resetButton(bool ocpunid) const { return ocpunid ? m_resetOcpunid : m_resetTunid; }
    // The SCID time stamp as a date-time; invalid when out of range.
    static QDateTime scidDateTime(const EipsData::Identifier& scid);

signals:
    void exitRequest();

public slots:
    void clicked(bool checked);
    void clicked();
    void updateEipsData();

private:
    void resetIdentifier(bool ocpunid);
    void showIdentifier(const EipsData::Identifier& identifier, Field first);

    QLineEdit* m_fields[FieldCount] = {};
    QLabel* m_scidDate = nullptr;
    QPushButton* m_resetTunid = nullptr;
    QPushButton* m_resetOcpunid = nullptr;
};
