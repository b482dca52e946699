#include "platform/qt_font.h"

#include <algorithm>
#include <cstdlib>

#include "platform/qt_text.h"

namespace {
// Faces of the Windows dialogs that have no counterpart here.
constexpr const char* kSansSerifFaces[] = {"MS Sans Serif", "Microsoft Sans Serif",
                                           "MS Shell Dlg", "MS Shell Dlg 2"};

bool IsSansSerifFace(const AnsiString& name) {
  return std::any_of(std::begin(kSansSerifFaces), std::end(kSansSerifFaces),
                     [&](const char* face) { return SameText(name, face); });
}
}  // namespace

QFont ToQFont(const ControlFont& font) {
  QFont result(IsSansSerifFace(font.Name) ? QStringLiteral("Sans Serif") : ToQString(font.Name));
  result.setStyleHint(QFont::SansSerif);
  result.setPixelSize(std::max(1, std::abs(font.Height)));
  result.setBold(font.Bold);
  return result;
}
