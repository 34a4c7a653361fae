#include "ui/calculator_layout.h"

#include <string>
#include <vector>

#include "build_settings.h"
#include "design/design_record.h"

namespace zq::calculator {

namespace {

using layout::Align;
using layout::Control;
using layout::Font;
using layout::Kind;

constexpr std::string_view kSpec = "?SPECTAB";
constexpr std::string_view kHelp = "?HELPTAB";

const std::string kCaption = std::string(zq::build::kProductTitle) + " " + zq::build::kVersion;

constexpr Font kHeadingFont{.points = 12, .bold = true, .color = "navy"};
constexpr Font kButtonFont{.points = 10, .bold = true, .color = "navy"};

// Prompts of the left column sit at x = 106, of the right column at x = 319,
// each running up to its field.
constexpr Control left_prompt(std::string_view label, std::string_view text, int y, bool bold = false) {
  return {.label = label, .kind = Kind::Text, .text = text, .rect = {106, y, 134, 10}, .font = {.bold = bold},
          .parent = kSpec};
}
constexpr Control right_prompt(std::string_view label, std::string_view text, int y, bool bold = false,
                               int width = 124) {
  return {.label = label, .kind = Kind::Text, .text = text, .rect = {319, y, width, 10}, .font = {.bold = bold},
          .parent = kSpec};
}
// A value field named by its prompt. Only the fields meant to be worked
// through with the keyboard are Tab stops; the rest are reached by mouse.
constexpr Control field(std::string_view value, std::string_view prompt, int x, int y, bool bold, bool tab_stop,
                        std::string_view tip = {}) {
  return {.label = value, .kind = Kind::Entry, .rect = {x, y, 60, 9}, .font = {.bold = bold}, .tip = tip,
          .parent = kSpec, .name_from = prompt, .align = Align::Right, .tab_stop = tab_stop};
}
constexpr Control hidden(Control control) {
  control.hidden = true;
  return control;
}
constexpr Control strip_button(std::string_view label, std::string_view text, int y, int height = 15,
                               std::string_view tip = {}, std::string_view key = {}, Font font = kButtonFont) {
  return {.label = label, .kind = Kind::Button, .text = text, .rect = {19, y, 71, height}, .font = font, .tip = tip,
          .key = key, .parent = kSpec};
}

constexpr std::string_view kTipF = "Enter the Centre Frequency in Megahertz. \nMaximum of 3 decimal points.";
constexpr std::string_view kTipCD = "Enter the outside diameter of the cylinder in inches";
constexpr std::string_view kTipLD =
    "The L/D Ratio and the Diameter are used to\ncalculate the primary Capacitance in pfd, the\n"
    "reactance in Ohms, the 3db bandwidth and the\n'Q' of the antenna.";
constexpr std::string_view kTipMBW =
    "Measured bandwidth in kHz is the 2:1 VSWR\nreading either side of the minimum VSWR.";
constexpr std::string_view kTipSCWD =
    "Normally the same diameter as the Tuning Coil. \nHowever, you may vary to suit.";
constexpr std::string_view kTipSCI =
    "The lower (tapped) section of the tuning coil must be\nresonated at the working frequency to transfer energy\n"
    "efficiently to the antenna. With the inductance calculated\nwe can work out what size capacitor we need.";
constexpr std::string_view kTipWD = "Decimal diameter. eg 1/8th\" would be .125";
constexpr std::string_view kTipSP =
    "Close wound coils are usually spaced the same\ndiameter as the wire diameter.";
constexpr std::string_view kTipFAC =
    "The multiplier of the Cylinder to Coil capacitance.\nThis figure cannot be calculated accurately but\n"
    "is loosley based on the Self Capacitance of the\nCoil which is calculated using Medhurts's Expression..";
constexpr std::string_view kTipFACMetric =
    "Option to change the programme to match the\nfinal number of turns required to your completed\n"
    "and tested ZQ before sending report to programmer.";
constexpr std::string_view kTipCL =
    "To calculate the size correctly we need to click \nthis field to regenerate the inductance and \n"
    "re-calculate the coil size.";
constexpr std::string_view kTipRecalc =
    "Initial factor is 2. This divides the cylinder capacitance\nby 2 to recalculate the coil size. That will also\n"
    "recalculate the coil inductance.\n\nUse a number that give the number of turns you\nhave used to make the "
    "system work. Then OK\nto SAVE.";
constexpr std::string_view kTipSave =
    "Saves the file with the name like 726.ini\n7 = frequency in mhz\n2 = cylinder diameter in inches\n"
    "6 = diameter to length ratio\nAn 'M' first letter denotes Metric calculations.";

const Control kImperialControls[] = {
    // The panel across the top and the sheet with its two tabs.
    {.label = "?PANEL1", .kind = Kind::Panel, .rect = {5, 1, 520, 22}},
    {.label = "?TITLE", .kind = Kind::Text, .text = "ZQ Antenna Calculations... Imperial", .rect = {12, 4, 330, 17},
     .font = {.family = "Arial Rounded MT Bold", .points = 16}},
    {.label = kSelectButton, .kind = Kind::Button, .text = "Select Antenna", .rect = {440, 5, 80, 15}},
    {.label = kSheet, .kind = Kind::Sheet, .rect = {5, 24, 521, 296}},
    {.label = kSpec, .kind = Kind::Tab, .text = "   Specifications", .parent = kSheet},
    {.label = kHelp, .kind = Kind::Tab, .text = "   Help", .parent = kSheet},

    // Specifications, left column.
    {.label = "?CYLHEADING", .kind = Kind::Text, .text = "Cylinder Specifications", .rect = {106, 37, 196, 11},
     .font = kHeadingFont, .parent = kSpec},
    left_prompt("?P_F", "Enter the Frequency in Megahertz", 49, true),
    field("F", "?P_F", 242, 49, true, true, kTipF),
    left_prompt("?P_CD", "Enter Cylinder  diameter :", 60, true),
    field("CD", "?P_CD", 242, 60, true, true, kTipCD),
    left_prompt("?P_LD", "Enter desired Length/Diameter Ratio", 71, true),
    field("LD", "?P_LD", 242, 71, true, true, kTipLD),
    left_prompt("?P_CCL", "Length of cylinder :", 82, true),
    field("CCL", "?P_CCL", 242, 82, true, false),
    left_prompt("?P_C", "Calculated Cylinder Capacitance pFd:", 93),
    field("C", "?P_C", 242, 93, false, false),
    left_prompt("?P_TL", "Total Length of Antenna :", 105),
    field("TL", "?P_TL", 242, 105, false, false),
    left_prompt("?P_PWL", "Length as a % of wave length:", 115),
    field("PWL", "?P_PWL", 242, 115, false, false),
    left_prompt("?P_BW", "+-3db Bandwidth in kHz", 126),
    field("BW", "?P_BW", 242, 126, false, false),
    left_prompt("?P_MBW", "2:1 VSWR Bandwidth in kHz", 137),
    field("MBW", "?P_MBW", 242, 137, true, false, kTipMBW),
    left_prompt("?P_Q", "'Q' = :", 148),
    field("Q", "?P_Q", 242, 148, false, false),
    left_prompt("?P_ARR", "Assumed Radiation Resistance:", 158),
    {.label = "ARR", .kind = Kind::Text, .rect = {261, 158, 40, 10}, .parent = kSpec, .name_from = "?P_ARR",
     .align = Align::Right},
    left_prompt("?P_MRR", "Calcuated Radiation Resistance:", 170),
    field("MRR", "?P_MRR", 242, 170, false, false),
    left_prompt("?P_V", "Variance in Measured RR", 181),
    field("V", "?P_V", 242, 181, false, false),
    left_prompt("?P_AE", "Antenna Efficiency", 192),
    field("AE", "?P_AE", 242, 192, false, false),
    left_prompt("?P_DBL", "Loss in DB", 203),
    field("DBL", "?P_DBL", 242, 203, false, false),
    hidden(left_prompt("?P_SCWD", "Source Coil Wire Diameter", 216)),
    hidden(field("SCWD", "?P_SCWD", 240, 216, false, false, kTipSCWD)),
    {.label = "?SOURCEHEADING", .kind = Kind::Text, .text = "Source Capacitor Calculations",
     .rect = {106, 228, 196, 11}, .font = {.points = 10, .bold = true, .color = "navy"}, .parent = kSpec},
    left_prompt("?P_SCD", "Source Coil Diameter:", 240, true),
    field("SCD", "?P_SCD", 242, 240, true, false),
    left_prompt("?P_CT", "Set Ratio of Tap 'L' to Coil 'L':", 251),
    {.label = "CT", .kind = Kind::Spin, .rect = {257, 251, 45, 9}, .parent = kSpec, .name_from = "?P_CT",
     .spin = {1, 50, 1}, .align = Align::Right},
    left_prompt("?P_SCI", "Source Coil Inductance in uH", 262),
    field("SCI", "?P_SCI", 242, 262, false, false, kTipSCI),
    left_prompt("?P_SCT", "Tapped from Bottom:", 274),
    field("SCT", "?P_SCT", 242, 274, false, false),
    left_prompt("?P_MC", "Source Capacitor to Match in pFd:", 285),
    field("MC", "?P_MC", 242, 285, false, true),
    left_prompt("?P_XSC", "Source Coil Reactance", 296),
    field("XSC", "?P_XSC", 242, 296, false, false),

    // Specifications, right column.
    {.label = "?COILHEADING", .kind = Kind::Text, .text = "Tuning Coil Specifications",
     .rect = {319, 37, 190, 11}, .font = kHeadingFont, .parent = kSpec},
    right_prompt("?P_WD", "Enter the Wire Diameter :", 49, true),
    field("WD", "?P_WD", 445, 49, true, true, kTipWD),
    right_prompt("?P_SP", "Enter Spacing :", 60, true),
    field("SP", "?P_SP", 445, 60, true, true, kTipSP),
    right_prompt("?P_CCD", "Enter the Coil Diameter :", 71, true),
    field("CCD", "?P_CCD", 445, 71, true, true),
    right_prompt("?P_TPI", "Calculated Turns per ", 82, false, 69),
    {.label = "?TPIUNIT", .kind = Kind::Text, .text = "Inch", .rect = {388, 82, 30, 10}, .parent = kSpec},
    field("TPI", "?P_TPI", 445, 82, false, false),
    right_prompt("?P_EWC", "Cyl to Coil Capacitance in pFd ", 93),
    field("EWC", "?P_EWC", 445, 93, false, false),
    right_prompt("?P_ECC", "Coil Self Capacitance in pFd", 104),
    field("ECC", "?P_ECC", 445, 104, false, false),
    right_prompt("?P_FAC", "Modify Cyl to Coil Capacitance:", 115, true),
    {.label = "FAC", .kind = Kind::Spin, .rect = {460, 115, 45, 9}, .tip = kTipFAC, .parent = kSpec,
     .name_from = "?P_FAC", .spin = {0.1, 20, 0.05}, .align = Align::Right},
    right_prompt("?P_TCC", "Total Calculated Capacitance in pFd", 126),
    field("TCC", "?P_TCC", 445, 126, false, true),
    right_prompt("?P_XC", "Total Reactance (Xc) in Ohms", 137),
    field("XC", "?P_XC", 445, 137, false, false),
    right_prompt("?P_CI", "Coil Inductance in uH", 148),
    field("CI", "?P_CI", 445, 148, false, false),
    right_prompt("?P_XL", "Coil Reactance (Xl) in Ohms", 159),
    field("XL", "?P_XL", 445, 159, false, true),
    right_prompt("?P_NT", "Number of Turns required", 170),
    field("NT", "?P_NT", 445, 170, false, false),
    right_prompt("?P_CL", "Coil Length :", 180),
    field("CL", "?P_CL", 445, 180, false, false, kTipCL),
    right_prompt("?P_LW", "Length of wire required in Inches", 192),
    field("LW", "?P_LW", 445, 192, false, false),
    right_prompt("?P_WR", "Wire Resistance in ohms:", 203),
    field("WR", "?P_WR", 445, 203, false, false),
    right_prompt("?P_RF", "Resonant Frequency:", 214),
    field("RF", "?P_RF", 445, 214, false, true),
    {.label = kRecalcButton, .kind = Kind::Button, .text = "Click on this button to recalculate after making changes",
     .rect = {319, 230, 187, 19}, .font = kButtonFont, .tip = kTipRecalc, .key = "F3", .parent = kSpec},
    {.label = "?COILNOTE", .kind = Kind::Text,
     .text = "All coil dimensions are based on spacing specified. Linear dimensions are in inches. Most entry "
             "fields have 'mouse over' help. All coils use the same coil and  wire diameter and spacing.",
     .rect = {319, 250, 187, 33}, .parent = kSpec},
    hidden({.label = "?P_SCL", .kind = Kind::Text, .text = "Tapped coil length :", .rect = {384, 294, 60, 10},
            .parent = kSpec}),
    hidden(field("SCL", "?P_SCL", 322, 294, false, false)),
    hidden({.label = "?P_SCWL", .kind = Kind::Text, .text = "Tapped Coil Wire Length :",
            .rect = {381, 294, 60, 10}, .parent = kSpec}),
    hidden(field("SCWL", "?P_SCWL", 317, 294, false, false)),
    {.label = kUnitLine, .kind = Kind::Text, .text = "Linear measurements are in Inches",
     .rect = {316, 304, 193, 11}, .font = {.points = 11, .bold = true, .color = "red"}, .parent = kSpec,
     .align = Align::Center},

    // The left strip.
    {.label = "?BOLDNOTE", .kind = Kind::Text,
     .text = "Entries in Bold are those you can change. All others are read only.", .rect = {19, 57, 74, 36},
     .parent = kSpec},
    {.label = "?LOGO", .kind = Kind::Picture, .text = "ZQ_logo_small.gif", .rect = {19, 90, 71, 87},
     .parent = kSpec},
    strip_button(kSaveButton, "SAVE", 178, 18, kTipSave, "F2"),
    {.label = kNameBox, .kind = Kind::Entry, .rect = {19, 197, 71, 11}, .font = {.family = "Arial", .points = 9},
     .format = "s20", .parent = kSpec},
    strip_button(kPrintButton, "Print/View", 210, 15, "You MUST save first to print"),
    strip_button(kEmailReportButton, "email Report", 225, 15, "Uses Outlook for email. Other mailers may not work.",
                 {}, Font{}),
    strip_button(kForumButton, "ZQ Forum", 242, 15, {}, "F8", Font{}),
    strip_button(kExcelButton, "Open Excel", 257, 15, "Comparison of your designs in Excel spreadsheet."),
    strip_button(kEmailResultsButton, "Email Results", 273),
    strip_button(kCloseButton, "Close", 292, 18),

    // Help tab.
    {.label = "?HELPFRAME", .kind = Kind::Group, .text = "General Help File", .rect = {11, 66, 257, 228},
     .parent = kHelp, .align = Align::Center},
    {.label = kHelpText, .kind = Kind::ScrollText, .rect = {18, 90, 243, 98}, .parent = kHelp},
    {.label = "?HELPNOTE1", .kind = Kind::Text,
     .text = "The components of this ZQ version are listed on the right to clarify the terms used on the design "
             "page. For a fuller understanding of the ZQ antenna, read the designer's design book, which can be "
             "downloaded from the ZQ Forum.",
     .rect = {18, 197, 245, 47}, .parent = kHelp},
    {.label = "?HELPNOTE2", .kind = Kind::Text,
     .text = "Overall length of antenna is calculated as Cylinder Length * 2, plus Cylinder Diameter. The tuning "
             "coil is placed centrally between the cylinders.",
     .rect = {17, 244, 245, 34}, .parent = kHelp},
    {.label = kHelpForumButton, .kind = Kind::Button, .text = "Click to log onto the ZQ Forum",
     .rect = {12, 297, 256, 18}, .font = kButtonFont, .parent = kHelp},
    {.label = "?HELPRIGHT1", .kind = Kind::Text,
     .text = "This ZQ design is based on having no Phase Coil. The Source Coil is part of the Tuning Coil. Its "
             "inductance is 1/40th of the total inductance of the tuning coil. The foumulas used are standard "
             "well known forumula as found in our handbooks.",
     .rect = {286, 40, 221, 42}, .parent = kHelp},
    {.label = "?HELPRIGHT2", .kind = Kind::Text,
     .text = "The Capacitance shown on the right is the total capacitance of the two cylinders, the inherent "
             "capacitance of the tuning coil and the capacitance between the tuning coil and the cylinders.",
     .rect = {286, 84, 221, 30}, .parent = kHelp},
    {.label = "?HELPRIGHT3", .kind = Kind::Text,
     .text = "The Variable capacitor can be a wire passed down the inside edge of both cylinders. By varying the "
             "amount of projection into the lower cylinder we can increase the capacitance between the cylinder "
             "to lower the resonant frequency of the antenna.",
     .rect = {286, 116, 221, 40}, .parent = kHelp},
    {.label = "?HELPRIGHT4", .kind = Kind::Text,
     .text = "The fixed capacitor is calculated to resonate the source coil at the required frequency and balance "
             "out any undesired reactance.",
     .rect = {286, 158, 221, 22}, .parent = kHelp},
    {.label = "?HELPRIGHT5", .kind = Kind::Text, .text = "The resistance is the Radiation Resistance.",
     .rect = {286, 181, 221, 10}, .parent = kHelp},
    {.label = "?SCHEMATIC", .kind = Kind::Picture, .text = "ZQSchematic.bmp", .rect = {287, 194, 201, 120},
     .parent = kHelp},
};

// The metric window: other texts, the rows rearranged, no tap-ratio row, and
// one radiation-resistance row in place of the assumed and calculated ones.
const ControlChange kMetricChanges[] = {
    {.label = "?TITLE", .text = "ZQ Antenna Calculations... Metric"},
    {.label = kUnitLine, .text = "Linear measurements are in mm"},
    {.label = "?CYLHEADING", .height = 13},
    {.label = "?P_XC", .x = 106, .y = 104, .width = 134, .text = "Reactance (Xc) in Ohms"},
    {.label = "XC", .x = 242, .y = 104},
    {.label = "?P_BW", .y = 115},
    {.label = "BW", .y = 115},
    {.label = "?P_MBW", .y = 126},
    {.label = "MBW", .y = 126},
    {.label = "?P_Q", .y = 137},
    {.label = "Q", .y = 137},
    {.label = "?P_TL", .y = 148},
    {.label = "TL", .y = 148},
    {.label = "?P_PWL", .y = 159},
    {.label = "PWL", .y = 159},
    {.label = "?P_ARR", .remove = true},
    {.label = "ARR", .remove = true},
    {.label = "?P_MRR", .remove = true},
    {.label = "MRR", .y = 170},
    {.label = "?SOURCEHEADING", .y = 217, .height = 13},
    {.label = "?P_SCD", .y = 229},
    {.label = "SCD", .y = 229},
    {.label = "?P_SCWD", .x = 105, .y = 240},
    {.label = "SCWD", .x = 241, .y = 240},
    {.label = "?P_CT", .remove = true},
    {.label = "CT", .remove = true},
    {.label = "?P_SCI", .x = 105, .y = 252},
    {.label = "SCI", .x = 241, .y = 252},
    {.label = "?P_SCT", .x = 105, .y = 263},
    {.label = "SCT", .x = 241, .y = 263},
    {.label = "?P_MC", .x = 105, .y = 274},
    {.label = "MC", .x = 241, .y = 274},
    {.label = "?P_XSC", .x = 105, .y = 285},
    {.label = "XSC", .x = 241, .y = 285},
    {.label = "?COILHEADING", .y = 40, .height = 13},
    {.label = "?P_WD", .y = 54},
    {.label = "WD", .y = 54},
    {.label = "?P_SP", .y = 65},
    {.label = "SP", .y = 65},
    {.label = "?P_CCD", .y = 76},
    {.label = "CCD", .y = 76},
    {.label = "?P_TPI", .y = 87},
    {.label = "?TPIUNIT", .x = 394, .y = 87, .width = 30, .height = 10, .text = "cm"},
    {.label = "TPI", .y = 87},
    {.label = "?P_EWC", .y = 98, .text = "Cylinders to Coil Capacitance in pFd"},
    {.label = "EWC", .y = 98},
    {.label = "?P_ECC", .y = 109, .text = "Estimated Coil Capacitance in pFd"},
    {.label = "ECC", .y = 109},
    {.label = "?P_FAC", .y = 120, .text = "Spin Capacitance Factor (try 1.75)"},
    {.label = "FAC", .y = 120, .tip = kTipFACMetric},
    {.label = "?P_TCC", .y = 132, .text = "Total Calculated Capacitance:"},
    {.label = "TCC", .y = 132},
    {.label = "?P_CI", .y = 144},
    {.label = "CI", .y = 144},
    {.label = "?P_XL", .y = 156},
    {.label = "XL", .y = 156},
    {.label = "?P_NT", .y = 168},
    {.label = "NT", .y = 168},
    {.label = "?P_LW", .text = "Length of wire required in mm"},
    {.label = "?P_WR", .y = 204},
    {.label = "WR", .y = 204},
    {.label = "?P_RF", .y = 216},
    {.label = "RF", .y = 216},
};

// Inserted before the calculated radiation resistance, which they name.
const Control kMetricAdditions[] = {
    left_prompt("?P_RR", "Radiation Resistance based on:", 170),
    {.label = "RR", .kind = Kind::Text, .rect = {201, 170, 40, 10}, .parent = kSpec, .name_from = "?P_RR",
     .align = Align::Right},
};

constexpr std::string_view kHelpTextValue =
    "Just follow the prompts. On each entry field there is a popup to tell about the field. After enterin"
    "g the wire size and spacing, click on the ReCalc button. This causes a looping through several calcu"
    "lations to get the final coil inductance and size. After making and testing your antenna, if you fin"
    "d that the coil turns generated are different to what you have found to provide maximum output with "
    "lowest VSWR, then change the Factor field until you get the number of turns on your completed antenn"
    "a. Initially this will a factor of 2. Use decimal points to get to the closest number of turns. Emai"
    "l this information to me from the main form, bottom left.The above information is required to get a "
    "truer picture of the factor we need to use to get the final release of this programme accurate. It i"
    "s a chicken before the egg situation. Initially we do not know the size of the inductance required f"
    "or resonance, so we insert a guestimate. Then we refine it by setting a factor. This then gives us t"
    "he correct inductance, coil length and number of turns. So we need your help to complete the final p"
    "roject.";

bool is_value_control(const Control& control) {
  return (control.kind == Kind::Entry || control.kind == Kind::Spin || control.kind == Kind::Text) &&
         find_value(control.label) != nullptr;
}

// Gives every value control its value's display format in the window of `units`.
void apply_formats(std::vector<Control>& controls, UnitSystem units) {
  for (Control& control : controls) {
    if (!is_value_control(control)) continue;
    const ValueInfo* info = find_value(control.label);
    const char* format = units == UnitSystem::Metric && info->metric_display ? info->metric_display : info->display;
    if (format) control.format = format;
  }
}

std::vector<Control> metric_controls() {
  std::vector<Control> controls;
  for (const Control& base : kImperialControls) {
    Control control = base;
    bool removed = false;
    for (const ControlChange& change : kMetricChanges) {
      if (change.label != control.label) continue;
      removed = removed || change.remove;
      if (change.x >= 0) control.rect.x = change.x;
      if (change.y >= 0) control.rect.y = change.y;
      if (change.width >= 0) control.rect.width = change.width;
      if (change.height >= 0) control.rect.height = change.height;
      if (!change.text.empty()) control.text = change.text;
      if (!change.tip.empty()) control.tip = change.tip;
      if (!change.format.empty()) control.format = change.format;
    }
    if (control.label == "MRR") {
      for (const Control& added : kMetricAdditions) controls.push_back(added);
      control.name_from = "?P_RR";
    }
    if (!removed) controls.push_back(control);
  }
  return controls;
}

struct BuiltTables {
  std::vector<Control> controls;
  layout::WindowLayout layout;
  std::vector<std::string_view> values;
};

BuiltTables make_tables(UnitSystem units) {
  BuiltTables tables;
  tables.controls = units == UnitSystem::Metric
                        ? metric_controls()
                        : std::vector<Control>(std::begin(kImperialControls), std::end(kImperialControls));
  apply_formats(tables.controls, units);
  for (Control& control : tables.controls) {
    if (control.label == kHelpText) control.text = kHelpTextValue;
    if (is_value_control(control)) tables.values.push_back(control.label);
  }
  tables.layout = layout::WindowLayout{.caption = kCaption,
                                       .size = {529, 324},
                                       .font = {"Arial", 8},
                                       .icon = "MILNM.ICO",
                                       .resizable = false,
                                       .controls = tables.controls};
  return tables;
}

const BuiltTables& tables(UnitSystem units) {
  static const BuiltTables imperial = make_tables(UnitSystem::Imperial);
  static const BuiltTables metric = make_tables(UnitSystem::Metric);
  return units == UnitSystem::Metric ? metric : imperial;
}

}  // namespace

std::string_view procedure_name(UnitSystem units) {
  return units == UnitSystem::Metric ? kMetricProcedure : kImperialProcedure;
}

std::string_view help_text() { return kHelpTextValue; }

const layout::WindowLayout& calculator_layout(UnitSystem units) { return tables(units).layout; }

std::span<const ControlChange> metric_changes() { return kMetricChanges; }
std::span<const layout::Control> metric_additions() { return kMetricAdditions; }

std::span<const std::string_view> shown_values(UnitSystem units) { return tables(units).values; }

}  // namespace zq::calculator
