#include "output/qt/report_progress.h"

#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace zq::report {

QtReportProgress::QtReportProgress(QWidget* parent) : dialog_(new QDialog(parent)) {
  dialog_->setWindowTitle(QStringLiteral("Process..."));
  // The report runs modally over the calculator, and its Cancel must take
  // input even when the calculator is itself modal.
  dialog_->setWindowModality(Qt::ApplicationModal);
  QFont font;
  font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  font.setPointSize(8);
  dialog_->setFont(font);
  auto* layout = new QVBoxLayout(dialog_);
  bar_ = new QProgressBar(dialog_);
  bar_->setRange(0, 100);
  bar_->setTextVisible(false);
  text_ = new QLabel(dialog_);
  percent_ = new QLabel(dialog_);
  percent_->setAlignment(Qt::AlignCenter);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), dialog_);
  layout->addWidget(bar_);
  layout->addWidget(text_);
  layout->addWidget(percent_);
  layout->addWidget(cancel_, 0, Qt::AlignCenter);
  dialog_->setFixedWidth(260);
  QObject::connect(cancel_, &QPushButton::clicked, dialog_, [this] { cancelled_ = true; });
  // Closing the window by its frame is a Cancel too.
  QObject::connect(dialog_, &QDialog::rejected, dialog_, [this] { cancelled_ = true; });
}

QtReportProgress::~QtReportProgress() { delete dialog_; }

void QtReportProgress::open() {
  cancelled_ = false;
  text_->clear();
  percent_->clear();
  bar_->setValue(0);
  if (restore_placement) restore_placement(*dialog_);
  dialog_->show();
}

bool QtReportProgress::advance(int percent, const std::string& text) {
  bar_->setValue(percent);
  text_->setText(QString::fromStdString(text));
  percent_->setText(QString::number(percent) + QLatin1Char('%'));
  if (!cancelled_) {
    QEventLoop wait;
    QTimer::singleShot(interval_ms, &wait, &QEventLoop::quit);
    QObject::connect(cancel_, &QPushButton::clicked, &wait, &QEventLoop::quit);
    wait.exec();
  }
  return !cancelled_;
}

void QtReportProgress::close() {
  if (save_placement) save_placement(*dialog_);
  dialog_->hide();
}

}  // namespace zq::report
