#include "check/err_form.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace zephlo {

TErrForm::TErrForm(const CheckResult& result, bool omitWarnings, QWidget* parent)
    : QDialog(parent), ErrMemo(new QPlainTextEdit(this)),
      OmitWarnsChk(
          new QCheckBox(QStringLiteral("&Don't include Warnings again this mission"), this)),
      Button1(new QPushButton(QStringLiteral("&OK"), this)) {
  setObjectName(QStringLiteral("TErrForm"));
  setWindowTitle(QStringLiteral("Error and Warning List"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
  ErrMemo->setObjectName(QStringLiteral("ErrMemo"));
  OmitWarnsChk->setObjectName(QStringLiteral("OmitWarnsChk"));
  Button1->setObjectName(QStringLiteral("Button1"));

  ErrMemo->setReadOnly(true);
  ErrMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  ErrMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  ErrMemo->clear();
  for (const std::string& line : result.lines(omitWarnings)) {
    QString text = QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
    // A line break inside a flight-group name must not split its line.
    for (QChar& ch : text) {
      if (ch == QLatin1Char('\n') || ch == QLatin1Char('\r')) ch = QLatin1Char(' ');
    }
    ErrMemo->appendPlainText(text);
  }
  // Errors come first: open at the top, not scrolled to the last warning.
  ErrMemo->moveCursor(QTextCursor::Start);
  ErrMemo->ensureCursorVisible();
  OmitWarnsChk->setChecked(omitWarnings);
  connect(OmitWarnsChk, &QCheckBox::clicked, this, &TErrForm::omitWarningsChanged);
  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ErrMemo, 1);
  auto* row = new QHBoxLayout;
  row->addWidget(OmitWarnsChk);
  row->addStretch();
  row->addWidget(Button1);
  layout->addLayout(row);
  setFixedSize(571, 314);
}

} // namespace zephlo
