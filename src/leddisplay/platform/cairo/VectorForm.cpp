#include "leddisplay/platform/cairo/VectorForm.h"

#include "leddisplay/core/RuntimeError.h"
#include "leddisplay/platform/cairo/VectorFile.h"

namespace led::platform {

VectorForm::VectorForm() : VectorForm(new VectorSurface) {}

// The form owns the surface from the start; the surface keeps the GDI the host uses.
VectorForm::VectorForm(VectorSurface* surface)
    : Form(std::unique_ptr<RasterSurface>(surface), surface->Gdi()), vector_(*surface) {}

// The captions as Snapshot() draws them: inside the border, clipped to the inner area.
Drawing VectorForm::Shapes() {
  Drawing drawing = vector_.Shapes();
  const int32_t border = vector_.BorderThickness();
  const PixelRect inner{border, border, border + vector_.InnerWidth(),
                        border + vector_.InnerHeight()};
  for (TextLabel* label : {&LowerCaption(), &UpperCaption()})
    AppendText(drawing, label->Place(border, border), label->DrawnColor(), inner);
  return drawing;
}

void VectorForm::WriteSnapshotSvg(const std::string& path) {
  WriteVectorFile(path, Shapes(), SnapshotFormat::kSvg);
}

void VectorForm::WriteSnapshotPdf(const std::string& path) {
  WriteVectorFile(path, Shapes(), SnapshotFormat::kPdf);
}

void VectorForm::WriteSnapshotSvg(std::ostream& out) {
  WriteVector(out, Shapes(), SnapshotFormat::kSvg);
}

void VectorForm::WriteSnapshotPdf(std::ostream& out) {
  WriteVector(out, Shapes(), SnapshotFormat::kPdf);
}

void VectorForm::WriteSnapshot(const std::string& path) {
  const SnapshotFormat format = SnapshotFormatOf(path);
  if (format == SnapshotFormat::kPng)
    throw core::RuntimeError(core::kInvalidCall,
                             core::RuntimeError::StandardDescription(core::kInvalidCall) + ": \"" +
                                 path + "\": a vector form writes SVG and PDF, not PNG");
  WriteVectorFile(path, Shapes(), format);
}

}  // namespace led::platform
