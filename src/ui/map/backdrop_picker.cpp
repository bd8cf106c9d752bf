#include "ui/map/backdrop_picker.h"

#include "core/map/backdrops.h"
#include "core/mission/layout.h"
#include "core/mission/store_values.h"
#include "render/backdrop_pictures.h"
#include "ui/editing/editing_document.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace zephlo {

// The pictures; a press selects the backdrop under it.
class TBDropForm::Sheet : public QWidget {
public:
  explicit Sheet(TBDropForm* form) : QWidget(form), form_(form) {
    setObjectName(QStringLiteral("Image1"));
    image_ = backdropSheet(0, devicePixelRatioF());
    setFixedSize(image_.deviceIndependentSize().toSize());
    setCursor(Qt::PointingHandCursor);
  }
  void setNames(std::vector<std::string> names) {
    names_ = std::move(names);
    setMouseTracking(!names_.empty());
  }
  void select(int n) {
    image_ = backdropSheet(n, devicePixelRatioF());
    update();
  }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(0, 0, image_);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    const QPoint at = e->position().toPoint();
    const auto n = static_cast<std::size_t>(backdropAtPoint(at.x(), at.y()));
    setToolTip(n > 0 && n < names_.size() ? QString::fromLatin1(names_[n].c_str()) : QString());
  }
  void mousePressEvent(QMouseEvent* e) override {
    const QPoint at = e->position().toPoint();
    form_->Image1MouseDown(at.x(), at.y());
  }

private:
  TBDropForm* form_;
  QImage image_;
  std::vector<std::string> names_;
};

TBDropForm::TBDropForm(int number, Byte shadow, std::vector<std::string> names, QWidget* parent)
    : QDialog(parent), number_(number), shadow_(shadow) {
  setObjectName(QStringLiteral("TBDropForm"));
  setWindowTitle(QStringLiteral("Click on backdrop to select"));
  auto* layout = new QHBoxLayout(this);
  Image1 = new Sheet(this);
  Image1->setNames(std::move(names));
  layout->addWidget(Image1, 0, Qt::AlignTop);

  auto* side = new QVBoxLayout;
  auto* selection = new QGroupBox(QStringLiteral("Selection:"), this);
  auto* sl = new QVBoxLayout(selection);
  Label2 = new QLabel(selection);
  Label2->setObjectName(QStringLiteral("Label2"));
  QFont big = Label2->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  Label2->setFont(big);
  sl->addWidget(Label2);
  side->addWidget(selection);

  auto* shadowBox = new QGroupBox(QStringLiteral("Shadow:"), this);
  auto* shl = new QVBoxLayout(shadowBox);
  shadowButtons_ = new QButtonGroup(this);
  for (int tag = 0; tag <= 6; ++tag) {
    auto* b = new QToolButton(shadowBox);
    b->setObjectName(QStringLiteral("ToolButton%1").arg(tag + 1));
    b->setText(QString::number(tag));
    b->setCheckable(true);
    b->setMinimumWidth(40);
    shadowButtons_->addButton(b, tag);
    shl->addWidget(b);
  }
  shadowButtons_->button(shadowButtonFor(shadow))->setChecked(true);
  connect(shadowButtons_, &QButtonGroup::idClicked, this,
          [this](int tag) { shadow_ = static_cast<Byte>(tag); });
  side->addWidget(shadowBox);
  side->addStretch();

  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  QPushButton* use = buttons->addButton(QStringLiteral("&Use"), QDialogButtonBox::AcceptRole);
  use->setObjectName(QStringLiteral("UseBtn"));
  QPushButton* cancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  connect(use, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  side->addWidget(buttons);
  layout->addLayout(side);
  showSelection();
}

void TBDropForm::Image1MouseDown(int x, int y) {
  const int n = backdropAtPoint(x, y);
  if (n < 1 || n > kBackdropPictures) return;
  number_ = n;
  showSelection();
}

void TBDropForm::showSelection() {
  Label2->setText(QStringLiteral("#%1").arg(number_));
  Image1->select(number_);
}

bool TBDropForm::chooseBackdrop(EditingDocument& c,
                                const std::optional<std::vector<std::string>>& names,
                                QWidget* parent) {
  const Document& doc = c.document();
  const int current = c.state().currentFG;
  if (current < 0 || current >= static_cast<int>(doc.flightGroups.size())) return false;
  const FGObject& f = doc.flightGroups[static_cast<std::size_t>(current)];
  TBDropForm form(f.at(fg::BackdropNumber), f.at(fg::BackdropShadow),
                  names.value_or(std::vector<std::string>{}), parent);
  if (c.prompts().runModal(form) != QDialog::Accepted) return false;
  return c.apply(useBackdropOperation(fgSelection(c.state()), form.number(), form.shadow()));
}

} // namespace zephlo
