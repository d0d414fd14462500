// One hundred displays updated with new values and painted into an image, as a panel
// repaints them: LEDDisplayWidget against QLCDNumber (filled segments) of the same size
// and digit count, and against a widget of that size that only draws one ready QImage
// and says it is opaque (the least a widget showing a kept image costs). Reported per update (items
// per second counts updates); LEDDisplayWidget also reports x_image_widget, its time over the image
// widget's measured in the same run. The argument is the number of displays: with one, its images
// stay in the processor's caches.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QLCDNumber>
#include <QPainter>
#include <QPicture>
#include <QWidget>
#include <algorithm>
#include <memory>
#include <vector>

#include "Alternation.h"
#include "leddisplay/widgets/LEDDisplayWidget.h"

namespace {

constexpr int kDigits = 6;

// A value that changes every update and fills the digits: 0.00 .. 999.99.
double NextValue(int64_t step, int i) {
  return double((step * 7919 + i * 104729) % 100000) / 100.0;
}

// A widget that draws one ready image of its own size and nothing else.
class ImageWidget : public QWidget {
 public:
  explicit ImageWidget(QSize size) : image_(size, QImage::Format_RGB32) {
    image_.fill(QColor(0x20, 0x40, 0x60));
    resize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);  // it paints every pixel, as the display does
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), image_);
  }

 private:
  QImage image_;
};

std::vector<std::unique_ptr<led::qt::LEDDisplayWidget>> LEDDisplays(int count) {
  std::vector<std::unique_ptr<led::qt::LEDDisplayWidget>> widgets;
  for (int i = 0; i < count; ++i) {
    auto widget = std::make_unique<led::qt::LEDDisplayWidget>();
    widget->setDigits(kDigits);
    widget->setDecimals(2);
    widget->setAutoSize(true);
    widgets.push_back(std::move(widget));
  }
  return widgets;
}

std::vector<std::unique_ptr<ImageWidget>> ImageWidgets(int count, QSize size) {
  std::vector<std::unique_ptr<ImageWidget>> widgets;
  for (int i = 0; i < count; ++i) widgets.push_back(std::make_unique<ImageWidget>(size));
  return widgets;
}

void BM_LEDDisplayWidget(benchmark::State& state) {
  const int displays = int(state.range(0));
  const auto widgets = LEDDisplays(displays);
  QImage image(widgets[0]->size(), QImage::Format_ARGB32_Premultiplied);
  state.counters["width"] = image.width();
  state.counters["height"] = image.height();
  int64_t step = 0;
  const auto update = [&] {
    for (int i = 0; i < displays; ++i) {
      widgets[i]->setValue(NextValue(step, i));
      widgets[i]->render(&image);
    }
    ++step;
  };
  for (auto _ : state) update();
  state.SetItemsProcessed(state.iterations() * displays);
  const auto images = ImageWidgets(displays, widgets[0]->size());
  state.counters["x_image_widget"] = led::bench::TimesOf(std::max(1, 200 / displays), update, [&] {
    for (int i = 0; i < displays; ++i) images[i]->render(&image);
  });
}

void BM_ImageWidget(benchmark::State& state) {
  const int displays = int(state.range(0));
  const QSize size = LEDDisplays(1)[0]->size();
  const auto widgets = ImageWidgets(displays, size);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state)
    for (int i = 0; i < displays; ++i) widgets[i]->render(&image);
  state.SetItemsProcessed(state.iterations() * displays);
}

void BM_QLCDNumber(benchmark::State& state) {
  const int displays = int(state.range(0));
  // Sized like the LED display above (its automatic size for six digits).
  led::qt::LEDDisplayWidget sizing;
  sizing.setDigits(kDigits);
  sizing.setDecimals(2);
  sizing.setAutoSize(true);
  std::vector<std::unique_ptr<QLCDNumber>> widgets;
  for (int i = 0; i < displays; ++i) {
    auto widget = std::make_unique<QLCDNumber>(kDigits + 1);  // the point takes a cell
    widget->setSegmentStyle(QLCDNumber::Filled);
    widget->setSmallDecimalPoint(true);
    widget->resize(sizing.size());
    widgets.push_back(std::move(widget));
  }
  QImage image(sizing.size(), QImage::Format_ARGB32_Premultiplied);
  int64_t step = 0;
  for (auto _ : state) {
    for (int i = 0; i < displays; ++i) {
      widgets[i]->display(QString::number(NextValue(step, i), 'f', 2));
      widgets[i]->render(&image);
    }
    ++step;
  }
  state.SetItemsProcessed(state.iterations() * displays);
}

// The two halves of an update on their own: the drawing pass a new value starts, and
// the paint that shows the kept image.
void BM_LEDDisplayWidgetValueOnly(benchmark::State& state) {
  led::qt::LEDDisplayWidget widget;
  widget.setDigits(kDigits);
  widget.setDecimals(2);
  widget.setAutoSize(true);
  int64_t step = 0;
  for (auto _ : state) widget.setValue(NextValue(step++, 0));
}

void BM_LEDDisplayWidgetPaintOnly(benchmark::State& state) {
  led::qt::LEDDisplayWidget widget;
  widget.setDigits(kDigits);
  widget.setDecimals(2);
  widget.setAutoSize(true);
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  int64_t step = 0;
  for (auto _ : state) {
    state.PauseTiming();
    widget.setValue(NextValue(step++, 0));
    state.ResumeTiming();
    widget.render(&image);
  }
}

// A paint into a vector device (a QPicture): the pass drawn again while recording
// shapes, and the shapes painted through QPainter (QPicture's own serialization takes
// most of the time). Against PaintOnly, what printing a display costs over showing it.
void BM_LEDDisplayWidgetPaintShapes(benchmark::State& state) {
  led::qt::LEDDisplayWidget widget;
  widget.setDigits(kDigits);
  widget.setDecimals(2);
  widget.setAutoSize(true);
  widget.setValue(NextValue(1, 0));
  for (auto _ : state) {
    QPicture picture;
    widget.render(&picture);
    benchmark::DoNotOptimize(&picture);
  }
}

BENCHMARK(BM_LEDDisplayWidget)->Arg(100)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LEDDisplayWidgetValueOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LEDDisplayWidgetPaintOnly)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LEDDisplayWidgetPaintShapes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_QLCDNumber)->Arg(100)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImageWidget)->Arg(100)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
