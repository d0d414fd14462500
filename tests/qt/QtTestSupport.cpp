#include "QtTestSupport.h"

#include <QColor>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QVariant>
#include <cctype>

#include "leddisplay/control/Dispatch.h"
#include "leddisplay/control/PropertyTable.h"
#include "leddisplay/control/ValueConversions.h"
#include "leddisplay/platform/BitmapPicture.h"
#include "leddisplay/platform/StdFont.h"
#include "leddisplay/qt/Colors.h"
#include "leddisplay/qt/Fonts.h"
#include "leddisplay/qt/Pictures.h"

namespace led::qt::testing_support {

namespace {

using core::Variant;

Variant L(int32_t v) {
  return Variant::FromLong(v);
}
Variant D(double v) {
  return Variant::FromDouble(v);
}
Variant B(bool v) {
  return Variant::FromBoolean(core::ToBoolean(v));
}
Variant C(uint32_t v) {
  return control::FromColor(v);
}
Variant S(const char* v) {
  return Variant::FromString(v);
}
Variant F(const char* family, double points) {
  return Variant::FromObject(platform::StdFont::Create(family, points));
}

}  // namespace

const std::vector<Configuration>& Configurations() {
  static const std::vector<Configuration> all = [] {
    std::vector<Configuration> list = {
        {"starting state", {}},
        {"negative value", {{"Decimals", L(1)}, {"Value", D(-12.5)}}},
        {"leading zeros blanked",
         {{"Digits", L(6)}, {"Decimals", L(2)}, {"LeadingZeros", B(false)}, {"Value", D(7.25)}}},
        {"over range",
         {{"Digits", L(3)}, {"Decimals", L(0)}, {"UseOverRange", B(true)}, {"Value", D(12345)}}},
        {"vertical gradient",
         {{"BackGroundStyle", L(1)},
          {"BackGroundG1", C(0x000000)},
          {"BackGroundG2", C(0x804000)},
          {"Value", D(3.142)}}},
        {"horizontal gradient, flat border",
         {{"BackGroundStyle", L(2)},
          {"BackGroundG1", C(0x200000)},
          {"BackGroundG2", C(0x008060)},
          {"Appearance", L(0)},
          {"OffColor", C(0x303030)},
          {"Value", D(0.618)}}},
        {"transparent over a picture",
         {{"Transparent", B(true)},
          {"OffColor", C(0x505050)},
          {"OnColor", C(0xFFFFFF)},
          {"Value", D(88.8)},
          {"Decimals", L(1)},
          {"Digits", L(3)}},
         true},
        {"thick segments",
         {{"SegmentWidth", L(6)},
          {"DigitWidth", L(34)},
          {"DigitHeight", L(64)},
          {"DigitSpacing", L(14)},
          {"DecimalPointSize", L(5)},
          {"Digits", L(3)},
          {"Decimals", L(1)},
          {"Value", D(-8.6)}}},
        {"custom colours, no sign, no border",
         {{"OnColor", C(0x2020FF)},
          {"OffColor", C(0x200818)},
          {"BackColor", C(0x080008)},
          {"BorderStyle", L(0)},
          {"LeadingPlusMinus", B(false)},
          {"Digits", L(5)},
          {"Decimals", L(0)},
          {"Value", D(2026)}}},
        {"system colours",
         {{"BackColor", C(0x8000000F)}, {"OnColor", C(0x80000012)}, {"Value", D(1.25)}}},
        {"all points off, margins",
         {{"ShowAllDecimalPoints", B(false)},
          {"DigitLeftMargin", L(12)},
          {"DigitUpperMargin", L(9)},
          {"SegmentSeperation", L(4)},
          {"Value", D(-0.5)}}},
        {"captions left and right",
         {{"CaptionUpperFont", F("DejaVu Sans", 9)},
          {"CaptionLowFont", F("DejaVu Sans", 10)},
          {"CaptionUpper", S("Upper, left")},
          {"CaptionUpperPosition", L(0)},
          {"CaptionLow", S("Lower, right")},
          {"CaptionLowPosition", L(1)},
          {"Value", D(1.5)}},
         false,
         true},
        {"captions centred, own colour",
         {{"CaptionUpperFont", F("DejaVu Sans", 10)},
          {"CaptionLowFont", F("DejaVu Sans", 9)},
          {"CaptionUpper", S("Pressure")},
          {"CaptionLow", S("bar")},
          {"CaptionUpperForeColor", C(0x00FFFF)},
          {"Digits", L(3)},
          {"Decimals", L(1)},
          {"Value", D(42.7)}},
         false,
         true},
    };
    for (size_t i = 1; i < list.size(); ++i)
      list[i].sets.insert(list[i].sets.begin(), {"AutoSize", B(true)});
    return list;
  }();
  return all;
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

FormControl::FormControl(const Configuration& configuration) : control_(form_.Host()) {
  form_.Surface().SetExtentPixels(177, 63);
  form_.OnResize([this] { control_.Resize(); });
  if (configuration.overPicture) {
    form_.SetContainerPicture(PictureFromImage(BandPicture(400, 200)));
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

QImage QImageOf(const platform::Image& image) {
  QImage out(image.width, image.height, QImage::Format_RGBA8888);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const platform::Pixel p = image.at(x, y);
      out.setPixelColor(x, y, QColor(p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF));
    }
  return out;
}

std::string EnumKey(const QObject& object, const char* property) {
  const QMetaObject* meta = object.metaObject();
  const QMetaProperty p = meta->property(meta->indexOfProperty(property));
  return p.enumerator().valueToKey(p.read(&object).toInt());
}

void Apply(LEDDisplayWidget& widget, const Configuration& configuration) {
  for (const auto& [name, value] : configuration.sets) {
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
          const int index =
              QMetaEnum::fromType<LEDDisplayWidget::ColorProperty>().keyToValue(name.c_str());
          widget.setOleColor(LEDDisplayWidget::ColorProperty(index), control::ToColor(value));
          continue;
        }
        qtValue = ToQColor(control::ToColor(value));
        break;
      case control::PropertyType::Font:
        qtValue = ToQFont(*control::ToFont(value));
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
    widget.setProperty(qtName.c_str(), qtValue);
  }
}

QImage Enlarged(const QImage& image, int factor) {
  const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
  QImage out(rgba.width() * factor, rgba.height() * factor, QImage::Format_RGBA8888);
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) out.setPixel(x, y, rgba.pixel(x / factor, y / factor));
  return out;
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

}  // namespace led::qt::testing_support
