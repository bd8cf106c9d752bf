// The flight-group and message lists: models serving the core's line texts
// and colours, and a delegate that paints them on black.
#pragma once

#include <QAbstractListModel>
#include <QStyledItemDelegate>

namespace zephlo {

class DocumentController;

class FlightGroupListModel : public QAbstractListModel {
  Q_OBJECT
public:
  explicit FlightGroupListModel(DocumentController& c, QObject* parent = nullptr)
      : QAbstractListModel(parent), c_(c) {}
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  void rebuild();

private:
  DocumentController& c_;
};

class MessageListModel : public QAbstractListModel {
  Q_OBJECT
public:
  explicit MessageListModel(DocumentController& c, QObject* parent = nullptr)
      : QAbstractListModel(parent), c_(c) {}
  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  void rebuild();

private:
  DocumentController& c_;
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
