#include "platform/prompts.h"
#include "ui/editing/timed_notice.h"
#include "ui/main/startup_dialog.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace zephlo {

bool QtPrompts::askYesNo(const QString& text) {
  return QMessageBox::question(parent_, QStringLiteral("Confirm"), text,
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtPrompts::askYesNoCancel(const QString& text) {
  switch (QMessageBox::question(parent_, QStringLiteral("Confirm"), text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
  case QMessageBox::Yes: return Answer::Yes;
  case QMessageBox::No: return Answer::No;
  default: return Answer::Cancel;
  }
}

int QtPrompts::askChoice(const QString& title, const QString& text, const QStringList& buttons) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent_);
  QList<QAbstractButton*> added;
  for (const QString& b : buttons)
    added.append(box.addButton(b, QMessageBox::ActionRole));
  if (!added.isEmpty()) box.setEscapeButton(added.last());
  box.exec();
  return static_cast<int>(added.indexOf(box.clickedButton()));
}

void QtPrompts::showError(const QString& text) {
  QMessageBox::critical(parent_, QStringLiteral("Error"), text);
}

void QtPrompts::showInformation(const QString& text) {
  QMessageBox::information(parent_, QStringLiteral("Information"), text);
}

void QtPrompts::timedNotice(const QString& text, int ms) {
  TTimeForm f(text, ms, parent_);
  f.exec();
}

QString QtPrompts::chooseOpenFile(const QString& caption, const QString& dir,
                                  const QString& filter) {
  return QFileDialog::getOpenFileName(parent_, caption, dir, filter);
}

QString QtPrompts::chooseSaveFile(const QString& caption, const QString& dir, const QString& filter,
                                  const QString& defaultSuffix) {
  QFileDialog d(parent_, caption, dir, filter);
  d.setAcceptMode(QFileDialog::AcceptSave);
  d.setDefaultSuffix(defaultSuffix);
  d.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty()) return {};
  return d.selectedFiles().first();
}

QString QtPrompts::chooseFolder(const QString& caption, const QString& dir) {
  return QFileDialog::getExistingDirectory(parent_, caption, dir);
}

StartupChoice QtPrompts::chooseStartupAction() {
  StartupDialog d(parent_);
  d.exec();
  return d.choice();
}

int QtPrompts::runModal(QDialog& dialog) { return dialog.exec(); }

namespace {
void say(const char* kind, const QString& text) {
  std::fprintf(stderr, "zephlo: %s: %s\n", kind, qPrintable(text));
}
} // namespace

bool ConsolePrompts::askYesNo(const QString& text) {
  say("question (answered No)", text);
  return false;
}
Answer ConsolePrompts::askYesNoCancel(const QString& text) {
  say("question (answered Cancel)", text);
  return Answer::Cancel;
}
int ConsolePrompts::askChoice(const QString& title, const QString& text,
                              const QStringList& buttons) {
  say("question (no answer)", title + QStringLiteral(": ") + text + QStringLiteral(" [") +
                                  buttons.join(QStringLiteral(", ")) + QStringLiteral("]"));
  return -1;
}
void ConsolePrompts::showError(const QString& text) { say("error", text); }
void ConsolePrompts::showInformation(const QString& text) { say("information", text); }
void ConsolePrompts::timedNotice(const QString& text, int) { say("notice", text); }
int ConsolePrompts::runModal(QDialog& dialog) {
  say("window", dialog.windowTitle());
  return QDialog::Rejected;
}

} // namespace zephlo
