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
