// The "Preferences" dialog: shows the running preferences and stores them
// on OK. The autolink box, the folder browsers and "Clear Preferences" act
// at once, whatever button closes the dialog.
#pragma once

#include "platform/preferences.h"

#include <QDialog>

#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zephlo {

class Prompts;
class SettingsStore;

class TPrefForm : public QDialog {
  Q_OBJECT

public:
  TPrefForm(Preferences& prefs, SettingsStore& store, Prompts& prompts, QWidget* parent = nullptr);

signals:
  // Sent on every click of "Use Autolink by default", before the dialog
  // closes: the owner applies it to every flight group of the mission.
  void autolinkChanged(bool on);

private slots:
  void UseAutoChkClick(bool checked);
  void StartDirBrwsButClick();
  void XvTBrwsButClick();
  void EDBrwsButClick();
  void Button1Click();
  void OPTBrwsBtnClick();
  void Button2Click();
  void OKBtnClick();

private:
  struct Folder {
    QString Preferences::*value;
    QString caption;
    QLabel* label = nullptr;
  };
  enum FolderIndex { Missions, Game, Editor, Wave, Opt, FolderCount };

  void buildControls();
  void showValues();
  void storeValues();
  std::vector<std::pair<QCheckBox*, bool Preferences::*>> checkBindings() const;
  std::vector<std::pair<QComboBox*, int Preferences::*>> comboBindings() const;
  std::vector<std::pair<QSpinBox*, int Preferences::*>> spinBindings() const;
  void browse(Folder& folder);

  Preferences& prefs_;
  SettingsStore& store_;
  Prompts& prompts_;

  Folder folders_[FolderCount];

  // "Options"
  QCheckBox* UseAutoChk = nullptr;
  QCheckBox* CheckPlayableChk = nullptr;
  QCheckBox* ConfirmDeletesChk = nullptr;
  QCheckBox* BlackenChk = nullptr;
  QCheckBox* EnableWPsChk = nullptr;
  QCheckBox* LinkColorChk = nullptr;
  QCheckBox* AdjustForResChk = nullptr;
  QCheckBox* UseWizChk = nullptr;
  QComboBox* DefaultFormatCombo = nullptr;
  QComboBox* OpenProgWithCombo = nullptr;
  QCheckBox* DirInReopenChk = nullptr;
  QComboBox* DefaultShipCombo = nullptr;
  QComboBox* DefaultAICombo = nullptr;
  QCheckBox* FileSavedMsgChk = nullptr;
  QCheckBox* DoBackupsChk = nullptr;

  // "Map"
  QCheckBox* GhostTextChk = nullptr;
  QCheckBox* CentreChk = nullptr;
  QComboBox* DefaultWPsCombo = nullptr;
  QComboBox* AutoCtrCombo = nullptr;
  QSpinBox* ZoomSpeedSpin = nullptr;
  QSpinBox* RecoverySecondsSpin = nullptr;
  QComboBox* DblClickLinkCombo = nullptr;
  QCheckBox* DefaultNameChk = nullptr;
  QCheckBox* DefaultWPtimeChk = nullptr;
  QCheckBox* DefaultWPdistChk = nullptr;
  QCheckBox* DefaultPaletChk = nullptr;
  QCheckBox* DefaultHypChk = nullptr;
  QCheckBox* DefaultOptionsChk = nullptr;
  QCheckBox* LimitShrinkChk = nullptr;
  QCheckBox* GhostGridChk = nullptr;
  QCheckBox* OnlyXYChk = nullptr;
  QSpinBox* IconZoomSmallSpin = nullptr;
};

} // namespace zephlo
