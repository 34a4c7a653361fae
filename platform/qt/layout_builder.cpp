#include "platform/qt/layout_builder.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "platform/error_manager.h"

// The pictures are compiled into the static GUI library; registering them
// here keeps the linker from dropping them.
static void register_embedded_files() { Q_INIT_RESOURCE(zq); }

namespace zq::qt {

namespace {

QString text_of(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Keeps the controls of a tab page where their window coordinates put them:
// the page's own offset is known only once the sheet has laid it out.
class PagePlacer : public QObject {
 public:
  PagePlacer(QWidget* page, QWidget* canvas) : QObject(page), page_(page), canvas_(canvas) {
    page->installEventFilter(this);
  }
  void add(QWidget* child, const QRect& window_rect) {
    children_.push_back({child, window_rect});
    place();
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == page_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move ||
                             event->type() == QEvent::Show))
      place();
    return false;
  }

 private:
  void place() {
    const QPoint offset = page_->mapTo(canvas_, QPoint(0, 0));
    for (const auto& [child, rect] : children_) child->setGeometry(rect.translated(-offset));
  }
  QWidget* page_;
  QWidget* canvas_;
  std::vector<std::pair<QWidget*, QRect>> children_;
};

Qt::Alignment alignment_of(layout::Align align) {
  switch (align) {
    case layout::Align::Center: return Qt::AlignHCenter;
    case layout::Align::Right: return Qt::AlignRight;
    case layout::Align::Left: break;
  }
  return Qt::AlignLeft;
}

QWidget* make_widget(const layout::Control& control, QWidget* parent) {
  using layout::Kind;
  const QString text = text_of(control.text);
  const auto format = layout::parse_display_format(control.format);
  switch (control.kind) {
    case Kind::Text: {
      auto* label = new QLabel(text, parent);
      label->setWordWrap(true);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(alignment_of(control.align) | Qt::AlignTop);
      return label;
    }
    case Kind::Picture: {
      auto* picture = new QLabel(parent);
      picture->setPixmap(embedded_picture(control.text));
      picture->setScaledContents(true);
      return picture;
    }
    case Kind::Panel: {
      auto* panel = new QFrame(parent);
      panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      panel->setAttribute(Qt::WA_TransparentForMouseEvents);
      return panel;
    }
    case Kind::Group: {
      auto* group = new QGroupBox(text, parent);
      group->setAlignment(alignment_of(control.align));
      group->setAttribute(Qt::WA_TransparentForMouseEvents);
      return group;
    }
    case Kind::Button: return new QPushButton(text, parent);
    case Kind::Entry: {
      auto* entry = new QLineEdit(text, parent);
      if (format && !format->numeric) entry->setMaxLength(format->width);
      entry->setAlignment(alignment_of(control.align) | Qt::AlignVCenter);
      entry->setReadOnly(control.read_only);
      return entry;
    }
    case Kind::Spin: {
      auto* spin = new QDoubleSpinBox(parent);
      int places = format ? format->places : 0;
      if (!format) {
        // Without a format the step decides how many places are shown.
        for (double step = control.spin.step; places < 6 && std::abs(step - std::round(step)) > 1e-9;
             step *= 10)
          ++places;
      }
      spin->setDecimals(places);
      spin->setRange(control.spin.minimum, control.spin.maximum);
      spin->setSingleStep(control.spin.step);
      spin->setAlignment(alignment_of(control.align));
      spin->setReadOnly(control.read_only);
      return spin;
    }
    case Kind::Sheet: return new QTabWidget(parent);
    case Kind::Tab: return new QWidget();  // added to its sheet below
    case Kind::ScrollText: {
      auto* scroll = new QPlainTextEdit(text, parent);
      scroll->setReadOnly(true);
      scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
      return scroll;
    }
  }
  return new QWidget(parent);
}

void apply_font(QWidget* widget, const layout::Font& font, const QFont& base) {
  if (!font.family.empty() || font.points > 0 || font.bold) widget->setFont(make_font(font, base));
  if (!font.color.empty()) {
    const QColor color(text_of(font.color));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
  }
}

}  // namespace

QWidget* BuiltLayout::find(std::string_view label) const {
  auto it = widgets_.find(label);
  return it == widgets_.end() ? nullptr : it->second;
}

QAbstractButton* BuiltLayout::button_for_key(int qt_key) const {
  auto it = keys_.find(qt_key);
  return it == keys_.end() ? nullptr : it->second;
}

int hot_key(std::string_view text) {
  if (text.empty()) return 0;
  const QKeySequence sequence(text_of(text));
  return sequence.isEmpty() ? 0 : sequence[0].toCombined();
}

BuiltLayout build_controls(const layout::WindowLayout& layout, QWidget* canvas) {
  BuiltLayout built{DialogUnits(canvas->font())};
  const DialogUnits& units = built.units();
  canvas->setMinimumSize(units.to_px(layout.size));
  canvas->resize(units.to_px(layout.size));
  std::map<QWidget*, PagePlacer*> placers;

  for (const layout::Control& control : layout.controls) {
    QWidget* container = canvas;
    QWidget* parent_widget = nullptr;
    if (!control.parent.empty()) parent_widget = built.find(control.parent);
    const bool on_page = parent_widget && control.kind != layout::Kind::Tab;
    if (on_page) container = parent_widget;

    QWidget* widget = make_widget(control, container);
    const QString label = text_of(control.label);
    widget->setObjectName(label);
    apply_font(widget, control.font, widget->font());

    if (control.kind == layout::Kind::Tab) {
      if (auto* sheet = qobject_cast<QTabWidget*>(parent_widget)) {
        sheet->addTab(widget, text_of(control.text));
      } else {
        error_manager().report("Tab " + std::string(control.label) + " has no sheet");
      }
    } else {
      QRect rect = units.to_px(control.rect);
      if (control.rect.width <= 0 || control.rect.height <= 0) {
        // A text of natural size stays on one line.
        if (auto* text = qobject_cast<QLabel*>(widget); text && control.rect.width <= 0) text->setWordWrap(false);
        const QSize natural = widget->sizeHint();
        if (control.rect.width <= 0) rect.setWidth(natural.width());
        if (control.rect.height <= 0) rect.setHeight(natural.height());
      }
      if (on_page) {
        PagePlacer*& placer = placers[container];
        if (!placer) placer = new PagePlacer(container, canvas);
        placer->add(widget, rect);
      } else {
        widget->setGeometry(rect);
      }
    }

    if (!control.tip.empty()) {
      widget->setToolTip(text_of(control.tip));
      widget->setAccessibleDescription(text_of(control.tip));
    }
    if (!control.tab_stop && widget->focusPolicy() != Qt::NoFocus) widget->setFocusPolicy(Qt::ClickFocus);
    if (control.hidden) widget->setVisible(false);
    if (control.kind == layout::Kind::Button) {
      if (const int key = hot_key(control.key))
        built.keys_[key] = static_cast<QAbstractButton*>(widget);
    }
    built.widgets_.emplace(std::string(control.label), widget);
    built.order_.emplace_back(control.label);
  }

  // Accessible names: the control's own text, the text of the control that
  // names it, or its label; panels have none.
  for (const layout::Control& control : layout.controls) {
    QWidget* widget = built.find(control.label);
    std::string_view name = control.kind == layout::Kind::Picture ? std::string_view() : control.text;
    if (!control.name_from.empty()) {
      if (const layout::Control* namer = layout::find_control(layout.controls, control.name_from))
        name = namer->text;
    }
    // A panel only frames what lies in it: it has nothing to say.
    if (control.kind == layout::Kind::Panel) continue;
    if (name.empty()) {
      name = control.label;
      if (name.starts_with('?')) name.remove_prefix(1);
    }
    widget->setAccessibleName(text_of(name).trimmed());
  }
  return built;
}

QAction* BuiltMenu::find(std::string_view label) const {
  auto it = actions_.find(label);
  return it == actions_.end() ? nullptr : it->second;
}

BuiltMenu build_menu(std::span<const layout::MenuEntry> entries, QMenuBar* bar) {
  BuiltMenu built;
  std::map<std::string, QMenu*, std::less<>> menus;
  for (const layout::MenuEntry& entry : entries) {
    QMenu* holder = nullptr;
    if (!entry.parent.empty()) {
      auto it = menus.find(entry.parent);
      if (it == menus.end()) {
        error_manager().report("Menu entry " + std::string(entry.label) + " has no menu");
        continue;
      }
      holder = it->second;
    }
    QAction* action = nullptr;
    if (entry.kind == layout::MenuKind::Menu) {
      QMenu* menu = holder ? holder->addMenu(text_of(entry.text)) : bar->addMenu(text_of(entry.text));
      menu->setObjectName(text_of(entry.label));
      menus.emplace(std::string(entry.label), menu);
      action = menu->menuAction();
    } else {
      action = holder ? holder->addAction(text_of(entry.text)) : bar->addAction(text_of(entry.text));
    }
    action->setObjectName(text_of(entry.label));
    built.actions_.emplace(std::string(entry.label), action);
  }
  return built;
}

QString embedded_path(std::string_view file_name) {
  static const bool registered = (register_embedded_files(), true);
  (void)registered;
  return QStringLiteral(":/zq/") + text_of(file_name); }

QPixmap embedded_picture(std::string_view file_name) {
  QPixmap picture(embedded_path(file_name));
  if (picture.isNull()) error_manager().report("Picture " + std::string(file_name) + " could not be loaded");
  return picture;
}

QIcon embedded_icon(std::string_view file_name) {
  const QString path = embedded_path(file_name);
  if (!QFile::exists(path)) {
    error_manager().report("Icon " + std::string(file_name) + " could not be loaded");
    return QIcon();
  }
  return QIcon(path);
}

}  // namespace zq::qt
