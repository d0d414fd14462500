#pragma once
/// @file
/// LEDDisplayWidget: a QWidget holding one control::LEDDisplay, with Qt's text for the
/// captions. Every control property is a Q_PROPERTY of a Qt type, named in lower camel
/// case ("digitWidth" for DigitWidth), with a NOTIFY signal and its setter a slot; the
/// control's own Enabled is the widget's `enabled`, and hWnd, which means nothing to Qt,
/// is only control().hWnd(). A value the control refuses leaves the property as it was
/// and emits errorOccurred(number, description); no exception leaves the widget. For a
/// switch from QLCDNumber: display(), intValue() and checkOverflow().
///
/// Colours: a QColor property reads as the colour drawn: a plain colour exactly as set,
/// a system colour (&H8000000F, high bit set) as the widget's palette gives it (button
/// face is Button, window Base, 3D shadow Dark, ...). Setting one takes an opaque QColor
/// (others are refused with 380). The raw 32-bit value, system colours included, is read
/// and written with oleColor()/setOleColor(). The border and 3D edge take the palette's
/// colours as a sunken QFrame does (Dark and Light outside, Shadow and Midlight inside; a
/// flat border WindowText). A palette change redraws.
///
/// Disabled (setEnabled(false), or a disabled parent): lit segments are drawn halfway
/// toward the unlit colour (each channel (lit + unlit + 1) / 2) and captions in the
/// palette's disabled WindowText; the background and border stay as they are.
///
/// Sizing: the extent starts at 177 x 63 pixels. With autoSize on the display keeps the
/// extent that fits what it shows, and the widget asks for it (sizeHint(), a fixed size
/// policy, and a widget no layout manages takes that size itself); given another size
/// anyway, the display is drawn centred in it, the palette's window brush around it.
/// Off, whoever sizes the widget (a layout, resize()) sizes the control. sizeHint() is
/// the extent autoSize gives, reckoned from what the display shows now also while it is
/// off (a layout is told when that changes); 177 x 63 when nothing could be reckoned yet. Units:
/// pixels of the widget; twips are 15 per pixel. With fitToSize on (and autoSize off) the digits
/// and captions are drawn at the largest zoom that fits them into the widget
/// (control::LEDDisplay::FitZoom), the display box centred and the palette's window brush around
/// it.
///
/// Device pixels: at a device pixel ratio d the control draws d times larger into d
/// times the pixels (its zoom, control::LEDDisplay::SetZoom), so bevels, points and
/// captions are as fine as the screen; the border is d times as thick too, and sizes in
/// widget pixels and twips are those at ratio 1 (at a fractional ratio the auto-sized
/// extent is the one between those of the whole ratios around it, and the digits may
/// draw a step smaller to fit it).
///
/// Transparent: what the parent widget shows at the widget's place shows behind the
/// digits: its window brush texture, or without one its window colour (the palette's
/// Window role). A widget without a parent shows the cleared surface.
///
/// Focus: the policy is Qt::NoFocus, as QLCDNumber's: a read-only display takes no Tab
/// stop and no focus on a click. Key events (keyDown, keyPress, keyUp) need focus: give
/// the widget a policy, e.g. setFocusPolicy(Qt::StrongFocus). With focus it shows a
/// 1-pixel frame in the palette's Highlight colour along its edge (the display's edge
/// where the display is smaller than the widget).
///
/// Events are signals with the control's arguments by reference: a slot connected
/// directly may change them (keyAscii set to 0 swallows the key; the key event then
/// goes no further). Mouse buttons are 1 left, 2 right, 4 middle; shift 1 Shift,
/// 2 Ctrl, 4 Alt; coordinates in the control's scale from the corner inside the border,
/// the same numbers at every device pixel ratio and under fitToSize's zoom (the
/// control's pixels at ratio 1 and zoom 1; platform/kit/InputConventions.h).
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <memory>

#include "leddisplay/qt/Enums.h"
#include "leddisplay/qt/Export.h"
#include "leddisplay/qt/PropertyList.h"

namespace led::control {
class LEDDisplay;
}

namespace led::qt {

/// The control as a Qt widget, as described above.
class LEDDISPLAY_QT_EXPORT LEDDisplayWidget : public QWidget {
  Q_OBJECT
  /// The control's properties in Qt types: those of leddisplay/qt/PropertyList.h (where
  /// each is described), then the pictures, the old colour names and the read-outs.
  ///@{
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_Q_PROPERTY, LEDDisplayWidget)
  // clang-format off
  Q_PROPERTY(QPixmap mouseIcon READ mouseIcon WRITE setMouseIcon NOTIFY mouseIconChanged)
  Q_PROPERTY(QPixmap pictureBackGround READ pictureBackGround WRITE setPictureBackGround NOTIFY pictureBackGroundChanged)
  Q_PROPERTY(QColor onColor READ litColor WRITE setLitColor NOTIFY litColorChanged)
  Q_PROPERTY(QColor offColor READ unlitColor WRITE setUnlitColor NOTIFY unlitColorChanged)
  Q_PROPERTY(bool overRange READ overRange NOTIFY overRangeChanged)
  Q_PROPERTY(led::qt::enums::ValueBand valueBand READ valueBand NOTIFY valueBandChanged)
  Q_PROPERTY(QString shownText READ shownText NOTIFY shownTextChanged)
  Q_PROPERTY(bool fitToSize READ fitToSize WRITE setFitToSize NOTIFY fitToSizeChanged)
  // clang-format on
  ///@}

 public:
  /// The shared enumerations (leddisplay/qt/Enums.h) as the widget's own, with their
  /// members: `LEDDisplayWidget::Gradient_V`, as .ui files write them.
  ///@{
  using Appearance = enums::Appearance;
  using BorderStyle = enums::BorderStyle;
  using Position = enums::Position;
  using BackGroundStyle = enums::BackGroundStyle;
  using ColorProperty = enums::ColorProperty;
  using ErrorNumber = enums::ErrorNumber;
  using ValueBand = enums::ValueBand;
  using SegmentStyle = enums::SegmentStyle;
  using enum enums::Appearance;
  using enum enums::BorderStyle;
  using enum enums::Position;
  using enum enums::BackGroundStyle;
  using enum enums::ColorProperty;
  using enum enums::ErrorNumber;
  using enum enums::ValueBand;
  using enum enums::SegmentStyle;
  ///@}

  /// A control with its first values, 177 x 63 pixels, rendered at once.
  explicit LEDDisplayWidget(QWidget* parent = nullptr);
  ~LEDDisplayWidget() override;

  /// The control itself, for what the widget does not wrap; errors of calls made on it
  /// reach the caller as core::RuntimeError, not errorOccurred.
  control::LEDDisplay& control();

  /// The properties' getters; their setters are the slots below.
  ///@{
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_GETTER, LEDDisplayWidget)
  /// The picture mousePointer 99 shows as the cursor, its hot spot in the middle; a null
  /// pixmap is none (control::LEDDisplay::MouseIcon).
  QPixmap mouseIcon() const;
  /// The picture behind the digits; a null pixmap is none
  /// (control::LEDDisplay::PictureBackGround).
  QPixmap pictureBackGround() const;
  /// Deprecated names of litColor and unlitColor, kept (also as the Qt properties
  /// `onColor` and `offColor`, shown in Designer) for .ui files and code written with them.
  ///@{
  QColor onColor() const { return litColor(); }
  QColor offColor() const { return unlitColor(); }
  ///@}
  /// Whether the value needs more digits than shown (or is not a finite number),
  /// whatever useOverRange says.
  bool overRange() const;
  /// Where the value lies against lowLimit and highLimit while useLimits is on (Within
  /// while it is off): a panel can sound its own alarm (valueBandChanged). The accessible
  /// description names it while it is not Within.
  ValueBand valueBand() const;
  ///@}

  /// As QLCDNumber's: the value rounded half away from zero, held to int's range; 0 for
  /// NaN.
  int intValue() const;
  /// As QLCDNumber's: whether `value` would be over range (see overRange) with the
  /// digits, decimals and sign cell set now. Changes nothing.
  ///@{
  bool checkOverflow(double value) const;
  bool checkOverflow(int value) const;
  ///@}

  /// The raw 32-bit colour (system colours keep their high bit); setting returns false
  /// and emits errorOccurred when refused.
  ///@{
  Q_INVOKABLE quint32 oleColor(ColorProperty which) const;
  Q_INVOKABLE bool setOleColor(ColorProperty which, quint32 color);
  ///@}
  /// Lights one cell's segments by hand (the control's SetCellSegments: cell from the
  /// left, `mask` in the style's bits, 65536 the point, below 0 the cell's own glyph)
  /// until the value or the text changes; false, with errorOccurred, when refused.
  Q_INVOKABLE bool setCellSegments(int cell, int mask);

  /// The text the display shows (sign, digits and lit point; "over range" for the mark),
  /// the read-only property `shownText`, whose shownTextChanged follows every change.
  QString shownText() const;
  /// Where each caption's text sits, in widget pixels; empty without a caption.
  ///@{
  QRect captionLowRect() const;
  QRect captionUpperRect() const;
  ///@}

  /// The properties in our property file; false (and errorOccurred, naming the file and
  /// the problem) on failure. A failed load applies the values read before the fault.
  ///@{
  bool saveProperties(const QString& path);
  bool loadProperties(const QString& path);
  ///@}

  /// Digits and captions zoomed to fit the widget while autoSize is off (see Sizing
  /// above); off by default. The widget's own setting: not a control property, not saved.
  ///@{
  bool fitToSize() const;
  void setFitToSize(bool on);
  ///@}

  /// The extent autoSize gives, in pixels (see Sizing above).
  QSize sizeHint() const override;
  /// sizeHint() while autoSize is on (the size policy is fixed), else 0 x 0.
  QSize minimumSizeHint() const override;

 public slots:
  /// The properties' setters, slots so that a signal drives them, also by name (a .ui
  /// file's connection, SIGNAL/SLOT). A refused value changes nothing and emits
  /// errorOccurred: an int beyond -32768..32767 (Overflow); appearance or borderStyle
  /// beyond 0..1, a position beyond 0..2, a mousePointer other than 0..15 and 99, a
  /// colour not opaque, a font without a family or beyond 2048 points
  /// (InvalidPropertyValue).
  ///@{
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_SETTER, LEDDisplayWidget)
  void setMouseIcon(const QPixmap& icon);
  void setPictureBackGround(const QPixmap& picture);
  ///@}
  /// Deprecated names of setLitColor and setUnlitColor (see onColor).
  ///@{
  void setOnColor(const QColor& color) { setLitColor(color); }
  void setOffColor(const QColor& color) { setUnlitColor(color); }
  ///@}
  /// As QLCDNumber's: shows `value` (setValue, the text cleared), or `text` (setText).
  ///@{
  void display(double value);
  void display(int value);
  void display(const QString& text);
  ///@}
  /// Redraws the display (the control's Refresh).
  void refresh();

 signals:
  /// A call into the control failed: the run-time error's number (an ErrorNumber) and
  /// description.
  void errorOccurred(int number, const QString& description);
  /// The properties' NOTIFY signals, with the new value: emitted once when the value
  /// changed, whether by its setter, by a setter called on control() or by
  /// loadProperties; not for a refused value nor for a set to the value it had.
  ///@{
  LEDDISPLAY_QT_HOST_PROPERTIES(LEDDISPLAY_QT_DECLARE_SIGNAL, LEDDisplayWidget)
  void mouseIconChanged(const QPixmap& icon);
  void pictureBackGroundChanged(const QPixmap& picture);
  void overRangeChanged(bool overRange);
  /// valueBand changed.
  void valueBandChanged(led::qt::enums::ValueBand band);
  /// The shown text (shownText) changed.
  void shownTextChanged(const QString& text);
  ///@}
  /// The control's Change event: a render pass showed a value other than the last.
  void changed();
  /// A left press and release over the widget (not the release ending a double click).
  void clicked();
  /// A left double click.
  void doubleClicked();
  /// The control's key and mouse events, arguments as described above; a slot
  /// connected directly may change them.
  ///@{
  void keyDown(int& keyCode, int& shift);
  void keyPress(int& keyAscii);
  void keyUp(int& keyCode, int& shift);
  void mouseDown(int& button, int& shift, double& x, double& y);
  void mouseMove(int& button, int& shift, double& x, double& y);
  void mouseUp(int& button, int& shift, double& x, double& y);
  ///@}
  /// The value stopped fitting the digits (emitted again for each new value that does
  /// not fit).
  void overflow();
  /// fitToSize changed.
  void fitToSizeChanged(bool on);

 protected:
  /// On a change of screen, measures the captions again, follows the screen's device
  /// pixel ratio and runs the control's Resize.
  bool event(QEvent* event) override;
  /// Draws the control's kept image, then the captions as Qt text.
  void paintEvent(QPaintEvent* event) override;
  /// Gives the control the widget's new extent (or, fitting, the zoom and box that fit).
  void resizeEvent(QResizeEvent* event) override;
  /// A transparent display is shown again over its new part of the parent.
  void moveEvent(QMoveEvent* event) override;
  /// The widget's own enabled state becomes the control's Enabled.
  void changeEvent(QEvent* event) override;
  /// KeyDown, then KeyPress for a character key; a key a handler swallowed (set to 0)
  /// goes no further.
  void keyPressEvent(QKeyEvent* event) override;
  /// KeyUp.
  void keyReleaseEvent(QKeyEvent* event) override;
  /// The control's MouseDown, MouseMove and MouseUp; a left release over the widget
  /// then raises Click, except the one ending a double click.
  ///@{
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  ///@}
  /// A left double click raises DblClick; another button's acts as a press.
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  struct Hosting;
  std::unique_ptr<Hosting> d_;
};

}  // namespace led::qt
