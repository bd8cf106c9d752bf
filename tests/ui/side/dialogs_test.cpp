// The mission header dialog, text sections, hyperbuoy and backdrop tools.
#include "core/mission/layout.h"
#include "core/mission/text_edits.h"
#include "support/editor_fixture.h"
#include "ui/map/backdrop_picker.h"
#include "ui/side/header_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QToolButton>

using namespace zephlo;
using namespace zephlo::testing;

namespace {

template <class T> T* child(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(c, nullptr) << name;
  return c;
}

int clickOk(QDialog& d, const char* button = "OKBtn") {
  child<QPushButton>(d, button)->click();
  return d.result();
}

} // namespace

TEST(HeaderDialog, OkStoresOneUndoableEditAndRefusesBadNumbers) {
  Editor e;
  const auto before = savedBytes(e.c.document());

  // OK without edits changes nothing and leaves nothing to undo.
  e.prompts.modal.push_back([](QDialog& d) { return clickOk(d); });
  e.trigger("HeaderBtn");
  EXPECT_EQ(e.prompts.log.last(), "dialog: THeaderForm");
  EXPECT_FALSE(e.c.isModified());

  e.prompts.modal.push_back([](QDialog& d) {
    child<QTableWidget>(d, "RegionNameGrid")->item(1, 1)->setText(QString(140, QChar('R')));
    child<QComboBox>(d, "HangarBox")->setCurrentIndex(7);
    child<QLineEdit>(d, "Edit3")->setText("300"); // not a byte: the dialog stays open
    child<QPushButton>(d, "OKBtn")->click();
    EXPECT_NE(d.result(), QDialog::Accepted);
    child<QLineEdit>(d, "Edit3")->setText("42");
    return clickOk(d);
  });
  e.trigger("HeaderBtn");
  EXPECT_TRUE(e.prompts.log.contains("error: Time 2 must be a whole number from 0 to 255, not "
                                     "\"300\"."));
  const Document& doc = e.c.document();
  EXPECT_EQ(doc.missionType(), 7);
  EXPECT_EQ(doc.header[hdr::TimeValues + 1], 42);
  EXPECT_EQ(headerValues(doc).regionNames[1], std::string(132, 'R')) << "cut to the field";
  EXPECT_TRUE(e.c.isModified());

  e.trigger("UndoAction");
  EXPECT_EQ(savedBytes(e.c.document()), before) << "one step undoes the whole dialog";
  EXPECT_FALSE(e.c.isModified());

  // Cancel stores nothing; the three unknown bytes are written when each is
  // typed in full, one step each, and a number past a byte is refused once.
  e.c.undoStack().clear();
  e.prompts.modal.push_back([](QDialog& d) {
    d.show();
    d.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
    child<QTableWidget>(d, "Str2Grid")->setCurrentCell(2, 1);
    child<QTableWidget>(d, "Str3Grid")->item(0, 1)->setText("ignored");
    auto* unknown = child<QLineEdit>(d, "Str2_9");
    auto typeOver = [&](const char* text) {
      unknown->setFocus();
      unknown->selectAll();
      QTest::keyClicks(unknown, text);
      child<QLineEdit>(d, "Str2_12")->setFocus(); // the focus leaves: the number is complete
    };
    typeOver("250");
    typeOver("300");
    EXPECT_EQ(unknown->text(), "250") << "the refused number gives way to the stored one";
    d.reject();
    return d.result();
  });
  e.trigger("HeaderBtn");
  EXPECT_EQ(headerTableByte(e.c.document(), 2, 9), 250);
  EXPECT_EQ(e.c.undoStack().count(), 1);
  EXPECT_EQ(e.prompts.log.filter("error:").size(), 2) << e.prompts.log.join('\n').toStdString();
  EXPECT_EQ(headerValues(e.c.document()).strings72[0], "");
}

TEST(HeaderDialog, EveryNumberBoxBesideTheMothershipsIsLabelled) {
  Editor e;
  e.prompts.modal.push_back([](QDialog& d) {
    // A new mission holds 98 in one of them.
    QLineEdit* ninetyEight = nullptr;
    for (QLineEdit* box : d.findChildren<QLineEdit*>())
      if (box->text() == "98") ninetyEight = box;
    EXPECT_NE(ninetyEight, nullptr);
    QStringList captions;
    for (const char* name : {"Edit7", "Edit8", "Edit10"}) {
      QLineEdit* box = child<QLineEdit>(d, name);
      QString caption;
      for (QLabel* l : d.findChildren<QLabel*>())
        if (l->buddy() == box) caption = l->text();
      EXPECT_FALSE(caption.isEmpty()) << name;
      captions << caption;
    }
    EXPECT_EQ(captions.removeDuplicates(), 0) << "each says which it is";
    // A refused number is named as its label names it.
    child<QLineEdit>(d, "Edit8")->setText("x");
    child<QPushButton>(d, "OKBtn")->click();
    d.reject();
    return d.result();
  });
  e.trigger("HeaderBtn");
  EXPECT_TRUE(e.prompts.log.last().startsWith("error: Unknown 4 must be"))
      << e.prompts.log.last().toStdString();
}

TEST(TextSections, TypingStoresPerTabAndUndoShowsTheStoredText) {
  Editor e;
  e.trigger("TextSections1");
  auto* memo = e.w.findChild<QWidget*>("TMemoForm");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->isVisible());
  auto* tabs = child<QTabBar>(*memo, "MemoPages");
  auto* editor = child<QPlainTextEdit>(*memo, "EditMemo");

  tabs->setCurrentIndex(static_cast<int>(TextTab::Description));
  EXPECT_EQ(editor->toPlainText(), "\n#") << "a new mission's description";
  EXPECT_FALSE(e.c.isModified()) << "showing a tab is no edit";

  tabs->setCurrentIndex(static_cast<int>(TextTab::Notes));
  editor->setPlainText("Line one\nLine two");
  tabs->setCurrentIndex(static_cast<int>(TextTab::Hints));
  EXPECT_EQ(editor->toPlainText(), "#");
  EXPECT_EQ(textForEditor(e.c.document().notes), "Line one\r\nLine two");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(e.c.document().notes.data())),
            "Line one$Line two");

  e.trigger("UndoAction");
  EXPECT_EQ(e.c.document().notes[0], 0);
  tabs->setCurrentIndex(static_cast<int>(TextTab::Notes));
  EXPECT_EQ(editor->toPlainText(), "");

  // Closing keeps the tab for the next opening.
  tabs->setCurrentIndex(static_cast<int>(TextTab::WinDebrief));
  e.trigger("TextSections1");
  EXPECT_FALSE(memo->isVisible());
  e.trigger("TextSections1");
  EXPECT_EQ(tabs->currentIndex(), static_cast<int>(TextTab::WinDebrief));
}

TEST(Tools, HyperbuoysBackdropAndPicker) {
  Editor e;
  e.prompts.modal.push_back([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Link Regions by Hyperbuoys:");
    child<QComboBox>(d, "ToBox")->setCurrentIndex(2);
    return clickOk(d);
  });
  e.trigger("HyperbouyWizard1");
  ASSERT_EQ(e.fgCount(), 5u);
  EXPECT_EQ(e.c.document().flightGroups[4].at(fg::CraftType), 85);

  e.prompts.modal.push_back([](QDialog& d) {
    child<QCheckBox>(d, "DoFroms")->setChecked(false);
    d.reject();
    return d.result();
  });
  e.trigger("HyperbouyWizard1");
  EXPECT_EQ(e.fgCount(), 5u) << "Cancel creates nothing";

  e.c.setCurrentRegion(2);
  e.trigger("AddBackdrop2");
  ASSERT_EQ(e.fgCount(), 6u);
  const FGObject& bd = e.c.document().flightGroups[5];
  EXPECT_EQ(bd.at(fg::CraftType), kBackdrop);
  EXPECT_EQ(bd.at(fg::StartRegion), 1);

  // The picker: a press at (60, 10) is backdrop 13; shadow button 3 is value 2.
  e.c.selectFlightGroup(5);
  e.c.setFlightGroupSelection({0, 5});
  e.prompts.modal.push_back([](QDialog& d) {
    auto& form = static_cast<TBDropForm&>(d);
    QTest::mouseClick(child<QWidget>(d, "Image1"), Qt::LeftButton, {}, QPoint(60, 10));
    EXPECT_EQ(child<QLabel>(d, "Label2")->text(), "#13");
    child<QToolButton>(d, "ToolButton3")->click();
    EXPECT_EQ(form.shadow(), 2);
    return clickOk(d, "UseBtn");
  });
  EXPECT_TRUE(TBDropForm::chooseBackdrop(e.c, e.s.backdropNames, &e.w));
  const Document& doc = e.c.document();
  EXPECT_EQ(doc.flightGroups[5].at(fg::BackdropNumber), 13);
  EXPECT_EQ(doc.flightGroups[5].at(fg::BackdropShadow), 2);
  EXPECT_EQ(doc.flightGroups[0].at(fg::BackdropShadow), 2);
  EXPECT_NE(doc.flightGroups[0].at(fg::BackdropNumber), 13) << "not a backdrop";

  for (int i = 0; i < 3; ++i)
    e.trigger("UndoAction");
  EXPECT_EQ(e.fgCount(), 1u);
}
