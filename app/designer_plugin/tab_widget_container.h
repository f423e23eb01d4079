// The tab widget's pages as a Designer container: Designer's page commands (insert before or after the
// current page, delete, switch) and the widgets dropped on a page go through it.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtDesigner/QDesignerContainerExtension>

namespace vellumar {

class VellumarTabWidget;

class TabWidgetContainer final : public QObject, public QDesignerContainerExtension {
  Q_OBJECT
  Q_INTERFACES(QDesignerContainerExtension)

 public:
  TabWidgetContainer(VellumarTabWidget* widget, QObject* parent);

  int count() const override;
  QWidget* widget(int index) const override;
  int currentIndex() const override;
  void setCurrentIndex(int index) override;
  bool canAddWidget() const override { return true; }
  void addWidget(QWidget* page) override;
  // A page without a window title is named "Register N", and the title is saved with the form.
  void insertWidget(int index, QWidget* page) override;
  bool canRemove(int) const override { return true; }
  void remove(int index) override;

 private:
  QPointer<VellumarTabWidget> tabs_;
};

}  // namespace vellumar
