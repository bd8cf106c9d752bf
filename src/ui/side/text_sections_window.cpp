#include "ui/side/text_sections_window.h"

#include "render/qt_colour.h"
#include "ui/editing/editing_document.h"
#include "ui/editing/page_controls.h"

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTextBlock>
#include <QVBoxLayout>

namespace zephlo {

TMemoForm::TMemoForm(EditingDocument& c, QWidget* parent)
    : ToolWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint), c_(c) {
  setObjectName(QStringLiteral("TMemoForm"));
  setWindowTitle(QStringLiteral("Text Sections"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(0);
  MemoPages = new QTabBar(this);
  MemoPages->setObjectName(QStringLiteral("MemoPages"));
  for (TextTab t : {TextTab::Notes, TextTab::Description, TextTab::WinDebrief, TextTab::Hints})
    MemoPages->addTab(QString::fromStdString(textTabCaption(t)));
  layout->addWidget(MemoPages);
  EditMemo = new QPlainTextEdit(this);
  EditMemo->setObjectName(QStringLiteral("EditMemo"));
  EditMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(EditMemo);
  resize(420, 320);

  connect(MemoPages, &QTabBar::currentChanged, this, &TMemoForm::MemoPagesChange);
  connect(EditMemo, &QPlainTextEdit::textChanged, this, &TMemoForm::EditMemoChange);
  connect(&c_, &EditingDocument::documentReplaced, this, [this] {
    if (isVisible()) fillEditor();
  });
  connect(&c_, &EditingDocument::documentChanged, this, [this](const Change& ch) {
    // An undo or redo of a text: show what the document now holds. A hidden
    // window fills when it shows.
    if (ch.texts && !filling_ && isVisible()) fillEditor();
  });
  showTab(TextTab::Notes);
}

TextTab TMemoForm::currentTab() const { return static_cast<TextTab>(MemoPages->currentIndex()); }

void TMemoForm::showTab(TextTab tab) {
  if (MemoPages->currentIndex() != static_cast<int>(tab))
    MemoPages->setCurrentIndex(static_cast<int>(tab)); // fills through MemoPagesChange
  else
    MemoPagesChange(static_cast<int>(tab));
}

void TMemoForm::MemoPagesChange(int index) {
  if (index < 0) return;
  const TextTabColours colours = textTabColours(static_cast<TextTab>(index));
  QPalette p = palette();
  if (colours.background) p.setColor(QPalette::Base, toQColor(*colours.background));
  p.setColor(QPalette::Text, toQColor(colours.text));
  EditMemo->setPalette(p);
  fillEditor();
}

void TMemoForm::fillEditor() {
  // The editor shows what the document holds; each edit was stored as it was typed.
  const std::string text = textForEditor(storedText(c_.document(), currentTab()));
  QString shown = pages::fromBytes(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (EditMemo->toPlainText() == shown) return;
  filling_ = true;
  EditMemo->setPlainText(shown);
  filling_ = false;
}

void TMemoForm::EditMemoChange() {
  if (filling_) return;
  QString text = EditMemo->toPlainText();
  if (text.size() > static_cast<qsizetype>(kTextEditorLimit)) {
    // The field keeps 4095 characters; what is typed past them is not kept.
    text.truncate(static_cast<qsizetype>(kTextEditorLimit));
    filling_ = true;
    EditMemo->setPlainText(text);
    EditMemo->moveCursor(QTextCursor::End);
    filling_ = false;
  }
  filling_ = true; // the change this store announces is ours
  c_.apply(storeTextOperation(currentTab(), pages::toBytes(text)));
  filling_ = false;
}

void TMemoForm::aboutToShow() { fillEditor(); }

} // namespace zephlo
