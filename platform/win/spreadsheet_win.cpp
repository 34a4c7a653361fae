// "Open Excel" on Windows: drives "Excel.Application" through its automation
// interface, addressing every member by name.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <initializer_list>
#include <string>

#include "platform/spreadsheet.h"

#ifdef _MSC_VER
#pragma comment(lib, "ole32.lib")
#pragma comment(lib, "oleaut32.lib")
#endif

namespace zq {
namespace {

enum class Call : WORD { Get = DISPATCH_PROPERTYGET, Put = DISPATCH_PROPERTYPUT, Method = DISPATCH_METHOD };

// Calls the member `name` of `object`; `args` in their written order.
HRESULT invoke(IDispatch* object, const wchar_t* name, Call call, VARIANT* result,
               std::initializer_list<VARIANT> args = {}) {
  if (!object) return E_POINTER;
  DISPID member = 0;
  LPOLESTR member_name = const_cast<LPOLESTR>(name);
  HRESULT hr = object->GetIDsOfNames(IID_NULL, &member_name, 1, LOCALE_USER_DEFAULT, &member);
  if (FAILED(hr)) return hr;
  VARIANT reversed[4];  // automation takes the arguments last first
  UINT count = 0;
  for (auto it = args.end(); it != args.begin() && count < 4;) reversed[count++] = *--it;
  DISPPARAMS params{};
  params.cArgs = count;
  params.rgvarg = count ? reversed : nullptr;
  DISPID put_id = DISPID_PROPERTYPUT;
  if (call == Call::Put) {
    params.cNamedArgs = 1;
    params.rgdispidNamedArgs = &put_id;
  }
  if (result) VariantInit(result);
  return object->Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, static_cast<WORD>(call), &params, result,
                        nullptr, nullptr);
}

VARIANT bool_arg(bool value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

VARIANT int_arg(int value) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = value;
  return v;
}

// The object a call returned, or nullptr (the caller releases it).
IDispatch* object_of(VARIANT& v) {
  if (v.vt != VT_DISPATCH || !v.pdispVal) {
    VariantClear(&v);
    return nullptr;
  }
  return v.pdispVal;  // ownership passes to the caller
}

std::wstring wide(const std::string& text) {
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  if (n <= 0) return {};
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, out.data(), n);
  out.resize(static_cast<std::size_t>(n - 1));
  return out;
}

class ExcelSpreadsheet : public Spreadsheet {
 public:
  ~ExcelSpreadsheet() override {
    if (app_) app_->Release();
    if (com_started_) CoUninitialize();
  }

  SpreadsheetOutcome open_workbook(const std::string& path) override {
    if (!com_started_) {
      HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
      com_started_ = SUCCEEDED(hr);  // S_FALSE too: balanced on destruction
    }
    // The application object is created once and kept; when the user has
    // closed Excel since, the first call fails and it is created again.
    if (!show_application()) {
      if (app_) app_->Release();
      app_ = nullptr;
      if (!show_application()) return {false, "Microsoft Excel could not be started."};
    }
    if (!open_first_sheet(path)) return {false, "Microsoft Excel could not open|" + path};
    return {true, ""};
  }

 private:
  bool show_application() {
    if (!app_) {
      CLSID clsid;
      if (FAILED(CLSIDFromProgID(L"Excel.Application", &clsid))) return false;
      if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(&app_))))
        app_ = nullptr;
      if (!app_) return false;
    }
    if (FAILED(invoke(app_, L"Visible", Call::Put, nullptr, {bool_arg(true)}))) return false;
    invoke(app_, L"UserControl", Call::Put, nullptr, {bool_arg(true)});
    return true;
  }

  bool open_first_sheet(const std::string& path) {
    VARIANT v;
    if (FAILED(invoke(app_, L"Workbooks", Call::Get, &v))) return false;
    IDispatch* workbooks = object_of(v);
    if (!workbooks) return false;
    VARIANT file;
    VariantInit(&file);
    file.vt = VT_BSTR;
    file.bstrVal = SysAllocString(wide(path).c_str());
    HRESULT hr = invoke(workbooks, L"Open", Call::Method, &v, {file});
    VariantClear(&file);
    workbooks->Release();
    if (FAILED(hr)) return false;
    IDispatch* workbook = object_of(v);
    if (!workbook) return false;
    bool ok = false;
    if (SUCCEEDED(invoke(workbook, L"Sheets", Call::Get, &v))) {
      if (IDispatch* sheets = object_of(v)) {
        if (SUCCEEDED(invoke(sheets, L"Item", Call::Get, &v, {int_arg(1)}))) {
          if (IDispatch* sheet = object_of(v)) {
            VARIANT ignored;
            ok = SUCCEEDED(invoke(sheet, L"Select", Call::Method, &ignored));
            VariantClear(&ignored);
            sheet->Release();
          }
        }
        sheets->Release();
      }
    }
    workbook->Release();
    return ok;
  }

  IDispatch* app_ = nullptr;
  bool com_started_ = false;
};

}  // namespace

std::unique_ptr<Spreadsheet> make_system_spreadsheet() { return std::make_unique<ExcelSpreadsheet>(); }

}  // namespace zq
