// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#pragma once
// The language the programs speak. The source texts are the Polish captions and the Japanese
// messages; the catalogues under :/i18n (built from i18n/*.ts) give English and Japanese
// captions, and English messages.
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <optional>
#include <vector>

namespace kelvaro {

enum class InterfaceLanguage {
    Source,  // Polish captions, Japanese messages: the texts as written in the code
    English,
    Japanese,
};

// The code a language is stored and its catalogues are named by: "pl", "en", "ja".
QString languageCode(InterfaceLanguage language);

// The language of `code` ("pl", "en", "ja"); nothing for any other text (an empty one included).
std::optional<InterfaceLanguage> languageFromCode(const QString& code);

// The first of the desktop's `uiLanguages` (BCP 47 names, most wanted first) that has
// catalogues, or Source when none has. `messagesLocale` is the locale the C library uses for
// messages (LC_ALL, else LC_MESSAGES, else LANG): "C" and "POSIX", with or without an encoding,
// give Source whatever the list says, as they do for every other program on the desktop.
InterfaceLanguage languageFromDesktop(const QStringList& uiLanguages,
                                      const QString& messagesLocale);

// languageFromDesktop for this process: QLocale::system() and the environment.
InterfaceLanguage desktopLanguage();

// The catalogues of one language installed in the application: this program's own and Qt's
// (qtbase_*, for Qt's dialogs and buttons, where Debian's translations are installed). Replacing
// the language removes the previous catalogues first; Qt then sends every widget a
// LanguageChange event. Needs a QCoreApplication.
class Translations {
public:
    Translations();
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Installs `language`'s catalogues in place of the current ones.
    void install(InterfaceLanguage language);
    // The language installed last (Source before the first install).
    InterfaceLanguage language() const { return m_language; }

private:
    void removeAll();

    InterfaceLanguage m_language = InterfaceLanguage::Source;
    std::vector<std::unique_ptr<QTranslator>> m_installed;
};

}  // namespace kelvaro
