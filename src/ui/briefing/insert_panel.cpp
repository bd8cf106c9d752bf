#include "ui/briefing/insert_panel.h"

#include "core/briefing/instruction_form.h"
#include "core/briefing/instruction_list.h"
#include "core/briefing/playback.h"
#include "ui/briefing/briefing_actions.h"
#include "ui/editing/page_controls.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QToolButton>

namespace zephlo {

namespace {

QScrollBar* bar(QWidget* parent, const char* name, int lo, int hi) {
  auto* b = new QScrollBar(Qt::Horizontal, parent);
  b->setObjectName(QString::fromLatin1(name));
  b->setRange(lo, hi);
  return b;
}

QStringList choices(ParamKind kind, const Document& d) {
  return pages::qlist(paramChoices(kind, d));
}

} // namespace

InsertPanel::InsertPanel(const BriefingActions& actions, QWidget* parent)
    : QGroupBox(QStringLiteral("Insert instruction"), parent) {
  setObjectName(QStringLiteral("InsertGroup"));
  auto* grid = new QGridLayout(this);
  GuideTitle = pages::label(this, "GuideTitle");
  QFont bold = GuideTitle->font();
  bold.setBold(true);
  GuideTitle->setFont(bold);
  GuideText = pages::label(this, "GuideText");
  GuideText->setWordWrap(true);
  grid->addWidget(GuideTitle, 0, 0, 1, 4);
  grid->addWidget(GuideText, 1, 0, 1, 4);
  ZoomBar = bar(this, "ZoomBar", 3, 500);
  XScroll = bar(this, "XScroll", -5000, 5000);
  YScroll = bar(this, "YScroll", -5000, 5000);
  InsTextBox = pages::combo(this, "InsTextBox", {});
  InsTagBox = pages::combo(this, "InsTagBox", {});
  InsColorBox = pages::combo(this, "InsColorBox", {});
  InsCraftBox = pages::combo(this, "InsCraftBox", {});
  InsIffBox = pages::combo(this, "InsIffBox", {});
  InsRegionBox = pages::combo(this, "InsRegionBox", {});
  grid->addWidget(ZoomBar, 2, 0, 1, 4);
  grid->addWidget(XScroll, 2, 0, 1, 4);
  grid->addWidget(YScroll, 3, 0, 1, 4);
  grid->addWidget(InsTextBox, 2, 0, 1, 4);
  grid->addWidget(InsTagBox, 2, 0, 1, 2);
  grid->addWidget(InsColorBox, 2, 2, 1, 2);
  grid->addWidget(InsCraftBox, 2, 0, 1, 2);
  grid->addWidget(InsIffBox, 2, 2, 1, 2);
  grid->addWidget(InsRegionBox, 2, 0, 1, 4);
  grid->addWidget(commandButton(this, "DoneBtn", actions.done), 4, 2);
  grid->addWidget(commandButton(this, "CancelBtn", actions.cancel), 4, 3);
  for (QScrollBar* b : {ZoomBar, XScroll, YScroll})
    connect(b, &QScrollBar::valueChanged, this, &InsertPanel::controlsChanged);
  for (QComboBox* b : {InsTagBox, InsColorBox, InsIffBox})
    connect(b, &QComboBox::currentIndexChanged, this, &InsertPanel::controlsChanged);
  connect(InsCraftBox, &QComboBox::currentIndexChanged, this, [this](int craft) {
    // A craft type suggests its IFF.
    if (auto iff = presetIff(craft)) InsIffBox->setCurrentIndex(*iff);
    emit controlsChanged();
  });
}

void InsertPanel::prepare(const Document& d, const PlaybackState& s) {
  const QSignalBlocker b1(InsTextBox), b2(InsTagBox), b3(InsRegionBox), b4(InsCraftBox),
      b5(InsIffBox), b6(ZoomBar), b7(XScroll), b8(YScroll), b9(InsColorBox);
  pages::refill(InsTextBox, choices(ParamKind::TextNumber, d), 0);
  pages::refill(InsTagBox, choices(ParamKind::TagNumber, d), 0);
  pages::refill(InsColorBox, choices(ParamKind::TagColour, d), 0);
  pages::refill(InsCraftBox, choices(ParamKind::CraftType, d), 1);
  pages::refill(InsIffBox, choices(ParamKind::Iff, d), presetIff(1).value_or(0));
  pages::refill(InsRegionBox, choices(ParamKind::Region, d), 0);
  ZoomBar->setValue(s.zoom);
  XScroll->setValue(-s.xoff);
  YScroll->setValue(-s.yoff);
}

void InsertPanel::showGuide(const QString& title, const QString& guide,
                            std::initializer_list<QWidget*> controls) {
  GuideTitle->setText(title);
  GuideText->setText(guide);
  for (QWidget* w : {static_cast<QWidget*>(ZoomBar), static_cast<QWidget*>(XScroll),
                     static_cast<QWidget*>(YScroll), static_cast<QWidget*>(InsTextBox),
                     static_cast<QWidget*>(InsTagBox), static_cast<QWidget*>(InsColorBox),
                     static_cast<QWidget*>(InsCraftBox), static_cast<QWidget*>(InsIffBox),
                     static_cast<QWidget*>(InsRegionBox)})
    w->setVisible(std::find(controls.begin(), controls.end(), w) != controls.end());
}

} // namespace zephlo
