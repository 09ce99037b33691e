#include "app/MainLoop.h"

#include "app/Session.h"

namespace dusk {

void runMainLoop(Session& session) {
    while (!session.finished()) {
        session.runFrame();
    }
    session.leaveRound();
}

}  // namespace dusk
