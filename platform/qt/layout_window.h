#pragma once
// LayoutWindow: a top-level window built from a WindowLayout (and optionally
// a menu bar), with the life cycle every window of the program shares:
//
//   open():  registers the procedure name with the error manager, calls
//            on_open() (assign run-time texts), centres the window on the
//            screen (its first-run place), restores the placement saved
//            under the procedure name, shows the window.
//   run():   open(), then the window's own event loop until it is closed;
//            the window is application-modal, so its opener takes no input.
//   close (button, Shutdown, the system's close): on_close(), saves the
//            placement (only if the window had been opened), withdraws the
//            procedure name, ends run()'s loop.
//
// Hot keys: a key that reaches the window (typed, or queued with queue_key())
// clicks the button that has it in the layout.
//
//   class AboutWindow : public LayoutWindow {
//    public:
//     AboutWindow() : LayoutWindow(kAboutLayout, "AboutZQ") {
//       connect(button("?OKBUTTON"), &QAbstractButton::clicked, this, &QWidget::close);
//     }
//   };
//   AboutWindow window; window.run();
//
// The layout is kept by reference: give it a table that lives as long as the
// program (a namespace-scope constant).
#include <QAbstractButton>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/layout.h"
#include "platform/qt/layout_builder.h"
#include "settings/settings_manager.h"

namespace zq::qt {

class LayoutWindow : public QWidget {
  Q_OBJECT

 public:
  LayoutWindow(const layout::WindowLayout& layout, std::string procedure_name,
               std::span<const layout::MenuEntry> menu = {}, SettingsManager& settings = settings_manager());
  ~LayoutWindow() override;

  void open();
  void run();
  bool is_open() const { return open_; }

  QWidget* control(std::string_view label) const { return controls_->find(label); }
  template <class W>
  W* control_as(std::string_view label) const {
    return controls_->find_as<W>(label);
  }
  QAbstractButton* button(std::string_view label) const { return control_as<QAbstractButton>(label); }
  QAction* menu_action(std::string_view label) const { return menu_.find(label); }
  QMenuBar* menu_bar() const { return menu_bar_; }
  QWidget* canvas() const { return canvas_; }
  const BuiltLayout& controls() const { return *controls_; }
  const DialogUnits& units() const { return controls_->units(); }
  const layout::WindowLayout& window_layout() const { return layout_; }
  const std::string& procedure_name() const { return procedure_; }

  // Posts the key to this window; it acts once the current handler has
  // returned and the event loop runs again.
  void queue_key(int qt_key);

 protected:
  virtual void on_open() {}
  virtual void on_close() {}
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void finish_closing();

  const layout::WindowLayout& layout_;
  std::string procedure_;
  SettingsManager& settings_;
  QMenuBar* menu_bar_ = nullptr;
  QWidget* canvas_ = nullptr;
  std::unique_ptr<BuiltLayout> controls_;
  BuiltMenu menu_;
  bool open_ = false;
  QPointer<QEventLoop> loop_;
};

}  // namespace zq::qt
