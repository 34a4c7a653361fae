#pragma once
// Window layouts and menus as data. A window is described by one WindowLayout:
// its caption, client size, font, icon and a table of controls in their fixed
// order; its menu bar by a table of MenuEntry rows. Nothing here knows Qt: the
// one builder in platform/qt/layout_builder.h turns these tables into widgets.
//
// Writing a layout
// ----------------
//   constexpr zq::layout::Control kMyControls[] = {
//     {.label = "?PROMPT1", .kind = Kind::Text, .text = "Hello", .rect = {4, 4, 179, 42}},
//     {.label = "F", .kind = Kind::Entry, .rect = {242, 49, 60, 9}, .font = {.bold = true},
//      .tip = "Enter the Centre Frequency in Megahertz.", .format = "n11.3",
//      .name_from = "?FPROMPT"},
//     {.label = "FAC", .kind = Kind::Spin, .rect = {460, 115, 45, 9}, .format = "n5.2",
//      .spin = {0.1, 20, 0.05}},
//     {.label = "?SAVEBUTTON", .kind = Kind::Button, .text = "SAVE", .rect = {19, 178, 71, 18},
//      .key = "F2"},
//   };
//   constexpr zq::layout::WindowLayout kMyWindow{.caption = "...", .size = {529, 324},
//                                                .controls = kMyControls};
//
// Rules the builder follows
// -------------------------
// * Every rectangle is x, y, width, height in dialog units of the window's font
//   (x px = du × average character width / 4, y px = du × font height / 8),
//   measured from the top left of the window's client area (below its menu
//   bar), also for controls that sit on a tab page: the builder places them
//   relative to the page so that they land where the window coordinates say.
//   A width or height of 0 means the control's natural size.
// * Controls are created in table order; a later control lies above an
//   earlier one where they overlap.
// * `label` becomes the widget's object name, so a built control is found by
//   its label (BuiltLayout::find). Labels are unique within a window.
// * `parent` names the Tab a control sits on (or a Sheet for a Tab row); empty
//   means the window itself.
// * Picture `text` is the embedded picture's file name ("zq_008.jpg"); it is
//   stretched to the rectangle.
// * `tip` becomes the tool tip and the accessible description; the accessible
//   name is the control's text, or the text of the control named by
//   `name_from` (the prompt beside an entry field), or else the label; a
//   panel has none.
// * `key` ("F2", "F3", "F8") is the button's hot key: the window clicks the
//   button when that key reaches it, typed or queued (LayoutWindow::queue_key).
// * `format` is the display format of an entry or spin box: "n11.3" (width 11,
//   3 places), "n-10.2" (signed), "s20" (20-character text). See DisplayFormat.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zq::layout {

// x, y, width, height in dialog units.
struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

enum class Kind : std::uint8_t {
  Text,        // static text, wrapped within its rectangle
  Picture,     // embedded picture, stretched to its rectangle
  Panel,       // a sunken frame drawn around what lies inside it
  Group,       // a frame with a caption (`text`) at its top
  Button,      // push button; `key` is its hot key
  Entry,       // one-line entry field with a display format
  Spin,        // spin box with range and step (`spin`)
  Sheet,       // a tabbed sheet; its Tab rows name it as parent
  Tab,         // one tab of a Sheet; `text` is the tab's title
  ScrollText,  // read-only, vertically scrolling text
};

enum class Align : std::uint8_t { Left, Center, Right };

// A font relative to the window's: an empty family or 0 points keeps the
// window's. `color` is a colour name ("navy", "red") or empty.
struct Font {
  std::string_view family{};
  int points = 0;
  bool bold = false;
  std::string_view color{};
};

struct SpinRange {
  double minimum = 0;
  double maximum = 0;
  double step = 1;
};

struct Control {
  std::string_view label;   // "?PROMPT1", "?OKBUTTON", or a record value's name ("F")
  Kind kind = Kind::Text;
  std::string_view text{};  // text, button text, tab title, group caption or picture file name
  Rect rect{};
  Font font{};
  std::string_view tip{};
  std::string_view key{};     // hot key of a button: "F2"
  std::string_view format{};  // display format of an entry or spin box
  std::string_view parent{};  // label of the Tab (or Sheet) it sits on
  std::string_view name_from{};  // label of the text control that names it
  SpinRange spin{};
  Align align = Align::Left;
  bool hidden = false;
  bool tab_stop = true;
  bool read_only = false;
};

// The window's own settings. `font` must name a family and a size.
struct WindowLayout {
  std::string_view caption{};
  Size size{};  // client area in dialog units
  Font font{"Arial", 8};
  std::string_view icon{};  // embedded icon file name ("MILNM.ICO"); empty: none of its own
  bool resizable = false;
  std::span<const Control> controls{};
};

// Menus: rows in order. A Menu row opens a drop-down that holds the rows naming
// it as parent; a row with an empty parent sits on the menu bar.
enum class MenuKind : std::uint8_t { Item, Menu };

struct MenuEntry {
  std::string_view label;
  MenuKind kind = MenuKind::Item;
  std::string_view text{};
  std::string_view parent{};
};

// The control of `layout` labelled `label`, or nullptr.
const Control* find_control(std::span<const Control> controls, std::string_view label);

// Display format of an entry field: `n` width `.` places, with `-` after `n`
// for a signed value ("n-10.2"), or `s` width for text ("s20").
struct DisplayFormat {
  bool numeric = false;
  bool is_signed = false;
  int width = 0;
  int places = 0;
  friend bool operator==(const DisplayFormat&, const DisplayFormat&) = default;
};
// nullopt for a text that is not a display format.
std::optional<DisplayFormat> parse_display_format(std::string_view text);

// The text an entry field shows for a value given in its plain text form
// ("7.15", "-3.01", "120", as DesignRecord::text gives it): a numeric format
// shows exactly `places` decimals, rounded to nearest, halves away from zero
// ("n11.3": "7.1504" → "7.150", "n5": "2.5" → "3"), with no grouping, so the
// shown text reads back as the same number; a negative value keeps its sign.
// A text format ("s20") cuts the text to its width. A text that is not a
// plain decimal number is returned as it is.
std::string format_display(std::string_view value, const DisplayFormat& format);

}  // namespace zq::layout
