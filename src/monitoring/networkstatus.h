#pragma once

#include "monitoring/eipsdata.h"

#include <QWidget>

class QLineEdit;

// The unit's EtherNet/IP identity and its safety assembly instances, read
// once when the page is built. It also owns the query and the parser of the
// reply that all three network pages use.
class NetworkStatus : public QWidget
{
    Q_OBJECT

public:
    NetworkStatus();

    // Clears the record, sends "ZSAFM_EIPS_CONF_DISP" and parses the reply
    // into the record. Returns whether the command succeeded.
    static bool queryEipsData(EipsData* data);
    // Lines of key "->" value, with LF or CR LF line ends. Unknown keys and
    // malformed values change nothing.
    static void parseEipsData(EipsData* data, const QString& reply);

    QLineEdit* field(int index) const { return m_fields.value(index); }

signals:
    void exitRequest();

public slots:
    void updateEipsData();

private:
    QVector<QLineEdit*> m_fields;
};
