#pragma once

namespace dusk {

class Session;

// Drives the session from its first frame until the window's close flag is
// set; a round still in play is then recorded as left.
void runMainLoop(Session& session);

}  // namespace dusk
