#include "ui/main/preferences_dialog.h"

#include "core/gamedata/vocabularies.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zephlo {

namespace {

// The map's hold-zoom step divides by (20 - speed), so 20 and above are
// never offered.
constexpr int kMaxZoomSpeed = 19;
// The map's zoom value runs up to 2000.
constexpr int kMaxIconZoom = 2000;

// A folder shown in a sunken frame; a long path is shortened in the middle
// so the dialog keeps its size, while text() and the tool tip keep it whole.
class PathLabel : public QLabel {
public:
  explicit PathLabel(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  }

  void setPath(const QString& path) {
    setText(QDir::toNativeSeparators(path));
    setToolTip(text());
  }

  QSize sizeHint() const override { return {360, QLabel::sizeHint().height()}; }
  QSize minimumSizeHint() const override { return {160, QLabel::minimumSizeHint().height()}; }

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(4, 0, -4, 0);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
  }
};

QCheckBox* makeCheck(const QString& caption, const char* name) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(QLatin1String(name));
  return box;
}

QComboBox* makeCombo(const QStringList& items, const char* name) {
  auto* combo = new QComboBox;
  combo->setObjectName(QLatin1String(name));
  combo->addItems(items);
  return combo;
}

QSpinBox* makeSpin(int lo, int hi, const char* name) {
  auto* spin = new QSpinBox;
  spin->setObjectName(QLatin1String(name));
  spin->setRange(lo, hi);
  spin->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  return spin;
}

QVBoxLayout* columnOf(std::initializer_list<QWidget*> widgets) {
  auto* layout = new QVBoxLayout;
  for (QWidget* w : widgets)
    layout->addWidget(w);
  return layout;
}

// A combo without a selection (a value beyond its list) keeps the old value.
int comboValue(const QComboBox* combo, int old) {
  return combo->currentIndex() >= 0 ? combo->currentIndex() : old;
}

} // namespace

TPrefForm::TPrefForm(Preferences& prefs, SettingsStore& store, Prompts& prompts, QWidget* parent)
    : QDialog(parent), prefs_(prefs), store_(store), prompts_(prompts),
      folders_{{&Preferences::missionsDir, QStringLiteral("Pref. Missions Directory:")},
               {&Preferences::gameDir, QStringLiteral("Your XwingAlliance Directory:")},
               {&Preferences::editorDir, QStringLiteral("Your Zephlo Directory:")},
               {&Preferences::waveDir, QStringLiteral("Pref. Wave Directory:")},
               {&Preferences::optDir, QStringLiteral("Pref. OPT Directory:")}} {
  setObjectName(QStringLiteral("TPrefForm"));
  setWindowTitle(QStringLiteral("Preferences"));
  buildControls();
  showValues();
}

void TPrefForm::buildControls() {
  // Folders: caption, current value, browse button.
  auto* dirBox = new QGroupBox(QStringLiteral("Directories"));
  auto* dirGrid = new QGridLayout(dirBox);
  const char* buttonNames[FolderCount] = {"StartDirBrwsBut", "XvTBrwsBut", "EDBrwsBut", "Button1",
                                          "OPTBrwsBtn"};
  const char* labelNames[FolderCount] = {"MissionsDirLbl", "XWADirLbl", "ZephloDirLbl",
                                         "WaveDirLbl", "OPTDirLbl"};
  QPushButton* browseButtons[FolderCount] = {};
  for (int i = 0; i < FolderCount; ++i) {
    auto* label = new PathLabel(dirBox);
    label->setObjectName(QLatin1String(labelNames[i]));
    folders_[i].label = label;
    auto* button = new QPushButton(QStringLiteral("Browse"), dirBox);
    button->setObjectName(QLatin1String(buttonNames[i]));
    button->setAutoDefault(false);
    browseButtons[i] = button;
    dirGrid->addWidget(new QLabel(folders_[i].caption, dirBox), i, 0);
    dirGrid->addWidget(label, i, 1);
    dirGrid->addWidget(button, i, 2);
  }
  dirGrid->setColumnStretch(1, 1);
  connect(browseButtons[Missions], &QPushButton::clicked, this, &TPrefForm::StartDirBrwsButClick);
  connect(browseButtons[Game], &QPushButton::clicked, this, &TPrefForm::XvTBrwsButClick);
  connect(browseButtons[Editor], &QPushButton::clicked, this, &TPrefForm::EDBrwsButClick);
  connect(browseButtons[Wave], &QPushButton::clicked, this, &TPrefForm::Button1Click);
  connect(browseButtons[Opt], &QPushButton::clicked, this, &TPrefForm::OPTBrwsBtnClick);

  // "Options"
  UseAutoChk = makeCheck(QStringLiteral("Use Autolink by default"), "UseAutoChk");
  CheckPlayableChk = makeCheck(QStringLiteral("Error check for valid Craft"), "CheckPlayableChk");
  ConfirmDeletesChk = makeCheck(QStringLiteral("Confirm before deleting"), "ConfirmDeletesChk");
  BlackenChk = makeCheck(QStringLiteral("Ghost FGs outside Region"), "BlackenChk");
  EnableWPsChk = makeCheck(QStringLiteral("Enable WP1 and HYP"), "EnableWPsChk");
  LinkColorChk = makeCheck(QStringLiteral("Link Ship's color to its name"), "LinkColorChk");
  AdjustForResChk = makeCheck(QStringLiteral("Adjust Main window and Map window to fit screen"),
                              "AdjustForResChk");
  UseWizChk = makeCheck(QStringLiteral("Use New Mission Wizard"), "UseWizChk");
  DirInReopenChk = makeCheck(QStringLiteral("Show directory in Reopen list"), "DirInReopenChk");
  FileSavedMsgChk = makeCheck(QStringLiteral("Show File Saved Message "), "FileSavedMsgChk");
  DoBackupsChk = makeCheck(QStringLiteral("Backup mission when loading"), "DoBackupsChk");
  DefaultFormatCombo =
      makeCombo({QStringLiteral("XvT"), QStringLiteral("BoP")}, "DefaultFormatCombo");
  OpenProgWithCombo =
      makeCombo({QStringLiteral("Choice Box"), QStringLiteral("Blank Mission"),
                 QStringLiteral("Open File Dialogue"), QStringLiteral("Last Used File")},
                "OpenProgWithCombo");
  connect(UseAutoChk, &QCheckBox::clicked, this, &TPrefForm::UseAutoChkClick);

  auto* optionsBox = new QGroupBox(QStringLiteral("Options"));
  auto* optionsLayout = columnOf({UseAutoChk, CheckPlayableChk, ConfirmDeletesChk, BlackenChk,
                                  EnableWPsChk, LinkColorChk, AdjustForResChk, UseWizChk,
                                  DirInReopenChk, FileSavedMsgChk, DoBackupsChk});
  auto* optionsForm = new QFormLayout;
  optionsForm->addRow(QStringLiteral("Default Mission Format"), DefaultFormatCombo);
  optionsForm->addRow(QStringLiteral("Open program with:"), OpenProgWithCombo);
  RecoverySecondsSpin = new QSpinBox;
  RecoverySecondsSpin->setObjectName(QStringLiteral("RecoverySecondsSpin"));
  RecoverySecondsSpin->setRange(0, 3600);
  RecoverySecondsSpin->setSpecialValueText(QStringLiteral("never"));
  RecoverySecondsSpin->setSuffix(QStringLiteral(" s"));
  optionsForm->addRow(QStringLiteral("Save a recovery copy every N seconds"), RecoverySecondsSpin);
  optionsLayout->addLayout(optionsForm);
  optionsLayout->addStretch(1);
  optionsBox->setLayout(optionsLayout);

  // "Default New FG"
  QStringList craft;
  for (const std::string& name : vocab::craftTypes())
    craft << QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  DefaultShipCombo = makeCombo(craft, "DefaultShipCombo");
  DefaultShipCombo->setMaxVisibleItems(20);
  DefaultAICombo =
      makeCombo({QStringLiteral("Rookie"), QStringLiteral("Officer"), QStringLiteral("Veteran"),
                 QStringLiteral("Ace"), QStringLiteral("Top Ace"), QStringLiteral("Jedi")},
                "DefaultAICombo");
  auto* newFGBox = new QGroupBox(QStringLiteral("Default New FG"));
  auto* newFGForm = new QFormLayout(newFGBox);
  newFGForm->addRow(QStringLiteral("Ship"), DefaultShipCombo);
  newFGForm->addRow(QStringLiteral("A.I."), DefaultAICombo);

  // "Map": its behaviour, then what it shows at start and how wireframes
  // are drawn.
  GhostTextChk = makeCheck(QStringLiteral("'Ghost' names on Map"), "GhostTextChk");
  CentreChk = makeCheck(QStringLiteral("Centre Map to new selections"), "CentreChk");
  GhostGridChk = makeCheck(QStringLiteral("'Ghost' Map  grid"), "GhostGridChk");
  DefaultWPsCombo = makeCombo(
      {QStringLiteral("WPs off"), QStringLiteral("All WPs on"), QStringLiteral("Curr WPs only")},
      "DefaultWPsCombo");
  AutoCtrCombo = makeCombo({QStringLiteral("Centre Map"), QStringLiteral("Centre on current FG"),
                            QStringLiteral("Zero vertical axis"),
                            QStringLiteral("Fit to Battlefield"), QStringLiteral("No Adjustment")},
                           "AutoCtrCombo");
  ZoomSpeedSpin = makeSpin(0, kMaxZoomSpeed, "ZoomSpeedSpin");
  DblClickLinkCombo = makeCombo(
      {QStringLiteral("Zoom-out by steps"), QStringLiteral("Zoom-out to fit Battlefield")},
      "DblClickLinkCombo");
  DefaultNameChk = makeCheck(QStringLiteral("Names on"), "DefaultNameChk");
  DefaultWPtimeChk = makeCheck(QStringLiteral("WP times on"), "DefaultWPtimeChk");
  DefaultWPdistChk = makeCheck(QStringLiteral("WP distances on"), "DefaultWPdistChk");
  DefaultPaletChk = makeCheck(QStringLiteral("Palette on"), "DefaultPaletChk");
  DefaultHypChk = makeCheck(QStringLiteral("Link Hyperspace point"), "DefaultHypChk");
  DefaultOptionsChk = makeCheck(QStringLiteral("Options on"), "DefaultOptionsChk");
  LimitShrinkChk = makeCheck(QStringLiteral("Minimum wirefrime sizes"), "LimitShrinkChk");
  OnlyXYChk = makeCheck(QStringLiteral("Only in X-Y view"), "OnlyXYChk");
  IconZoomSmallSpin = makeSpin(0, kMaxIconZoom, "IconZoomSmallSpin");

  auto* mapForm = new QFormLayout;
  mapForm->addRow(QStringLiteral("Default WPs "), DefaultWPsCombo);
  mapForm->addRow(QStringLiteral("AutoCentre (on changing view)"), AutoCtrCombo);
  mapForm->addRow(QStringLiteral("Map left-button-down zoom-in speed"), ZoomSpeedSpin);
  mapForm->addRow(QStringLiteral("Map double-click linked to:"), DblClickLinkCombo);

  auto* startBox = new QGroupBox(QStringLiteral("Map at start"));
  startBox->setLayout(columnOf({DefaultNameChk, DefaultWPtimeChk, DefaultWPdistChk, DefaultPaletChk,
                                DefaultOptionsChk, DefaultHypChk}));
  auto* wireBox = new QGroupBox(QStringLiteral("Wireframes"));
  auto* wireLayout = columnOf({LimitShrinkChk, OnlyXYChk});
  auto* zoomRow = new QHBoxLayout;
  zoomRow->addWidget(new QLabel(QStringLiteral("Only when Zoom >")));
  zoomRow->addWidget(IconZoomSmallSpin);
  zoomRow->addStretch(1);
  wireLayout->addLayout(zoomRow);
  wireLayout->addStretch(1);
  wireBox->setLayout(wireLayout);
  auto* mapBoxes = new QHBoxLayout;
  mapBoxes->addWidget(startBox, 1);
  mapBoxes->addWidget(wireBox, 1);

  auto* mapBox = new QGroupBox(QStringLiteral("Map"));
  auto* mapLayout = columnOf({GhostTextChk, CentreChk, GhostGridChk});
  mapLayout->addLayout(mapForm);
  mapLayout->addLayout(mapBoxes);
  mapLayout->addStretch(1);
  mapBox->setLayout(mapLayout);

  // Buttons.
  auto* clearButton = new QPushButton(QStringLiteral("Clear Preferences"));
  clearButton->setObjectName(QStringLiteral("Button2"));
  clearButton->setAutoDefault(false);
  auto* okButton = new QPushButton(QStringLiteral("&OK"));
  okButton->setObjectName(QStringLiteral("OKBtn"));
  okButton->setDefault(true);
  auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"));
  cancelButton->setObjectName(QStringLiteral("CancelBtn"));
  cancelButton->setAutoDefault(false);
  connect(clearButton, &QPushButton::clicked, this, &TPrefForm::Button2Click);
  connect(okButton, &QPushButton::clicked, this, &TPrefForm::OKBtnClick);
  connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(clearButton);
  buttons->addStretch(1);
  buttons->addWidget(okButton);
  buttons->addWidget(cancelButton);

  auto* grid = new QGridLayout(this);
  grid->addWidget(dirBox, 0, 0, 1, 2);
  grid->addWidget(optionsBox, 1, 0);
  grid->addWidget(newFGBox, 2, 0);
  grid->addWidget(mapBox, 1, 1, 2, 1);
  grid->addLayout(buttons, 3, 0, 1, 2);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(1, 1);
  grid->setSizeConstraint(QLayout::SetMinimumSize);
}

void TPrefForm::showValues() {
  for (Folder& folder : folders_)
    static_cast<PathLabel*>(folder.label)->setPath(prefs_.*folder.value);

  for (const auto& [box, member] : checkBindings())
    box->setChecked(prefs_.*member);
  for (const auto& [combo, member] : comboBindings())
    combo->setCurrentIndex(prefs_.*member);
  for (const auto& [spin, member] : spinBindings())
    spin->setValue(prefs_.*member);
}

// Which control shows which value; both showing and storing walk these.
std::vector<std::pair<QCheckBox*, bool Preferences::*>> TPrefForm::checkBindings() const {
  return {{UseAutoChk, &Preferences::autoLink},
          {CheckPlayableChk, &Preferences::checkPlayable},
          {ConfirmDeletesChk, &Preferences::confirmDeletes},
          {BlackenChk, &Preferences::blacken},
          {EnableWPsChk, &Preferences::enableWPs},
          {LinkColorChk, &Preferences::linkColor},
          {AdjustForResChk, &Preferences::adjustForRes},
          {UseWizChk, &Preferences::useWiz},
          {DirInReopenChk, &Preferences::dirInReopen},
          {FileSavedMsgChk, &Preferences::fileSavedMsg},
          {DoBackupsChk, &Preferences::doBackups},
          {GhostTextChk, &Preferences::ghostText},
          {CentreChk, &Preferences::centre},
          {DefaultNameChk, &Preferences::defaultName},
          {DefaultWPtimeChk, &Preferences::defaultWPtime},
          {DefaultWPdistChk, &Preferences::defaultWPdist},
          {DefaultPaletChk, &Preferences::defaultPalet},
          {DefaultHypChk, &Preferences::defaultHyp},
          {DefaultOptionsChk, &Preferences::defaultOptions},
          {LimitShrinkChk, &Preferences::limitShrink},
          {GhostGridChk, &Preferences::ghostGrid},
          {OnlyXYChk, &Preferences::onlyXY}};
}

std::vector<std::pair<QComboBox*, int Preferences::*>> TPrefForm::comboBindings() const {
  return {{DefaultFormatCombo, &Preferences::defaultFormat},
          {OpenProgWithCombo, &Preferences::openProgWith},
          {DefaultShipCombo, &Preferences::defaultShip},
          {DefaultAICombo, &Preferences::defaultAI},
          {DefaultWPsCombo, &Preferences::defaultWPs},
          {AutoCtrCombo, &Preferences::autoCtr},
          {DblClickLinkCombo, &Preferences::dblClickLink}};
}

std::vector<std::pair<QSpinBox*, int Preferences::*>> TPrefForm::spinBindings() const {
  return {{ZoomSpeedSpin, &Preferences::zoomSpeed},
          {RecoverySecondsSpin, &Preferences::recoverySeconds},
          {IconZoomSmallSpin, &Preferences::iconZoomSmall}};
}

// The folders are not stored here: a chosen folder is already in prefs_.
void TPrefForm::storeValues() {
  for (const auto& [box, member] : checkBindings())
    prefs_.*member = box->isChecked();
  for (const auto& [combo, member] : comboBindings())
    prefs_.*member = comboValue(combo, prefs_.*member);
  for (const auto& [spin, member] : spinBindings())
    prefs_.*member = spin->value();
}

void TPrefForm::browse(Folder& folder) {
  const QString current = prefs_.*folder.value;
  const QFileInfo info(current);
  // "Undefined" and other relative values are not folders of the user's.
  const QString start =
      !current.isEmpty() && info.isAbsolute() && info.isDir() ? current : QDir::homePath();
  const QString chosen = prompts_.chooseFolder(folder.caption, start);
  if (chosen.isEmpty()) return;
  prefs_.*folder.value = chosen;
  static_cast<PathLabel*>(folder.label)->setPath(chosen);
}

void TPrefForm::UseAutoChkClick(bool checked) {
  prefs_.autoLink = checked;
  emit autolinkChanged(checked);
}

void TPrefForm::StartDirBrwsButClick() { browse(folders_[Missions]); }
void TPrefForm::XvTBrwsButClick() { browse(folders_[Game]); }
void TPrefForm::EDBrwsButClick() { browse(folders_[Editor]); }
void TPrefForm::Button1Click() { browse(folders_[Wave]); }
void TPrefForm::OPTBrwsBtnClick() { browse(folders_[Opt]); }

void TPrefForm::Button2Click() { store_.clear(); }

void TPrefForm::OKBtnClick() {
  storeValues();
  accept();
}

} // namespace zephlo
