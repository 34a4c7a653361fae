// What only Windows can answer, run on Windows or under Wine: the real drag
// setting through start-up, the settings file in the Windows directory, design
// files against the system's own profile functions, short paths, the log
// appended while another program holds it open, file names Windows refuses,
// and member calls by name on a scriptable COM object.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/startup.h"
#include "cli/zqcalc.h"
#include "platform/drag_setting.h"
#include "platform/error_manager.h"
#include "platform/file_append.h"
#include "platform/spreadsheet.h"
#include "platform/working_folder.h"
#include "settings/settings_location.h"
#include "settings/settings_manager.h"
#include "storage/comparison_log.h"
#include "storage/design_file.h"
#include "storage/profile_file.h"
#include "tests/core/checked_designs.h"
#include "tests/core/storage_support.h"

namespace zq {
namespace {

namespace fs = std::filesystem;
using testing::RecordingView;

// A fresh folder with a long name holding blanks, made the working folder.
class WindowsFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    before_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("ZQ Windows Test Folder " + std::to_string(GetCurrentProcessId()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
  }
  void TearDown() override {
    fs::current_path(before_);
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }
  fs::path dir_, before_;
};

std::uint32_t system_drag_value() {
  BOOL value = FALSE;
  SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &value, 0);
  return static_cast<std::uint32_t>(value);
}

void set_system_drag_value(std::uint32_t value) {
  SystemParametersInfoA(SPI_SETDRAGFULLWINDOWS, value, nullptr, SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
}

std::string profile_string(const char* section, const char* key, const fs::path& file) {
  char buffer[512] = {};
  GetPrivateProfileStringA(section, key, "<missing>", buffer, sizeof buffer, file.string().c_str());
  return buffer;
}

// The system's setting, with a count of the writes that went through it.
class CountingDragSetting : public DragSetting {
 public:
  bool available() const override { return system_->available(); }
  std::optional<std::uint32_t> query() override { return system_->query(); }
  void set(std::uint32_t value) override {
    ++writes;
    system_->set(value);
  }
  int writes = 0;

 private:
  std::unique_ptr<DragSetting> system_ = make_system_drag_setting();
};

TEST(WindowsDragSetting, StartUpSwitchesShowingContentsOffAndBackOn) {
  const std::uint32_t original = system_drag_value();
  struct Case { std::uint32_t at_start, while_running, after; int writes; };
  const Case cases[] = {{1, 0, 1, 2},   // switched off while the program runs, on again after
                        {0, 0, 0, 0}};  // off at start: never written
  for (const Case& c : cases) {
    set_system_drag_value(c.at_start);
    CountingDragSetting drag;
    ASSERT_TRUE(drag.available());
    ASSERT_EQ(drag.query(), std::optional<std::uint32_t>(c.at_start));
    ErrorManager errors;
    SettingsManager settings;
    std::uint32_t seen = 99;
    ProgramParts parts{errors, settings, drag, [] {}, [&] { seen = system_drag_value(); }};
    EXPECT_EQ(run_program(parts), 0);
    EXPECT_EQ(seen, c.while_running) << "at start " << c.at_start;
    EXPECT_EQ(system_drag_value(), c.after) << "at start " << c.at_start;
    EXPECT_EQ(drag.writes, c.writes) << "at start " << c.at_start;
  }
  set_system_drag_value(original);
}

TEST(WindowsSettingsFile, LivesInTheWindowsDirectoryWhereTheSystemLooksForIt) {
  char windows[MAX_PATH + 1] = {};
  ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
  EXPECT_EQ(settings_folder(), fs::path(windows));

  SettingsManager settings;
  settings.open(kSettingsFileName);
  EXPECT_EQ(settings.path(), fs::path(windows) / "zq.INI");
  settings.close();
  // The system's profile functions find the same file by its bare name.
  char value[16] = {};
  GetPrivateProfileStringA("__Dont_Touch_Me__", "Sectors", "<missing>", value, sizeof value, "zq.INI");
  EXPECT_STREQ(value, "0");
}

TEST_F(WindowsFolder, ShortPathNamesTheWorkingFolderWithoutBlanks) {
  char long_path[MAX_PATH] = {};
  ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, long_path), 0u);
  char short_path[MAX_PATH] = {};
  ASSERT_GT(GetShortPathNameA(long_path, short_path, MAX_PATH), 0u);
  const std::string folder = working_folder_short_path();
  EXPECT_EQ(folder, short_path);
  EXPECT_EQ(folder.find(' '), std::string::npos) << folder;

  const std::string log = path_in_working_folder("zq.csv");
  EXPECT_EQ(log, folder + "\\zq.csv");
  EXPECT_EQ(log_path_in_working_folder(), log);
  testing::spit(log, "x");
  EXPECT_TRUE(fs::exists(dir_ / "zq.csv"));  // the short and the long name are one folder
}

TEST_F(WindowsFolder, SavedDesignReadsBackThroughTheSystemProfileFunctions) {
  for (UnitSystem units : {UnitSystem::Imperial, UnitSystem::Metric}) {
    CalculatorState state = open_calculator(units);
    for (const auto& [name, value] : testing::kSample) state.record.store(name, Decimal::parse(value));
    state.record.SAVENAME = units == UnitSystem::Imperial ? "Forty metres" : "Forty metres metric";
    RecordingView view;
    ASSERT_EQ(SaveDesign(state, view), SaveOutcome::Saved);
    const fs::path file = dir_ / (state.record.SAVENAME + ".INI");
    ASSERT_TRUE(fs::exists(file));
    for (const char* key : design_save_keys(units))
      EXPECT_EQ(profile_string("ZQ", key, file), *state.record.text(key)) << key;
  }
  // Both saves added a row to the one log.
  EXPECT_TRUE(fs::exists(dir_ / "zq.csv"));
}

TEST_F(WindowsFolder, FileWrittenBySystemProfileFunctionsLoads) {
  const fs::path file = dir_ / "From Elsewhere.ini";
  const std::string path = file.string();
  // Another program's spelling: lower-case section and keys, blanks, quotes.
  WritePrivateProfileStringA("Other", "Owner", "someone", path.c_str());
  WritePrivateProfileStringA("zq", "f", "14.2", path.c_str());
  WritePrivateProfileStringA("zq", "cd", " 2.5 ", path.c_str());
  WritePrivateProfileStringA("zq", "WD", "\"0.125\"", path.c_str());
  WritePrivateProfileStringA("zq", "CT", "0", path.c_str());
  WritePrivateProfileStringA("zq", "metric", "1", path.c_str());
  WritePrivateProfileStringA("zq", "DPS", "4,5", path.c_str());
  WritePrivateProfileStringA("zq", "LD", "3junk", path.c_str());

  CalculatorState state = open_calculator(UnitSystem::Imperial);
  state.DesignPath = path;
  RecordingView view;
  LoadDesign(state, view);
  EXPECT_EQ(state.record.F.value(), Decimal::parse("14.2"));
  EXPECT_EQ(state.record.CD.value(), Decimal::parse("2.5"));
  EXPECT_EQ(state.record.WD.value(), Decimal::parse("0.125"));
  EXPECT_EQ(state.record.DPS.value(), Decimal::parse("4.5"));
  EXPECT_EQ(state.record.LD.value(), Decimal(3));
  EXPECT_EQ(state.record.CT.value(), Decimal(40));   // CT 0 reopens as 40
  EXPECT_EQ(state.record.ARR.value(), Decimal(120));  // missing ARR: 120
  EXPECT_EQ(metric_flag(), 1);
  set_metric_flag(0);
}

TEST_F(WindowsFolder, LogIsAppendedWhileAnotherProgramHoldsItOpen) {
  const fs::path log = dir_ / "zq.csv";
  ASSERT_EQ(append_to_file(log, "head\r\n", "one\r\n"), AppendResult::Created);
  // A spreadsheet program keeps the file open, sharing it for reading and writing.
  HANDLE held = CreateFileW(log.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(append_to_file(log, "head\r\n", "two\r\n"), AppendResult::Appended);
  CloseHandle(held);
  EXPECT_EQ(testing::slurp(log), "head\r\none\r\ntwo\r\n");
}

TEST_F(WindowsFolder, SaveReplacesAnExistingFile) {
  const fs::path file = dir_ / "DESIGN.INI";
  ASSERT_TRUE(replace_file_atomically(file, "[ZQ]\r\nF=1\r\n"));
  ASSERT_TRUE(replace_file_atomically(file, "[ZQ]\r\nF=2\r\n"));
  EXPECT_EQ(testing::slurp(file), "[ZQ]\r\nF=2\r\n");
  EXPECT_EQ(testing::entries_in(dir_), 1u);  // no temporary file left behind
}

TEST(WindowsDesignNames, NamesWindowsCannotHoldAreRefused) {
  for (const char* refused : {"a:b", "a\\b", "a/b", "what?", "a*b", "\"q\"", "<x>", "a|b", "CON", "con.txt",
                              " nul ", "LPT1", "com9"})
    EXPECT_TRUE(design_name_problem(refused).has_value()) << refused;
  for (const char* accepted : {"Forty metres", "console", "com10", "lpt", "a.b.c"})
    EXPECT_FALSE(design_name_problem(accepted).has_value()) << accepted;
}

TEST(WindowsSpreadsheet, MissingExcelIsReportedNotFailedSilently) {
  // Wine has no "Excel.Application"; the outcome names the problem.
  auto spreadsheet = make_system_spreadsheet();
  const SpreadsheetOutcome outcome = spreadsheet->open_workbook("C:\\nowhere\\zq.csv");
  EXPECT_FALSE(outcome.opened);
  EXPECT_EQ(outcome.problem, "Microsoft Excel could not be started.");
}

// The engines use the C library's pow, log10 and double conversions, which
// differ between systems: the same designs must give the same digits here.
TEST(WindowsEngines, WholeDesignsGiveTheCheckedDigits) {
  for (const testing::CheckedDesign& c : testing::checked_designs()) {
    std::ostringstream out, err;
    ASSERT_EQ(cli::run(c.args, out, err), 0) << err.str();
    const fs::path expected = fs::path(ZQ_TEST_DATA_DIR) / "design" / (std::string(c.file) + ".txt");
    ASSERT_TRUE(fs::exists(expected)) << expected;
    std::string text = testing::slurp(expected);
    std::erase(text, '\r');
    EXPECT_EQ(out.str(), text) << c.file;
  }
  set_metric_flag(0);
}

// A member call by name on an automation object: GetIDsOfNames, then Invoke.
HRESULT call_by_name(IDispatch* object, const wchar_t* name, WORD kind, std::vector<VARIANT> args,
                     VARIANT* result) {
  DISPID member = 0;
  LPOLESTR member_name = const_cast<LPOLESTR>(name);
  HRESULT hr = object->GetIDsOfNames(IID_NULL, &member_name, 1, LOCALE_USER_DEFAULT, &member);
  if (FAILED(hr)) return hr;
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());  // automation takes the last first
  DISPPARAMS params{};
  params.cArgs = static_cast<UINT>(reversed.size());
  params.rgvarg = reversed.empty() ? nullptr : reversed.data();
  VariantInit(result);
  return object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result, nullptr, nullptr);
}

VARIANT text_arg(const wchar_t* text) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = SysAllocString(text);
  return v;
}

TEST(WindowsAutomation, ScriptableObjectIsDrivenByMemberNames) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  CLSID clsid;
  ASSERT_TRUE(SUCCEEDED(CLSIDFromProgID(L"Scripting.Dictionary", &clsid)));
  IDispatch* dictionary = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                         reinterpret_cast<void**>(&dictionary))));
  VARIANT key = text_arg(L"Subject"), value = text_arg(L"ZQ design"), result;
  EXPECT_TRUE(SUCCEEDED(call_by_name(dictionary, L"Add", DISPATCH_METHOD, {key, value}, &result)));
  VariantClear(&result);
  ASSERT_TRUE(SUCCEEDED(call_by_name(dictionary, L"Count", DISPATCH_PROPERTYGET, {}, &result)));
  EXPECT_EQ(result.vt, VT_I4);
  EXPECT_EQ(result.lVal, 1);
  VariantClear(&result);
  ASSERT_TRUE(SUCCEEDED(call_by_name(dictionary, L"Item", DISPATCH_PROPERTYGET, {key}, &result)));
  ASSERT_EQ(result.vt, VT_BSTR);
  EXPECT_EQ(std::wstring(result.bstrVal), L"ZQ design");
  VariantClear(&result);
  EXPECT_TRUE(FAILED(call_by_name(dictionary, L"NoSuchMember", DISPATCH_METHOD, {}, &result)));
  VariantClear(&key);
  VariantClear(&value);
  dictionary->Release();
  CoUninitialize();
}

}  // namespace
}  // namespace zq
