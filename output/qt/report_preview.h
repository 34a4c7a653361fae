#pragma once
// The report's preview window and printer: QPrintPreviewDialog, maximised, one
// page at the requested zoom, with a "Save as PDF" action beside Qt's own
// Print button. Printing goes through QPrinter (CUPS on Linux), job name
// "Print from queue".
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QString>
#include <functional>

#include "output/print_zq.h"

namespace zq::report {

class QtReportPreview : public ReportPreviewWindow, public ReportPrinter {
 public:
  explicit QtReportPreview(QWidget* parent, const PictureSource* pictures);

  // Shows the preview until it is closed. The dialog's Print button prints
  // there and then, so the answer is Printed or Close.
  PreviewAnswer show(const ComposedReport& report, const PreviewRequest& request) override;
  // Prints on the default printer without asking.
  bool print(const ComposedReport& report) override;

  // Asks for the PDF file name; empty: nothing is saved. By default a save
  // dialog (no test sets off a real one: tests replace this).
  std::function<QString(QWidget* parent)> choose_pdf_file;
  // Called once the dialog is up, before the user acts; tests inspect and close it here.
  std::function<void(QPrintPreviewDialog& dialog)> on_shown;

 private:
  QWidget* parent_;
  const PictureSource* pictures_;
};

// A printer set up for the report: full page, portrait, the job's name.
void prepare_report_printer(QPrinter& printer, const ComposedReport& report);

}  // namespace zq::report
