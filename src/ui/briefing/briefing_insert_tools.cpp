// The six insert modes of the map page, one tool each.
#include "core/briefing/briefing_look.h"
#include "render/qt_colour.h"
#include "ui/briefing/briefing_map_page.h"
#include "ui/briefing/briefing_map_tools.h"
#include "ui/briefing/briefing_session.h"
#include "ui/briefing/insert_panel.h"
#include "ui/editing/page_controls.h"

#include <QComboBox>
#include <QPainter>
#include <QScrollBar>

namespace zephlo {

namespace {

int chosen(const QComboBox* b) { return std::max(0, b->currentIndex()); }

TCommandObject withIndex(std::uint16_t code, int index) {
  TCommandObject c = newInstruction(code);
  c.Index = static_cast<std::uint16_t>(index);
  return c;
}

class ZoomTool final : public BrfInsertTool {
public:
  using BrfInsertTool::BrfInsertTool;
  BrfMode mode() const override { return BrfMode::Zoom; }
  void controlsChanged() override {
    previewZoom(session().playback().state(), panel().ZoomBar->value());
    page_.repaintMap();
  }

protected:
  void showGuide() override {
    guide(QStringLiteral("Adjust Zoom"),
          QStringLiteral("1. Adjust the Zoom scrollbar to the desired zoom level."),
          {panel().ZoomBar});
  }
  InstructionInsert make(int current, int time) const override {
    return insertAtClockStep(zoomMapInstruction(panel().ZoomBar->value()), current, time);
  }
};

class MoveMapTool final : public BrfInsertTool {
public:
  using BrfInsertTool::BrfInsertTool;
  BrfMode mode() const override { return BrfMode::MoveMap; }
  void controlsChanged() override {
    previewPan(session().playback().state(), panel().XScroll->value(), panel().YScroll->value());
    page_.repaintMap();
  }

protected:
  void showGuide() override {
    guide(
        QStringLiteral("Move Map"),
        QStringLiteral("1. Adjust the X and Y scrollbars to move the map to the desired postion."),
        {panel().XScroll, panel().YScroll});
  }
  InstructionInsert make(int current, int time) const override {
    const TCommandObject c = moveMapInstruction(panel().XScroll->value(), panel().YScroll->value(),
                                                session().playback().state().zoom);
    return insertAtClockStep(c, current, time);
  }
};

class TextTool final : public BrfInsertTool {
public:
  using BrfInsertTool::BrfInsertTool;
  BrfMode mode() const override { return BrfMode::Text; }

protected:
  void showGuide() override {
    guide(QStringLiteral("Briefing Text:"),
          QStringLiteral("1. Choose the Text you want to show from the drop down list."),
          {panel().InsTextBox});
  }
  InstructionInsert make(int current, int time) const override {
    return insertAtClockStep(withIndex(brfcode::Text, chosen(panel().InsTextBox)), current, time);
  }
};

class RegionTool final : public BrfInsertTool {
public:
  using BrfInsertTool::BrfInsertTool;
  BrfMode mode() const override { return BrfMode::Region; }

protected:
  void showGuide() override {
    guide(QStringLiteral("Choose Region"),
          QStringLiteral("1. Choose the new Region from the drop down list."),
          {panel().InsRegionBox});
  }
  InstructionInsert make(int current, int time) const override {
    return insertAtClockStep(withIndex(brfcode::ChangeRegion, chosen(panel().InsRegionBox)),
                             current, time);
  }
};

// A mode that places its instruction where the map is clicked, showing
// what it places there once clicked.
class PlaceTool : public BrfInsertTool {
public:
  using BrfInsertTool::BrfInsertTool;
  void activate() override {
    clicked_ = false;
    BrfInsertTool::activate();
  }
  void press(QMouseEvent*) override {
    clicked_ = true;
    page_.repaintMap();
  }
  void paintOver(QPainter& p) override {
    if (!clicked_) return;
    QFont f = p.font();
    f.setPointSize(9);
    p.setFont(f);
    const QPoint at = page_.pixelOf(page_.lastClick());
    p.setPen(colour());
    p.drawText(at.x(), at.y() + p.fontMetrics().ascent(), text());
  }

protected:
  virtual QColor colour() const = 0;
  virtual QString text() const = 0;

private:
  bool clicked_ = false;
};

class MapTagTool final : public PlaceTool {
public:
  using PlaceTool::PlaceTool;
  BrfMode mode() const override { return BrfMode::Tag; }

protected:
  void showGuide() override {
    guide(QStringLiteral("Map Tag:"),
          QStringLiteral(
              "1. Choose the Tag you want to show, and its color, from the drop down lists."),
          {panel().InsTagBox, panel().InsColorBox}, true);
  }
  InstructionInsert make(int current, int time) const override {
    return insertAtClockStep(mapTagInstruction(chosen(panel().InsTagBox),
                                               chosen(panel().InsColorBox), page_.lastClick()),
                             current, time);
  }
  QColor colour() const override {
    return toQColor(briefingTagColour(panel().InsColorBox->currentIndex()));
  }
  QString text() const override {
    const auto& tags = session().document().briefing.tags;
    return pages::fromBytes(tags[static_cast<std::size_t>(chosen(panel().InsTagBox)) % 128]);
  }
};

class MapIconTool final : public PlaceTool {
public:
  using PlaceTool::PlaceTool;
  BrfMode mode() const override { return BrfMode::Icon; }

protected:
  void showGuide() override {
    guide(QStringLiteral("Map Icon:"),
          QStringLiteral(
              "1. Choose the Ship Icon you want to show, and its IFF, from the drop down lists."),
          {panel().InsCraftBox, panel().InsIffBox}, true);
  }
  InstructionInsert make(int current, int time) const override {
    return insertNewIconStep(chosen(panel().InsCraftBox), chosen(panel().InsIffBox),
                             page_.lastClick(), current, time);
  }
  QColor colour() const override { return Qt::white; }
  QString text() const override { return panel().InsCraftBox->currentText(); }
};

} // namespace

std::unique_ptr<BrfInsertTool> makeInsertTool(BrfMode mode, BriefingMapPage& page) {
  switch (mode) {
  case BrfMode::Zoom: return std::make_unique<ZoomTool>(page);
  case BrfMode::MoveMap: return std::make_unique<MoveMapTool>(page);
  case BrfMode::Text: return std::make_unique<TextTool>(page);
  case BrfMode::Tag: return std::make_unique<MapTagTool>(page);
  case BrfMode::Icon: return std::make_unique<MapIconTool>(page);
  case BrfMode::Region: return std::make_unique<RegionTool>(page);
  case BrfMode::None: break;
  }
  return nullptr;
}

} // namespace zephlo
