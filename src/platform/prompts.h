// Every modal question, file dialog and notice goes through this interface,
// so tests can answer them without blocking.
#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace zephlo {

enum class Answer { Yes, No, Cancel };
enum class StartupChoice { LoadExisting, CreateNew, LoadLast, Closed };

class Prompts {
public:
  virtual ~Prompts() = default;

  virtual bool askYesNo(const QString& text) = 0;
  virtual Answer askYesNoCancel(const QString& text) = 0;
  // A question with a title and buttons of its own; the index of the button
  // pressed, or -1 when the box was closed without an answer.
  virtual int askChoice(const QString& title, const QString& text, const QStringList& buttons) = 0;
  virtual void showError(const QString& text) = 0;
  virtual void showInformation(const QString& text) = 0;
  // A one-line notice that closes itself after ms milliseconds.
  virtual void timedNotice(const QString& text, int ms) = 0;
  // Empty when the user cancels.
  virtual QString chooseOpenFile(const QString& caption, const QString& dir,
                                 const QString& filter) = 0;
  virtual QString chooseSaveFile(const QString& caption, const QString& dir, const QString& filter,
                                 const QString& defaultSuffix) = 0;
  virtual QString chooseFolder(const QString& caption, const QString& dir) = 0;
  virtual StartupChoice chooseStartupAction() = 0;
  // Runs a dialog modally; returns its result code.
  virtual int runModal(QDialog& dialog) = 0;

  void setParent(QWidget* parent) { parent_ = parent; }

protected:
  QWidget* parent_ = nullptr;
};

// The real dialogs.
class QtPrompts : public Prompts {
public:
  bool askYesNo(const QString& text) override;
  Answer askYesNoCancel(const QString& text) override;
  int askChoice(const QString& title, const QString& text, const QStringList& buttons) override;
  void showError(const QString& text) override;
  void showInformation(const QString& text) override;
  void timedNotice(const QString& text, int ms) override;
  QString chooseOpenFile(const QString& caption, const QString& dir,
                         const QString& filter) override;
  QString chooseSaveFile(const QString& caption, const QString& dir, const QString& filter,
                         const QString& defaultSuffix) override;
  QString chooseFolder(const QString& caption, const QString& dir) override;
  StartupChoice chooseStartupAction() override;
  int runModal(QDialog& dialog) override;
};

// For runs without anyone to answer (screenshots): every question gets its
// safe answer (No, Cancel, nothing chosen) and every text goes to standard error.
class ConsolePrompts : public Prompts {
public:
  bool askYesNo(const QString& text) override;
  Answer askYesNoCancel(const QString& text) override;
  int askChoice(const QString& title, const QString& text, const QStringList& buttons) override;
  void showError(const QString& text) override;
  void showInformation(const QString& text) override;
  void timedNotice(const QString& text, int ms) override;
  QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
  QString chooseSaveFile(const QString&, const QString&, const QString&, const QString&) override {
    return {};
  }
  QString chooseFolder(const QString&, const QString&) override { return {}; }
  StartupChoice chooseStartupAction() override { return StartupChoice::CreateNew; }
  int runModal(QDialog& dialog) override;
};

} // namespace zephlo
