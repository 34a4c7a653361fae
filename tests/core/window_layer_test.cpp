// The Qt-free parts of the window layer: display formats, the error
// manager's procedure stack and reports, message texts.
#include <gtest/gtest.h>

#include "platform/error_manager.h"
#include "platform/layout.h"
#include "platform/message_box.h"

namespace {

using zq::layout::DisplayFormat;

TEST(DisplayFormat, ParsesTheFormatsOfTheWindows) {
  struct Case {
    const char* text;
    std::optional<DisplayFormat> expected;
  };
  const Case cases[] = {
      {"n11.3", DisplayFormat{true, false, 11, 3}},
      {"n-10.2", DisplayFormat{true, true, 10, 2}},
      {"n5", DisplayFormat{true, false, 5, 0}},
      {"s20", DisplayFormat{false, false, 20, 0}},
      {"", std::nullopt},
      {"n", std::nullopt},
      {"n3.3", std::nullopt},  // places must leave room in the width
      {"n11.3x", std::nullopt},
      {"s", std::nullopt},
      {"x10", std::nullopt},
      {"n99999999999.2", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(zq::layout::parse_display_format(c.text), c.expected) << c.text;
}

TEST(DisplayFormat, ShowsTheValueWithItsPlaces) {
  struct Case {
    const char* value;
    const char* format;
    const char* shown;
  };
  const Case cases[] = {
      {"7.15", "n11.3", "7.150"},
      {"7.1504", "n11.3", "7.150"},
      {"7.1505", "n11.3", "7.151"},     // halves away from zero
      {"-3.015", "n-10.2", "-3.02"},
      {"-0.001", "n-10.2", "0.00"},     // no minus on a shown zero
      {"9.9996", "n11.3", "10.000"},    // the carry runs into the whole part
      {"2.5", "n5", "3"},
      {"0", "n11.3", "0.000"},
      {"120", "n5", "120"},
      {"-3.01", "n10.2", "-3.01"},      // an unsigned format does not hide a minus
      {"abc", "n11.3", "abc"},
      {"M726 antenna for forty metres", "s20", "M726 antenna for for"},
  };
  for (const Case& c : cases) {
    const auto format = zq::layout::parse_display_format(c.format);
    ASSERT_TRUE(format) << c.format;
    EXPECT_EQ(zq::layout::format_display(c.value, *format), c.shown) << c.value << " " << c.format;
  }
}

TEST(ErrorManager, ClosingAWindowMakesItsOpenerCurrentAgain) {
  zq::ErrorManager errors;
  EXPECT_EQ(errors.current_procedure(), "");
  errors.push_procedure("Main");
  {
    zq::ProcedureScope calculator("ZQ", errors);
    EXPECT_EQ(errors.current_procedure(), "ZQ");
  }
  EXPECT_EQ(errors.current_procedure(), "Main");
  errors.pop_procedure();
  errors.pop_procedure();  // one pop too many does no harm
  EXPECT_EQ(errors.current_procedure(), "");
}

TEST(ErrorManager, ReportNamesTheCurrentProcedure) {
  zq::ScopedMessageRecorder messages;
  zq::ErrorManager errors;
  errors.push_procedure("pictures");
  errors.report("Picture ex3.jpg could not be loaded");
  ASSERT_EQ(messages.recorder.shown.size(), 1u);
  EXPECT_EQ(messages.recorder.shown[0].text, "Picture ex3.jpg could not be loaded|Procedure: pictures");
  EXPECT_EQ(messages.recorder.shown[0].caption, "ZQ Error Message");
  EXPECT_EQ(zq::message_lines(messages.recorder.shown[0].text),
            "Picture ex3.jpg could not be loaded\nProcedure: pictures");
}

}  // namespace
