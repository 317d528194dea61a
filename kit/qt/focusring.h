// A clear focus ring on the lesson's buttons and boxes: 2 px wide, dark on a light face and
// light on a dark one (at least 3:1 against it), shown from the very first focus, not only
// after the first Tab as the platform's style does.
#pragma once

namespace kitqt {

// Puts the ring into the application's style (once).
void useFocusRing();

}  // namespace kitqt
