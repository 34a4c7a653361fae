// The builder on a layout of the kind the calculator windows use: a sheet
// with tabs whose controls are given in window coordinates, entry fields
// with display formats, spin boxes, hidden rows, tips, hot keys.
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/qt/layout_window.h"
#include "shell_test_support.h"

namespace {

using zq::layout::Control;
using zq::layout::Kind;

const Control kControls[] = {
    {.label = "?TITLE", .kind = Kind::Text, .text = "ZQ Antenna Calculations... Imperial", .rect = {10, 4, 200, 14},
     .font = {.family = "Arial Rounded MT Bold", .points = 16}},
    {.label = "?SHEET", .kind = Kind::Sheet, .rect = {5, 24, 521, 296}},
    {.label = "?SPECTAB", .kind = Kind::Tab, .text = "   Specifications", .parent = "?SHEET"},
    {.label = "?HELPTAB", .kind = Kind::Tab, .text = "   Help", .parent = "?SHEET"},
    {.label = "?FPROMPT", .kind = Kind::Text, .text = "Enter the Frequency in Megahertz", .rect = {106, 49, 130, 9},
     .parent = "?SPECTAB"},
    {.label = "F", .kind = Kind::Entry, .rect = {242, 49, 60, 9}, .font = {.bold = true},
     .tip = "Enter the Centre Frequency in Megahertz. \nMaximum of 3 decimal points.", .format = "n11.3",
     .parent = "?SPECTAB", .name_from = "?FPROMPT"},
    {.label = "C", .kind = Kind::Entry, .rect = {242, 93, 60, 9}, .format = "n-10.2", .parent = "?SPECTAB",
     .tab_stop = false},
    {.label = "SCL", .kind = Kind::Entry, .rect = {322, 294, 60, 9}, .format = "n11.3", .parent = "?SPECTAB",
     .hidden = true},
    {.label = "FAC", .kind = Kind::Spin, .rect = {460, 115, 45, 9}, .format = "n5.2", .parent = "?SPECTAB",
     .spin = {0.1, 20, 0.05}},
    {.label = "?HELPTEXT", .kind = Kind::ScrollText, .text = "Just follow the prompts.", .rect = {18, 90, 243, 98},
     .parent = "?HELPTAB"},
    {.label = "SAVENAME", .kind = Kind::Entry, .rect = {19, 197, 71, 10}, .format = "s20"},
    {.label = "?SAVEBUTTON", .kind = Kind::Button, .text = "SAVE", .rect = {19, 178, 71, 18},
     .font = {.points = 10, .bold = true, .color = "navy"}, .tip = "Saves the file", .key = "F2"},
};

const zq::layout::WindowLayout kLayout{.caption = "Builder test", .size = {529, 324}, .controls = kControls};

TEST_F(ShellFixture, BuilderMakesEveryKindAndFindsItByLabel) {
  zq::qt::LayoutWindow window(kLayout, "ZQ");
  window.open();
  QApplication::processEvents();

  auto* sheet = window.control_as<QTabWidget>("?SHEET");
  ASSERT_NE(sheet, nullptr);
  ASSERT_EQ(sheet->count(), 2);
  EXPECT_EQ(sheet->tabText(0).toStdString(), "   Specifications");
  EXPECT_EQ(sheet->tabText(1).toStdString(), "   Help");

  // A control on a tab page lands where its window coordinates say.
  auto* f = window.control_as<QLineEdit>("F");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->mapTo(window.canvas(), QPoint(0, 0)), window.units().to_px(kControls[5].rect).topLeft());
  EXPECT_TRUE(f->font().bold());
  EXPECT_EQ(f->accessibleName().toStdString(), "Enter the Frequency in Megahertz");
  EXPECT_EQ(f->accessibleDescription(), f->toolTip());
  EXPECT_TRUE(f->toolTip().contains('\n'));

  EXPECT_EQ(window.control("C")->focusPolicy(), Qt::ClickFocus);
  EXPECT_FALSE(window.control("SCL")->isVisible());
  EXPECT_TRUE(window.control("F")->isVisible());

  auto* fac = window.control_as<QDoubleSpinBox>("FAC");
  ASSERT_NE(fac, nullptr);
  EXPECT_DOUBLE_EQ(fac->minimum(), 0.1);
  EXPECT_DOUBLE_EQ(fac->maximum(), 20);
  EXPECT_DOUBLE_EQ(fac->singleStep(), 0.05);
  EXPECT_EQ(fac->decimals(), 2);

  EXPECT_EQ(window.control_as<QLineEdit>("SAVENAME")->maxLength(), 20);
  EXPECT_TRUE(window.control_as<QPlainTextEdit>("?HELPTEXT")->isReadOnly());
  EXPECT_EQ(window.control_as<QLabel>("?TITLE")->font().pointSize(), 16);
  EXPECT_TRUE(window.control_as<QLabel>("?TITLE")->font().bold());
  EXPECT_EQ(window.control("nothing"), nullptr);

  // So does a control on the second tab once it is shown.
  sheet->setCurrentIndex(1);
  QApplication::processEvents();
  EXPECT_EQ(window.control("?HELPTEXT")->mapTo(window.canvas(), QPoint(0, 0)),
            window.units().to_px(kControls[9].rect).topLeft());
  window.close();
}

TEST_F(ShellFixture, QueuedHotKeyClicksItsButtonAfterTheHandlerReturns) {
  zq::qt::LayoutWindow window(kLayout, "ZQ");
  window.open();
  int clicks = 0;
  QObject::connect(window.button("?SAVEBUTTON"), &QAbstractButton::clicked, [&] { ++clicks; });
  window.queue_key(Qt::Key_F2);
  EXPECT_EQ(clicks, 0) << "a queued key waits for the event loop";
  QApplication::processEvents();
  EXPECT_EQ(clicks, 1);
  // Typed into an entry field, the hot key reaches the window too.
  QTest::keyClick(window.control("SAVENAME"), Qt::Key_F2);
  EXPECT_EQ(clicks, 2);
  QTest::keyClick(window.control("SAVENAME"), Qt::Key_F3);
  EXPECT_EQ(clicks, 2);
  window.close();
}

TEST(DialogUnits, RoundTripKeepsEveryWholeUnit) {
  const zq::qt::DialogUnits units(QFont("Arial", 8));
  EXPECT_GT(units.px_per_du_x(), 1.0);
  EXPECT_GT(units.px_per_du_y(), 1.0);
  for (int du = -40; du <= 2000; ++du) {
    ASSERT_EQ(units.x_du(units.x_px(du)), du);
    ASSERT_EQ(units.y_du(units.y_px(du)), du);
  }
}

}  // namespace
