// A small modal notice that closes itself.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace zephlo {

class TTimeForm : public QDialog {
  Q_OBJECT
public:
  TTimeForm(const QString& text, int ms, QWidget* parent = nullptr);
  QString text() const;
  int interval() const;

protected:
  void showEvent(QShowEvent* e) override;

private:
  QLabel* label_;
  QTimer* timer_;
};

} // namespace zephlo
