// "Waypoints": the waypoint editor tool window. It shows the current flight
// group's start points, further points, start regions, heading and the
// waypoints of the current order, and writes typed values into every
// selected flight group through the controller.
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
  std::vector<int> targets() const;

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
