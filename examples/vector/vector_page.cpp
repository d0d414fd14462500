// Two displays as SVG and PDF: each written on its own by its form, both composed side
// by side into one drawing and written as one file, and both painted by this program
// into a PDF page of its own (an A6 sheet with a heading, the displays at their places).
//   vector_page [FOLDER]
#include <cairo-pdf.h>
#include <cairo.h>

#include <cstdio>
#include <string>

#include "leddisplay/control/LEDDisplay.h"
#include "leddisplay/platform/cairo/CairoPainter.h"
#include "leddisplay/platform/cairo/VectorFile.h"
#include "leddisplay/platform/cairo/VectorForm.h"
#include "leddisplay/platform/vector/Drawing.h"

namespace {

// A control on its own vector form, showing one reading.
struct Reading {
  Reading(const char* caption, double value) : display(form.Host()) {
    form.OnResize([this] { display.Resize(); });
    display.InitProperties();
    display.SetAutoSize(led::core::kTrue);
    display.SetCaptionUpper(caption);
    display.SetDigits(4);
    display.SetDecimals(1);
    display.SetValue(value);
    display.Show();
  }
  led::platform::VectorForm form;
  led::control::LEDDisplay display;
};

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? std::string(argv[1]) + "/" : "";
  Reading supply("Supply", -12.5), load("Load", 3.3);

  // Each display on its own: the form writes its snapshot.
  supply.form.WriteSnapshotSvg(folder + "supply.svg");
  supply.form.WriteSnapshotPdf(folder + "supply.pdf");

  // Both side by side in one drawing, 8 units apart, written as one file.
  const led::platform::Drawing left = supply.form.Shapes(), right = load.form.Shapes();
  led::platform::Drawing both{
      left.width + 8 + right.width, std::max(left.height, right.height), {}, "Supply and load"};
  led::platform::AppendMoved(both, left, 0, 0);
  led::platform::AppendMoved(both, right, left.width + 8, 0);
  led::platform::WriteVectorFile(folder + "both.svg", both, led::platform::SnapshotFormat::kSvg);

  // A page of our own: A6 in points, a heading, then each display painted at its place
  // (one unit of a drawing is 0.75 points: 96 units an inch).
  const std::string page = folder + "page.pdf";
  cairo_surface_t* surface = cairo_pdf_surface_create(page.c_str(), 297.6, 419.5);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 14);
  cairo_move_to(cr, 36, 48);
  cairo_show_text(cr, "Bench supply");
  double top = 64;
  for (const led::platform::Drawing* drawing : {&left, &right}) {
    cairo_save(cr);
    cairo_translate(cr, 36, top);
    cairo_scale(cr, 0.75, 0.75);
    led::platform::PaintDrawing(cr, *drawing);
    cairo_restore(cr);
    top += drawing->height * 0.75 + 12;
  }
  const bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool written = ok && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  std::printf("%ssupply.svg, supply.pdf, both.svg, page.pdf: %s\n", folder.c_str(),
              written ? "written" : "failed");
  return written ? 0 : 1;
}
