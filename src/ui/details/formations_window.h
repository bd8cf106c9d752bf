// "View Formations": a sketch of every formation the extras window offers,
// seen from above and from behind.
#pragma once

#include <QWidget>

namespace zephlo {

class TFormationsForm : public QWidget {
  Q_OBJECT
public:
  explicit TFormationsForm(QWidget* parent = nullptr);
  QSize sizeHint() const override;

protected:
  void paintEvent(QPaintEvent* e) override;
};

} // namespace zephlo
