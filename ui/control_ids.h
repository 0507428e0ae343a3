// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Identifiers of the editor's controls. Every widget keeps its identifier in the property
// "controlId" and in its object name "control<id>", so that tests and the help system find it.
#pragma once

namespace kelvaro::ids {

inline constexpr int kOk = 1;      // "Zapisz": the save command
inline constexpr int kCancel = 2;  // "Zamknij": the close command
inline constexpr int kCanvas = 1000;
inline constexpr int kElementList = 1001;
inline constexpr int kCounter = 1002;
inline constexpr int kPrevious = 1003;
inline constexpr int kNext = 1004;
inline constexpr int kMoveUp = 1005;
inline constexpr int kMoveDown = 1006;
inline constexpr int kMoveLeft = 1007;
inline constexpr int kMoveRight = 1008;
inline constexpr int kCentre = 1009;
// The five colour bars and the five edits, in the colour settings' order.
inline constexpr int kRedBar = 1010;
inline constexpr int kGreenBar = 1011;
inline constexpr int kBlueBar = 1012;
inline constexpr int kBrightnessBar = 1013;
inline constexpr int kContrastBar = 1014;
inline constexpr int kRedEdit = 1015;
inline constexpr int kGreenEdit = 1016;
inline constexpr int kBlueEdit = 1017;
inline constexpr int kBrightnessEdit = 1018;
inline constexpr int kContrastEdit = 1019;
inline constexpr int kSize48 = 1020;
inline constexpr int kSize96 = 1021;
inline constexpr int kSize192 = 1022;
inline constexpr int kGenerate = 1023;
inline constexpr int kReset = 1024;
inline constexpr int kSetPattern = 1025;
inline constexpr int kAbout = 1026;
inline constexpr int kRotateRight = 1027;
inline constexpr int kRotateLeft = 1028;
inline constexpr int kHelp = 57670;
inline constexpr int kNone = 65535;  // a control without identifier

// The About item of the window menu; identifiers 16..31 all open the About box.
inline constexpr int kAboutItem = 16;
// Window commands handled by the default handling.
inline constexpr int kSysMinimize = 0xF020;
inline constexpr int kSysClose = 0xF060;

// Help context of the editor window: 0x20000 plus its template number 102.
inline constexpr int kEditorHelpContext = 0x20000 + 102;

}  // namespace kelvaro::ids
