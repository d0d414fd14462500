#include "leddisplay/render/Background.h"

#include <array>
#include <memory>

#include "leddisplay/core/Arithmetic.h"
#include "leddisplay/core/Boolean.h"
#include "leddisplay/core/ErrorRegimes.h"
#include "leddisplay/host/Picture.h"

namespace led::render {

namespace {

host::TriVertex Vertex(int32_t x, int32_t y, const ColorComponents& color) {
  return {x,
          y,
          static_cast<uint16_t>(color.Red),
          static_cast<uint16_t>(color.Green),
          static_cast<uint16_t>(color.Blue),
          0};
}

// The container's picture; none when it holds no object or no bitmap.
host::PicturePtr ContainerPicture(host::Container& container) {
  auto picture =
      std::dynamic_pointer_cast<host::Picture>(container.ParentProperty("Picture").ToObject());
  if (picture == nullptr || picture->Handle() == 0) return nullptr;
  return picture;
}

}  // namespace

void FillGradient(host::Gdi& gdi, int32_t dc, const model::GradientArea& rect,
                  const ColorComponents& first, const ColorComponents& second, uint32_t mode) {
  const std::array<host::TriVertex, 2> vertices = {Vertex(rect.Left, rect.Top, first),
                                                   Vertex(rect.Right, rect.Bottom, second)};
  const std::array<host::GradientMeshRect, 1> mesh = {host::GradientMeshRect{0, 1}};
  gdi.GradientFill(dc, vertices, mesh, mode);
}

void PaintBackground(Display& display) {
  model::ControlState& s = display.state;
  host::Surface& surface = display.host.surface;
  host::Gdi& gdi = display.host.gdi;
  if (core::IsTrue(s.StoredTransparent)) {
    CopyContainerBackground(display);
    return;
  }

  s.GradientBounds = {0, 0, core::Round32(surface.ScaleWidth()),
                      core::Round32(surface.ScaleHeight())};

  const bool vertical = s.StoredBackGroundStyle == model::Gradient_V;
  const bool horizontal = s.StoredBackGroundStyle == model::Gradient_H;
  if (!vertical && !horizontal) return;

  // Colours are converted only when a gradient uses them, and a colour that cannot be
  // converted costs the gradient, not the digits drawn after it.
  ColorComponents c1, c2;
  const bool converted = core::TryStep([&] {
    c1 = SplitColorComponents(ResolveSystemColor(gdi, s.StoredBackGroundG1));
    c2 = SplitColorComponents(ResolveSystemColor(gdi, s.StoredBackGroundG2));
  });
  if (!converted) return;

  if (vertical)
    FillGradient(gdi, surface.hDC(), s.GradientBounds, c2, c1, host::kGradientFillRectV);
  else
    FillGradient(gdi, surface.hDC(), s.GradientBounds, c1, c2, host::kGradientFillRectH);
}

void CopyContainerBackground(Display& display) {
  host::Surface& surface = display.host.surface;
  host::Container& container = display.host.container;
  host::Gdi& gdi = display.host.gdi;

  // The control's place in the container, in the surface's pixels; 0 where unknown.
  int32_t sourceX = 0;
  int32_t sourceY = 0;
  core::TryStep([&] {
    const int16_t from = container.ParentProperty("ScaleMode").ToInteger();
    const float left = container.ExtenderProperty("Left").ToSingle();
    sourceX = core::Round32(surface.ScaleX(left, from, surface.ScaleMode()));
  });
  core::TryStep([&] {
    const int16_t from = container.ParentProperty("ScaleMode").ToInteger();
    const float top = container.ExtenderProperty("Top").ToSingle();
    sourceY = core::Round32(surface.ScaleY(top, from, surface.ScaleMode()));
  });

  host::PicturePtr picture;
  core::TryStep([&] { picture = ContainerPicture(container); });

  int32_t memoryDc = 0;
  core::TryStep([&] { memoryDc = gdi.CreateCompatibleDC(surface.hDC()); });

  // Without a selected bitmap the memory context has nothing of the container's to
  // give, so the copy is left out and the cleared surface stays.
  int32_t keptBitmap = 0;
  if (memoryDc != 0 && picture != nullptr)
    core::TryStep([&] { keptBitmap = gdi.SelectObject(memoryDc, picture->Handle()); });

  if (keptBitmap != 0) {
    core::TryStep([&] {
      gdi.BitBlt(surface.hDC(), 0, 0, core::Round32(surface.ScaleWidth()),
                 core::Round32(surface.ScaleHeight()), memoryDc, sourceX, sourceY, host::kSrcCopy);
    });
    core::TryStep([&] { gdi.SelectObject(memoryDc, keptBitmap); });
  }

  if (memoryDc != 0) core::TryStep([&] { gdi.DeleteDC(memoryDc); });
  // The picture reference is released here, whichever steps failed.
}

}  // namespace led::render
