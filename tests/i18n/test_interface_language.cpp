// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "i18n/interface_language.h"

namespace kelvaro {
namespace {

using L = InterfaceLanguage;

TEST(InterfaceLanguage, TheFirstDesktopLanguageWithCataloguesUnlessTheLocaleIsC) {
    struct Case {
        QStringList uiLanguages;
        const char* messagesLocale;
        L expected;
    };
    const Case cases[] = {
        {{"en-US", "en-Latn-US", "en"}, "en_US.UTF-8", L::English},
        {{"ja-JP", "ja"}, "ja_JP.UTF-8", L::Japanese},
        {{"pl-PL", "pl"}, "pl_PL.UTF-8", L::Source},
        {{"de-DE", "de"}, "de_DE.UTF-8", L::Source},      // no catalogue
        {{"de", "en", "ja"}, "de_DE.UTF-8", L::English},  // LANGUAGE=de:en:ja
        {{"fr-FR", "ja"}, "fr_FR", L::Japanese},
        {{"EN-gb"}, "en_GB", L::English},
        {{"C"}, "C.UTF-8", L::Source},
        {{"ja"}, "C.UTF-8", L::Source},  // LANGUAGE means nothing in the C locale
        {{"en"}, "POSIX", L::Source},
        {{"en"}, "C", L::Source},
        {{}, "en_US.UTF-8", L::Source},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(languageFromDesktop(c.uiLanguages, QString::fromLatin1(c.messagesLocale)),
                  c.expected)
            << c.uiLanguages.join(',').toStdString() << " / " << c.messagesLocale;
    }
}

TEST(InterfaceLanguage, CodesRoundTripAndOtherTextsAreNoLanguage) {
    for (const L language : {L::Source, L::English, L::Japanese})
        EXPECT_EQ(languageFromCode(languageCode(language)), language);
    for (const char* code : {"", "de", "EN", "pl_PL", "system"})
        EXPECT_FALSE(languageFromCode(QString::fromLatin1(code))) << code;
}

TEST(InterfaceLanguage, InstallingALanguageReplacesTheOneBefore) {
    const auto caption = [] {
        return QCoreApplication::translate("kelvaro::ColoursTab", "Kolory");
    };
    Translations translations;
    const std::pair<L, const char*> steps[] = {{L::English, "Colours"},
                                               {L::Japanese, "色"},
                                               {L::Source, "Kolory"},
                                               {L::English, "Colours"}};
    for (const auto& [language, expected] : steps) {
        translations.install(language);
        EXPECT_EQ(translations.language(), language);
        EXPECT_EQ(caption(), QString::fromUtf8(expected)) << languageCode(language).toStdString();
    }
    translations.install(L::Source);
}

}  // namespace
}  // namespace kelvaro
