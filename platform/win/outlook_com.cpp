// Windows: automation servers through COM IDispatch, members addressed by the
// same texts the Linux stand-in reads. "CreateItem(0)" answers a reference
// text ("obj1") for the returned object; a text that starts with a reference
// is resolved from that object, any other from the application itself.
// No result is reported: a member that is missing or fails has no effect.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include <map>
#include <string>
#include <vector>

#include "platform/automation.h"

namespace zq::platform {
namespace {

std::wstring wide(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

std::string narrow(const wchar_t* w, UINT length) {
  if (!w || length == 0) return {};
  int n = WideCharToMultiByte(CP_ACP, 0, w, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string s(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, w, static_cast<int>(length), s.data(), n, nullptr, nullptr);
  return s;
}

// Arguments as COM wants them: VARIANTs in reverse order, texts as BSTRs.
class Arguments {
 public:
  explicit Arguments(const std::vector<AutomationValue>& values) {
    vars_.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) set(vars_[values.size() - 1 - i], values[i]);
  }
  ~Arguments() {
    for (VARIANT& v : vars_) VariantClear(&v);
  }
  Arguments(const Arguments&) = delete;
  Arguments& operator=(const Arguments&) = delete;
  static void set(VARIANT& v, const AutomationValue& value) {
    VariantInit(&v);
    if (const long* n = std::get_if<long>(&value)) {
      v.vt = VT_I4;
      v.lVal = *n;
    } else {
      std::wstring w = wide(std::get<std::string>(value));
      v.vt = VT_BSTR;
      v.bstrVal = SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
    }
  }
  VARIANT* data() { return vars_.empty() ? nullptr : vars_.data(); }
  UINT count() const { return static_cast<UINT>(vars_.size()); }

 private:
  std::vector<VARIANT> vars_;
};

HRESULT invoke(IDispatch* object, const std::string& name, WORD flags, Arguments& args, VARIANT* result,
               bool property_put = false) {
  std::wstring wname = wide(name);
  LPOLESTR names[] = {wname.data()};
  DISPID id = 0;
  HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  DISPPARAMS params{args.data(), nullptr, args.count(), 0};
  DISPID put_id = DISPID_PROPERTYPUT;
  if (property_put) {
    params.rgdispidNamedArgs = &put_id;
    params.cNamedArgs = 1;
  }
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
}

class ComServer : public AutomationServer {
 public:
  ComServer(IDispatch* app, bool uninitialize) : app_(app), uninitialize_(uninitialize) {}
  ~ComServer() override {
    for (auto& [ref, object] : objects_) object->Release();
    app_->Release();
    if (uninitialize_) CoUninitialize();
  }
  ComServer(const ComServer&) = delete;
  ComServer& operator=(const ComServer&) = delete;

  void activate() override {}  // the server runs from its creation on

  std::string get(const std::string& text) override {
    VARIANT result;
    VariantInit(&result);
    if (!run(text, DISPATCH_METHOD | DISPATCH_PROPERTYGET, nullptr, &result)) return {};
    std::string answer;
    if (result.vt == VT_DISPATCH && result.pdispVal) {
      answer = "obj" + std::to_string(++last_ref_);
      objects_[answer] = result.pdispVal;
      result.pdispVal->AddRef();
    } else if (SUCCEEDED(VariantChangeType(&result, &result, 0, VT_BSTR))) {
      answer = narrow(result.bstrVal, SysStringLen(result.bstrVal));
    }
    VariantClear(&result);
    return answer;
  }

  void put(const std::string& text, const AutomationValue& value) override {
    run(text, DISPATCH_PROPERTYPUT, &value, nullptr);
  }

  void call(const std::string& text) override {
    VARIANT result;
    VariantInit(&result);
    run(text, DISPATCH_METHOD, nullptr, &result);
    VariantClear(&result);
  }

  void complete() override {}  // the mail client shows its message live

 private:
  // Walks the dotted names to the last one and invokes it.
  bool run(const std::string& text, WORD flags, const AutomationValue* put_value, VARIANT* result) {
    auto parsed = parse_call_text(text);
    if (!parsed) return false;
    std::vector<std::string> names = parsed->names;
    IDispatch* object = app_;
    auto it = objects_.find(names.front());
    if (it != objects_.end()) {
      object = it->second;
      names.erase(names.begin());
    }
    if (names.empty()) return false;
    object->AddRef();
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
      Arguments none(std::vector<AutomationValue>{});
      VARIANT next;
      VariantInit(&next);
      HRESULT hr = invoke(object, names[i], DISPATCH_PROPERTYGET | DISPATCH_METHOD, none, &next);
      object->Release();
      if (FAILED(hr) || next.vt != VT_DISPATCH || !next.pdispVal) {
        VariantClear(&next);
        return false;
      }
      object = next.pdispVal;  // the reference moves out of the VARIANT
    }
    std::vector<AutomationValue> values = parsed->arguments;
    if (put_value) values.push_back(*put_value);
    Arguments args(values);
    HRESULT hr = invoke(object, names.back(), flags, args, result, put_value != nullptr);
    object->Release();
    return SUCCEEDED(hr);
  }

  IDispatch* app_;
  bool uninitialize_;
  std::map<std::string, IDispatch*> objects_;
  int last_ref_ = 0;
};

class ComAutomation : public Automation {
 public:
  std::unique_ptr<AutomationServer> create(const std::string& name) override {
    HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool uninitialize = SUCCEEDED(init);
    CLSID clsid;
    IDispatch* app = nullptr;
    std::wstring wname = wide(name);
    if (SUCCEEDED(CLSIDFromProgID(wname.c_str(), &clsid)) &&
        SUCCEEDED(CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   reinterpret_cast<void**>(&app))) &&
        app) {
      return std::make_unique<ComServer>(app, uninitialize);
    }
    if (uninitialize) CoUninitialize();
    return nullptr;
  }
};

}  // namespace

Automation& system_automation() {
  static ComAutomation automation;
  return automation;
}

}  // namespace zq::platform
