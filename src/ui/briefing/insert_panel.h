// The "Insert instruction" group of the map page: the guide of an insert
// mode, the controls it offers and "Done" and "Cancel". The insert tools
// lay it out and read it; a control moved tells the active tool.
#pragma once

#include <QGroupBox>

#include <initializer_list>

class QComboBox;
class QLabel;
class QScrollBar;

namespace zephlo {

struct BriefingActions;
struct Document;
struct PlaybackState;

class InsertPanel : public QGroupBox {
  Q_OBJECT
public:
  InsertPanel(const BriefingActions& actions, QWidget* parent);

  // Fills the choices from the document and starts every control afresh:
  // the bars at the map's zoom and pan, craft type 1 with its IFF.
  void prepare(const Document& d, const PlaybackState& s);
  // Shows the guide and only the controls given.
  void showGuide(const QString& title, const QString& guide,
                 std::initializer_list<QWidget*> controls);

  // The controls, named as the window names them.
  QScrollBar* ZoomBar = nullptr;
  QScrollBar* XScroll = nullptr;
  QScrollBar* YScroll = nullptr;
  QComboBox* InsTextBox = nullptr;
  QComboBox* InsTagBox = nullptr;
  QComboBox* InsColorBox = nullptr;
  QComboBox* InsCraftBox = nullptr;
  QComboBox* InsIffBox = nullptr;
  QComboBox* InsRegionBox = nullptr;

signals:
  // A bar or box moved: the preview follows.
  void controlsChanged();

private:
  QLabel* GuideTitle = nullptr;
  QLabel* GuideText = nullptr;
};

} // namespace zephlo
