// A QML panel of one hundred displays in one window, each given a new value every frame:
// LEDDisplay items against plain QML Text items of the same size showing the same numbers
// with two decimals. A frame is the hundred property writes, then the window's polish,
// scene-graph sync (the item's picture and its texture) and render, driven by a
// QQuickRenderControl into an image on Qt Quick's software renderer. Reported per frame
// (items per second counts displays), with the sync and render time per frame and the
// sync's share of it; the LEDDisplay panel also reports x_text, its time over the Text
// panel's measured in the same run.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickRenderControl>
#include <QQuickRenderTarget>
#include <QQuickWindow>
#include <QSGRendererInterface>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Alternation.h"

namespace {

constexpr int kDisplays = 100;

// A value that changes every frame and fills the digits: 0.00 .. 999.99.
double NextValue(int64_t step, int i) {
  return double((step * 7919 + i * 104729) % 100000) / 100.0;
}

// Ten rows of ten cells; `cell` is the QML of one, with objectName "cell".
QByteArray PanelQml(const QByteArray& cell) {
  return "import QtQuick\nimport LedDisplay\nGrid {\n  columns: 10\n  Repeater { model: " +
         QByteArray::number(kDisplays) + "; " + cell + " }\n}\n";
}

// The LED display the panels show: six digits, two decimals, at its automatic size.
const char* const kDisplayCell =
    "LEDDisplay { objectName: \"cell\"; digits: 6; decimals: 2; autoSize: true }";

// The colour of the panel's image before its first frame.
constexpr QRgb kUnrendered = 0xffff00ff;

// The engine every panel is created in, with the build tree's module on its import path;
// main() owns it.
QQmlEngine* engine = nullptr;

// A grid of cells created from QML in a window driven by a QQuickRenderControl, which
// renders into an image of the grid's size. A frame writes each cell's `property`, then
// polishes, synchronises the scene graph and renders, as a window's render loop does.
class Panel {
 public:
  Panel(const QByteArray& cellQml, const char* property, bool asText)
      : window_(&control_), property_(property), asText_(asText) {
    QQmlComponent component(engine);
    component.setData(PanelQml(cellQml), QUrl());
    root_.reset(qobject_cast<QQuickItem*>(component.create()));
    if (!root_) {
      std::fprintf(stderr, "bench_quick: %s\n", qPrintable(component.errorString()));
      std::exit(1);
    }
    CollectCells(root_.get());
    if (cells_.size() != size_t(kDisplays)) {
      std::fprintf(stderr, "bench_quick: %zu cells, not %d\n", cells_.size(), kDisplays);
      std::exit(1);
    }
    root_->setParentItem(window_.contentItem());
    const QSize size = root_->size().toSize();
    window_.setGeometry(QRect(QPoint(), size));
    window_.contentItem()->setSize(size);
    target_ = QImage(size, QImage::Format_ARGB32_Premultiplied);
    target_.fill(kUnrendered);
    window_.setRenderTarget(QQuickRenderTarget::fromPaintDevice(&target_));
    // The software renderer needs no graphics device: no initialize().
    Frame();
  }

  ~Panel() { root_.reset(); }

  void Frame() {
    for (int i = 0; i < kDisplays; ++i) {
      const double value = NextValue(step_, i);
      cells_[size_t(i)]->setProperty(
          property_, asText_ ? QVariant(QString::number(value, 'f', 2)) : QVariant(value));
    }
    ++step_;
    const double start = led::bench::ThreadNanoseconds();
    control_.polishItems();
    control_.beginFrame();
    control_.sync();
    const double synced = led::bench::ThreadNanoseconds();
    control_.render();
    control_.endFrame();
    syncTime_ += synced - start;
    renderTime_ += led::bench::ThreadNanoseconds() - synced;
    ++frames_;
  }

  QSize CellSize() const { return cells_[0]->size().toSize(); }
  QSize Size() const { return target_.size(); }
  // The share of the frames' scene-graph time spent in sync (the rest rendering), and
  // that time per frame in microseconds.
  double SyncShare() const { return syncTime_ / (syncTime_ + renderTime_); }
  double SceneGraphMicroseconds() const { return (syncTime_ + renderTime_) / frames_ / 1e3; }
  QString Backend() const {
    return window_.rendererInterface()->graphicsApi() == QSGRendererInterface::Software
               ? QStringLiteral("software")
               : QStringLiteral("rhi");
  }
  // True when the last frame drew something other than the first fill.
  bool Drew() const {
    return target_.pixel(CellSize().width() / 2, CellSize().height() / 2) != kUnrendered;
  }

 private:
  // The items named "cell" under `item`, in the order the grid shows them.
  void CollectCells(QQuickItem* item) {
    for (QQuickItem* child : item->childItems()) {
      if (child->objectName() == QLatin1String("cell")) cells_.push_back(child);
      CollectCells(child);
    }
  }

  QQuickRenderControl control_;
  QQuickWindow window_;
  std::unique_ptr<QQuickItem> root_;
  std::vector<QQuickItem*> cells_;
  QImage target_;
  const char* property_;
  bool asText_;
  int64_t step_ = 0;
  double syncTime_ = 0, renderTime_ = 0;
  int64_t frames_ = 0;
};

std::unique_ptr<Panel> DisplayPanel() {
  return std::make_unique<Panel>(kDisplayCell, "value", false);
}

// Text cells of the display's size, with a pixel size near its digits' height.
std::unique_ptr<Panel> TextPanel(QSize cell) {
  const QByteArray text =
      "Text { objectName: \"cell\"; width: " + QByteArray::number(cell.width()) +
      "; height: " + QByteArray::number(cell.height()) +
      "; font.pixelSize: " + QByteArray::number(cell.height() * 2 / 3) +
      "; color: \"red\"; horizontalAlignment: Text.AlignRight;" +
      " verticalAlignment: Text.AlignVCenter; text: \"0.00\" }";
  return std::make_unique<Panel>(text, "text", true);
}

void Report(benchmark::State& state, const Panel& panel) {
  if (!panel.Drew()) state.SkipWithError("the panel rendered nothing");
  state.SetItemsProcessed(state.iterations() * kDisplays);
  state.SetLabel(panel.Backend().toStdString());
  state.counters["width"] = panel.Size().width();
  state.counters["height"] = panel.Size().height();
  state.counters["scene_graph_us"] = panel.SceneGraphMicroseconds();
  state.counters["sync_share"] = panel.SyncShare();
}

void BM_LEDDisplayPanel(benchmark::State& state) {
  const auto displays = DisplayPanel();
  for (auto _ : state) displays->Frame();
  Report(state, *displays);
  const auto texts = TextPanel(displays->CellSize());
  state.counters["x_text"] = led::bench::TimesOf(
      5, [&] { displays->Frame(); }, [&] { texts->Frame(); }, 20);
}

void BM_TextPanel(benchmark::State& state) {
  const auto texts = TextPanel(DisplayPanel()->CellSize());
  for (auto _ : state) texts->Frame();
  Report(state, *texts);
}

BENCHMARK(BM_LEDDisplayPanel)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TextPanel)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  // The render control draws into an image: Qt Quick's own raster renderer.
  QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
  QQmlEngine qml;
  qml.addImportPath(QStringLiteral(LED_QML_DIR));
  engine = &qml;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
