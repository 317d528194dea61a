// The figure for screen readers on the desktop: the surface's accessible interface, whose
// children are the lines the kit's FigureWatch reads from the model, and whose description
// carries what was last said (when a press is let go, a box answered, an animation ends).
#pragma once

#include <QAccessibleWidget>
#include <string>
#include <vector>

namespace kit {
class FigureWatch;
}  // namespace kit

namespace kitqt {

class SurfaceWidget;

class SurfaceAccessible : public QAccessibleWidget {
 public:
  explicit SurfaceAccessible(SurfaceWidget* surface);
  ~SurfaceAccessible() override;

  QAccessible::Role role() const override { return QAccessible::Canvas; }
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  // The lines as they were shown last: children whose text changed tell so.
  void changed(const std::vector<std::string>& before);

 private:
  SurfaceWidget* surface() const;
  mutable std::vector<QAccessibleInterface*> lines_;  // made as asked for, kept while shown
};

// Makes the surfaces' interfaces; installed once by the first surface.
void installSurfaceAccessibility();

}  // namespace kitqt
