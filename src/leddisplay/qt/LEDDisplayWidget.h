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

namespace led::control {
class LEDDisplay;
}

namespace led::qt {

class LEDDisplayWidget : public QWidget {
  Q_OBJECT
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

 public:
  enum Appearance { Flat = 0, ThreeD = 1 };
  Q_ENUM(Appearance)
  enum BorderStyle { BorderNone = 0, FixedSingle = 1 };
  Q_ENUM(BorderStyle)
  enum Position { LeftPosition = 0, RightPosition = 1, CenterPosition = 2 };
  Q_ENUM(Position)
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

  explicit LEDDisplayWidget(QWidget* parent = nullptr);
  ~LEDDisplayWidget() override;

  control::LEDDisplay& control();

  double value() const;
  void setValue(double value);
  Appearance appearance() const;
  void setAppearance(Appearance appearance);
  bool autoSize() const;
  void setAutoSize(bool on);
  BackGroundStyle backGroundStyle() const;
  void setBackGroundStyle(BackGroundStyle style);
  QColor backGroundG1() const;
  void setBackGroundG1(const QColor& color);
  QColor backGroundG2() const;
  void setBackGroundG2(const QColor& color);
  BorderStyle borderStyle() const;
  void setBorderStyle(BorderStyle style);
  QString captionLow() const;
  void setCaptionLow(const QString& caption);
  QColor captionLowForeColor() const;
  void setCaptionLowForeColor(const QColor& color);
  Position captionLowPosition() const;
  void setCaptionLowPosition(Position position);
  QFont captionLowFont() const;
  void setCaptionLowFont(const QFont& font);
  QString captionUpper() const;
  void setCaptionUpper(const QString& caption);
  QColor captionUpperForeColor() const;
  void setCaptionUpperForeColor(const QColor& color);
  Position captionUpperPosition() const;
  void setCaptionUpperPosition(Position position);
  QFont captionUpperFont() const;
  void setCaptionUpperFont(const QFont& font);
  int decimals() const;
  void setDecimals(int decimals);
  int decimalPointSize() const;
  void setDecimalPointSize(int size);
  int hWnd() const;
  int mousePointer() const;
  void setMousePointer(int pointer);
  QPixmap mouseIcon() const;
  void setMouseIcon(const QPixmap& icon);
  QPixmap pictureBackGround() const;
  void setPictureBackGround(const QPixmap& picture);
  bool showAllDecimalPoints() const;
  void setShowAllDecimalPoints(bool show);
  int digits() const;
  void setDigits(int digits);
  int digitWidth() const;
  void setDigitWidth(int width);
  int digitHeight() const;
  void setDigitHeight(int height);
  int digitLeftMargin() const;
  void setDigitLeftMargin(int margin);
  int digitUpperMargin() const;
  void setDigitUpperMargin(int margin);
  int digitSpacing() const;
  void setDigitSpacing(int spacing);
  int segmentWidth() const;
  void setSegmentWidth(int width);
  int segmentSeparation() const;
  void setSegmentSeparation(int separation);
  bool leadingZeros() const;
  void setLeadingZeros(bool on);
  bool leadingPlusMinus() const;
  void setLeadingPlusMinus(bool on);
  QColor backColor() const;
  void setBackColor(const QColor& color);
  QColor onColor() const;
  void setOnColor(const QColor& color);
  QColor offColor() const;
  void setOffColor(const QColor& color);
  bool transparent() const;
  void setTransparent(bool on);
  bool useOverRange() const;
  void setUseOverRange(bool on);
  /// Whether the value needs more digits than shown (or is not a finite number),
  /// whatever useOverRange says.
  bool overRange() const;

  /// The raw 32-bit colour (system colours keep their high bit); setting returns false
  /// and emits errorOccurred when refused.
  Q_INVOKABLE quint32 oleColor(ColorProperty which) const;
  Q_INVOKABLE bool setOleColor(ColorProperty which, quint32 color);

  /// The text the display shows (sign, digits and lit point; "over range" for the mark).
  QString shownText() const;
  /// Where each caption's text sits, in widget pixels; empty without a caption.
  QRect captionLowRect() const;
  QRect captionUpperRect() const;

  /// The properties in our property file; false (and errorOccurred, naming the file and
  /// the problem) on failure. A failed load applies the values read before the fault.
  bool saveProperties(const QString& path);
  bool loadProperties(const QString& path);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 public slots:
  /// Redraws the display (the control's Refresh).
  void refresh();

 signals:
  void errorOccurred(int number, const QString& description);
  void changed();
  void clicked();
  void doubleClicked();
  void keyDown(int& keyCode, int& shift);
  void keyPress(int& keyAscii);
  void keyUp(int& keyCode, int& shift);
  void mouseDown(int& button, int& shift, double& x, double& y);
  void mouseMove(int& button, int& shift, double& x, double& y);
  void mouseUp(int& button, int& shift, double& x, double& y);
  /// The value stopped fitting the digits (emitted again for each new value that does
  /// not fit).
  void overflow();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  struct Hosting;
  std::unique_ptr<Hosting> d_;
};

}  // namespace led::qt
