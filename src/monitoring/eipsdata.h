#pragma once

#include <QString>
#include <QtGlobal>

// The unit's answer to "ZSAFM_EIPS_CONF_DISP": its EtherNet/IP Safety
// interface. Texts are kept as sent.
struct EipsData
{
    // A UNID (node ID and safety network number) or the SCID (CRC and time
    // stamp): time in milliseconds since midnight, date in days since
    // 1 January 1972.
    struct Identifier
    {
        quint32 first = 0;
        quint32 time = 0;
        quint16 date = 0;
        // The reply held this identifier.
        bool present = false;
    };

    QString vendorId;
    QString deviceType;
    QString productCode;
    QString majorVersion;
    QString minorVersion;
    QString safetyInputInputInstance;
    QString safetyInputOutputInstance;
    QString safetyInputSize;
    QString safetyOutputInputInstance;
    QString safetyOutputOutputInstance;
    QString safetyOutputSize;
    QString configurationAssemblyInstance;
    QString portInfo;
    quint32 port = 0;
    quint32 portSub = 0;
    QString ipAddress;
    QString macAddress;
    Identifier tunid;
    Identifier scid;
    Identifier ocpunid;
    QString nodeId;
};
