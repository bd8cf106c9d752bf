#include "app/list_models.h"

#include "app/document_controller.h"
#include "map/qt_colour.h"
#include "mission/list_lines.h"

#include <QPainter>

namespace zephlo {

namespace {
QString latin1(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}
} // namespace

int FlightGroupListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(c_.document().flightGroups.size());
}

QVariant FlightGroupListModel::data(const QModelIndex& index, int role) const {
  const int row = index.row();
  if (!index.isValid() || row >= rowCount()) return {};
  if (role == Qt::DisplayRole) return latin1(fgLineText(c_.document(), row));
  if (role == Qt::ForegroundRole) {
    return toQColor(
        fgLineColour(c_.document(), row, c_.preferences().blacken, c_.state().currentRegion));
  }
  return {};
}

void FlightGroupListModel::rebuild() {
  beginResetModel();
  endResetModel();
}

int MessageListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(c_.document().messages.size());
}

QVariant MessageListModel::data(const QModelIndex& index, int role) const {
  const int row = index.row();
  if (!index.isValid() || row >= rowCount()) return {};
  if (role == Qt::DisplayRole) {
    return latin1(msgLineText(c_.document(), row, c_.voices().entries));
  }
  if (role == Qt::ForegroundRole) return toQColor(msgLineColour(c_.document(), row));
  return {};
}

void MessageListModel::rebuild() {
  beginResetModel();
  endResetModel();
}

void ListLineDelegate::paint(QPainter* p, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  p->save();
  const bool selected = option.state & QStyle::State_Selected;
  p->fillRect(option.rect, selected ? QColor(40, 52, 110) : QColor(Qt::black));
  if (option.state & QStyle::State_HasFocus) {
    p->setPen(QColor(90, 90, 90));
    p->drawRect(option.rect.adjusted(0, 0, -1, -1));
  }
  p->setPen(index.data(Qt::ForegroundRole).value<QColor>());
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
