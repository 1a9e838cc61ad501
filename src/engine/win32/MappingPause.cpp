#include "engine/win32/MappingPause.h"

#include <windows.h>

namespace tarvik {

MappingPause::MappingPause(EngineState& engine, const std::atomic<int>& runFlag) : engine_(engine) {
    // A fresh pause must not take the answer to an earlier one; an inner
    // one finds the thread already standing.
    if (engine_.pauseRequests.load() == 0) engine_.paused = 0;
    ++engine_.pauseRequests;
    while (engine_.paused.load() == 0 && runFlag.load() != 0) {
        // The polling thread may be setting a radio of the configuration
        // window, which this thread answers: sent messages are handled while
        // waiting, so the two never wait for each other.
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_SENDMESSAGE) == WAIT_OBJECT_0) {
            MSG message;
            PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

MappingPause::~MappingPause() {
    --engine_.pauseRequests;
}

}  // namespace tarvik
