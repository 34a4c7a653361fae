#pragma once
// zqcalc --report FILE.rtf: the rich-text document that the report mail
// carries, written for a word processor.
#include <iosfwd>
#include <string>

namespace zq::cli {

// True when the file name asks for the rich-text document (".rtf" in any case).
bool is_rtf_report_name(const std::string& file);

// Composes the report of `design_file` as PrintZQ reads it, renders its page
// images (with the pictures and date of the report render hooks) and writes
// them into `rtf_file` as the report mail's document does.
// 0 on success, 1 when the page images or the document cannot be written.
int write_report_rtf(const std::string& design_file, const std::string& rtf_file, std::ostream& err);

}  // namespace zq::cli
