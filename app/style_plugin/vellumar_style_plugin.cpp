// The style as a Qt style plugin: an unmodified Qt program started with "-style vellumar" (or with
// QT_STYLE_OVERRIDE=vellumar) paints its tab widgets and tab bars in the control's look and everything else
// in the platform's default style.
#include <QtWidgets/QStylePlugin>
#include <VellumarStyle>

namespace vellumar {

class VellumarStylePlugin : public QStylePlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QStyleFactoryInterface" FILE "vellumar_style.json")

 public:
  QStyle* create(const QString& key) override {
    if (key.compare(QStringLiteral("vellumar"), Qt::CaseInsensitive) != 0) return nullptr;
    return new VellumarStyle();
  }
};

}  // namespace vellumar

#include "vellumar_style_plugin.moc"
