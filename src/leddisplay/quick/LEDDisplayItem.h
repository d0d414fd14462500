#pragma once
/// @file
/// LEDDisplayItem: the display as a Qt Quick item, the QML type `LEDDisplay` of the module
/// `LedDisplay` (`import LedDisplay`). It holds one control::LEDDisplay, as
/// qt::LEDDisplayWidget does, with the widget's properties (same names, types and NOTIFY
/// signals; pictures as URLs, resolved as Image.source resolves them), errors and sizing:
/// implicitWidth and implicitHeight are the extent autoSize gives; with autoSize on the item's size
/// follows what it shows, off the control follows the item's size, and fitToSize zooms the digits
/// to fill it. At a device pixel ratio d the control draws at zoom d. The kept image and
/// the captions (Qt text) are drawn into one picture, uploaded as a texture only after
/// the control drew.
///
/// System colours (the border and 3D edge, the focus colour, disabled captions) come from
/// the item's `palette`, which it inherits from the items above it and its window: set
/// `palette.dark`, `palette.light`, ... on the display or any item above it (roles as the
/// widget reads them); roles set nowhere are the application's.
///
/// Transparent: what the scene has under the item (an Image, a Rectangle) shows behind
/// the digits, blended by the scene graph; the border and digits stay opaque.
///
/// Events, focus and input as the widget's: the control's nine events are signals (keys
/// in a LEDDisplayKeyEvent a handler may change; `onKeyPress: (event) => event.keyAscii =
/// 0` swallows the key). The item takes no focus by default; given it (`focus: true`, or
/// `activeFocusOnTab: true`, which also takes focus on a click), keys reach the control,
/// and a 1-pixel frame in the palette's Highlight colour shows along its edge while it has
/// active focus. Mouse presses, moves (also without a button), releases and double clicks,
/// and a touch point as the left button, reach the control's input. Assistive tools see
/// static text: named by `Accessible.name` or the captions, the shown text as its value.
///
/// The scene graph paints into no vector device, so the item has no way to a printer
/// (a window's grab is pixels); a sharp print comes from the widget
/// (qt::LEDDisplayWidget paints shapes into a QPdfWriter or QPrinter) or from the
/// library's SVG and PDF writer (platform::VectorForm).
#include <QtQml/qqmlregistration.h>
#include <QColor>
#include <QFont>
#include <QQuickItem>
#include <QRect>
#include <QUrl>
#include <memory>

#include "leddisplay/qt/Enums.h"
#include "leddisplay/qt/PropertyList.h"
#include "leddisplay/quick/LEDDisplayKeyEvent.h"

namespace led::control {
class LEDDisplay;
}

namespace led::quick {

/// The control as a Qt Quick item, as described above.
class LEDDisplayItem : public QQuickItem {
  Q_OBJECT
  QML_NAMED_ELEMENT(LEDDisplay)
  QML_EXTENDED_NAMESPACE(led::qt::enums)
  /// The widget's properties (qt::LEDDisplayWidget), pictures as local file URLs. Each
  /// is FINAL: a QML type built on LEDDisplay cannot shadow one, so QML's tools and
  /// compiler may rely on its type.
  ///@{
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_FINAL_Q_PROPERTY, LEDDisplayItem)
  // clang-format off
  Q_PROPERTY(QUrl mouseIcon READ mouseIcon WRITE setMouseIcon NOTIFY mouseIconChanged FINAL)
  Q_PROPERTY(QUrl pictureBackGround READ pictureBackGround WRITE setPictureBackGround NOTIFY pictureBackGroundChanged FINAL)
  Q_PROPERTY(QColor onColor READ litColor WRITE setLitColor NOTIFY litColorChanged FINAL)
  Q_PROPERTY(QColor offColor READ unlitColor WRITE setUnlitColor NOTIFY unlitColorChanged FINAL)
  Q_PROPERTY(bool overRange READ overRange NOTIFY overRangeChanged FINAL)
  Q_PROPERTY(QString shownText READ shownText NOTIFY shownTextChanged FINAL)
  Q_PROPERTY(led::qt::enums::ValueBand valueBand READ valueBand NOTIFY valueBandChanged FINAL)
  Q_PROPERTY(bool fitToSize READ fitToSize WRITE setFitToSize NOTIFY fitToSizeChanged FINAL)
  // clang-format on
  ///@}

 public:
  /// The shared enumerations (leddisplay/qt/Enums.h) as the item's own, with their
  /// members (`LEDDisplayItem::Gradient_V`; in QML `LEDDisplay.Gradient_V`).
  ///@{
  using Appearance = qt::enums::Appearance;
  using BorderStyle = qt::enums::BorderStyle;
  using Position = qt::enums::Position;
  using BackGroundStyle = qt::enums::BackGroundStyle;
  using ColorProperty = qt::enums::ColorProperty;
  using ErrorNumber = qt::enums::ErrorNumber;
  using ValueBand = qt::enums::ValueBand;
  using SegmentStyle = qt::enums::SegmentStyle;
  using enum qt::enums::Appearance;
  using enum qt::enums::BorderStyle;
  using enum qt::enums::Position;
  using enum qt::enums::BackGroundStyle;
  using enum qt::enums::ColorProperty;
  using enum qt::enums::ErrorNumber;
  using enum qt::enums::ValueBand;
  using enum qt::enums::SegmentStyle;
  ///@}

  /// A control with its first values, rendered at once.
  explicit LEDDisplayItem(QQuickItem* parent = nullptr);
  /// Ends the control.
  ~LEDDisplayItem() override;

  /// The control itself; errors of calls made on it reach the caller as exceptions.
  control::LEDDisplay& control();

  /// The properties' getters and setters, as the widget's; a refused value changes
  /// nothing, emits errorOccurred with a description that names the property, and
  /// warns on the console (qmlWarning: the QML file and line, the property, the value
  /// and the reason). What is refused or overflows while QML creates the item is
  /// reported once the item is complete, so handlers declared beside the values hear
  /// it. A picture URL is a local file or a resource (qrc:/path, or :/path); a relative
  /// one resolves against the QML file that made the item, as Image.source does, and
  /// reads back as given.
  ///@{
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_GETTER, LEDDisplayItem)
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_SETTER, LEDDisplayItem)
  QUrl mouseIcon() const;
  QUrl pictureBackGround() const;
  bool overRange() const;
  /// As the widget's: where the value lies against the limits.
  led::qt::enums::ValueBand valueBand() const;
  bool fitToSize() const;
  void setMouseIcon(const QUrl& value);
  void setPictureBackGround(const QUrl& value);
  void setFitToSize(bool value);
  ///@}
  /// Deprecated names of litColor and unlitColor, kept (also as the QML properties
  /// `onColor` and `offColor`) for code written with them. QML's tools read `onColor:` as
  /// a signal handler: write `litColor` and `unlitColor`.
  ///@{
  QColor onColor() const { return litColor(); }
  QColor offColor() const { return unlitColor(); }
  void setOnColor(const QColor& value) { setLitColor(value); }
  void setOffColor(const QColor& value) { setUnlitColor(value); }
  ///@}

  /// The raw 32-bit colour, as the widget's.
  ///@{
  Q_INVOKABLE quint32 oleColor(led::qt::enums::ColorProperty which) const;
  Q_INVOKABLE bool setOleColor(led::qt::enums::ColorProperty which, quint32 color);
  ///@}
  /// Lights one cell's segments by hand, as the widget's.
  Q_INVOKABLE bool setCellSegments(int cell, int mask);
  /// The text the display shows, the read-only property `shownText`: bind to it
  /// (`Text { text: display.shownText }`), shownTextChanged follows every change.
  QString shownText() const;
  /// Where each caption's text sits, in item pixels; empty without a caption.
  ///@{
  Q_INVOKABLE QRect captionLowRect() const;
  Q_INVOKABLE QRect captionUpperRect() const;
  ///@}
  /// The properties in our property file, as the widget's saveProperties and
  /// loadProperties, at a local file URL (or a plain path), relative ones resolved as
  /// the pictures'; a resource (qrc:/path, :/path) loads, and is refused for a save
  /// (PathFileAccessError: read-only). False, and errorOccurred naming the file and the
  /// problem, on failure. Another kind of URL is refused with PathFileAccessError and
  /// changes nothing. The load emits the NOTIFY signal of each
  /// property it changed; a picture it replaced reads as an empty URL (it has none).
  ///@{
  Q_INVOKABLE bool saveProperties(const QUrl& file);
  Q_INVOKABLE bool loadProperties(const QUrl& file);
  ///@}

 signals:
  /// A call into the control failed: the run-time error's number and description.
  void errorOccurred(int number, const QString& description);
  /// The NOTIFY signals, as the widget's: emitted once when the value changed.
  ///@{
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_SIGNAL, LEDDisplayItem)
  void mouseIconChanged(const QUrl& value);
  void pictureBackGroundChanged(const QUrl& value);
  void overRangeChanged(bool value);
  void valueBandChanged(led::qt::enums::ValueBand value);
  void shownTextChanged(const QString& value);
  void fitToSizeChanged(bool value);
  ///@}
  /// The value stopped fitting the digits (again for each new value that does not fit).
  void overflow();
  /// The control's Change event: a render pass showed a value other than the last.
  void changed();
  /// A left press and release over the item (not the release ending a double click).
  void clicked();
  /// A left double click.
  void doubleClicked();
  /// The control's key events; a handler sets the event's keyCode or keyAscii to 0 to
  /// swallow the key.
  ///@{
  void keyDown(LEDDisplayKeyEvent* event);
  void keyPress(LEDDisplayKeyEvent* event);
  void keyUp(LEDDisplayKeyEvent* event);
  ///@}
  /// The control's mouse events: button 1 left, 2 right, 4 middle (held buttons for a
  /// move); shift 1 Shift, 2 Ctrl, 4 Alt; x, y in the control's scale from the corner
  /// inside the border, the same numbers at every device pixel ratio and under
  /// fitToSize's zoom (platform/kit/InputConventions.h).
  ///@{
  void mouseDown(int button, int shift, double x, double y);
  void mouseMove(int button, int shift, double x, double y);
  void mouseUp(int button, int shift, double x, double y);
  ///@}

 protected:
  /// Uploads the display's picture as the node's texture when the control drew.
  QSGNode* updatePaintNode(QSGNode* node, UpdatePaintNodeData* data) override;
  /// Draws a transparent display's picture, with the alpha the scene blends.
  void updatePolish() override;
  /// The control follows the item's size while autoSize is off.
  void geometryChange(const QRectF& newGeometry, const QRectF& oldGeometry) override;
  /// A new window or device pixel ratio measures the captions and sizes the display anew.
  void itemChange(ItemChange change, const ItemChangeData& value) override;
  /// Fits the display to the size QML gave the item.
  void componentComplete() override;
  /// Keys and the mouse as the control's input (ItemInput.cpp); a key a handler swallowed
  /// goes no further.
  ///@{
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void hoverMoveEvent(QHoverEvent* event) override;
  ///@}
  /// The focus indicator comes and goes with active focus.
  ///@{
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  ///@}

 private:
  struct Hosting;
  std::unique_ptr<Hosting> d_;
};

}  // namespace led::quick
