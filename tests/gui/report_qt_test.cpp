// The report drawn by Qt: PDF, the page painter, the preview window and the
// progress window with Cancel.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "output/design_report.h"
#include "output/print_zq.h"
#include "output/qt/print_zq_qt.h"
#include "output/qt/report_painter.h"
#include "output/qt/report_preview.h"
#include "output/qt/report_progress.h"
#include "output/qt/report_qt_pictures.h"

namespace zq::report {
namespace {

const std::string kDesign = std::string(ZQ_TEST_DATA_DIR) + "/report/design.ini";

// A generated picture: solid orange, so it is easy to find on the page.
class OrangePictures : public PictureSource {
 public:
  std::optional<PictureImage> picture(const std::string&) const override {
    QImage img(8, 8, QImage::Format_RGB888);
    img.fill(QColor(255, 128, 0));
    return picture_from_qimage(img);
  }
};

ComposedReport typical_report() { return design_report(kDesign, system_report_clock()); }

TEST(ResourcePictures, TheReportsTwoPicturesAreEmbedded) {
  ResourcePictures pictures;
  for (const char* name : {"ZQ_logo_small.gif", "ZQSchematic.bmp"}) {
    auto img = pictures.picture(name);
    ASSERT_TRUE(img.has_value()) << name;
    EXPECT_TRUE(img->valid()) << name;
  }
  EXPECT_FALSE(pictures.picture("no_such.gif").has_value());
}

TEST(ReportPdf, OnePageWithTheReport) {
  QTemporaryDir dir;
  const QString file = dir.filePath("report.pdf");
  OrangePictures pictures;
  ASSERT_TRUE(write_report_pdf(typical_report(), file, &pictures));
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray pdf = f.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_EQ(QString::fromLatin1(pdf).count(QRegularExpression("/Type\\s*/Page[^s]")), 1);
}

TEST(ReportPainter, FramesPicturesAndRightAlignedValuesAtTheirPlaces) {
  // 100 dots per inch: one pixel is ten thousandths of an inch.
  QImage page(800, 1244, QImage::Format_RGB32);
  page.fill(Qt::white);
  OrangePictures pictures;
  const ComposedReport report = typical_report();
  {
    QPainter p(&page);
    paint_report_page(p, report.pages[0], &pictures, 100);
  }
  auto dark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
  // Headline frame: left border at 490 + 115, top border at 1021 + 31.
  EXPECT_TRUE(dark(60, 130) || dark(61, 130));
  EXPECT_TRUE(dark(300, 105) || dark(300, 106));
  // The logo fills 490 + 1458 .. + 958 across, 1021 + 1510 .. + 1313 down.
  EXPECT_EQ(page.pixelColor(243, 318), QColor(255, 128, 0));
  EXPECT_EQ(page.pixelColor(190, 318), QColor(Qt::white));
  // Cylinders frame: right border at 490 + 3885 + 2990.
  EXPECT_TRUE(dark(736, 250) || dark(737, 250));
  if (qEnvironmentVariableIsSet("ZQ_REPORT_PNG")) page.save(qEnvironmentVariable("ZQ_REPORT_PNG"));

  // Values end on the right edge of their field: the rightmost ink of
  // "Cylinder Diameter"'s value (field to 490 + 6021 + 780) and of
  // "Antenna Length"'s (490 + 5938 + 858) are the same column.
  auto rightmost_ink = [&](int y_top) {
    int right = -1;
    for (int y = y_top; y < y_top + 14; ++y)
      for (int x = 600; x < 733; ++x)  // left of the frame border
        if (dark(x, y)) right = std::max(right, x);
    return right;
  };
  const int diameter = rightmost_ink((1021 + 865) / 10);
  const int length = rightmost_ink((1021 + 2510) / 10);
  EXPECT_NEAR(diameter, (490 + 6021 + 780) / 10, 2);
  EXPECT_NEAR(length, diameter, 1);
}

TEST(ReportPreview, MaximisedOnePageAtFullSizeWithSaveAsPdf) {
  QTemporaryDir dir;
  OrangePictures pictures;
  QtReportPreview preview(nullptr, &pictures);
  const QString pdf = dir.filePath("saved.pdf");
  preview.choose_pdf_file = [&](QWidget*) { return pdf; };
  bool inspected = false;
  preview.on_shown = [&](QPrintPreviewDialog& dialog) {
    inspected = true;
    EXPECT_TRUE(dialog.windowState() & Qt::WindowMaximized);
    auto* view = dialog.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->viewMode(), QPrintPreviewWidget::SinglePageView);
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::CustomZoom);
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 1.0);
    auto* zoom_box = dialog.findChild<QComboBox*>();
    ASSERT_NE(zoom_box, nullptr);
    EXPECT_EQ(zoom_box->currentText(), "100%");
    EXPECT_FALSE(dialog.findChild<QAction*>("fitPageAction")->isChecked());
    EXPECT_EQ(view->pageCount(), 1);
    EXPECT_EQ(dialog.printer()->docName(), "Print from queue");
    auto* save = dialog.findChild<QAction*>("savePdfAction");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), "Save as PDF");
    save->trigger();
    if (qEnvironmentVariableIsSet("ZQ_PREVIEW_PNG")) {
      QTest::qWait(200);
      dialog.grab().save(qEnvironmentVariable("ZQ_PREVIEW_PNG"));
    }
    dialog.reject();
  };
  EXPECT_EQ(preview.show(typical_report(), PreviewRequest{}), PreviewAnswer::Close);
  EXPECT_TRUE(inspected);
  EXPECT_TRUE(QFile::exists(pdf));
}

// Counts what PrintZQ shows after the progress window.
struct CountingPreview : ReportPreviewWindow {
  int shown = 0;
  PreviewAnswer show(const ComposedReport&, const PreviewRequest&) override {
    ++shown;
    return PreviewAnswer::Close;
  }
};

TEST(ReportProgress, CancelEndsTheReportBeforeThePreview) {
  QtReportProgress progress;
  EXPECT_EQ(progress.window().windowTitle(), "Process...");
  CountingPreview preview;
  PrintZqServices s;
  s.progress = &progress;
  s.preview = &preview;
  set_email_flag(0);
  QTimer::singleShot(30, &progress.window(), [&] { progress.cancel_button().click(); });
  EXPECT_EQ(PrintZQ(kDesign, s), ReportOutcome::Cancelled);
  EXPECT_EQ(preview.shown, 0);
  EXPECT_FALSE(progress.window().isVisible());

  // Without Cancel the same run reaches the preview, the bar at 100 %.
  bool saved = false;
  progress.save_placement = [&](const QWidget&) { saved = true; };
  progress.interval_ms = 0;
  EXPECT_EQ(PrintZQ(kDesign, s), ReportOutcome::Closed);
  EXPECT_EQ(preview.shown, 1);
  EXPECT_TRUE(saved);
  auto labels = progress.window().findChildren<QLabel*>();
  EXPECT_THAT(labels, testing::Contains(testing::Property(&QLabel::text, QString("100%"))));
}

// A window that counts the keys it is given.
class KeyCounter : public QWidget {
 public:
  std::vector<int> keys;

 protected:
  void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
};

TEST(DeferredKeys, KeysForTheCallingWindowWaitUntilTheReportEnds) {
  KeyCounter calculator;
  KeyCounter other;
  {
    const DeferredKeys held(&calculator);
    QCoreApplication::postEvent(&calculator, new QKeyEvent(QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier));
    QCoreApplication::postEvent(&calculator, new QKeyEvent(QEvent::KeyPress, Qt::Key_F3, Qt::NoModifier));
    QCoreApplication::postEvent(&other, new QKeyEvent(QEvent::KeyPress, Qt::Key_F8, Qt::NoModifier));
    QCoreApplication::processEvents();
    EXPECT_TRUE(calculator.keys.empty());
    EXPECT_THAT(other.keys, testing::ElementsAre(Qt::Key_F8));
  }
  QCoreApplication::processEvents();
  EXPECT_THAT(calculator.keys, testing::ElementsAre(Qt::Key_F2, Qt::Key_F3));
}

}  // namespace
}  // namespace zq::report
