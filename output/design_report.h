#pragma once
// The design report's content: the values PrintZQ reads from a design file,
// and the one-page layout that shows them (headline, three framed groups, wire
// size and spacing, logo, schematic, building notes, print-date line).
#include <chrono>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/design_record.h"
#include "output/report_page.h"

namespace zq::report {

// The report's own copy of every value it shows, each with the report's digits
// and places (which differ from the design record's for CCL, MRR, SCD, SCI, MC).
struct ReportValues {
  Field F, CD, LD, CCL, C, XC, MRR, BW, Q, TL;
  Field CCD, CI, NT, CL, LW, EWC, ECC, TCC;
  Field SCD, SCT, SCI, MC, WD, SP;
  Field TEC;                  // EWC + ECC, "Variable Capacitor in pFd"
  std::uint8_t metric = 0;    // the file's metric value, whole part
  std::string units;          // "mm" or "inches"
  std::string print_date;     // today, in the system's short date format

  ReportValues();
  const Field* find(std::string_view name) const;
};

struct ReportValueInfo {
  const char* key;  // key in section ZQ of the design file
  int digits;
  int places;
  Field ReportValues::*member;
};
// The values read from the design file, in reading order.
std::span<const ReportValueInfo> report_value_table();

// Today's date and how the system writes it short. Tests fix both.
struct ReportClock {
  std::function<std::chrono::year_month_day()> today;
  std::function<std::string(std::chrono::year_month_day)> short_date;
};
// The local date, written in the user's locale date format ("%x" of LC_TIME).
ReportClock system_report_clock();

// Reads the text stored under a key of section ZQ; empty text when the file,
// the section or the key is missing.
using DesignKeyReader = std::function<std::string(std::string_view key)>;

// PrintZQ's reading steps: every value read with its own places (empty or
// non-numeric text is 0), the metric value's whole part, TEC, the units label
// and the print date. Does not touch the process' metric flag; the caller does.
ReportValues read_report_values(const DesignKeyReader& read, const ReportClock& clock);

// The width of one character of a display picture: one digit of the report's
// bold Arial 10 (0.556 em, 77.2 thousandths, rounded up). A value's field is
// its picture's width times this, so the values of a group end within a few
// thousandths of one right edge, inside the narrower frames too.
inline constexpr int kPictureCharWidth = 78;

// The closing building note.
extern const char* const kClosingNote;

// The report's page model for one design.
ReportLayout design_report_layout(const ReportValues& values);

}  // namespace zq::report
