#include "ui/editing/timed_notice.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace zephlo {

TTimeForm::TTimeForm(const QString& text, int ms, QWidget* parent)
    : QDialog(parent), label_(new QLabel(text, this)), timer_(new QTimer(this)) {
  setWindowTitle(QStringLiteral("Information"));
  setObjectName(QStringLiteral("TTimeForm"));
  setModal(true);
  label_->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  // Wide enough for the line: 7 pixels a character and a margin.
  const int width = 7 * static_cast<int>(text.size()) + 10;
  setMinimumWidth(std::max(width, label_->sizeHint().width() + 20));
  timer_->setSingleShot(true);
  timer_->setInterval(ms);
  connect(timer_, &QTimer::timeout, this, &QDialog::accept);
}

QString TTimeForm::text() const { return label_->text(); }
int TTimeForm::interval() const { return timer_->interval(); }

void TTimeForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen()) {
    move(s->availableGeometry().center() - rect().center());
  }
  timer_->start();
}

} // namespace zephlo
