// Every caption in the five windows is drawn in the face its control asks for: each character
// by the first family of the face's list that has it, so a Latin letter in a Times button comes
// from the Times stand-in, not from the Chinese fallback or the platform's sans face.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

#include "kit/controls.h"
#include "kit/qt/formwindow.h"
#include "kit/qt/qtlook.h"
#include "lessons/lessons.h"

namespace {

// The family that should draw a character: the first installed one of the list that has it.
QString expectedFamily(const QStringList& families, char32_t character) {
  for (const QString& family : families) {
    if (!QFontDatabase::hasFamily(family)) continue;
    QFont alone(family);
    alone.setStyleStrategy(QFont::NoFontMerging);
    if (QFontMetricsF(alone).inFontUcs4(character)) return family;
  }
  return {};
}

// Lays a text out as a widget draws it and checks the family behind every character.
void expectDrawnInFace(const QString& text, const QFont& font, const std::string& face,
                       const std::string& where) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  const QStringList families = kitqt::familiesFor(face);
  for (int index = 0; index < text.size(); ++index) {
    const char32_t character = text.at(index).unicode();
    if (QChar::isSpace(character) || QChar::isSurrogate(character)) continue;
    const QString expected = expectedFamily(families, character);
    for (const QGlyphRun& run : layout.glyphRuns(index, 1)) {
      const QString drawn = run.rawFont().familyName();
      EXPECT_EQ(drawn.compare(expected, Qt::CaseInsensitive), 0)
          << where << ": '" << QString(QChar(character)).toStdString() << "' drawn in "
          << drawn.toStdString() << ", expected " << expected.toStdString();
    }
  }
}

QString shownText(const kit::Control& control) {
  switch (control.kind()) {
    case kit::Kind::Button:
      return QString::fromStdString(static_cast<const kit::Button&>(control).Caption);
    case kit::Kind::TextBox:
      return QString::fromStdString(static_cast<const kit::TextBox&>(control).Text())
          .replace("\r\n", "");
    case kit::Kind::Frame:
      return QString::fromStdString(static_cast<const kit::Frame&>(control).Caption);
    default:
      return {};
  }
}

TEST(Faces, EveryCaptionIsDrawnInItsOwnFaceOrItsStandIn) {
  int checked = 0;
  for (const lessons::Lesson& lesson : lessons::all()) {
    const std::string& program = lesson.name;
    std::unique_ptr<kit::Form> form = lesson.makeForm();
    form->dispatch([&] { form->Form_Load(); });
    kitqt::FormWindow window(*form);
    window.syncWidgets();
    for (const kit::Control* control : form->controls()) {
      const std::string where = program + "." + control->name();
      if (const auto* label = dynamic_cast<const kit::Label*>(control)) {
        expectDrawnInFace(QString::fromStdString(label->Caption), kitqt::qtFont(label->font, 1),
                          label->font.face, where);
        ++checked;
      } else if (const auto* windowed = dynamic_cast<const kit::WindowControl*>(control)) {
        const auto* widget = window.findChild<QWidget*>(QString::fromStdString(control->name()));
        ASSERT_NE(widget, nullptr) << where;
        expectDrawnInFace(shownText(*control), widget->font(), windowed->font.face, where);
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 40);
}

TEST(Faces, LatinLettersOfTimesButtonsComeFromTheSerifStandIn) {
  std::unique_ptr<kit::Form> form = lessons::find("vecsub")->makeForm();
  kitqt::FormWindow window(*form);
  window.syncWidgets();
  for (const char* name : {"Command1", "Command2"}) {
    const auto* widget = window.findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr);
    QTextLayout layout(QStringLiteral("ab"), widget->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    ASSERT_EQ(layout.glyphRuns().size(), 1);
    const QString family = layout.glyphRuns().front().rawFont().familyName();
    EXPECT_TRUE(family == "Liberation Serif" || family == "Times New Roman")
        << name << " draws its letters in " << family.toStdString();
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
