#pragma once
// The one builder that turns layout tables (platform/layout.h) into widgets.
//
//   QWidget canvas;                       // its font is the window's font
//   BuiltLayout built = build_controls(layout, &canvas);
//   auto* prompt = built.find_as<QLabel>("?PROMPT1");
//   auto* field  = built.find_as<QLineEdit>("F");
//
// Widgets by kind: Text → QLabel (word-wrapped, top-aligned), Picture → QLabel
// with the stretched picture, Panel → QFrame, Group → QGroupBox, Button →
// QPushButton, Entry → QLineEdit (text width limited by an "s" format),
// Spin → QDoubleSpinBox (range, step, places from the format), Sheet →
// QTabWidget, Tab → its page QWidget, ScrollText → read-only QPlainTextEdit.
// Every widget's objectName is its label. Panels and groups let mouse clicks
// through to what lies under them.
#include <QAbstractButton>
#include <QAction>
#include <QIcon>
#include <QMenuBar>
#include <QPixmap>
#include <QWidget>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/layout.h"
#include "platform/qt/dialog_units.h"

namespace zq::qt {

class BuiltLayout {
 public:
  explicit BuiltLayout(DialogUnits units) : units_(units) {}

  // The control labelled `label`, or nullptr.
  QWidget* find(std::string_view label) const;
  template <class W>
  W* find_as(std::string_view label) const {
    return qobject_cast<W*>(find(label));
  }
  // The button whose hot key is `qt_key` (Qt::Key_F2 ...), or nullptr.
  QAbstractButton* button_for_key(int qt_key) const;
  // Labels in table order.
  const std::vector<std::string>& labels() const { return order_; }
  const DialogUnits& units() const { return units_; }

 private:
  friend BuiltLayout build_controls(const layout::WindowLayout&, QWidget*);
  DialogUnits units_;
  std::map<std::string, QWidget*, std::less<>> widgets_;
  std::vector<std::string> order_;
  std::map<int, QAbstractButton*> keys_;
};

// Builds every control of `layout` onto `canvas` (whose font is already the
// window's font) at its rectangle; the canvas is given the layout's size.
BuiltLayout build_controls(const layout::WindowLayout& layout, QWidget* canvas);

class BuiltMenu {
 public:
  // The action of the row labelled `label` (a Menu row: its menuAction()), or nullptr.
  QAction* find(std::string_view label) const;

 private:
  friend BuiltMenu build_menu(std::span<const layout::MenuEntry>, QMenuBar*);
  std::map<std::string, QAction*, std::less<>> actions_;
};

// Adds the rows to `bar` in order. Each action's objectName is its row's label.
BuiltMenu build_menu(std::span<const layout::MenuEntry> entries, QMenuBar* bar);

// An embedded picture or icon by its file name ("zq_008.jpg", "MILNM.ICO").
// A missing one is reported through the error manager and gives a null pixmap.
QPixmap embedded_picture(std::string_view file_name);
QIcon embedded_icon(std::string_view file_name);
// The resource path of an embedded file: ":/zq/<file name>".
QString embedded_path(std::string_view file_name);

// Qt key of a hot-key text ("F2"), or 0.
int hot_key(std::string_view text);

}  // namespace zq::qt
