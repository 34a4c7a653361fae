#pragma once
// zqcalc --report FILE.rtf: the rich-text document that the report mail
// carries, written for a word processor.
#include <iosfwd>
#include <string>

namespace zq::report {
class PictureSource;
}

namespace zq::cli {

// True when the file name asks for the rich-text document (".rtf" in any case).
bool is_rtf_report_name(const std::string& file);

// Composes the report of `design_file` as PrintZQ reads it, renders its page
// images and writes them into `rtf_file` as the report mail's document does.
// 0 on success, 1 when the page images or the document cannot be written.
int write_report_rtf(const std::string& design_file, const std::string& rtf_file, std::ostream& err);

// The pictures the report draws (logo, schematic); none until one is installed.
void set_report_pictures(const report::PictureSource* pictures);
// zqcalc built with the desktop library: the embedded pictures (cli/qt).
void install_embedded_report_pictures();

}  // namespace zq::cli
