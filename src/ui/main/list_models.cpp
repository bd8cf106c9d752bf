#include "ui/main/list_models.h"

#include "render/qt_colour.h"

#include <QPainter>

#include <algorithm>

namespace zephlo {

int LinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant LinesModel::data(const QModelIndex& index, int role) const {
  const int row = index.row();
  if (!index.isValid() || row >= rows_ || row >= source_.count()) return {};
  if (role == Qt::DisplayRole) {
    // Mission texts are 8-bit; Latin-1 shows every byte as a character.
    const std::string t = source_.text(row);
    return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
  }
  if (role == Qt::ForegroundRole) return toQColor(source_.colour(row));
  return {};
}

void LinesModel::reset() {
  beginResetModel();
  rows_ = source_.count();
  endResetModel();
}

void LinesModel::refreshRows(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, rows_ - 1);
  if (first > last) return;
  emit dataChanged(index(first), index(last), {Qt::DisplayRole, Qt::ForegroundRole});
}

void ListLineDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  p->save();
  const bool selected = option.state & QStyle::State_Selected;
  p->fillRect(option.rect, selected ? toQColor(kListSelection) : QColor(Qt::black));
  if (option.state & QStyle::State_HasFocus) {
    p->setPen(QColor(110, 110, 110));
    p->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  const QColor c = index.data(Qt::ForegroundRole).value<QColor>();
  const Colour line = rgb(c.red(), c.green(), c.blue());
  p->setPen(toQColor(selected ? readableOn(line, kListSelection) : line));
  p->setFont(option.font);
  const QRect textRect = option.rect.adjusted(2, 0, 0, 0);
  p->drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
              index.data(Qt::DisplayRole).toString());
  p->restore();
}

QSize ListLineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
  QSize s = QStyledItemDelegate::sizeHint(option, index);
  s.setHeight(option.fontMetrics.height() + 2);
  return s;
}

} // namespace zephlo
