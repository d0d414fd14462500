#pragma once
// Qt Designer's entry for LEDDisplayWidget: in the "Display Widgets" group, with an
// icon drawn by the widget itself and a tooltip in the widget box. A dropped widget
// starts with autoSize on (177 x 63 pixels for the first values) and no tooltip.
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace led::qt {

class LEDDisplayPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  explicit LEDDisplayPlugin(QObject* parent = nullptr);

  QString name() const override;
  QString group() const override;
  QString toolTip() const override;
  QString whatsThis() const override;
  QString includeFile() const override;
  QIcon icon() const override;
  bool isContainer() const override;
  QWidget* createWidget(QWidget* parent) override;
  bool isInitialized() const override;
  void initialize(QDesignerFormEditorInterface* core) override;
  QString domXml() const override;

 private:
  bool initialized_ = false;
};

}  // namespace led::qt
