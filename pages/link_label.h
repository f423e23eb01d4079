// A label that stands for an address: blue, underlined, a hand cursor, and clicked when the mouse is
// released over it.
#pragma once

#include <QLabel>

namespace vellumar {

class LinkLabel final : public QLabel {
  Q_OBJECT

 public:
  explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace vellumar
