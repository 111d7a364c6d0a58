#pragma once

// Command numbers of the main window: the tray and window menu entries,
// the picture buttons and the calendar's context menus.
namespace KmCommand {
constexpr int About = 16;
constexpr int Print = 32;
constexpr int PrintPreview = 33;
constexpr int DeleteRange = 48;
constexpr int Recover = 64;
constexpr int Help = 80;
constexpr int ToggleSounds = 96;
constexpr int Options = 144;
constexpr int Export = 160;
constexpr int Import = 176;
constexpr int NewReminder = 1009;
constexpr int GoToToday = 1047;
constexpr int DayList = 1061;
constexpr int DeleteContext = 32776;
constexpr int EditContext = 32777;
constexpr int Properties = 32779;
constexpr int NewContext = 32780;
// Not in any menu: the window commands the tray adds around its entries.
constexpr int ShowWindow = 0x7001;
constexpr int CloseProgram = 0x7002;
} // namespace KmCommand
