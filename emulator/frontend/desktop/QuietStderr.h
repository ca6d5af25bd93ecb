#pragma once

namespace emu::desktop {

// Sends what the process writes to standard error to /dev/null while it lives. The sound
// libraries SDL opens (ALSA, PulseAudio) complain there when there is no sound device;
// the desktop says so once in the event log instead. Only for short calls on the window's
// thread: the device's threads write nothing to standard error.
class QuietStderr {
public:
    QuietStderr();
    ~QuietStderr();
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved_ = -1;
};

}  // namespace emu::desktop
