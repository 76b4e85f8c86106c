#pragma once

#include <array>

// The main window's controls as data: their ids, the pictures each button is given, the tooltips and the
// order in which the controls around the video panes are shown and hidden. The ids are also the command
// values of the buttons and the objectName of each child widget, so a control can be found by its id.

namespace ControlId {
inline constexpr int kMaximize = 4;
inline constexpr int kOpen = 1001;
inline constexpr int kFrontPane = 1002;
inline constexpr int kGraph = 1003;
inline constexpr int kMapPlace = 1004;
inline constexpr int kSave = 1005;
inline constexpr int kSnap = 1006;
inline constexpr int kFrontBackground = 1007;
inline constexpr int kPositionSlider = 1008;
inline constexpr int kRearBackground = 1009;
inline constexpr int kGpsLamp = 1010;
inline constexpr int kRearPane = 1011;
inline constexpr int kDelete = 1013;
inline constexpr int kConfig = 1014;
inline constexpr int kPlay = 1015;
inline constexpr int kStop = 1016;
inline constexpr int kFast = 1017;
inline constexpr int kSlow = 1018;
inline constexpr int kVolumeSlider = 1019;
inline constexpr int kLoop = 1021;
inline constexpr int kFlip = 1022;
inline constexpr int kKml = 1023;
inline constexpr int kMap = 1024;
inline constexpr int kGsr = 1025;
inline constexpr int kLock = 1026;
inline constexpr int kFileList = 1027;
inline constexpr int kGroupList = 1028;
inline constexpr int kMinimize = 1044;
inline constexpr int kClose = 1045;
inline constexpr int kVolume = 1046;
inline constexpr int kBlank = 1050;
inline constexpr int kSizeS = 1052;
inline constexpr int kCompass = 1055;
inline constexpr int kSpeed = 1056;
inline constexpr int kSizeM = 1059;
inline constexpr int kSizeL = 1060;
inline constexpr int kStatusBoard = 1061;
inline constexpr int kBanner = 1064;
inline constexpr int kAbout = 57670;
}  // namespace ControlId

// One image button: its standard picture, its alternate picture (0: none) and whether it toggles between
// them, and the size it is given at start-up (0 × 0: the layout gives it its size).
struct ButtonSetup {
    int id;
    int picture;
    int altPicture;
    bool toggle;
    int width;
    int height;
};

// In the order the window sets them up. FLIP has no picture: it stays disabled and hidden.
inline constexpr std::array<ButtonSetup, 22> kButtonSetups = {{
    {ControlId::kPlay, 129, 132, true, 0, 0},    {ControlId::kStop, 133, 0, false, 0, 0},
    {ControlId::kSlow, 137, 0, false, 0, 0},     {ControlId::kFast, 136, 0, false, 0, 0},
    {ControlId::kConfig, 138, 0, false, 48, 36}, {ControlId::kDelete, 142, 0, false, 48, 36},
    {ControlId::kSave, 141, 0, false, 48, 36},   {ControlId::kSnap, 140, 0, false, 48, 36},
    {ControlId::kOpen, 139, 0, false, 48, 36},   {ControlId::kLoop, 143, 176, true, 48, 48},
    {ControlId::kKml, 145, 0, false, 48, 48},    {ControlId::kMap, 146, 0, false, 48, 48},
    {ControlId::kGsr, 147, 0, false, 48, 48},    {ControlId::kLock, 148, 0, false, 48, 48},
    {ControlId::kClose, 151, 0, false, 0, 0},    {ControlId::kMaximize, 152, 0, false, 0, 0},
    {ControlId::kMinimize, 153, 0, false, 0, 0}, {ControlId::kAbout, 154, 0, false, 0, 0},
    {ControlId::kVolume, 156, 155, true, 0, 0},  {ControlId::kSizeS, 1045, 0, false, 0, 0},
    {ControlId::kSizeM, 187, 0, false, 0, 0},    {ControlId::kSizeL, 188, 0, false, 0, 0},
}};

// Control → string id of its tooltip, in registration order.
struct TooltipEntry {
    int id;
    int text;
};

inline constexpr std::array<TooltipEntry, 25> kTooltips = {{
    {ControlId::kAbout, 198},    {ControlId::kConfig, 183}, {ControlId::kDelete, 182},
    {ControlId::kClose, 195},    {ControlId::kFast, 186},   {ControlId::kFlip, 190},
    {ControlId::kGsr, 193},      {ControlId::kKml, 191},    {ControlId::kLock, 194},
    {ControlId::kLoop, 189},     {ControlId::kMap, 192},    {ControlId::kMaximize, 196},
    {ControlId::kMinimize, 197}, {ControlId::kOpen, 179},   {ControlId::kPlay, 134},
    {ControlId::kSave, 181},     {ControlId::kSlow, 184},   {ControlId::kSnap, 180},
    {ControlId::kStop, 185},     {ControlId::kVolume, 188}, {ControlId::kVolumeSlider, 187},
    {ControlId::kSpeed, 199},    {ControlId::kSizeS, 137},  {ControlId::kSizeM, 138},
    {ControlId::kSizeL, 139},
}};

// The controls that follow ShowMainControls, in order (the graph, the status board, the map and the video
// panes have rules of their own).
inline constexpr std::array<int, 30> kMainControls = {
    ControlId::kPlay,         ControlId::kStop,     ControlId::kSlow,
    ControlId::kFast,         ControlId::kConfig,   ControlId::kDelete,
    ControlId::kSave,         ControlId::kSnap,     ControlId::kOpen,
    ControlId::kLoop,         ControlId::kKml,      ControlId::kMap,
    ControlId::kGsr,          ControlId::kLock,     ControlId::kPositionSlider,
    ControlId::kVolumeSlider, ControlId::kGpsLamp,  ControlId::kClose,
    ControlId::kMaximize,     ControlId::kMinimize, ControlId::kAbout,
    ControlId::kVolume,       ControlId::kBlank,    ControlId::kGroupList,
    ControlId::kFileList,     ControlId::kCompass,  ControlId::kSpeed,
    ControlId::kSizeS,        ControlId::kSizeM,    ControlId::kSizeL,
};
