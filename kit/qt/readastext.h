// Read-only boxes as screen readers meet them on the desktop: each reading is one static text on
// a holder around its boxes, worded from the model when a reader asks; the boxes inside stay out
// of the accessibility tree, so that a clock's ticks raise no events at all.
#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace kitqt {

// `holder` reads as static text with what `text` gives at the time; the `quiet` widgets (the
// boxes inside it) are met by no screen reader.
void readAsText(QWidget& holder, std::function<QString()> text, const std::vector<QWidget*>& quiet);

}  // namespace kitqt
