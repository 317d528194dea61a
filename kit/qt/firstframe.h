// For start-up measurements: with VEC_FIRST_FRAME set in the environment, the moment the first
// frame is painted (seconds since the epoch) goes to standard error; with VEC_FIRST_FRAME=quit
// the program then ends, so a script can time many starts. Without it, nothing happens.
#pragma once

namespace kitqt {

// Called at the start of every paint of a top-level window; acts once.
void noteFirstFrame();

}  // namespace kitqt
