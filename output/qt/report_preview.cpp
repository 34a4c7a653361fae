#include "output/qt/report_preview.h"

#include <QAction>
#include <QComboBox>
#include <QGraphicsView>
#include <QScrollBar>
#include <QLineEdit>
#include <QFileDialog>
#include <QPrintPreviewWidget>
#include <QTimer>
#include <QToolBar>

#include "output/qt/report_painter.h"

namespace zq::report {

void prepare_report_printer(QPrinter& printer, const ComposedReport& report) {
  printer.setDocName(QString::fromStdString(report.job_name));
  printer.setFullPage(true);
  printer.setPageOrientation(QPageLayout::Portrait);
}

QtReportPreview::QtReportPreview(QWidget* parent, const PictureSource* pictures)
    : parent_(parent), pictures_(pictures) {
  choose_pdf_file = [](QWidget* p) {
    return QFileDialog::getSaveFileName(p, QStringLiteral("Save as PDF"), QString(),
                                        QStringLiteral("PDF files (*.pdf)"));
  };
}

PreviewAnswer QtReportPreview::show(const ComposedReport& report, const PreviewRequest& request) {
  QPrinter printer(QPrinter::HighResolution);
  prepare_report_printer(printer, report);
  QPrintPreviewDialog dialog(&printer, parent_);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&](QPrinter* target) { paint_report(*target, report, pictures_); });

  if (auto* toolbar = dialog.findChild<QToolBar*>()) {
    toolbar->addSeparator();
    QAction* save = toolbar->addAction(QStringLiteral("Save as PDF"));
    save->setObjectName(QStringLiteral("savePdfAction"));
    QObject::connect(save, &QAction::triggered, &dialog, [&] {
      const QString file = choose_pdf_file ? choose_pdf_file(&dialog) : QString();
      if (!file.isEmpty()) write_report_pdf(report, file, pictures_);
    });
  }

  auto* view = dialog.findChild<QPrintPreviewWidget*>();
  auto* zoom_box = dialog.findChild<QComboBox*>();
  auto apply_view = [view, zoom_box, request] {
    if (view) {
      view->setViewMode(request.pages_across * request.pages_down > 1 ? QPrintPreviewWidget::FacingPagesView
                                                                       : QPrintPreviewWidget::SinglePageView);
      view->setCurrentPage(request.first_page);
      view->setZoomMode(QPrintPreviewWidget::CustomZoom);
      view->setZoomFactor(request.zoom_percent / 100.0);
      // The page is read from its headline down.
      if (auto* area = view->findChild<QGraphicsView*>()) {
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->minimum());
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->minimum());
      }
    }
    // Last, the zoom again through the dialog's own zoom box, so that its text
    // and its fit buttons show it too (changing the view mode rewrites the box).
    if (zoom_box && zoom_box->lineEdit()) {
      zoom_box->lineEdit()->setText(QString::number(request.zoom_percent) + QLatin1Char('%'));
      emit zoom_box->lineEdit()->editingFinished();
    }
  };
  apply_view();
  dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
  // The dialog fits the page to the window when it first shows; the requested
  // zoom is set again once it is up.
  QTimer::singleShot(0, &dialog, [&] {
    apply_view();
    if (on_shown) on_shown(dialog);
  });
  return dialog.exec() == QDialog::Accepted ? PreviewAnswer::Printed : PreviewAnswer::Close;
}

bool QtReportPreview::print(const ComposedReport& report) {
  QPrinter printer(QPrinter::HighResolution);
  prepare_report_printer(printer, report);
  return paint_report(printer, report, pictures_);
}

}  // namespace zq::report
