// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/language_switch.h"

#include <QCoreApplication>

#include "ui/user_settings.h"

namespace kelvaro {
namespace {

const QString kLanguageKey = QStringLiteral("language");

Translations*& current() {
    static Translations* translations = nullptr;
    return translations;
}

void removeInstalled() {
    delete current();
    current() = nullptr;
}

// The program's one set of catalogues. It is removed while the application still exists (a post
// routine runs at the start of its destruction), so that no translator outlives it.
Translations& installed() {
    static bool removedAtTheEnd = false;
    if (!removedAtTheEnd) {
        qAddPostRoutine(removeInstalled);
        removedAtTheEnd = true;
    }
    if (!current())
        current() = new Translations;
    return *current();
}

}  // namespace

std::optional<InterfaceLanguage> rememberedLanguage() {
    return languageFromCode(UserSettings().value(kLanguageKey).toString());
}

InterfaceLanguage languageFor(std::optional<InterfaceLanguage> choice) {
    return choice ? *choice : desktopLanguage();
}

void speak(InterfaceLanguage language) {
    installed().install(language);
}

InterfaceLanguage spokenLanguage() {
    return current() ? current()->language() : InterfaceLanguage::Source;
}

void stopSpeaking() {
    removeInstalled();
}

void speakRememberedLanguage() {
    speak(languageFor(rememberedLanguage()));
}

void chooseLanguage(std::optional<InterfaceLanguage> choice) {
    UserSettings settings;
    if (choice)
        settings.setValue(kLanguageKey, languageCode(*choice));
    else
        settings.remove(kLanguageKey);
    settings.sync();
    speak(languageFor(choice));
}

}  // namespace kelvaro
