// The flight-group and message lists: models serving the core's line texts
// and colours, and a delegate that paints them on black.
#pragma once

#include <QAbstractListModel>
#include <QStyledItemDelegate>

#include "map/colours.h"

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
  void rebuild();

private:
  Source source_;
};

// Paints a line 2 pixels from the left edge in its own colour.
class ListLineDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace zephlo
