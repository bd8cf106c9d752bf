// Answers the editor's questions from queues and records what was asked,
// so window tests never block on a dialog.
#pragma once

#include "platform/prompts.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

namespace zephlo::testing {

class ScriptedPrompts : public Prompts {
public:
  std::deque<bool> yesNo;
  std::deque<Answer> yesNoCancel;
  std::deque<int> choices; // askChoice: the index of the button pressed
  std::deque<QString> openFiles, saveFiles, folders;
  std::deque<StartupChoice> startup;
  // Runs a modal dialog; without one queued the dialog is closed with its
  // current state (0, "rejected").
  std::deque<std::function<int(QDialog&)>> modal;
  QStringList log; // "question: ...", "error: ...", "notice 800: ...", "dialog: <name>"

  bool askYesNo(const QString& text) override {
    log << "question: " + text;
    return take(yesNo, false);
  }
  Answer askYesNoCancel(const QString& text) override {
    log << "question: " + text;
    return take(yesNoCancel, Answer::Cancel);
  }
  // Logged as "question: TEXT [BUTTON, ...]", with "TITLE: " before the
  // text unless the title is the usual "Confirm".
  int askChoice(const QString& title, const QString& text, const QStringList& buttons) override {
    const QString titled = title == "Confirm" ? text : title + ": " + text;
    log << "question: " + titled + " [" + buttons.join(", ") + "]";
    return take(choices, -1);
  }
  void showError(const QString& text) override { log << "error: " + text; }
  void showInformation(const QString& text) override { log << "information: " + text; }
  void timedNotice(const QString& text, int ms) override {
    log << QStringLiteral("notice %1: %2").arg(ms).arg(text);
  }
  QString chooseOpenFile(const QString&, const QString&, const QString&) override {
    log << "open dialog";
    return take(openFiles, QString());
  }
  QString chooseSaveFile(const QString&, const QString&, const QString&, const QString&) override {
    log << "save dialog";
    return take(saveFiles, QString());
  }
  QString chooseFolder(const QString&, const QString&) override {
    log << "folder dialog";
    return take(folders, QString());
  }
  StartupChoice chooseStartupAction() override {
    log << "startup dialog";
    return take(startup, StartupChoice::Closed);
  }
  int runModal(QDialog& d) override {
    log << "dialog: " + d.objectName();
    if (modal.empty()) return 0;
    auto f = modal.front();
    modal.pop_front();
    return f(d);
  }

private:
  template <class T, class U> static T take(std::deque<T>& q, U fallback) {
    if (q.empty()) return fallback;
    T v = q.front();
    q.pop_front();
    return v;
  }
};

} // namespace zephlo::testing
