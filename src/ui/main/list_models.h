// The flight-group and message lists: models serving the core's line texts
// and colours, and a delegate that paints them on black.
#pragma once

#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include "core/gamedata/colours.h"

#include <functional>
#include <string>

namespace zephlo {

// Serves one list's lines: how many there are, each line's text and colour,
// all computed by the core from the document when asked.
class LinesModel : public QAbstractListModel {
  Q_OBJECT
public:
  struct Source {
    std::function<int()> count;
    std::function<std::string(int)> text;
    std::function<Colour(int)> colour;
  };
  LinesModel(Source source, QObject* parent = nullptr)
      : QAbstractListModel(parent), source_(std::move(source)) {}
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // Records were added, removed or moved: the views start over.
  void reset();
  // Lines first to last (clamped to the list) may read differently; views
  // keep their scroll position and selection.
  void refreshRows(int first, int last);
  void refreshAll() { refreshRows(0, rowCount() - 1); }

private:
  Source source_;
  int rows_ = 0; // the count the views know
};

// Paints a line 2 pixels from the left edge in its own colour, on black or
// on the selection highlight, lightened where the highlight would hide it.
class ListLineDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zephlo
