// The widget given the classic palette draws what the raster form draws: pixel for
// pixel without captions, outside the caption text with them, and at a device pixel
// ratio of 2 as the form draws the control at zoom 2. Printed into a PDF, it is shapes
// that Poppler rasterizes to its own grab.
#include <gtest/gtest.h>

#include <QGridLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPicture>
#include <QPixmap>
#include <QPrinter>
#include <cmath>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include "QtTestSupport.h"
#include "leddisplay/platform/io/Png.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"
#include "support/FileContents.h"
#include "support/ImageMismatch.h"
#include "support/RunCommand.h"
#include "support/ScratchFolder.h"
#include "support/SharedEdges.h"

namespace led::qt {
namespace {

using namespace led::test;

// The widget on its own, or over a parent whose window brush is the band picture.
struct PlacedWidget {
  explicit PlacedWidget(const Configuration& configuration) {
    if (configuration.overPicture) {
      parent = std::make_unique<QWidget>();
      parent->resize(400, 200);
      QPalette palette = parent->palette();
      palette.setBrush(QPalette::Window, QBrush(QPixmap::fromImage(BandPicture(400, 200))));
      parent->setPalette(palette);
    }
    widget = new LEDDisplayWidget(parent.get());
    widget->setPalette(ClassicPalette());
    if (!parent) owned.reset(widget);
    if (configuration.overPicture) widget->move(40, 30);
    Apply(*widget, configuration.sets);
  }
  std::unique_ptr<QWidget> parent;
  std::unique_ptr<LEDDisplayWidget> owned;
  LEDDisplayWidget* widget = nullptr;
};

// Without scaling the grab equals the snapshot pixel for pixel; run a second time with
// QT_SCALE_FACTOR=2 (the qt.hidpi test), it equals the form's at zoom 2 in device pixels.
class PixelMatch : public ::testing::TestWithParam<size_t> {};

TEST_P(PixelMatch, GrabEqualsTheRasterFormsSnapshotAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  PlacedWidget placed(configuration);
  QImage grabbed = placed.widget->grab().toImage();
  const int ratio = int(grabbed.devicePixelRatio());
  grabbed.setDevicePixelRatio(1);
  FormControl form(configuration, ratio);
  const QImage expected = form.Snapshot();
  // A widget is whole widget pixels: an extent of an odd number of device pixels
  // (AutoSize's allowance is not zoomed) leaves it one device pixel larger.
  const QSize spare = grabbed.size() - expected.size();
  ASSERT_TRUE(spare.width() >= 0 && spare.width() < ratio && spare.height() >= 0 &&
              spare.height() < ratio)
      << configuration.title;
  grabbed = grabbed.copy(QRect(QPoint(), expected.size()));
  std::vector<QRect> mask;
  if (configuration.captions) {
    EXPECT_FALSE(placed.widget->captionUpperRect().isEmpty());
    mask = CaptionMask(*placed.widget, form.Form(), ratio);
  }
  std::string report;
  EXPECT_EQ(Differences(grabbed, expected, mask, report), 0)
      << configuration.title << " at ratio " << ratio << ": " << report;
}

// Fitting: a widget larger than its display shows the form's picture at FitZoom's answer
// for the widget's extent, centred, with the palette's window colour around it.
TEST_P(PixelMatch, FittedGrabIsTheFormAtTheFitZoomCentredAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  const QSize size(800, 160);
  PlacedWidget placed(configuration);
  placed.widget->setAutoSize(false);
  placed.widget->setFitToSize(true);
  placed.widget->resize(size);
  QImage grabbed = placed.widget->grab().toImage();
  const int ratio = int(grabbed.devicePixelRatio());
  grabbed.setDevicePixelRatio(1);

  FormControl form(configuration, ratio);
  const auto [box, origin] = FitAsAQtHost(form, size, ratio);
  ASSERT_FALSE(box.isEmpty());
  if (configuration.overPicture) {
    form.Form().SetPlace(40 * 15 + origin.x() * 15.0f / ratio,
                         30 * 15 + origin.y() * 15.0f / ratio);
    form.Control().Refresh();
  }

  const QImage expected = form.Snapshot();
  std::vector<QRect> mask;
  if (configuration.captions) mask = CaptionMask(*placed.widget, form.Form(), ratio, origin);
  std::string report;
  EXPECT_EQ(Differences(grabbed.copy(QRect(origin, box)), expected, mask, report), 0)
      << configuration.title << " at ratio " << ratio << ": " << report;
  ASSERT_GT(origin.x(), 0) << configuration.title;  // the box is narrower than the widget
  if (!configuration.overPicture) {
    const QColor window = placed.widget->palette().window().color();
    for (const QPoint corner : {QPoint(0, 0), QPoint(grabbed.width() - 1, grabbed.height() - 1)})
      EXPECT_EQ(grabbed.pixelColor(corner), window) << configuration.title;
  }
}

// Displays of many sizes painted in turn share one image to paint from (the largest,
// beyond a million pixels, have their own): each still shows only its own pixels.
TEST(PixelMatchSizes, DisplaysPaintedInTurnEachShowTheirOwnPixels) {
  const Configuration& plain = Configurations()[0];
  ASSERT_FALSE(plain.captions);
  const std::vector<QSize> sizes = {{1100, 1000}, {60, 30}, {400, 200}, {60, 30}, {1100, 1000}};
  std::vector<std::unique_ptr<FormControl>> forms;
  std::vector<std::unique_ptr<LEDDisplayWidget>> widgets;
  for (const QSize& size : sizes) {
    forms.push_back(std::make_unique<FormControl>(plain));
    forms.back()->Form().Surface().SetExtentPixels(size.width(), size.height());
    widgets.push_back(std::make_unique<LEDDisplayWidget>());
    widgets.back()->setPalette(ClassicPalette());
    Apply(*widgets.back(), plain.sets);
    widgets.back()->resize(size);
  }
  for (size_t i = 0; i < sizes.size(); ++i) {
    SCOPED_TRACE(i);
    const QImage grabbed = widgets[i]->grab().toImage();
    ASSERT_EQ(grabbed.size(), sizes[i]);
    std::string report;
    EXPECT_EQ(Differences(grabbed, forms[i]->Snapshot(), {}, report), 0) << report;
  }
}

// Turning AutoSize on after a caption changes the height: what the widget shows then is
// what a redraw at that height shows, not the picture cut at the old height.
TEST(PixelMatchAutoSize, TurnedOnAfterACaptionShowsAFreshPicture) {
  LEDDisplayWidget widget;
  widget.setCaptionUpper(QStringLiteral("X"));
  widget.setAutoSize(true);
  const QImage shown = widget.grab().toImage();
  widget.refresh();
  std::string report;
  EXPECT_EQ(Differences(shown, widget.grab().toImage(), {}, report), 0) << report;
}

// ---- Printing ----------------------------------------------------------------------

// Renders `widget` into a one-page PDF at 96 dots an inch, one point three quarters of a
// widget pixel: the page is the widget's size rounded up to whole points.
void Print(QWidget& widget, const std::string& path) {
  QPdfWriter writer(QString::fromStdString(path));
  writer.setResolution(96);
  writer.setPageMargins(QMarginsF());
  writer.setPageSize(
      QPageSize(QSizeF(std::ceil(widget.width() * 0.75) + 1, std::ceil(widget.height() * 0.75) + 1),
                QPageSize::Point));
  QPainter painter(&writer);
  widget.render(&painter);
}

platform::Image ImageOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  platform::Image out(rgb.width(), rgb.height());
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x) out.at(x, y) = rgb.pixel(x, y);
  return out;
}

// The PDF's page rasterized by Poppler `ratio` pixels a widget pixel, anti-aliasing off,
// cut to `size`: by pdftocairo (which samples pixel centres) or pdftoppm (which fills
// every pixel a shape touches, so a shape's right and bottom edges lie a pixel further out).
platform::Image Rasterized(const std::string& pdf, bool cairo, QSize size, int ratio) {
  const std::string out = pdf + (cairo ? "-cairo" : "-splash");
  const std::string line = (cairo ? "pdftocairo -antialias none" : "pdftoppm -aa no -aaVector no") +
                           std::string(" -r ") + std::to_string(96 * ratio) + " -png -singlefile " +
                           pdf + " " + out + " 2>&1";
  const auto outcome = test::RunCommand(line);
  EXPECT_EQ(outcome.code, 0) << line << '\n' << outcome.output;
  if (outcome.code != 0) return {};
  return ImageOf(QImage(QString::fromStdString(out + ".png")).copy(QRect(QPoint(), size)));
}

// The page as both rasterizers see it against the grab `expected` (in device pixels),
// skipping the boxes (in widget pixels, widened by a device pixel for Qt's anti-aliased
// text): pdftocairo by the vector output's
// metric (ImageMismatch.h), pdftoppm on the edges alone. Empty when they match; else
// the mismatch pictures are in the current folder, named after `name`.
std::string PrintMismatch(const std::string& pdf, const QImage& expected,
                          const std::vector<QRect>& skipped, const std::string& name) {
  const platform::Image grab = ImageOf(expected);
  const int ratio = int(expected.devicePixelRatio());
  const auto skip = [&](int32_t x, int32_t y) {
    for (const QRect& r : skipped)
      if (QRect(r.topLeft() * ratio, r.size() * ratio).adjusted(-1, -1, 1, 1).contains(x, y))
        return true;
    return false;
  };
  std::string report;
  for (const bool cairo : {true, false}) {
    const std::string picture =
        "print-mismatch-" + name + (cairo ? "-pdftocairo" : "-pdftoppm") + ".png";
    const std::string mismatch = test::ImageMismatch(
        grab, Rasterized(pdf, cairo, expected.size(), ratio), skip, picture, cairo ? 99 : 0);
    if (!mismatch.empty()) report += (cairo ? "pdftocairo: " : "pdftoppm: ") + mismatch + "\n";
  }
  return report;
}

// The images the PDF holds (pdfimages -list: two heading lines, then one line each).
int PdfImages(const std::string& pdf) {
  const auto outcome = test::RunCommand("pdfimages -list " + pdf + " 2>&1");
  EXPECT_EQ(outcome.code, 0) << outcome.output;
  return int(std::count(outcome.output.begin(), outcome.output.end(), '\n')) - 2;
}

// The display is shapes in the PDF (a picture behind it is its one image), at the place
// and with the geometry of the grab's pixels, also those of a device pixel ratio of 2.
TEST_P(PixelMatch, PrintedIntoAPdfItIsShapesThatRasterizeToItsGrabAlsoAtHiDpi) {
  const Configuration& configuration = Configurations()[GetParam()];
  PlacedWidget placed(configuration);
  const QImage grabbed = placed.widget->grab().toImage();
  test::ScratchFolder folder;
  const std::string pdf = folder.Path("widget.pdf");
  Print(*placed.widget, pdf);
  EXPECT_EQ(PdfImages(pdf), configuration.overPicture ? 1 : 0) << configuration.title;
  std::vector<QRect> captions;
  if (configuration.captions)
    captions = {placed.widget->captionLowRect(), placed.widget->captionUpperRect()};
  const std::string name = ConfigurationName({GetParam(), 0});
  EXPECT_EQ(PrintMismatch(pdf, grabbed, captions, name), "") << configuration.title;
}

// A panel of displays in a layout, as the example panel has them: one fitted into a box
// larger than it, one with captions and one as a new display is, in the classic palette.
struct DisplayPanel {
  DisplayPanel() {
    panel.setPalette(ClassicPalette());
    auto* layout = new QGridLayout(&panel);
    for (LEDDisplayWidget* display : {fitted, captioned, plain})
      display->setPalette(ClassicPalette());
    Apply(*fitted, Configurations()[4].sets);  // a gradient
    fitted->setAutoSize(false);
    fitted->setFitToSize(true);
    fitted->setMinimumSize(300, 90);
    Apply(*captioned, Configurations()[12].sets);
    layout->addWidget(fitted, 0, 0, 1, 2);
    layout->addWidget(captioned, 1, 0);
    layout->addWidget(plain, 1, 1);
    panel.resize(panel.sizeHint());
    panel.show();
  }
  QWidget panel;
  LEDDisplayWidget* fitted = new LEDDisplayWidget;
  LEDDisplayWidget* captioned = new LEDDisplayWidget;
  LEDDisplayWidget* plain = new LEDDisplayWidget;
};

// The panel printed whole: the window around the displays, the fitted box and its
// surround.
TEST(PixelMatchPrint, APanelPrintsItsDisplaysAsShapesWhereTheyStand) {
  DisplayPanel displays;
  ASSERT_TRUE(Configurations()[12].captions);
  const QImage grabbed = displays.panel.grab().toImage();
  test::ScratchFolder folder;
  const std::string pdf = folder.Path("panel.pdf");
  Print(displays.panel, pdf);
  EXPECT_EQ(PdfImages(pdf), 0);
  std::vector<QRect> captions;
  LEDDisplayWidget& captioned = *displays.captioned;
  for (const QRect& r : {captioned.captionLowRect(), captioned.captionUpperRect()})
    captions.push_back(r.translated(captioned.mapTo(&displays.panel, QPoint())));
  EXPECT_EQ(PrintMismatch(pdf, grabbed, captions, "panel"), "");
}

// Printed on a QPrinter at its high resolution (1200 dots an inch) as the README says:
// recorded into a QPicture, then played on the printer's page, a widget pixel 1/96 inch.
// (QWidget::render straight onto the printer would paint it through one image of the
// panel, a JPEG.) The PDF is small and holds no image; rasterized at 1200 dots an inch,
// the plain display's inner area is the lit, unlit and back colours only, with no blur or
// noise between them, and its bevels step at the printer's dots, not in blocks of the
// 12.5 dots a widget pixel covers.
TEST(PixelMatchPrint, OnAPrinterAtHighResolutionThePanelIsSharpShapes) {
  DisplayPanel displays;
  test::ScratchFolder folder;
  const std::string pdf = folder.Path("printer.pdf");
  QPoint pageCorner;
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
    ASSERT_EQ(printer.resolution(), 1200);
    pageCorner = printer.pageLayout().paintRectPixels(printer.resolution()).topLeft();
    QPicture picture;
    displays.panel.render(&picture);
    QPainter painter(&printer);
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawPicture(0, 0, picture);
  }
  const std::string bytes = test::ReadFileText(pdf);
  EXPECT_LT(bytes.size(), 64u * 1024);
  EXPECT_EQ(bytes.find("/DCTDecode"), std::string::npos);
  EXPECT_EQ(PdfImages(pdf), 0);
  // No seam: the segments of one colour are one fill, so no two fills of the display's
  // colours meet along an edge (read back as SVG by Poppler).
  const std::string svg = folder.Path("printer.svg");
  const auto converted = test::RunCommand("pdftocairo -svg " + pdf + " " + svg + " 2>&1");
  ASSERT_EQ(converted.code, 0) << converted.output;
  std::vector<test::SvgFill> fills = test::FilledPaths(test::ReadFileText(svg));
  std::erase_if(fills, [](const test::SvgFill& f) {
    double r = 0, g = 0, b = 0;
    if (std::sscanf(f.color.c_str(), "rgb(%lf%%,%lf%%,%lf%%)", &r, &g, &b) != 3) return true;
    const QRgb color =
        qRgb(int(std::lround(r * 2.55)), int(std::lround(g * 2.55)), int(std::lround(b * 2.55)));
    return color != qRgb(0xc0, 0xc0, 0xff) && color != qRgb(0x00, 0x40, 0x40);
  });
  EXPECT_GE(fills.size(), 6u);
  EXPECT_EQ(test::SharedEdges(fills, 1e-3), std::vector<std::string>());

  // The plain display's inner area in the page's dots (12.5 a widget pixel, inside the
  // two-pixel border), rasterized alone.
  constexpr double kDots = 12.5;
  const QPoint at = displays.plain->mapTo(&displays.panel, QPoint());
  const double left = pageCorner.x() + at.x() * kDots, top = pageCorner.y() + at.y() * kDots;
  const QRect inner(
      QPoint(int(std::ceil(left + 2 * kDots)) + 1, int(std::ceil(top + 2 * kDots)) + 1),
      QPoint(int(left + (displays.plain->width() - 2) * kDots) - 2,
             int(top + (displays.plain->height() - 2) * kDots) - 2));
  const std::string crop = folder.Path("printer-crop");
  const auto outcome = test::RunCommand(
      "pdftoppm -r 1200 -aa no -aaVector no -png -singlefile -x " + std::to_string(inner.x()) +
      " -y " + std::to_string(inner.y()) + " -W " + std::to_string(inner.width()) + " -H " +
      std::to_string(inner.height()) + " " + pdf + " " + crop + " 2>&1");
  ASSERT_EQ(outcome.code, 0) << outcome.output;
  const QImage printed =
      QImage(QString::fromStdString(crop + ".png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(printed.size(), inner.size());
  const QRgb lit = qRgb(0xc0, 0xc0, 0xff), unlit = qRgb(0x00, 0x40, 0x40), back = qRgb(0, 0, 0);
  int others = 0, litDots = 0, offGridRows = 0;
  for (int y = 0; y < printed.height(); ++y) {
    bool offGrid = false;
    for (int x = 0; x < printed.width(); ++x) {
      const QRgb dot = printed.pixel(x, y);
      others += dot != lit && dot != unlit && dot != back;
      litDots += dot == lit;
      // An edge of a lit shape between widget pixels' dots: a bevel drawn at the dots.
      if (x > 0 && (dot == lit) != (printed.pixel(x - 1, y) == lit)) {
        const double cell = (inner.x() + x - left) / kDots;
        offGrid = offGrid || std::abs(cell - std::round(cell)) > 0.1;
      }
    }
    offGridRows += offGrid;
  }
  EXPECT_EQ(others, 0);
  EXPECT_GT(litDots, printed.width() * printed.height() / 20);
  EXPECT_GT(offGridRows, 100);
}

// Painted enlarged into an image (painter.scale(4, 4)), the display is drawn at that
// resolution: its bevels step at the image's pixels, not its own pixels enlarged into
// 4 x 4 blocks of one colour each.
TEST(PixelMatchEnlarged, PaintedFourTimesLargerIntoAnImageItIsDrawnAtThatResolutionNotBlocks) {
  PlacedWidget placed(Configurations()[0]);
  QImage large(placed.widget->size() * 4, QImage::Format_ARGB32_Premultiplied);
  large.fill(Qt::white);
  {
    QPainter painter(&large);
    painter.scale(4, 4);
    placed.widget->render(&painter);
  }
  int mixedBlocks = 0;
  for (int y = 0; y + 4 <= large.height(); y += 4)
    for (int x = 0; x + 4 <= large.width(); x += 4) {
      bool mixed = false;
      for (int dy = 0; dy < 4 && !mixed; ++dy)
        for (int dx = 0; dx < 4 && !mixed; ++dx)
          mixed = large.pixel(x + dx, y + dy) != large.pixel(x, y);
      mixedBlocks += mixed;
    }
  EXPECT_GT(mixedBlocks, 100);
}

// Painted into pixels denser than the screen's (device pixels a widget pixel), the
// widget shows what the raster form draws at that zoom: its digits drawn anew at the
// target's resolution, not the screen's pixels enlarged into blocks. Each row is a target
// and a painter scale; the configurations run through each, also at a device pixel ratio
// of 2. Captions are Qt text measured at the target's resolution, where FreeType's
// measure may differ by a pixel: captioned displays are checked for covering the
// widget, not pixel for pixel.
struct DensityTarget {
  const char* title;
  double scale;             // the painter's scale
  double devicePixelRatio;  // the target's
  bool pixmap;              // a QPixmap, as QWidget::render's, else a QImage
};

const DensityTarget kDensityTargets[] = {
    {"a QImage four times the size under painter.scale(4, 4)", 4, 1, false},
    {"a QImage of device pixel ratio 2 under painter.scale(2, 2)", 2, 2, false},
    {"a 1200-dpi printer's pixels, the QPixmap QWidget::render prints through", 12.5, 1, true},
    {"a QImage three times the size under painter.scale(3, 3)", 3, 1, false},
};

class PixelMatchAtDensity : public ::testing::TestWithParam<std::tuple<size_t, size_t>> {};

// A colour the widget never paints: what shows it was left unpainted.
const QColor kUnpainted(255, 0, 255);

// The widget rendered into the row's target filled with kUnpainted; the image in device
// pixels, ratio 1.
QImage RenderedAt(QWidget& widget, const DensityTarget& target) {
  const double density = target.scale * target.devicePixelRatio;
  const QSize size(int(std::ceil(widget.width() * density)),
                   int(std::ceil(widget.height() * density)));
  QImage image;
  if (target.pixmap) {
    QPixmap pixmap(size);
    pixmap.fill(kUnpainted);
    {
      QPainter painter(&pixmap);
      painter.scale(target.scale, target.scale);
      widget.render(&painter);
    }
    image = pixmap.toImage();
  } else {
    image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(target.devicePixelRatio);
    image.fill(kUnpainted);
    QPainter painter(&image);
    painter.scale(target.scale, target.scale);
    widget.render(&painter);
  }
  image.setDevicePixelRatio(1);
  return image.convertToFormat(QImage::Format_RGB32);
}

// The raster form placed as the widget places its display on a screen of that density
// (auto-sized: at AutoSizeZoom, centred in the widget's box), its picture at the box's
// corner and the palette's window colour around it; the screen's picture unchanged after.
TEST_P(PixelMatchAtDensity, RenderedIsTheRasterFormAtThatZoomAlsoAtHiDpi) {
  const auto [configurationIndex, targetIndex] = GetParam();
  const Configuration& configuration = Configurations()[configurationIndex];
  const DensityTarget& target = kDensityTargets[targetIndex];
  PlacedWidget placed(configuration);
  LEDDisplayWidget& widget = *placed.widget;
  const QImage shownBefore = widget.grab().toImage();
  const double density = target.scale * target.devicePixelRatio;
  const QImage rendered = RenderedAt(widget, target);
  const std::string where = configuration.title + " in " + target.title;

  int unpainted = 0;
  for (int y = 0; y < rendered.height(); ++y)
    for (int x = 0; x < rendered.width(); ++x) unpainted += rendered.pixelColor(x, y) == kUnpainted;
  EXPECT_EQ(unpainted, 0) << where;

  std::string report;
  if (!configuration.captions) {
    FormControl form(configuration, density);
    const auto [box, origin] = PlaceAsAQtHost(
        form, widget.size(), density,
        widget.autoSize() ? platform::kit::Sizing::AutoSize : platform::kit::Sizing::Follow);
    if (configuration.overPicture && !origin.isNull()) {
      form.Form().SetPlace(40 * 15 + origin.x() * 15.0f / float(density),
                           30 * 15 + origin.y() * 15.0f / float(density));
      form.Control().Refresh();
    }
    ASSERT_TRUE(QRect(QPoint(), rendered.size()).contains(QRect(origin, box))) << where;
    EXPECT_EQ(Differences(rendered.copy(QRect(origin, box)), form.Snapshot(), {}, report), 0)
        << where << ": " << report;
    const QColor window = widget.palette().window().color();
    for (const QPoint corner :
         {QPoint(0, 0), QPoint(rendered.width() - 1, rendered.height() - 1)}) {
      if (!configuration.overPicture && !QRect(origin, box).contains(corner)) {
        EXPECT_EQ(rendered.pixelColor(corner), window) << where;
      }
    }
  }
  EXPECT_EQ(Differences(widget.grab().toImage(), shownBefore, {}, report), 0)
      << where << ": " << report;
}

// So enlarged that the surface cannot hold the display's pixels (250 times: 44250 on a
// side), the display is painted as its shapes, as a QPicture of it replays them, and is
// placed back on the screen as it was.
TEST(PixelMatchEnlarged, BeyondWhatTheSurfaceHoldsItIsItsShapes) {
  PlacedWidget placed(Configurations()[0]);
  LEDDisplayWidget& widget = *placed.widget;
  const QImage shownBefore = widget.grab().toImage();
  const auto paint = [](const std::function<void(QPainter&)>& draw) {
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(kUnpainted);
    QPainter painter(&image);
    painter.scale(250, 250);
    painter.translate(-39, -5);  // the first digit's upper left corner
    draw(painter);
    return image;
  };
  const QImage rendered = paint([&](QPainter& painter) { widget.render(&painter); });
  QPicture picture;
  widget.render(&picture);
  const QImage shapes = paint([&](QPainter& painter) { painter.drawPicture(0, 0, picture); });
  std::string report;
  EXPECT_EQ(Differences(rendered, shapes, {}, report), 0) << report;
  std::set<QRgb> colors;
  for (int y = 0; y < rendered.height(); ++y)
    for (int x = 0; x < rendered.width(); ++x) colors.insert(rendered.pixel(x, y));
  EXPECT_EQ(colors.count(kUnpainted.rgb()), 0u);
  EXPECT_GE(colors.size(), 2u);  // a segment's edge: lit and unlit or back colour
  EXPECT_EQ(Differences(widget.grab().toImage(), shownBefore, {}, report), 0) << report;
}

std::string DensityCaseName(const ::testing::TestParamInfo<std::tuple<size_t, size_t>>& info) {
  const auto [configurationIndex, targetIndex] = info.param;
  return ConfigurationName({configurationIndex, 0}) + "_" + std::to_string(targetIndex);
}

INSTANTIATE_TEST_SUITE_P(Gallery, PixelMatchAtDensity,
                         ::testing::Combine(::testing::Range<size_t>(0, 17),
                                            ::testing::Range<size_t>(0,
                                                                     std::size(kDensityTargets))),
                         DensityCaseName);

INSTANTIATE_TEST_SUITE_P(Gallery, PixelMatch, ::testing::Range<size_t>(0, 17), ConfigurationName);

TEST(PixelMatchSet, CoversSeventeenConfigurations) {
  EXPECT_EQ(Configurations().size(), 17u);
}

}  // namespace
}  // namespace led::qt
