#include "leddisplay/quick/ItemPicture.h"

#include <QPainter>
#include <algorithm>

namespace led::quick {

QImage DrawPicture(qt::ControlHost& host, QSize viewSize, const QColor& ground) {
  QImage picture(host.DeviceSize(viewSize), QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(host.ratio);
  picture.fill(ground);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  host.Paint(painter, viewSize);
  return picture;
}

// Over black a pixel is alpha x colour, over white that plus (255 - alpha): the black
// one is already the premultiplied colour.
QImage Matte(const QImage& overBlack, const QImage& overWhite) {
  const QImage black = overBlack.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage white = overWhite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage out(black.size(), QImage::Format_ARGB32_Premultiplied);
  out.setDevicePixelRatio(black.devicePixelRatio());
  for (int y = 0; y < black.height(); ++y) {
    const auto* b = reinterpret_cast<const QRgb*>(black.constScanLine(y));
    const auto* w = reinterpret_cast<const QRgb*>(white.constScanLine(y));
    auto* o = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < black.width(); ++x) {
      const int shown =
          (qRed(w[x]) - qRed(b[x])) + (qGreen(w[x]) - qGreen(b[x])) + (qBlue(w[x]) - qBlue(b[x]));
      const int alpha = std::clamp(255 - (shown + 1) / 3, 0, 255);
      o[x] = qRgba(std::min(qRed(b[x]), alpha), std::min(qGreen(b[x]), alpha),
                   std::min(qBlue(b[x]), alpha), alpha);
    }
  }
  return out;
}

}  // namespace led::quick
