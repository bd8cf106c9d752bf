#include "ui/main/startup_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zephlo {

StartupDialog::StartupDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("StartUp"));
  setWindowTitle(QStringLiteral("StartUp"));
  setMinimumWidth(280);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Choose Action:"), this));
  auto add = [&](const QString& caption, const QString& name, StartupChoice c) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    connect(b, &QPushButton::clicked, this, [this, c] {
      choice_ = c;
      accept();
    });
    layout->addWidget(b);
    return b;
  };
  add(QStringLiteral("Load &Existing Mission"), QStringLiteral("LoadExistingBtn"),
      StartupChoice::LoadExisting);
  add(QStringLiteral("Create &New Mission"), QStringLiteral("CreateNewBtn"),
      StartupChoice::CreateNew)
      ->setDefault(true);
  add(QStringLiteral("Load Last &Used File"), QStringLiteral("LoadLastBtn"),
      StartupChoice::LoadLast);
}

} // namespace zephlo
