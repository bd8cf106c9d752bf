#include "ui/map/hyperbuoy_wizard.h"

#include "core/map/hyperbuoys.h"
#include "core/mission/header_edits.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zephlo {

THyperForm::THyperForm(EditingDocument& c, QWidget* parent) : QDialog(parent), c_(c) {
  setObjectName(QStringLiteral("THyperForm"));
  setWindowTitle(QStringLiteral("Link Regions by Hyperbuoys:"));
  QStringList regions;
  for (const std::string& name : headerValues(c_.document()).regionNames)
    regions << pages::fromBytes(name);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  FromBox = pages::combo(this, "FromBox", regions);
  ToBox = pages::combo(this, "ToBox", regions);
  FromBox->setCurrentIndex(0);
  ToBox->setCurrentIndex(1);
  form->addRow(QStringLiteral("From"), FromBox);
  form->addRow(QStringLiteral("To"), ToBox);
  layout->addLayout(form);
  DoFroms = new QCheckBox(QStringLiteral("include Entry point buoys"), this);
  DoFroms->setObjectName(QStringLiteral("DoFroms"));
  DoFroms->setChecked(true);
  layout->addWidget(DoFroms);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKBtn"));
  QPushButton* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  cancel->setObjectName(QStringLiteral("CancelBtn"));
  connect(ok, &QPushButton::clicked, this, &THyperForm::OKBtnClick);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(buttons);
}

void THyperForm::OKBtnClick() {
  c_.apply(addHyperbuoysOperation(c_.templates(), FromBox->currentIndex(), ToBox->currentIndex(),
                                  DoFroms->isChecked()));
  accept();
}

void THyperForm::run(EditingDocument& c, QWidget* parent) {
  THyperForm form(c, parent);
  c.prompts().runModal(form);
}

} // namespace zephlo
