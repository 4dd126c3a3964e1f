#pragma once

#include <QPointer>

namespace IO {
class MirelClient;

// One consumer's hold on the monitor feed (MirelClient::startUpdate /
// stopUpdate). take() and release() may be called any number of times in
// any order: the client's use count moves by at most one for this holder,
// so a view shown twice or hidden twice never leaks or steals a count. The
// destructor releases what is still held.
class MonitorFeedUse
{
public:
    MonitorFeedUse() = default;
    ~MonitorFeedUse();
    MonitorFeedUse(const MonitorFeedUse&) = delete;
    MonitorFeedUse& operator=(const MonitorFeedUse&) = delete;

    // Starts the feed of MirelClient::instance(); nothing without a client.
    void take();
    void release();
    bool isTaken() const { return !m_client.isNull(); }

private:
    QPointer<MirelClient> m_client;
};
} // namespace IO
