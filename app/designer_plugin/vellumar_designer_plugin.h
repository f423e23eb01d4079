// The Qt Designer plugin: puts the tab strip (VellumarTabStrip) and the tab widget with its pages
// (VellumarTabWidget, a QTabWidget) into Designer's widget box. Their properties are edited in the
// property editor, the tab widget's pages through Designer's own QTabWidget page commands, and both through
// the control's own property sheet from their context menus. Forms that use them compile with uic
// against the Qt library and load with QUiLoader.
#pragma once

#include <QtCore/QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace vellumar {

class VellumarDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
  Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

 public:
  explicit VellumarDesignerPlugin(QObject* parent = nullptr);

  // The strip, then the tab widget; owned by this object.
  QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return widgets_; }

 private:
  QList<QDesignerCustomWidgetInterface*> widgets_;
};

}  // namespace vellumar
