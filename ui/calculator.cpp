#include "ui/calculator.h"

#include <utility>

#include "design/engine.h"
#include "storage/comparison_log.h"
#include "storage/design_file.h"

namespace zq::calculator {

namespace {

// The text forms of every value, to see which ones a rule changed.
std::vector<std::string> value_texts(const DesignRecord& record) {
  std::vector<std::string> texts;
  for (const ValueInfo& info : value_table()) {
    if (info.member) texts.push_back(*record.text(info.name));
  }
  return texts;
}

}  // namespace

Decimal fac_minimum(UnitSystem units) {
  return units == UnitSystem::Metric ? Decimal(1) : Decimal::parse("0.1");
}

Calculator::Calculator(UnitSystem units, CalculatorScreen& screen, CalculatorServices services)
    : screen_(screen), services_(std::move(services)), state_(open_calculator(units)) {}

OpenFileRequest Calculator::dialog_request() const {
  return {std::string(kOpenDialogTitle), std::string(kOpenDialogFilter), std::string(kOpenDialogPattern),
          state_.DialogFile};
}

void Calculator::choose_first_design() {
  const std::optional<std::string> chosen = services_.dialog->choose(dialog_request());
  if (chosen) {
    open_chosen_design(state_, screen_, *chosen, /*fill_name_box=*/false);
  } else {
    state_.DesignPath = state_.DialogFile;
    LoadDesign(state_, screen_);
  }
}

void Calculator::select_antenna() {
  screen_.take_screen();
  const std::optional<std::string> chosen = services_.dialog->choose(dialog_request());
  if (!chosen) return;
  open_chosen_design(state_, screen_, *chosen, /*fill_name_box=*/true);
}

void Calculator::recalc() {
  screen_.take_screen();
  if (state_.units == UnitSystem::Metric) {
    recalculate_metric(state_.record);
  } else {
    recalculate_imperial(state_.record);
  }
  screen_.redraw();
}

void Calculator::save() { SaveDesign(state_, screen_); }

// Without a report facility the buttons still take the screen, as every button does.
void Calculator::print_view() {
  if (services_.reports) {
    services_.reports->start_print_view(state_, screen_);
  } else {
    screen_.take_screen();
  }
}

void Calculator::email_report() {
  if (services_.reports) {
    services_.reports->start_email_report(state_, screen_);
  } else {
    screen_.take_screen();
  }
}

void Calculator::open_excel() {
  const SpreadsheetOutcome outcome = OpenLogInSpreadsheet(state_, screen_, *services_.spreadsheet);
  (void)outcome;  // OpenLogInSpreadsheet has told the user what went wrong
}

void Calculator::email_results() {
  if (services_.mailer) {
    services_.mailer->email_results(state_, screen_);
  } else {
    screen_.take_screen();
  }
}

void Calculator::forum() {
  screen_.take_screen();
  services_.browser->open_url(services_.forum_url);
}

void Calculator::help_forum() {
  screen_.take_screen();
  screen_.queue_key(HotKey::F8);
}

void Calculator::close() { screen_.take_screen(); }

void Calculator::field_event(std::string_view field, FieldTrigger trigger) {
  const FieldRule* rule = find_field_rule(field, trigger);
  // Rules that run on any event also run when the field accepts a value or steps.
  if (!rule && trigger != FieldTrigger::AnyEvent) rule = find_field_rule(field, FieldTrigger::AnyEvent);
  if (!rule) return;
  if (rule->imperial_only && state_.units != UnitSystem::Imperial) return;

  if (rule->apply) {
    const std::vector<std::string> before = value_texts(state_.record);
    rule->apply(state_.record);
    const std::vector<std::string> after = value_texts(state_.record);
    std::vector<std::string> changed;
    std::size_t i = 0;
    for (const ValueInfo& info : value_table()) {
      if (!info.member) continue;
      if (before[i] != after[i]) changed.emplace_back(info.name);
      ++i;
    }
    if (!changed.empty() && rule->follow_up != FieldFollowUp::Redraw) screen_.show_values(changed);
  }

  switch (rule->follow_up) {
    case FieldFollowUp::None: break;
    case FieldFollowUp::Redraw: screen_.redraw(); break;
    case FieldFollowUp::ReCalc: screen_.queue_key(HotKey::F3); break;
    case FieldFollowUp::RangeCheckThenReCalc: check_fac(); break;
  }
}

void Calculator::check_fac() {
  if (state_.record.FAC.value() < fac_minimum(state_.units)) {
    screen_.show_message(kFacMessage, kErrorCaption);
    screen_.focus_field("FAC");
    return;
  }
  screen_.queue_key(HotKey::F3);
}

}  // namespace zq::calculator
