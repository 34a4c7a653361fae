#include "platform/qt/layout_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/error_manager.h"
#include "settings/qt/widget_placement.h"

namespace zq::qt {

LayoutWindow::LayoutWindow(const layout::WindowLayout& layout, std::string procedure_name,
                           std::span<const layout::MenuEntry> menu, SettingsManager& settings)
    : layout_(layout), procedure_(std::move(procedure_name)), settings_(settings) {
  setFont(make_font(layout.font, QApplication::font()));
  setWindowTitle(QString::fromUtf8(layout.caption.data(), static_cast<qsizetype>(layout.caption.size())));
  if (!layout.icon.empty()) setWindowIcon(embedded_icon(layout.icon));
  setWindowModality(Qt::ApplicationModal);

  auto* box = new QVBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  if (!menu.empty()) {
    menu_bar_ = new QMenuBar(this);
    menu_ = build_menu(menu, menu_bar_);
    box->setMenuBar(menu_bar_);
  }
  canvas_ = new QWidget(this);
  canvas_->setObjectName(QStringLiteral("canvas"));
  controls_ = std::make_unique<BuiltLayout>(build_controls(layout, canvas_));
  box->addWidget(canvas_);
  if (!layout.resizable) box->setSizeConstraint(QLayout::SetFixedSize);
}

LayoutWindow::~LayoutWindow() {
  if (open_) finish_closing();
}

void LayoutWindow::open() {
  if (open_) return;
  error_manager().push_procedure(procedure_);
  on_open();
  // The first-run place: centred on the screen. A saved placement replaces it.
  if (layout()) layout()->activate();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    // A window larger than the screen keeps its top left corner on it.
    const QPoint centred = area.center() - QPoint(width() / 2, height() / 2);
    move(qMax(centred.x(), area.left()), qMax(centred.y(), area.top()));
  }
  restore_placement(procedure_, this, units(), layout_.resizable, settings_);
  open_ = true;
  show();
}

void LayoutWindow::run() {
  open();
  if (!open_) return;
  QEventLoop loop;
  loop_ = &loop;
  loop.exec();
  loop_ = nullptr;
}

void LayoutWindow::queue_key(int qt_key) {
  QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, qt_key, Qt::NoModifier));
}

void LayoutWindow::closeEvent(QCloseEvent* event) {
  if (open_) {
    on_close();
    finish_closing();
  }
  event->accept();
}

void LayoutWindow::finish_closing() {
  save_placement(procedure_, this, units(), layout_.resizable, settings_);
  error_manager().pop_procedure();
  open_ = false;
  if (loop_) loop_->quit();
}

void LayoutWindow::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() == Qt::NoModifier) {
    if (QAbstractButton* target = controls_->button_for_key(event->key());
        target && target->isEnabled()) {
      target->click();
      event->accept();
      return;
    }
  }
  QWidget::keyPressEvent(event);
}

}  // namespace zq::qt
