#include "app/qt/main_window.h"

#include <QLabel>

#include "app/shell_layouts.h"

namespace zq::shell {

MainWindow::MainWindow(MainWindowCommands commands, SettingsManager& settings)
    : LayoutWindow(main_layout(), std::string(kMainProcedure), main_menu(), settings),
      commands_(std::move(commands)) {
  if (QAction* shutdown = menu_action("?SHUTDOWN"))
    connect(shutdown, &QAction::triggered, this, &QWidget::close, Qt::QueuedConnection);
  connect_entry("?ZQANTENNA", commands_.open_imperial_calculator);
  connect_entry("?DESIGNZQMETRIC", commands_.open_metric_calculator);
  connect_entry("?PICTURES", commands_.open_pictures);
  connect_entry("?ABOUTTHISPROGRAM", commands_.open_about);
}

void MainWindow::connect_entry(std::string_view label, const std::function<void()>& command) {
  QAction* action = menu_action(label);
  if (!action) return;
  // Queued, so the menu has closed before the opened window runs its own loop.
  connect(
      action, &QAction::triggered, this,
      [command] {
        if (command) command();
      },
      Qt::QueuedConnection);
}

void MainWindow::on_open() {
  const auto assign = [this](std::string_view label, std::string_view text) {
    if (auto* prompt = control_as<QLabel>(label)) {
      prompt->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
      prompt->setAccessibleName(QString());  // read as the text now shown, not the placeholder
    }
  };
  assign("?PROMPT1", biography_text());
  assign("?PROMPT2", welcome_text());
  assign("?PROMPT3", usage_text());
}

void run_main_window(const MainWindowCommands& commands) {
  MainWindow window(commands);
  window.run();
}

}  // namespace zq::shell
