#include "io/monitorfeeduse.h"

#include "io/mirelclient.h"

namespace IO {

MonitorFeedUse::~MonitorFeedUse()
{
    release();
}

void MonitorFeedUse::take()
{
    if (m_client)
        return;
    MirelClient* client = MirelClient::instance();
    if (!client)
        return;
    client->startUpdate();
    m_client = client;
}

void MonitorFeedUse::release()
{
    // A client destroyed meanwhile has taken its count with it.
    if (MirelClient* client = m_client.data()) {
        m_client.clear();
        client->stopUpdate();
    }
}

} // namespace IO
