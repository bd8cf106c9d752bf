#include "ui/side/error_list.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace zephlo {

TErrForm::TErrForm(const CheckResult& result, bool omitWarnings, QWidget* parent)
    : TErrForm(result, omitWarnings, Further{}, parent) {}

TErrForm::TErrForm(const CheckResult& result, bool omitWarnings, Further further, QWidget* parent)
    : QDialog(parent), result_(result), omitWarnings_(omitWarnings), further_(std::move(further)),
      ErrMemo(new QPlainTextEdit(this)),
      OmitWarnsChk(
          new QCheckBox(QStringLiteral("&Don't include Warnings again this mission"), this)),
      LimitsChk(new QCheckBox(QStringLiteral("Check the game's limits"), this)),
      LogicChk(new QCheckBox(QStringLiteral("Check the mission's logic"), this)),
      Button1(new QPushButton(QStringLiteral("&OK"), this)) {
  setObjectName(QStringLiteral("TErrForm"));
  setWindowTitle(QStringLiteral("Error and Warning List"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  ErrMemo->setObjectName(QStringLiteral("ErrMemo"));
  OmitWarnsChk->setObjectName(QStringLiteral("OmitWarnsChk"));
  LimitsChk->setObjectName(QStringLiteral("LimitsChk"));
  LogicChk->setObjectName(QStringLiteral("LogicChk"));
  Button1->setObjectName(QStringLiteral("Button1"));

  ErrMemo->setReadOnly(true);
  ErrMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ErrMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  OmitWarnsChk->setChecked(omitWarnings);
  LimitsChk->setChecked(further_.checkLimits);
  LogicChk->setChecked(further_.checkLogic);
  fillList();
  connect(OmitWarnsChk, &QCheckBox::clicked, this, &TErrForm::omitWarningsChanged);
  connect(LimitsChk, &QCheckBox::clicked, this, [this](bool on) {
    fillList();
    emit checkLimitsChanged(on);
  });
  connect(LogicChk, &QCheckBox::clicked, this, [this](bool on) {
    fillList();
    emit checkLogicChanged(on);
  });
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ErrMemo, 1);
  // The boxes one above the other: side by side they would not fit the fixed
  // width beside the button; the two checks of more than the checker share a row.
  auto* boxes = new QVBoxLayout;
  boxes->addWidget(OmitWarnsChk);
  auto* more = new QHBoxLayout;
  more->addWidget(LimitsChk);
  more->addWidget(LogicChk);
  boxes->addLayout(more);
  auto* row = new QHBoxLayout;
  row->addLayout(boxes);
  row->addStretch();
  row->addWidget(Button1, 0, Qt::AlignBottom);
  layout->addLayout(row);
  setFixedSize(571, 314);
}

void TErrForm::fillList() {
  ErrMemo->clear();
  std::vector<std::string> more;
  if (LimitsChk->isChecked())
    more.insert(more.end(), further_.limitWarnings.begin(), further_.limitWarnings.end());
  if (LogicChk->isChecked())
    more.insert(more.end(), further_.logicFindings.begin(), further_.logicFindings.end());
  const std::vector<std::string> lines = errorListLines(result_, omitWarnings_, more);
  for (const std::string& line : lines)
    ErrMemo->appendPlainText(QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size())));
  // Errors come first: open at the top, not scrolled to the last warning.
  ErrMemo->moveCursor(QTextCursor::Start);
  ErrMemo->ensureCursorVisible();
}

} // namespace zephlo
