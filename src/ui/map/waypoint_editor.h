// "Waypoints": the waypoint editor tool window. It shows the current flight
// group's start points, further points, start regions, heading and the
// waypoints of the current order, and writes typed values into every
// selected flight group through the editing document.
//
// It follows the notices narrowly: a drag of the current flight group
// touches only the point cells whose value changed, a region or order
// switch only the caption and the order's waypoints; a cell the user is
// typing in is never rewritten, and a cell commits when its editing ends.
#pragma once

#include <QWidget>

#include <array>

class QActionGroup;
class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;

namespace zephlo {

class EditingDocument;
struct Change;
struct FGObject;

class TWPform : public QWidget {
  Q_OBJECT
public:
  explicit TWPform(EditingDocument& controller, QWidget* parent = nullptr);

  // Refills every grid and list from the current flight group.
  void refresh();

signals:
  void closed();

protected:
  void closeEvent(QCloseEvent* e) override;

private:
  void WPGridSetEditText(int row, int column);
  void OrderWPGridSetEditText(int row, int column);
  void WPEnabledListClick(int row);
  void OrderWPEnabledListClick(int row);
  void StartRegionChange(int point, int region);

  void documentChanged(const Change& change);
  void showCaption();
  void showStartPoints();
  void showOrderPoints();
  void showRecordFields();
  // A finished cell shows the value as stored ("1.5" reads "1.50").
  void showCommitted(QTableWidget* grid, int row, int column, int units);
  const FGObject* current() const;

  EditingDocument& c_;
  int filling_ = 0;
  QLabel* Label1 = nullptr;
  QTableWidget* WPGrid = nullptr;
  QTableWidget* OrderWPGrid = nullptr;
  QListWidget* WPEnabledList = nullptr;
  QListWidget* OrderWPEnabledList = nullptr;
  std::array<QComboBox*, 4> startRegions_{};
  QActionGroup* ToolOrient = nullptr;
};

} // namespace zephlo
