#include "app/designer_plugin/widget_plugin.h"

#include <utility>

namespace vellumar {

WidgetPlugin::WidgetPlugin(WidgetDescription description, QObject* parent)
    : QObject(parent), description_(std::move(description)) {}

QString WidgetPlugin::group() const {
  return QStringLiteral("Vellumar");
}

void WidgetPlugin::initialize(QDesignerFormEditorInterface* core) {
  if (initialized_) return;
  initialized_ = true;
  if (core != nullptr && description_.initialize) description_.initialize(core);
}

}  // namespace vellumar
