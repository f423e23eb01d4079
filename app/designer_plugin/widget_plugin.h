// One widget as Designer's widget box offers it: its class, header, icon and texts, the XML of a new one,
// and how to make one. The two widgets differ only in what they describe.
#pragma once

#include <QtCore/QObject>
#include <QtGui/QIcon>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

namespace vellumar {

struct WidgetDescription {
  QString name;          // the class, with its namespace
  QString include_file;  // the header a form includes
  QString tool_tip;
  QString whats_this;
  QIcon icon;
  bool container = false;
  QString dom_xml;  // a new widget as Designer places it
  // Makes the widget; the parent owns it.
  std::function<QWidget*(QWidget* parent)> create;
  // Registers what the widgets need of Designer beyond their properties; may be empty.
  std::function<void(QDesignerFormEditorInterface* core)> initialize;
};

class WidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  WidgetPlugin(WidgetDescription description, QObject* parent);

  QString name() const override { return description_.name; }
  QString group() const override;
  QString toolTip() const override { return description_.tool_tip; }
  QString whatsThis() const override { return description_.whats_this; }
  QString includeFile() const override { return description_.include_file; }
  QIcon icon() const override { return description_.icon; }
  bool isContainer() const override { return description_.container; }
  QWidget* createWidget(QWidget* parent) override { return description_.create(parent); }
  bool isInitialized() const override { return initialized_; }
  // Runs the description's initialization once, when Designer passes its core.
  void initialize(QDesignerFormEditorInterface* core) override;
  QString domXml() const override { return description_.dom_xml; }

 private:
  WidgetDescription description_;
  bool initialized_ = false;
};

}  // namespace vellumar
