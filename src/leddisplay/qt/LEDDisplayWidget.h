#pragma once
/// @file
/// LEDDisplayWidget: a QWidget holding one control::LEDDisplay, with Qt's text for the
/// captions. Every control property is a Q_PROPERTY of a Qt type, named in lower camel
/// case ("digitWidth" for DigitWidth); the control's own Enabled is the widget's
/// `enabled`. A value the control refuses leaves the property as it was and emits
/// errorOccurred(number, description); no exception leaves the widget.
///
/// Colours: a QColor property reads as the colour drawn: a plain colour exactly as set,
/// a system colour (&H80000005, high bit set) through the system colour table. Setting
/// one takes an opaque QColor (others are refused with 380). The raw 32-bit value,
/// system colours included, is read and written with oleColor()/setOleColor().
///
/// Sizing: the extent starts at 177 x 63 pixels. With autoSize on the widget's size
/// follows what it shows (fixed size policy); off, whoever sizes the widget (a layout,
/// resize()) sizes the control. sizeHint() is the extent autoSize gives, reckoned from
/// what the display shows now while it is off (a layout is told when that changes); 177 x
/// 63 when nothing could be reckoned yet. Units: pixels of the widget; twips are 15 per
/// pixel.
///
/// Transparent: the parent widget's window brush texture at the widget's place shows
/// behind the digits; without a texture the cleared surface shows.
///
/// Events are signals with the control's arguments by reference: a slot connected
/// directly may change them (keyAscii set to 0 swallows the key; the key event then
/// goes no further). Mouse buttons are 1 left, 2 right, 4 middle; shift 1 Shift,
/// 2 Ctrl, 4 Alt; coordinates in the control's scale (pixels inside the border).
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QWidget>
#include <memory>

#include "leddisplay/qt/Export.h"

namespace led::control {
class LEDDisplay;
}

namespace led::qt {

/// The control as a Qt widget, as described above.
class LEDDISPLAY_QT_EXPORT LEDDisplayWidget : public QWidget {
  Q_OBJECT
  /// The control's properties in Qt types; each is described at its getter. An int
  /// outside -32768..32767 is refused with 6 "Overflow".
  ///@{
  Q_PROPERTY(double value READ value WRITE setValue)
  Q_PROPERTY(Appearance appearance READ appearance WRITE setAppearance)
  Q_PROPERTY(bool autoSize READ autoSize WRITE setAutoSize)
  Q_PROPERTY(BackGroundStyle backGroundStyle READ backGroundStyle WRITE setBackGroundStyle)
  Q_PROPERTY(QColor backGroundG1 READ backGroundG1 WRITE setBackGroundG1)
  Q_PROPERTY(QColor backGroundG2 READ backGroundG2 WRITE setBackGroundG2)
  Q_PROPERTY(BorderStyle borderStyle READ borderStyle WRITE setBorderStyle)
  Q_PROPERTY(QString captionLow READ captionLow WRITE setCaptionLow)
  Q_PROPERTY(QColor captionLowForeColor READ captionLowForeColor WRITE setCaptionLowForeColor)
  Q_PROPERTY(Position captionLowPosition READ captionLowPosition WRITE setCaptionLowPosition)
  Q_PROPERTY(QFont captionLowFont READ captionLowFont WRITE setCaptionLowFont)
  Q_PROPERTY(QString captionUpper READ captionUpper WRITE setCaptionUpper)
  Q_PROPERTY(QColor captionUpperForeColor READ captionUpperForeColor WRITE setCaptionUpperForeColor)
  Q_PROPERTY(Position captionUpperPosition READ captionUpperPosition WRITE setCaptionUpperPosition)
  Q_PROPERTY(QFont captionUpperFont READ captionUpperFont WRITE setCaptionUpperFont)
  Q_PROPERTY(int decimals READ decimals WRITE setDecimals)
  Q_PROPERTY(int decimalPointSize READ decimalPointSize WRITE setDecimalPointSize)
  Q_PROPERTY(int hWnd READ hWnd)
  Q_PROPERTY(int mousePointer READ mousePointer WRITE setMousePointer)
  Q_PROPERTY(QPixmap mouseIcon READ mouseIcon WRITE setMouseIcon)
  Q_PROPERTY(QPixmap pictureBackGround READ pictureBackGround WRITE setPictureBackGround)
  Q_PROPERTY(bool showAllDecimalPoints READ showAllDecimalPoints WRITE setShowAllDecimalPoints)
  Q_PROPERTY(int digits READ digits WRITE setDigits)
  Q_PROPERTY(int digitWidth READ digitWidth WRITE setDigitWidth)
  Q_PROPERTY(int digitHeight READ digitHeight WRITE setDigitHeight)
  Q_PROPERTY(int digitLeftMargin READ digitLeftMargin WRITE setDigitLeftMargin)
  Q_PROPERTY(int digitUpperMargin READ digitUpperMargin WRITE setDigitUpperMargin)
  Q_PROPERTY(int digitSpacing READ digitSpacing WRITE setDigitSpacing)
  Q_PROPERTY(int segmentWidth READ segmentWidth WRITE setSegmentWidth)
  Q_PROPERTY(int segmentSeparation READ segmentSeparation WRITE setSegmentSeparation)
  Q_PROPERTY(bool leadingZeros READ leadingZeros WRITE setLeadingZeros)
  Q_PROPERTY(bool leadingPlusMinus READ leadingPlusMinus WRITE setLeadingPlusMinus)
  Q_PROPERTY(QColor backColor READ backColor WRITE setBackColor)
  Q_PROPERTY(QColor onColor READ onColor WRITE setOnColor)
  Q_PROPERTY(QColor offColor READ offColor WRITE setOffColor)
  Q_PROPERTY(bool transparent READ transparent WRITE setTransparent)
  Q_PROPERTY(bool useOverRange READ useOverRange WRITE setUseOverRange)
  Q_PROPERTY(bool overRange READ overRange)
  ///@}

 public:
  /// The values of appearance, as the control's.
  enum Appearance { Flat = 0, ThreeD = 1 };
  Q_ENUM(Appearance)
  /// The values of borderStyle, as the control's.
  enum BorderStyle { BorderNone = 0, FixedSingle = 1 };
  Q_ENUM(BorderStyle)
  /// Where a caption sits: left, right or centre, as the control's.
  enum Position { LeftPosition = 0, RightPosition = 1, CenterPosition = 2 };
  Q_ENUM(Position)
  /// The values of backGroundStyle: the back colour, a vertical or a horizontal
  /// gradient, as the control's.
  enum BackGroundStyle { Standard = 0, Gradient_V = 1, Gradient_H = 2 };
  Q_ENUM(BackGroundStyle)
  /// The colour properties, for oleColor()/setOleColor().
  enum ColorProperty {
    BackColor,
    OnColor,
    OffColor,
    BackGroundG1,
    BackGroundG2,
    CaptionLowForeColor,
    CaptionUpperForeColor
  };
  Q_ENUM(ColorProperty)

  /// A control with its first values, 177 x 63 pixels, rendered at once.
  explicit LEDDisplayWidget(QWidget* parent = nullptr);
  ~LEDDisplayWidget() override;

  /// The control itself, for what the widget does not wrap; errors of calls made on it
  /// reach the caller as core::RuntimeError, not errorOccurred.
  control::LEDDisplay& control();

  /// The number shown (control::LEDDisplay::Value).
  ///@{
  double value() const;
  void setValue(double value);
  ///@}
  /// Flat or ThreeD (control::LEDDisplay::Appearance).
  ///@{
  Appearance appearance() const;
  void setAppearance(Appearance appearance);
  ///@}
  /// While on, the widget takes the extent that fits the digits and captions
  /// (control::LEDDisplay::AutoSize).
  ///@{
  bool autoSize() const;
  void setAutoSize(bool on);
  ///@}
  /// The back colour or a gradient (control::LEDDisplay::BackGroundStyle).
  ///@{
  BackGroundStyle backGroundStyle() const;
  void setBackGroundStyle(BackGroundStyle style);
  ///@}
  /// The gradient's colour at the bottom or left (control::LEDDisplay::BackGroundG1).
  ///@{
  QColor backGroundG1() const;
  void setBackGroundG1(const QColor& color);
  ///@}
  /// The gradient's colour at the top or right (control::LEDDisplay::BackGroundG2).
  ///@{
  QColor backGroundG2() const;
  void setBackGroundG2(const QColor& color);
  ///@}
  /// No border or a single line (control::LEDDisplay::BorderStyle).
  ///@{
  BorderStyle borderStyle() const;
  void setBorderStyle(BorderStyle style);
  ///@}
  /// The text below the digits (control::LEDDisplay::CaptionLow).
  ///@{
  QString captionLow() const;
  void setCaptionLow(const QString& caption);
  ///@}
  /// The lower caption's text colour (control::LEDDisplay::CaptionLowForeColor).
  ///@{
  QColor captionLowForeColor() const;
  void setCaptionLowForeColor(const QColor& color);
  ///@}
  /// Where the lower caption sits (control::LEDDisplay::CaptionLowPosition).
  ///@{
  Position captionLowPosition() const;
  void setCaptionLowPosition(Position position);
  ///@}
  /// The lower caption's font: name, size, bold, italic, underline and strikethrough
  /// (control::LEDDisplay::CaptionLowFont).
  ///@{
  QFont captionLowFont() const;
  void setCaptionLowFont(const QFont& font);
  ///@}
  /// The text above the digits (control::LEDDisplay::CaptionUpper).
  ///@{
  QString captionUpper() const;
  void setCaptionUpper(const QString& caption);
  ///@}
  /// The upper caption's text colour (control::LEDDisplay::CaptionUpperForeColor).
  ///@{
  QColor captionUpperForeColor() const;
  void setCaptionUpperForeColor(const QColor& color);
  ///@}
  /// Where the upper caption sits (control::LEDDisplay::CaptionUpperPosition).
  ///@{
  Position captionUpperPosition() const;
  void setCaptionUpperPosition(Position position);
  ///@}
  /// The upper caption's font, as captionLowFont (control::LEDDisplay::CaptionUpperFont).
  ///@{
  QFont captionUpperFont() const;
  void setCaptionUpperFont(const QFont& font);
  ///@}
  /// Digits after the decimal point (control::LEDDisplay::Decimals).
  ///@{
  int decimals() const;
  void setDecimals(int decimals);
  ///@}
  /// The decimal point's height in pixels (control::LEDDisplay::DecimalPointSize).
  ///@{
  int decimalPointSize() const;
  void setDecimalPointSize(int size);
  ///@}
  /// The window handle (control::LEDDisplay::hWnd); read-only.
  int hWnd() const;
  /// The pointer shape over the widget (control::LEDDisplay::MousePointer).
  ///@{
  int mousePointer() const;
  void setMousePointer(int pointer);
  ///@}
  /// The custom pointer picture; a null pixmap is none (control::LEDDisplay::MouseIcon).
  ///@{
  QPixmap mouseIcon() const;
  void setMouseIcon(const QPixmap& icon);
  ///@}
  /// The picture behind the digits; a null pixmap is none
  /// (control::LEDDisplay::PictureBackGround).
  ///@{
  QPixmap pictureBackGround() const;
  void setPictureBackGround(const QPixmap& picture);
  ///@}
  /// Every digit shows its point, unlit but the decimal one
  /// (control::LEDDisplay::ShowAllDecimalPoints).
  ///@{
  bool showAllDecimalPoints() const;
  void setShowAllDecimalPoints(bool show);
  ///@}
  /// The number of digit cells (control::LEDDisplay::Digits).
  ///@{
  int digits() const;
  void setDigits(int digits);
  ///@}
  /// A cell's width in pixels (control::LEDDisplay::DigitWidth).
  ///@{
  int digitWidth() const;
  void setDigitWidth(int width);
  ///@}
  /// A cell's height in pixels (control::LEDDisplay::DigitHeight).
  ///@{
  int digitHeight() const;
  void setDigitHeight(int height);
  ///@}
  /// The first cell's left edge in pixels (control::LEDDisplay::DigitLeftMargin).
  ///@{
  int digitLeftMargin() const;
  void setDigitLeftMargin(int margin);
  ///@}
  /// The digit row's top margin in pixels (control::LEDDisplay::DigitUpperMargin).
  ///@{
  int digitUpperMargin() const;
  void setDigitUpperMargin(int margin);
  ///@}
  /// The gap between cells in pixels (control::LEDDisplay::DigitSpacing).
  ///@{
  int digitSpacing() const;
  void setDigitSpacing(int spacing);
  ///@}
  /// A bar's thickness in pixels (control::LEDDisplay::SegmentWidth).
  ///@{
  int segmentWidth() const;
  void setSegmentWidth(int width);
  ///@}
  /// The gap in pixels at each end of the upright bars
  /// (control::LEDDisplay::SegmentSeperation).
  ///@{
  int segmentSeparation() const;
  void setSegmentSeparation(int separation);
  ///@}
  /// Zeros before the units digit are lit (control::LEDDisplay::LeadingZeros).
  ///@{
  bool leadingZeros() const;
  void setLeadingZeros(bool on);
  ///@}
  /// The first cell shows the sign (control::LEDDisplay::LeadingPlusMinus).
  ///@{
  bool leadingPlusMinus() const;
  void setLeadingPlusMinus(bool on);
  ///@}
  /// The colour behind the digits (control::LEDDisplay::BackColor).
  ///@{
  QColor backColor() const;
  void setBackColor(const QColor& color);
  ///@}
  /// The colour of lit segments (control::LEDDisplay::OnColor).
  ///@{
  QColor onColor() const;
  void setOnColor(const QColor& color);
  ///@}
  /// The colour of unlit segments (control::LEDDisplay::OffColor).
  ///@{
  QColor offColor() const;
  void setOffColor(const QColor& color);
  ///@}
  /// The parent's window texture shows behind the digits
  /// (control::LEDDisplay::Transparent).
  ///@{
  bool transparent() const;
  void setTransparent(bool on);
  ///@}
  /// A value too long for the digits shows the over-range mark
  /// (control::LEDDisplay::UseOverRange).
  ///@{
  bool useOverRange() const;
  void setUseOverRange(bool on);
  ///@}
  /// Whether the value needs more digits than shown (or is not a finite number),
  /// whatever useOverRange says.
  bool overRange() const;

  /// The raw 32-bit colour (system colours keep their high bit); setting returns false
  /// and emits errorOccurred when refused.
  ///@{
  Q_INVOKABLE quint32 oleColor(ColorProperty which) const;
  Q_INVOKABLE bool setOleColor(ColorProperty which, quint32 color);
  ///@}

  /// The text the display shows (sign, digits and lit point; "over range" for the mark).
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

  /// The extent autoSize gives, in pixels (see Sizing above).
  QSize sizeHint() const override;
  /// sizeHint() while autoSize is on (the size is fixed), else 0 x 0.
  QSize minimumSizeHint() const override;

 public slots:
  /// Redraws the display (the control's Refresh).
  void refresh();

 signals:
  /// A call into the control failed: the run-time error's number and description.
  void errorOccurred(int number, const QString& description);
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

 protected:
  /// On a change of screen, measures the captions again and runs the control's Resize.
  bool event(QEvent* event) override;
  /// Draws the control's kept image, then the captions as Qt text.
  void paintEvent(QPaintEvent* event) override;
  /// Gives the control the widget's new extent.
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
