#include "QtTestSupport.h"

#include <cmath>

#include <gtest/gtest.h>
#include <QAccessible>
#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QVariant>
#include <algorithm>
#include <cctype>
#include <optional>

#if defined(LED_QPA_ACCESSIBILITY)
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

#include "apps/leddisplay/PropertyValue.h"
#include "leddisplay/control/Dispatch.h"
#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/control/ValueConversions.h"
#include "leddisplay/platform/kit/Placement.h"
#include "leddisplay/platform/raster/RasterSurface.h"
#include "leddisplay/platform/text/TextLabel.h"
#include "leddisplay/qt/Conversions.h"
#include "leddisplay/qt/Enums.h"

namespace led::test {

PropertySets Sets(const std::string& text) {
  PropertySets sets;
  for (size_t start = 0; start < text.size();) {
    const size_t equals = text.find('=', start),
                 end = std::min(text.find("; ", start), text.size());
    sets.emplace_back(
        text.substr(start, equals - start),
        apps::MakeValue(apps::ParsePropertyValue(text.substr(start, equals - start),
                                                 text.substr(equals + 1, end - equals - 1))));
    start = end + 2;
  }
  return sets;
}

const std::vector<Configuration>& Configurations() {
  static const std::vector<Configuration> all = [] {
    const struct {
      const char* title;
      const char* sets;
      bool overPicture = false, captions = false;
    } rows[] = {
        {"starting state", ""},
        {"negative value", "Decimals=1; Value=-12.5"},
        {"leading zeros blanked", "Digits=6; Decimals=2; LeadingZeros=False; Value=7.25"},
        {"over range", "Digits=3; Decimals=0; UseOverRange=True; Value=12345"},
        {"vertical gradient",
         "BackGroundStyle=1; BackGroundG1=&H000000; BackGroundG2=&H804000; Value=3.142"},
        {"horizontal gradient, flat border",
         "BackGroundStyle=2; BackGroundG1=&H200000; BackGroundG2=&H008060; Appearance=0; "
         "OffColor=&H303030; Value=0.618"},
        {"transparent over a picture",
         "Transparent=True; OffColor=&H505050; OnColor=&HFFFFFF; Value=88.8; Decimals=1; Digits=3",
         true},
        {"thick segments",
         "SegmentWidth=6; DigitWidth=34; DigitHeight=64; DigitSpacing=14; DecimalPointSize=5; "
         "Digits=3; Decimals=1; Value=-8.6"},
        {"custom colours, no sign, no border",
         "OnColor=&H2020FF; OffColor=&H200818; BackColor=&H080008; BorderStyle=0; "
         "LeadingPlusMinus=False; "
         "Digits=5; Decimals=0; Value=2026"},
        {"system colours", "BackColor=&H8000000F; OnColor=&H80000012; Value=1.25"},
        {"all points off, margins",
         "ShowAllDecimalPoints=False; DigitLeftMargin=12; DigitUpperMargin=9; SegmentSeperation=4; "
         "Value=-0.5"},
        {"captions left and right",
         "CaptionUpperFont=font \"DejaVu Sans\" 9; CaptionLowFont=font \"DejaVu Sans\" 10; "
         "CaptionUpper=\"Upper, left\"; "
         "CaptionUpperPosition=0; CaptionLow=\"Lower, right\"; CaptionLowPosition=1; Value=1.5",
         false, true},
        {"captions centred, own colour",
         "CaptionUpperFont=font \"DejaVu Sans\" 10; CaptionLowFont=font \"DejaVu Sans\" 9; "
         "CaptionUpper=\"Pressure\"; "
         "CaptionLow=\"bar\"; CaptionUpperForeColor=&H00FFFF; Digits=3; Decimals=1; Value=42.7",
         false, true},
        // Beyond the published interface.
        {"flashing cells, off phase",
         "LeadingPlusMinus=False; Decimals=2; Value=12.45; FlashCells=3; FlashPhase=False"},
        {"above the high limit",
         "Decimals=1; UseLimits=True; LowLimit=0; HighLimit=30; Value=38.9"},
        {"slanted", "Slant=10; Digits=5; Decimals=2; Value=-273.15"},
        {"text with a colon", "Text=\"12:34\""},
    };
    std::vector<Configuration> list;
    for (const auto& row : rows)
      list.push_back({row.title,
                      Sets(list.empty() ? row.sets : std::string("AutoSize=True; ") + row.sets),
                      row.overPicture, row.captions});
    return list;
  }();
  return all;
}

std::string ConfigurationName(const ::testing::TestParamInfo<size_t>& info) {
  std::string name;
  for (char c : Configurations()[info.param].title)
    if (std::isalnum(static_cast<unsigned char>(c))) name.push_back(c);
  return name;
}

void RunEvents(int ms) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

QPalette ClassicPalette() {
  const QColor face(212, 208, 200), black(0, 0, 0), white(255, 255, 255);
  const std::pair<QPalette::ColorRole, QColor> roles[] = {
      {QPalette::Window, face},
      {QPalette::WindowText, black},
      {QPalette::Base, white},
      {QPalette::Text, black},
      {QPalette::Button, face},
      {QPalette::ButtonText, black},
      {QPalette::Light, white},
      {QPalette::Midlight, face},
      {QPalette::Dark, QColor(128, 128, 128)},
      {QPalette::Shadow, QColor(64, 64, 64)},
      {QPalette::Highlight, QColor(10, 36, 106)},
      {QPalette::HighlightedText, white},
      {QPalette::ToolTipBase, QColor(255, 255, 225)},
      {QPalette::ToolTipText, black},
      {QPalette::Link, QColor(0, 0, 128)},
  };
  QPalette palette;
  for (const auto& [role, color] : roles) palette.setColor(role, color);
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
  return palette;
}

QImage BandPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGBA8888);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int band = ((x + y) / 12) % 3, shade = 90 + (x * 100) / width;
      image.setPixelColor(x, y,
                          band == 0   ? QColor(shade, 40, 40)
                          : band == 1 ? QColor(40, shade, 60)
                                      : QColor(40, 60, shade));
    }
  return image;
}

FormControl::FormControl(const Configuration& configuration, double zoom) : control_(form_.Host()) {
  form_.SetTwipsPerPixel(float(15 / zoom));
  form_.Surface().SetBorderZoom(zoom);
  control_.SetZoom(zoom);
  form_.Surface().SetExtentPixels(int(std::lround(177 * zoom)), int(std::lround(63 * zoom)));
  form_.OnResize([this] { control_.Resize(); });
  if (configuration.overPicture) {
    const QImage bands = BandPicture(400, 200);
    form_.SetContainerPicture(qt::PictureFromImage(
        bands.scaled(bands.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    form_.SetPlace(40 * 15, 30 * 15);
  }
  control_.InitProperties();
  for (const auto& [name, value] : configuration.sets)
    control::FindProperty(control::GetIDOfName(name))->set(control_, value);
  control_.Show();
}

QImage FormControl::Snapshot() const {
  return QImageOf(form_.Snapshot());
}

FittedBox PlaceAsAQtHost(FormControl& form, QSize size, double ratio,
                         platform::kit::Sizing sizing) {
  control::LEDDisplay& control = form.Control();
  platform::RasterSurface& surface = form.Form().Surface();
  platform::PlacedLabel* const captions[] = {&form.Form().LowerCaption(),
                                             &form.Form().UpperCaption()};
  const platform::kit::Placement placed = platform::kit::PlaceControl(
      control, surface, {size.width(), size.height()}, ratio, sizing, captions);
  surface.SetBorderZoom(placed.zoom);
  control.SetZoom(placed.zoom);
  // An auto-sized control gives its extent itself, as it lays out.
  if (sizing != platform::kit::Sizing::AutoSize)
    surface.SetExtentPixels(placed.extent.width, placed.extent.height);
  else
    control.Resize();
  control.Show();
  const QSize box(surface.ExtentPixelsX(), surface.ExtentPixelsY());
  EXPECT_EQ(box, QSize(placed.extent.width, placed.extent.height));
  return {box, QPoint(placed.originX, placed.originY)};
}

FittedBox FitAsAQtHost(FormControl& form, QSize size, int ratio) {
  form.Control().SetAutoSize(false);
  const FittedBox fitted = PlaceAsAQtHost(form, size, ratio, platform::kit::Sizing::Fit);
  EXPECT_GT(form.Control().Zoom(), ratio);
  return fitted;
}

QImage QImageOf(const platform::Image& image) {
  QImage out(image.width, image.height, QImage::Format_RGB32);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) out.setPixel(x, y, image.at(x, y) | 0xFF000000u);
  return out;
}

std::string EnumKey(const QObject& object, const char* property) {
  const QMetaObject* meta = object.metaObject();
  const QMetaProperty p = meta->property(meta->indexOfProperty(property));
  return p.enumerator().valueToKey(p.read(&object).toInt());
}

std::vector<QtSet> QtSets(const QMetaObject& meta, const PropertySets& sets) {
  std::vector<QtSet> qtSets;
  for (const auto& [name, value] : sets) {
    QVariant qtValue;
    switch (control::FindProperty(control::GetIDOfName(name))->type) {
      case control::PropertyType::Double:
        qtValue = value.ToDouble();
        break;
      case control::PropertyType::Boolean:
        qtValue = core::IsTrue(value.ToBoolean());
        break;
      case control::PropertyType::Color:
        if (core::IsSystemColor(control::ToColor(value))) {
          // A system colour has no QColor of its own: it goes in as the raw value.
          const QMetaEnum colors = QMetaEnum::fromType<qt::enums::ColorProperty>();
          qtSets.push_back(
              {name, QVariant(), colors.keyToValue(name.c_str()), control::ToColor(value)});
          continue;
        }
        qtValue =
            QColor(core::RedOf(control::ToColor(value)), core::GreenOf(control::ToColor(value)),
                   core::BlueOf(control::ToColor(value)));
        break;
      case control::PropertyType::Font:
        qtValue = qt::ToQFont(*control::ToFont(value));
        break;
      case control::PropertyType::String:
        qtValue = QString::fromStdString(value.ToString());
        break;
      default:
        qtValue = value.ToLong();
        break;
    }
    std::string qtName = name;  // "DigitWidth" -> "digitWidth"
    qtName[0] = char(std::tolower(qtName[0]));
    if (qtName == "segmentSeperation") qtName = "segmentSeparation";  // Qt spells it right
    // setProperty on a name the host lacks adds a dynamic property and changes nothing.
    if (meta.indexOfProperty(qtName.c_str()) < 0)
      ADD_FAILURE() << meta.className() << " has no property " << qtName;
    qtSets.push_back({qtName, qtValue});
  }
  return qtSets;
}

std::vector<QRect> FormCaptionBoxes(platform::Form& form) {
  std::vector<QRect> boxes;
  const int border = form.Surface().BorderThickness();
  // A scaled caption's text may reach a pixel or two past its box (the box is the
  // unscaled measure times the scale): a fitted display's masks are wider.
  for (platform::TextLabel* label : {&form.LowerCaption(), &form.UpperCaption()}) {
    const int wider = label->Scale() == 1 ? 0 : 2;
    if (!label->Caption().empty())
      boxes.push_back(QRect(int(label->PixelLeft()) + border - 1 - wider,
                            int(label->PixelTop()) + border - 1,
                            label->PixelWidth() + 2 + 2 * wider, label->PixelHeight() + 2));
  }
  return boxes;
}

int Differences(const QImage& a, const QImage& b, const std::vector<QRect>& mask,
                std::string& report) {
  const QImage ra = a.convertToFormat(QImage::Format_RGBA8888);
  const QImage rb = b.convertToFormat(QImage::Format_RGBA8888);
  int count = 0;
  for (int y = 0; y < ra.height(); ++y)
    for (int x = 0; x < ra.width(); ++x) {
      bool masked = false;
      for (const QRect& r : mask) masked = masked || r.contains(x, y);
      if (masked || ra.pixel(x, y) == rb.pixel(x, y)) continue;
      if (++count <= 3)
        report += "(" + std::to_string(x) + "," + std::to_string(y) + ") " +
                  QColor(ra.pixel(x, y)).name().toStdString() + " vs " +
                  QColor(rb.pixel(x, y)).name().toStdString() + "; ";
    }
  return count;
}

bool ListenLikeAnAssistiveTool(bool on) {
#if defined(LED_QPA_ACCESSIBILITY)
  if (QPlatformAccessibility* platform =
          QGuiApplicationPrivate::platformIntegration()->accessibility())
    platform->setActive(on);
#endif
  return QAccessible::isActive() == on;
}

}  // namespace led::test
