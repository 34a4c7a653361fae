#include "output/design_report.h"

#include <ctime>
#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>

namespace zq::report {
namespace {

using RV = ReportValues;

const ReportValueInfo kReportValues[] = {
    {"F", 9, 4, &RV::F},       {"CD", 9, 3, &RV::CD},   {"LD", 9, 3, &RV::LD},
    {"CCL", 9, 3, &RV::CCL},   {"C", 9, 3, &RV::C},     {"XC", 9, 3, &RV::XC},
    {"MRR", 7, 3, &RV::MRR},   {"BW", 9, 3, &RV::BW},   {"Q", 9, 3, &RV::Q},
    {"TL", 9, 3, &RV::TL},     {"CCD", 9, 3, &RV::CCD}, {"CI", 9, 3, &RV::CI},
    {"NT", 9, 3, &RV::NT},     {"CL", 9, 3, &RV::CL},   {"LW", 9, 3, &RV::LW},
    {"EWC", 9, 3, &RV::EWC},   {"ECC", 9, 3, &RV::ECC}, {"TCC", 9, 3, &RV::TCC},
    {"SCD", 9, 3, &RV::SCD},   {"SCT", 9, 3, &RV::SCT}, {"SCI", 9, 3, &RV::SCI},
    {"MC", 11, 2, &RV::MC},    {"WD", 7, 4, &RV::WD},   {"SP", 7, 4, &RV::SP},
};

// A design file's value text as a number: blanks skipped, "." or "," as the
// point, anything after the number ignored; empty or non-numeric text is 0.
Decimal file_number(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  auto n = scan_number(text, true);
  return n ? n->value : Decimal(0);
}

const Font kArial10{"Arial", 10, false};
const Font kArial10Bold{"Arial", 10, true};
const Font kArial8Bold{"Arial", 8, true};
const Font kRounded18Bold{"Arial Rounded MT Bold", 18, true};
const Font kRounded18{"Arial Rounded MT Bold", 18, false};

Element text(std::string s, int x, int y, const Font& font = kArial10, int w = 0, int h = 0) {
  Element e;
  e.kind = ElementKind::Text;
  e.rect = {x, y, w, h};
  e.text = std::move(s);
  e.font = font;
  return e;
}

Element number(const Field& value, const std::string& picture, int x, int y, const Font& font,
               int w = 0, int h = 0) {
  const DisplayPicture p = parse_display_picture(picture);
  Element e;
  e.kind = ElementKind::Number;
  e.rect = {x, y, w ? w : p.width * kPictureCharWidth, h};
  e.text = format_number(value.value(), p);
  e.font = font;
  e.align = Align::Right;
  e.picture = picture;
  return e;
}

Element frame(ElementKind kind, std::string caption, int x, int y, int w, int h) {
  Element e;
  e.kind = kind;
  e.rect = {x, y, w, h};
  e.text = std::move(caption);
  return e;
}

Element picture(std::string name, int x, int y, int w, int h) {
  Element e;
  e.kind = ElementKind::Picture;
  e.rect = {x, y, w, h};
  e.text = std::move(name);
  return e;
}

struct LabelledValue {
  const char* label;
  int lx, ly;
  Field ReportValues::*value;
  const char* picture;
  int vx, vy;
};

const LabelledValue kLabelledValues[] = {
    {"Cylinder Diameter", 4771, 865, &RV::CD, "n-10.3", 6021, 865},
    {"Length to Diameter Ratio", 4344, 1052, &RV::LD, "n-10.3", 6021, 1052},
    {"Cylinder Length", 4906, 1240, &RV::CCL, "n-10.3", 6021, 1240},
    {"Cylinder Spacing", 4823, 1427, &RV::CD, "n-8.3", 6146, 1427},
    {"Cylinder Capacitance in pFd", 4146, 1615, &RV::C, "n-11.3", 5938, 1615},
    {"Reactance (XC) Ohms", 4500, 1802, &RV::XC, "n-11.3", 5938, 1802},
    {"Radiation Resistance Ohms", 4156, 1979, &RV::MRR, "n-10.2", 6010, 1979},
    {"+/- 3db Bandwidth in kHz", 4323, 2156, &RV::BW, "n-10", 5990, 2156},
    {"Antenna 'Q'", 5156, 2333, &RV::Q, "n-11.3", 5938, 2333},
    {"Antenna Length", 4896, 2510, &RV::TL, "n-11.3", 5938, 2510},
    {"Tuning Coil Diameter", 4563, 2938, &RV::CCD, "n-11.3", 5938, 2938},
    {"Tuning Coil Inductance uH", 4240, 3146, &RV::CI, "n-11.3", 5938, 3146},
    {"Number of Turns", 4823, 3354, &RV::NT, "n-11.3", 5938, 3354},
    {"Coil Length", 5135, 3563, &RV::CL, "n-11.3", 5938, 3563},
    {"Coil Wire Length", 4813, 3771, &RV::LW, "n-11.3", 5938, 3771},
    {"Variable Capacitor in pFd", 4292, 3979, &RV::TEC, "n-11.3", 5938, 3979},
    {"Total Capacitance", 4729, 4177, &RV::TCC, "n-11.3", 5938, 4177},
    {"Source Coil Diameter", 4531, 4688, &RV::SCD, "n-11.3", 5938, 4688},
    {"Source Coil Tap Position:", 4260, 4896, &RV::SCT, "n-11.3", 5938, 4896},
    {"Source Coil Inductance in uH:", 4021, 5083, &RV::SCI, "n-10.3", 6021, 5083},
    {"Source Capacitor in pFd:", 4313, 5292, &RV::MC, "n-11.3", 5938, 5292},
    {"Wire diameter for all Coils", 396, 4677, &RV::WD, "n-9.4", 2104, 4667},
    {"Wire Spacing for Coils", 396, 4854, &RV::SP, "n-9.4", 2104, 4854},
};

struct Note {
  int x, y;
  const char* text;
};

// Written as they stand on the printed page, "Freg" and the doubled full stop included.
const Note kNotes[] = {
    {375, 5583, "Cylinders should be made from non ferrous metals to reduce losses."},
    {375, 5781, "Spacing between cylinders is critical to success."},
    {375, 5979, "Tuning Coil is spaced equally between cylinders."},
    {375, 6177, "Wire from bottom of Tuning Coil must connect to the top edge of the lower cylinder."},
    {375, 6375, "Wire from top of Tuning Coil must connect to the lower edge of the top cylinder.."},
    {375, 6563, "If Coil length is too long for gap between cylinders use larger diameter coil and recalculate."},
    {385, 6771, "Source Capacitor is fixed capacitance. Spread source windings below tap for exact match."},
    {385, 6969, "Suggestion for Variable Capacitor is a wire parallel to but insulated from the inside of both cylinders."},
    {385, 7167, "Capacity is increased by moving wire further into lower cylinder thus lowering the resonant frequency."},
    {385, 7365, "Suggestion is to set initial Freq around 5% higher than required. Variable Cap will lower  Freg to suit."},
    {385, 7563, "Coil formers (the pipe) should be tested in a microwave oven for heating with RF excitation."},
    {385, 7760, "If it gets hot in the MW then do not use it as it is absorbing RF energy."},
    {385, 7958, "When completed the entire antenna should be waterproofed."},
    {385, 8156, nullptr},  // the closing note
};

}  // namespace

const char* const kClosingNote =
    "See the designer's ZQ antenna book for setting up the antenna for maximum radiation and minimum VSWR.";

ReportValues::ReportValues() {
  for (const ReportValueInfo& info : kReportValues)
    (this->*info.member).set_format(ValueKind::Fixed, info.digits, info.places);
  TEC.set_format(ValueKind::Fixed, 9, 3);
}

const Field* ReportValues::find(std::string_view name) const {
  if (name == "TEC") return &TEC;
  for (const ReportValueInfo& info : kReportValues)
    if (name == info.key) return &(this->*info.member);
  return nullptr;
}

std::span<const ReportValueInfo> report_value_table() { return kReportValues; }

ReportClock system_report_clock() {
  ReportClock clock;
  clock.today = [] {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
  };
  clock.short_date = [](std::chrono::year_month_day d) {
    std::tm t{};
    t.tm_year = static_cast<int>(d.year()) - 1900;
    t.tm_mon = static_cast<int>(static_cast<unsigned>(d.month())) - 1;
    t.tm_mday = static_cast<int>(static_cast<unsigned>(d.day()));
    // The user's date format (LC_TIME, LANG), not the C library's default.
    std::locale user = std::locale::classic();
    try {
      user = std::locale("");
    } catch (const std::runtime_error&) {
      // An environment naming a locale that is not installed: the plain format.
    }
    std::ostringstream out;
    out.imbue(user);
    out << std::put_time(&t, "%x");
    return out.str();
  };
  return clock;
}

ReportValues read_report_values(const DesignKeyReader& read, const ReportClock& clock) {
  ReportValues v;
  for (const ReportValueInfo& info : kReportValues) v.*info.member = file_number(read(info.key));
  v.metric = metric_flag_from(file_number(read("metric")));
  v.TEC = v.EWC.value() + v.ECC.value();
  v.units = v.metric == 1 ? "mm" : "inches";
  if (clock.today && clock.short_date) v.print_date = clock.short_date(clock.today());
  return v;
}

ReportLayout design_report_layout(const ReportValues& v) {
  ReportLayout layout;
  layout.job_name = "Print from queue";
  layout.page_width = 8000;
  layout.page_height = 12440;

  Band header{BandKind::PageHeader, {490, 1021, 7000, 8385}, 0, {}};
  auto& h = header.elements;
  h.push_back(frame(ElementKind::Box, "", 115, 31, 6740, 594));
  h.push_back(text("ZQ Antenna designed for", 323, 177, kRounded18Bold));
  h.push_back(number(v.F, "n-12.4", 3656, 177, kRounded18, 1448, 333));
  h.push_back(text("Mhz", 5260, 177, kRounded18, 688, 333));
  h.push_back(text("All linear measurements are in", 813, 719, kArial8Bold));
  h.push_back(text(v.units, 2635, 719, kArial8Bold, 604, 208));
  h.push_back(picture("ZQ_logo_small.gif", 1458, 1510, 958, 1313));
  h.push_back(picture("ZQSchematic.bmp", 135, 2833, 3302, 1771));
  h.push_back(frame(ElementKind::GroupFrame, "Cylinders", 3885, 677, 2990, 2052));
  h.push_back(frame(ElementKind::GroupFrame, "Tuning Coil", 3885, 2729, 2958, 1719));
  h.push_back(frame(ElementKind::GroupFrame, "Source Coil", 3885, 4479, 2958, 1042));
  for (const LabelledValue& lv : kLabelledValues) {
    h.push_back(text(lv.label, lv.lx, lv.ly));
    h.push_back(number(v.*lv.value, lv.picture, lv.vx, lv.vy, kArial10Bold));
  }
  for (const Note& n : kNotes) h.push_back(text(n.text ? n.text : kClosingNote, n.x, n.y));

  Band detail{BandKind::Detail, {500, 9677, 7000, 292}, 208, {}};
  detail.elements.push_back(text("Print Date:", 281, -10, kArial10, 646, 208));
  detail.elements.push_back(text(v.print_date, 1104, -10, kArial10, 740, 208));

  layout.bands.push_back(std::move(header));
  layout.bands.push_back(std::move(detail));
  layout.bands.push_back(Band{BandKind::PageFooter, {500, 9365, 7000, 167}, 0, {}});
  layout.bands.push_back(Band{BandKind::PageForm, {500, 1000, 7000, 9000}, 0, {}});
  return layout;
}

}  // namespace zq::report
