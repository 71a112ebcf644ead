#pragma once

// Whether the machine is online, for the update check. Where no network
// information backend can be loaded the answer is yes: the request itself is
// the real test.
class OnlineStatus
{
public:
    bool isOnline() const;

    // Lets a test pretend the machine is offline.
    void setForcedOffline(bool offline) { forcedOffline = offline; }

private:
    bool forcedOffline = false;
};
