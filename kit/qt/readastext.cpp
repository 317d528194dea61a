// Static-text accessibility for the holders of read-only boxes.
#include "readastext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QSet>
#include <QWidget>

namespace kitqt {
namespace {

QHash<const QObject*, std::function<QString()>>& texts() {
  static QHash<const QObject*, std::function<QString()>> registry;
  return registry;
}

QSet<const QObject*>& quietOnes() {
  static QSet<const QObject*> registry;
  return registry;
}

// One leaf of static text: no children, never focused, never edited.
class Reading : public QAccessibleWidget {
 public:
  explicit Reading(QWidget* holder) : QAccessibleWidget(holder, QAccessible::StaticText) {}
  QString text(QAccessible::Text kind) const override {
    if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
    const auto found = texts().constFind(object());
    return found == texts().constEnd() ? QString() : (*found)();
  }
  QAccessible::State state() const override {
    QAccessible::State shown = QAccessibleWidget::state();
    shown.focusable = shown.focused = shown.editable = false;
    shown.readOnly = true;
    return shown;
  }
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

// A box inside a holder: Qt drops the events of an interface that is not valid.
class Quiet : public QAccessibleWidget {
 public:
  explicit Quiet(QWidget* box) : QAccessibleWidget(box) {}
  bool isValid() const override { return false; }
};

QAccessibleInterface* interfaceFor(const QString&, QObject* object) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return nullptr;
  if (texts().contains(object)) return new Reading(widget);
  if (quietOnes().contains(object)) return new Quiet(widget);
  return nullptr;
}

}  // namespace

void readAsText(QWidget& holder, std::function<QString()> text,
                const std::vector<QWidget*>& quiet) {
  static const bool installed = [] {
    QAccessible::installFactory(interfaceFor);
    return true;
  }();
  (void)installed;
  texts().insert(&holder, std::move(text));
  QObject::connect(&holder, &QObject::destroyed, [](QObject* gone) { texts().remove(gone); });
  for (QWidget* box : quiet) {
    quietOnes().insert(box);
    QObject::connect(box, &QObject::destroyed, [](QObject* gone) { quietOnes().remove(gone); });
  }
}

}  // namespace kitqt
