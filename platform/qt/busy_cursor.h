#pragma once
// The busy cursor for as long as the scope lives (a long report, a save).
#include <QCursor>
#include <QGuiApplication>

namespace zq::qt {

class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace zq::qt
