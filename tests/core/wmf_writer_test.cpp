// Page images: the placeable header, the record stream and playback by libwmf.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "output/design_report.h"
#include "output/wmf_writer.h"

namespace zq::report {
namespace {

namespace fs = std::filesystem;

// A small generated picture, 5 x 3 pixels (rows of 15 bytes, so padding shows).
class TestPictures : public PictureSource {
 public:
  std::optional<PictureImage> picture(const std::string& name) const override {
    if (name != "ZQ_logo_small.gif" && name != "ZQSchematic.bmp") return std::nullopt;
    PictureImage img{5, 3, {}};
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x)
        img.rgb.insert(img.rgb.end(), {static_cast<std::uint8_t>(50 * x), static_cast<std::uint8_t>(100 * y), 7});
    return img;
  }
};

int u16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(u16(b, at)) | (static_cast<std::uint32_t>(u16(b, at + 2)) << 16);
}

struct Record {
  std::size_t at;  // offset of the record in the file
  std::uint32_t words;
  int function;
};

ComposedReport typical_report() {
  ReportValues v;
  v.F = Decimal::parse("7.15");
  v.units = "inches";
  v.print_date = "05/03/2026";
  return compose_pages(design_report_layout(v), 1);
}

TEST(PageMetafile, PlaceableHeaderAndRecordStreamAreConsistent) {
  TestPictures pictures;
  const std::vector<std::uint8_t> wmf = page_metafile(typical_report().pages[0], &pictures);
  ASSERT_GT(wmf.size(), 40u);

  // Placeable header: key, handle 0, the page 8000 x 12440 at 1000 per inch, checksum.
  EXPECT_EQ(u32(wmf, 0), kPlaceableKey);
  EXPECT_EQ(u16(wmf, 4), 0);
  EXPECT_EQ(u16(wmf, 6), 0);
  EXPECT_EQ(u16(wmf, 8), 0);
  EXPECT_EQ(u16(wmf, 10), 8000);
  EXPECT_EQ(u16(wmf, 12), 12440);
  EXPECT_EQ(u16(wmf, 14), 1000);
  EXPECT_EQ(u32(wmf, 16), 0u);
  int xor_sum = 0;
  for (int i = 0; i < 10; ++i) xor_sum ^= u16(wmf, 2 * i);
  EXPECT_EQ(u16(wmf, 20), xor_sum);

  // Metafile header: memory metafile, 9 words, version 3, sizes in words.
  const std::size_t h = kPlaceableHeaderSize;
  EXPECT_EQ(u16(wmf, h), 1);
  EXPECT_EQ(u16(wmf, h + 2), 9);
  EXPECT_EQ(u16(wmf, h + 4), 0x0300);
  EXPECT_EQ(u32(wmf, h + 6) * 2, wmf.size() - h);
  const int objects = u16(wmf, h + 10);
  const std::uint32_t max_record = u32(wmf, h + 12);

  std::vector<Record> records;
  for (std::size_t at = h + 18; at < wmf.size();) {
    ASSERT_LE(at + 6, wmf.size());
    const Record r{at, u32(wmf, at), u16(wmf, at + 4)};
    ASSERT_GE(r.words, 3u) << "record at " << at;
    records.push_back(r);
    at += r.words * 2;
    ASSERT_LE(at, wmf.size()) << "record at " << r.at << " runs past the end";
  }
  ASSERT_FALSE(records.empty());
  EXPECT_EQ(records.back().function, 0x0000);
  EXPECT_EQ(records.back().words, 3u);
  std::uint32_t largest = 0;
  int created = 0, dibs = 0;
  for (const Record& r : records) {
    largest = std::max(largest, r.words);
    if (r.function == 0x02FA || r.function == 0x02FB || r.function == 0x02FC) ++created;
    if (r.function == 0x012D) EXPECT_LT(u16(wmf, r.at + 6), objects);  // selects a created object
    if (r.function == 0x0F43) {
      ++dibs;
      const std::size_t bih = r.at + 6 + 22;
      EXPECT_EQ(u32(wmf, bih), 40u);
      EXPECT_EQ(u32(wmf, bih + 4), 5u);
      EXPECT_EQ(u32(wmf, bih + 8), 3u);
      EXPECT_EQ(u16(wmf, bih + 14), 24);
      EXPECT_EQ(r.words * 2, 6u + 22u + 40u + 3u * 16u);  // rows padded to 16 bytes
      // Bottom row first, blue-green-red: the first pixel is (0, 200, 7).
      EXPECT_EQ(wmf[bih + 40], 7);
      EXPECT_EQ(wmf[bih + 41], 200);
      EXPECT_EQ(wmf[bih + 42], 0);
    }
  }
  EXPECT_EQ(largest, max_record);
  EXPECT_EQ(created, objects);
  EXPECT_EQ(dibs, 2);

  const std::string bytes(wmf.begin(), wmf.end());
  EXPECT_THAT(bytes, testing::HasSubstr("ZQ Antenna designed for"));
  EXPECT_THAT(bytes, testing::HasSubstr("Arial Rounded MT Bold"));
}

TEST(PageImages, OneFilePerPageInPageOrderAndPlaybackShowsTheHeadline) {
  const fs::path dir = fs::temp_directory_path() / "zq-wmf-test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  TestPictures pictures;
  ReportValues v;
  const ComposedReport two = compose_pages(design_report_layout(v), 2);
  const auto files = write_page_images(two, &pictures, dir, "run");
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0], dir / "run1.wmf");
  EXPECT_EQ(files[1], dir / "run2.wmf");

  if (std::system("command -v wmf2svg >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "wmf2svg (libwmf-bin) is not installed";
  const fs::path svg = dir / "run1.svg";
  const std::string cmd = "wmf2svg -o '" + svg.string() + "' '" + files[0].string() + "' 2>&1";
  ASSERT_EQ(std::system(cmd.c_str()), 0) << cmd;
  std::ifstream in(svg);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_THAT(text.str(), testing::HasSubstr("ZQ Antenna designed for"));
  EXPECT_THAT(text.str(), testing::HasSubstr("Cylinder Diameter"));
  // The logo plays back at its place: page header 490, 1021 plus 1458, 1510,
  // 958 x 1313 (the SVG is scaled to its width attribute).
  std::smatch m;
  const std::string svg_text = text.str();
  ASSERT_TRUE(std::regex_search(svg_text, m, std::regex("<svg width=\"([0-9.]+)\"")));
  const double scale = std::stod(m[1]) / 8000.0;
  ASSERT_TRUE(std::regex_search(svg_text, m,
                                std::regex("<image x=\"([0-9.]+)\" y=\"([0-9.]+)\" width=\"([0-9.]+)\" "
                                           "height=\"([0-9.]+)\"")));
  EXPECT_NEAR(std::stod(m[1]) / scale, 490 + 1458, 5);
  EXPECT_NEAR(std::stod(m[2]) / scale, 1021 + 1510, 5);
  EXPECT_NEAR(std::stod(m[3]) / scale, 958, 5);
  EXPECT_NEAR(std::stod(m[4]) / scale, 1313, 5);
  fs::remove_all(dir);
}

TEST(PageImages, UnwritableFolderGivesNoFiles) {
  EXPECT_TRUE(write_page_images(typical_report(), nullptr, "/nonexistent/zq", "p").empty());
}

}  // namespace
}  // namespace zq::report
