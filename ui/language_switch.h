// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The language the program speaks: the user's choice from the "Język / Language" menu, kept in
// the user's settings (key "language": "pl", "en" or "ja"; no key follows the desktop), else
// the desktop's language. One set of catalogues is installed for the whole program; installing
// another sends every widget a LanguageChange event, and the windows show their texts anew.
#pragma once

#include <optional>

#include "i18n/interface_language.h"

namespace kelvaro {

// The language the user chose, or nothing when the desktop's is followed (no key, or a key that
// names no language).
std::optional<InterfaceLanguage> rememberedLanguage();

// The language the program speaks for `choice`: the choice itself, else the desktop's.
InterfaceLanguage languageFor(std::optional<InterfaceLanguage> choice);

// Installs the catalogues of `language` in place of those installed before. Needs a
// QCoreApplication; the catalogues go when it does.
void speak(InterfaceLanguage language);

// The language installed last by speak (Source before the first and after stopSpeaking).
InterfaceLanguage spokenLanguage();

// Removes the catalogues speak installed: the texts as written in the code, and Qt's own in
// English, as in a program that installs none (the test programs run so).
void stopSpeaking();

// Start-up: speaks the remembered language, else the desktop's.
void speakRememberedLanguage();

// The menu's choice: remembers `choice` (nothing removes the key) and speaks its language at once.
void chooseLanguage(std::optional<InterfaceLanguage> choice);

}  // namespace kelvaro
