#include "leddisplay/qt/Fonts.h"

#include <algorithm>

#include "leddisplay/platform/raster/StdFont.h"

namespace led::qt {

QFont ToQFont(const host::Font& font) {
  QFont q(QString::fromStdString(font.Name()));
  q.setPointSizeF(static_cast<double>(font.Size()) / 10000.0);
  q.setWeight(QFont::Weight(std::clamp<int>(font.Weight(), 1, 1000)));
  q.setItalic(core::IsTrue(font.Italic()));
  q.setUnderline(core::IsTrue(font.Underline()));
  q.setStrikeOut(core::IsTrue(font.Strikethrough()));
  return q;
}

host::FontPtr FontFromQFont(const QFont& font) {
  const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
  host::FontPtr made = platform::StdFont::Create(font.family().toStdString(), points);
  made->SetWeight(static_cast<int16_t>(font.weight()));
  made->SetItalic(core::ToBoolean(font.italic()));
  made->SetUnderline(core::ToBoolean(font.underline()));
  made->SetStrikethrough(core::ToBoolean(font.strikeOut()));
  return made;
}

}  // namespace led::qt
