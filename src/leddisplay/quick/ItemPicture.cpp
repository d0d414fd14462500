#include "leddisplay/quick/ItemPicture.h"

#include <QPainter>

namespace led::quick {

void DrawPicture(qt::ControlHost& host, QSize viewSize, QImage& picture) {
  const QSize device = host.DeviceSize(viewSize);
  if (picture.size() != device || picture.format() != QImage::Format_ARGB32_Premultiplied)
    picture = QImage(device, QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(host.ratio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  host.Paint(painter, viewSize);
}

}  // namespace led::quick
