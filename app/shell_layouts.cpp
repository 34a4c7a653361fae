#include "app/shell_layouts.h"

#include "build_settings.h"

namespace zq::shell {

namespace {
const std::string kMainCaption = std::string(zq::build::kProductTitle) + " " + zq::build::kVersion;
const std::string kAboutCaption = "About " + kMainCaption;

using layout::Control;
using layout::Kind;
using layout::MenuEntry;
using layout::MenuKind;

constexpr MenuEntry kMainMenu[] = {
    {"?SHUTDOWN", MenuKind::Item, "Shutdown", ""},
    {"?ANTENNADESIGN", MenuKind::Menu, "   Antenna Design", ""},
    {"?ZQANTENNA", MenuKind::Item, "   Imperial ZQ Antenna", "?ANTENNADESIGN"},
    {"?DESIGNZQMETRIC", MenuKind::Item, "   Metric ZQ antenna", "?ANTENNADESIGN"},
    {"?PICTURES", MenuKind::Item, "   Pictures", ""},
    {"?ABOUTTHISPROGRAM", MenuKind::Item, "    AboutThisProgram", ""},
};

// The layout holds placeholders; the window assigns the three texts as it opens.
const Control kMainControls[] = {
    {.label = "?IMAGE2", .kind = Kind::Picture, .text = "mt_business_top.jpg", .rect = {-25, 0, 552, 61}},
    {.label = "?PANEL2", .kind = Kind::Panel, .rect = {5, 67, 107, 146}},
    {.label = "?IMAGE3", .kind = Kind::Picture, .text = "zqantenna1.jpg", .rect = {8, 69, 101, 142}},
    {.label = "?PROMPT2", .kind = Kind::Text, .text = "Prompt 2", .rect = {113, 67, 156, 163}},
    {.label = "?PROMPT3", .kind = Kind::Text, .text = "Prompt 3", .rect = {307, 67, 200, 31}},
    {.label = "?PROMPT1", .kind = Kind::Text, .text = "", .rect = {116, 252, 374, 65}},
    {.label = "?PANEL1", .kind = Kind::Panel, .rect = {305, 101, 204, 150}},
    {.label = "?IMAGE4", .kind = Kind::Picture, .text = "van.jpg", .rect = {307, 103, 199, 146}},
    {.label = "?PANEL3", .kind = Kind::Panel, .rect = {39, 234, 73, 82}},
    {.label = "?IMAGE5", .kind = Kind::Picture, .text = "portrait.jpg", .rect = {42, 236, 67, 78}},
    {.label = "?STRING1",
     .kind = Kind::Text,
     .text = "The antenna's designer, Chief Engineer",
     .rect = {116, 235, 0, 0},
     .font = {.bold = true}},
};

const layout::WindowLayout kMainLayout{
    .caption = kMainCaption,
    .size = {527, 319},
    .font = {"Arial", 8},
    .icon = "MILNM.ICO",
    .resizable = false,
    .controls = kMainControls,
};

const std::string kInvitation =
    std::string("These pictures show what is being achieved around the world with ZQ antennas. "
                "If you would like your antenna featured here, please e-mail a good clear picture "
                "of it to the author at ") +
    zq::build::kSupportAddress + ".";

const Control kPicturesControls[] = {
    {.label = "?IMAGE1", .kind = Kind::Picture, .text = "zq_008.jpg", .rect = {13, 9, 241, 164}},
    {.label = "?PROMPT1", .kind = Kind::Text, .text = kInvitation, .rect = {276, 10, 131, 56}},
    {.label = "?IMAGE2", .kind = Kind::Picture, .text = "ex2.jpg", .rect = {421, 9, 95, 164}},
    {.label = "?IMAGE8", .kind = Kind::Picture, .text = "station1.jpg", .rect = {293, 67, 89, 106}},
    {.label = "?IMAGE7", .kind = Kind::Picture, .text = "station2.jpg", .rect = {325, 185, 87, 101}},
    {.label = "?IMAGE5", .kind = Kind::Picture, .text = "ex5.jpg", .rect = {221, 185, 87, 101}},
    {.label = "?IMAGE4", .kind = Kind::Picture, .text = "ex6.jpg", .rect = {117, 185, 87, 101}},
    {.label = "?IMAGE3", .kind = Kind::Picture, .text = "ex3.jpg", .rect = {13, 185, 87, 101}},
    {.label = "?IMAGE6", .kind = Kind::Picture, .text = "ex7.jpg", .rect = {429, 185, 87, 101}},
    {.label = "?PANEL1", .kind = Kind::Panel, .rect = {5, 3, 521, 307}},
    {.label = "?OKBUTTON", .kind = Kind::Button, .text = "Close", .rect = {430, 291, 84, 14}},
};

const layout::WindowLayout kPicturesLayout{
    .caption = "Pictures of ZQ Antennas",
    .size = {529, 312},
    .font = {"Arial", 8},
    .icon = "",
    .resizable = false,
    .controls = kPicturesControls,
};

const Control kAboutControls[] = {
    {.label = "?PROMPT1",
     .kind = Kind::Text,
     .text = "Written by the program's author, with the formulas supplied by the antenna's designer. "
             "This program is a work in progress and needs feedback from users who have built and "
             "used a working ZQ antenna. Please tell us the specifications you",
     .rect = {4, 4, 179, 42}},
    {.label = "?PROMPT2",
     .kind = Kind::Text,
     .text = "used to arrive at a working antenna. Please complete and email the details to us for analysis.",
     .rect = {4, 44, 179, 26}},
    {.label = "?OKBUTTON", .kind = Kind::Button, .text = "Close and return...", .rect = {92, 76, 91, 14}},
};

const layout::WindowLayout kAboutLayout{
    .caption = kAboutCaption,
    .size = {185, 92},
    .font = {"Arial", 8},
    .icon = "AGENT.ICO",
    .resizable = false,
    .controls = kAboutControls,
};

constexpr std::string_view kBiography =
    "The antenna's designer was first licensed as a radio amateur in his teens and has been on the air "
    "ever since, building his own receivers, transmitters and antennas and working every band from 160 "
    "metres to 70 centimetres. His engineering career spans forty years of broadcast transmitters, marine "
    "communications and industrial control, where he led the design of high-power radio-frequency "
    "systems. Today he heads the company's work on applications of the ZQ antenna: portable and emergency "
    "stations, compact antennas for homes without a garden, and data links.";

constexpr std::string_view kWelcome =
    "Welcome to the ZQ antenna designer. The ZQ antenna is a new antenna concept. The classic "
    "resonant-wire antenna, such as the half-wave dipole, needs a length of wire of half the wavelength, "
    "tall supports and a clear space around it. The ZQ antenna takes another path: two equal metal "
    "cylinders on one axis form a capacitive radiator, and a tuning coil placed between them brings the "
    "whole to resonance, while the lower, tapped section of the coil feeds it through a fixed matching "
    "capacitor. The result is an antenna of small size and high efficiency, with a wide bandwidth and "
    "very low interference to its neighbours.";

constexpr std::string_view kUsage =
    "Here is the information to allow you to design antennas for various Ham bands. We hope you enjoy "
    "this information and the use of the antennas you build. There are an untold number already on the "
    "air and many more added every day.";
}  // namespace

const layout::WindowLayout& main_layout() { return kMainLayout; }
std::span<const layout::MenuEntry> main_menu() { return kMainMenu; }
const layout::WindowLayout& pictures_layout() { return kPicturesLayout; }
const layout::WindowLayout& about_layout() { return kAboutLayout; }

std::string_view biography_text() { return kBiography; }
std::string_view welcome_text() { return kWelcome; }
std::string_view usage_text() { return kUsage; }

std::string main_caption() { return kMainCaption; }
std::string about_caption() { return kAboutCaption; }

}  // namespace zq::shell
