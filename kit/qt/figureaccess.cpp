// The surface's accessible children: one static text per line of the figure.
#include "figureaccess.h"

#include "kit/describe.h"
#include "surfacewidget.h"

namespace kitqt {

namespace {

// One line of the figure, read afresh from the watch each time it is asked.
class FigureLine : public QAccessibleInterface {
 public:
  FigureLine(SurfaceAccessible* parent, SurfaceWidget* surface, int index)
      : parent_(parent), surface_(surface), index_(index) {}
  bool isValid() const override { return surface_ != nullptr; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return parent_->window(); }
  QAccessibleInterface* parent() const override { return parent_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    const std::vector<std::string>& lines = surface_->figure().lines();
    if (t != QAccessible::Name || index_ >= static_cast<int>(lines.size())) return {};
    return QString::fromStdString(lines[index_]);
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return parent_->rect(); }
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    return state;
  }

 private:
  SurfaceAccessible* parent_;
  SurfaceWidget* surface_;
  int index_;
};

QAccessibleInterface* makeInterface(const QString&, QObject* object) {
  auto* surface = dynamic_cast<SurfaceWidget*>(object);
  return surface ? new SurfaceAccessible(surface) : nullptr;
}

}  // namespace

SurfaceAccessible::SurfaceAccessible(SurfaceWidget* surface)
    : QAccessibleWidget(surface, QAccessible::Canvas) {}

SurfaceAccessible::~SurfaceAccessible() {
  for (QAccessibleInterface* line : lines_)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(line));
}

SurfaceWidget* SurfaceAccessible::surface() const {
  return static_cast<SurfaceWidget*>(widget());
}

QString SurfaceAccessible::text(QAccessible::Text t) const {
  if (t != QAccessible::Description) return QAccessibleWidget::text(t);
  // What the lesson shows, then what was said last.
  QString description = QAccessibleWidget::text(t);
  const std::string& said = surface()->figure().announcement();
  if (!said.empty()) description += QStringLiteral(" ") + QString::fromStdString(said);
  return description;
}

int SurfaceAccessible::childCount() const {
  return static_cast<int>(surface()->figure().lines().size());
}

QAccessibleInterface* SurfaceAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  while (static_cast<int>(lines_.size()) <= index) {
    auto* line = new FigureLine(const_cast<SurfaceAccessible*>(this), surface(),
                                static_cast<int>(lines_.size()));
    QAccessible::registerAccessibleInterface(line);
    lines_.push_back(line);
  }
  return lines_[index];
}

int SurfaceAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (std::size_t i = 0; i < lines_.size(); ++i)
    if (lines_[i] == child) return static_cast<int>(i);
  return -1;
}

void SurfaceAccessible::changed(const std::vector<std::string>& before) {
  const std::vector<std::string>& lines = surface()->figure().lines();
  if (lines.size() != before.size()) {
    QAccessibleEvent reorder(this, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
  }
  for (std::size_t i = 0; i < lines.size() && i < before.size(); ++i) {
    if (lines[i] == before[i]) continue;
    QAccessibleEvent name(child(static_cast<int>(i)), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&name);
  }
  if (!surface()->figure().announcement().empty()) {
    QAccessibleEvent said(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&said);
  }
}

void installSurfaceAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(makeInterface);
}

}  // namespace kitqt
