#pragma once
// The progress window "Process...": a progress bar, a text line, the
// percentage and "Cancel". Every step of the report waits one timer interval
// (10 hundredths of a second), so the window stays up long enough for Cancel.
//
// Its four controls are built here as a small plain dialog (the layout tables
// have no progress bar); its placement is restored and saved through the two
// hooks, which run_print_zq binds to the settings file section "PrintZQ".
#include <QDialog>
#include <functional>

#include "output/print_zq.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace zq::report {

class QtReportProgress : public ReportProgress {
 public:
  explicit QtReportProgress(QWidget* parent = nullptr);
  ~QtReportProgress() override;

  void open() override;
  bool advance(int percent, const std::string& text) override;
  void close() override;

  std::function<void(QWidget& window)> restore_placement;
  std::function<void(const QWidget& window)> save_placement;
  int interval_ms = 100;

  QDialog& window() { return *dialog_; }
  QPushButton& cancel_button() { return *cancel_; }

 private:
  QDialog* dialog_;
  QProgressBar* bar_;
  QLabel* text_;
  QLabel* percent_;
  QPushButton* cancel_;
  bool cancelled_ = false;
};

}  // namespace zq::report
