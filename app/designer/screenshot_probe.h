// A testing aid of the designer, off unless the environment variable VELLUMAR_SCREENSHOT_DIR names a
// directory: then every press of F12 grabs the screen to DIR/shot-NNN.ppm (binary PPM, numbered from 000)
// and writes beside it DIR/shot-NNN.txt, the state of every control at that moment in screen coordinates.
// End-to-end tests drive the designer through the real pointer and keyboard, press F12 and check the
// pixels where the controls should have drawn what they were made to draw.
//
// shot-NNN.txt has one record a line, fields separated by single blanks:
//   control NAME X Y W H alignment=A tabheight=TH tabs=N selected=S hot=H focus=0|1
//   colors NAME backform=R,G,B back=R,G,B frame=R,G,B band0=R,G,B band1=… band2=… focus0=… focus1=… focus2=…
//   tab NAME I LEFT TOP RIGHT BOTTOM key=K        (K: the tab's access key, or - for none or a non-ASCII one)
// The ppm file appears last, so a reader that waits for it finds the text complete.
#pragma once

#include <QtCore/QObject>
#include <QtCore/QString>

namespace vellumar {

class DesignerWindow;

class ScreenshotProbe final : public QObject {
  Q_OBJECT

 public:
  // Watches the whole application's key presses; window must outlive the probe.
  ScreenshotProbe(DesignerWindow& window, QString directory);

  // The probe when the environment asks for one (installed as the application's event filter), or null.
  static ScreenshotProbe* InstallFromEnvironment(DesignerWindow& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Capture();
  QString StateText() const;

  DesignerWindow& window_;
  QString directory_;
  int next_ = 0;  // number of the next shot
};

}  // namespace vellumar
