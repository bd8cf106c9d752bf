// The voice manager panel on the "Messages" page: creates, loads, assigns,
// plays and saves the mission's voice list.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace zephlo {

class ActionRegistry;
class EditingDocument;
class VoiceListSession;
class SoundPlayer;

class WavPanel : public QWidget {
  Q_OBJECT
public:
  // The panel's commands are registered in actions, under their buttons' names
  // with "Action" after them.
  WavPanel(EditingDocument& c, VoiceListSession& voices, ActionRegistry& actions,
           QWidget* parent = nullptr);

  // Whether the end-of-mission lines are showing instead of the messages.
  bool endMessages() const;
  // The selected end-of-mission line (0-5) while they are showing.
  void setEndLine(int line);
  // Voices play on selection only while the "Messages" page shows.
  void setPageShowing(bool showing) { pageShowing_ = showing; }
  QString playing() const;

public slots:
  void CreateLstClick();
  void LoadWAVClick();
  void ClearWAVButClick();
  void SaveWAVClick();
  void EndMsgWavClick();
  // Shows the selected line's voice; plays it when asked to.
  void showVoice(bool play);

  // Shows or hides the panel; hiding it returns the list to the messages.
  void setShown(bool shown);

signals:
  void endMessagesToggled(bool down);

private:
  void playEntry(const std::string& entry);

  EditingDocument& c_;
  VoiceListSession& voices_;
  SoundPlayer* player_ = nullptr;
  QToolButton* EndMsgWav = nullptr;
  QLineEdit* WAVfileEd = nullptr;
  QLabel* noSound_ = nullptr;
  int endLine_ = 0;
  bool pageShowing_ = false;
};

} // namespace zephlo
