#include "ui/side/voice_panel.h"

#include "core/lists/voice_list.h"
#include "platform/sound_player.h"
#include "ui/editing/action_registry.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"
#include "ui/editing/path_text.h"
#include "ui/editing/voice_list_session.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace zephlo {

namespace {

// A button that draws one of the panel's registered commands.
QToolButton* button(QWidget* parent, ActionRegistry& actions, const char* name, const QString& text,
                    const QString& hint, QStyle::StandardPixmap icon, bool checkable = false) {
  QAction* a = actions.add({QString::fromLatin1(name) + QStringLiteral("Action"), text, hint, icon,
                            QKeySequence(), checkable});
  a->setIconText(text);
  auto* b = new QToolButton(parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setDefaultAction(a);
  b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  b->setAutoRaise(true);
  return b;
}

} // namespace

WavPanel::WavPanel(EditingDocument& c, VoiceListSession& voices, ActionRegistry& actions,
                   QWidget* parent)
    : QWidget(parent), c_(c), voices_(voices) {
  setObjectName(QStringLiteral("WAVPanel"));
  player_ = new SoundPlayer(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 2, 0, 0);
  auto* bar = new QHBoxLayout;
  bar->setSpacing(0);
  auto* create = button(this, actions, "CreateLst", QStringLiteral("Create"),
                        QStringLiteral("Create .lst file"), QStyle::SP_FileIcon);
  auto* load = button(this, actions, "LoadWAV", QStringLiteral("Assign"),
                      QStringLiteral("Assign a WAV file to the message"), QStyle::SP_MediaVolume);
  auto* clear =
      button(this, actions, "ClearWAVBut", QStringLiteral("Clear"),
             QStringLiteral("Clear the message's WAV file"), QStyle::SP_DialogResetButton);
  auto* save = button(this, actions, "SaveWAV", QStringLiteral("Save"),
                      QStringLiteral("Save .lst file"), QStyle::SP_DialogSaveButton);
  EndMsgWav = button(this, actions, "EndMsgWav", QStringLiteral("End Msgs"),
                     QStringLiteral("WAV files of the end-of-mission messages"),
                     QStyle::SP_MessageBoxInformation, true);
  for (QToolButton* b : {create, load, clear, save, EndMsgWav})
    bar->addWidget(b);
  bar->addStretch();
  layout->addLayout(bar);

  WAVfileEd = new QLineEdit(this);
  WAVfileEd->setObjectName(QStringLiteral("WAVfileEd"));
  WAVfileEd->setReadOnly(true);
  WAVfileEd->setText(QString::fromLatin1(kNoVoiceListText));
  layout->addWidget(WAVfileEd);

  noSound_ = new QLabel(SoundPlayer::noAudioText(), this);
  noSound_->setObjectName(QStringLiteral("NoSoundLabel"));
  noSound_->setWordWrap(true);
  noSound_->setVisible(!SoundPlayer::hasAudioOutput());
  layout->addWidget(noSound_);

  connect(create->defaultAction(), &QAction::triggered, this, &WavPanel::CreateLstClick);
  connect(load->defaultAction(), &QAction::triggered, this, &WavPanel::LoadWAVClick);
  connect(clear->defaultAction(), &QAction::triggered, this, &WavPanel::ClearWAVButClick);
  connect(save->defaultAction(), &QAction::triggered, this, &WavPanel::SaveWAVClick);
  connect(EndMsgWav->defaultAction(), &QAction::triggered, this, &WavPanel::EndMsgWavClick);

  connect(&voices_, &VoiceListSession::voicesReplaced, this, [this] {
    if (!hasVoiceList(c_.document())) player_->close();
    showVoice(false);
  });
  connect(&c_, &EditingDocument::documentChanged, this, [this](const Change& ch) {
    if (ch.voices || ch.messageList) showVoice(false);
  });
  connect(&c_, &EditingDocument::currentMessageChanged, this, [this] { showVoice(true); });
  connect(&voices_, &VoiceListSession::voiceChosen, this,
          [this](const QString& file) { player_->play(file); });
}

bool WavPanel::endMessages() const { return EndMsgWav->isChecked(); }

QString WavPanel::playing() const { return player_->file(); }

void WavPanel::setEndLine(int line) {
  endLine_ = line;
  showVoice(true);
}

void WavPanel::showVoice(bool play) {
  const Document& doc = c_.document();
  const int msg = c_.state().currentMsg;
  WAVfileEd->setText(pages::fromBytes(voiceBoxText(doc, msg, endMessages(), endLine_)));
  if (!play || !(pageShowing_ || endMessages()) || !hasVoiceList(doc)) return;
  if (const auto entry = shownVoiceEntry(doc, msg, endMessages(), endLine_)) playEntry(*entry);
}

void WavPanel::playEntry(const std::string& entry) {
  const auto file = voiceFileToPlay(toPath(gameFolderOf(c_)), entry);
  if (!file) {
    player_->close();
    return;
  }
  player_->play(fromPath(file->string()));
}

void WavPanel::CreateLstClick() {
  if (voices_.createVoiceList()) showVoice(true);
}

void WavPanel::LoadWAVClick() { voices_.assignVoice(endMessages() ? endLine_ : -1); }

void WavPanel::ClearWAVButClick() {
  if (voices_.clearVoice()) player_->close();
}

void WavPanel::SaveWAVClick() { voices_.saveVoices(); }

void WavPanel::EndMsgWavClick() {
  endLine_ = 0;
  emit endMessagesToggled(endMessages());
  showVoice(false);
}

void WavPanel::setShown(bool shown) {
  setVisible(shown);
  if (!shown && EndMsgWav->isChecked()) {
    EndMsgWav->setChecked(false);
    EndMsgWavClick();
  }
}

} // namespace zephlo
