// Switching Qt's accessibility on without an assistive technology: the platform's accessibility object
// holds the switch, and only Qt's private interface reaches it.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include "a11y_test_support.h"

namespace vellumar::testing {

bool SetAccessibilityActive(bool active) {
  QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
  QPlatformAccessibility* accessibility = integration != nullptr ? integration->accessibility() : nullptr;
  if (accessibility == nullptr) return false;
  accessibility->setActive(active);
  return QAccessible::isActive() == active;
}

}  // namespace vellumar::testing
