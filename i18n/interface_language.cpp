// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "i18n/interface_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <array>

namespace kelvaro {
namespace {

struct LanguageEntry {
    InterfaceLanguage language;
    const char* code;
    const char* qtCatalogue;  // Qt's own texts in this language; English is Qt's source
};
constexpr std::array<LanguageEntry, 3> kLanguages = {{
    {InterfaceLanguage::Source, "pl", "qtbase_pl"},
    {InterfaceLanguage::English, "en", ""},
    {InterfaceLanguage::Japanese, "ja", "qtbase_ja"},
}};

const LanguageEntry& entryFor(InterfaceLanguage language) {
    for (const LanguageEntry& entry : kLanguages) {
        if (entry.language == language)
            return entry;
    }
    return kLanguages.front();
}

bool isPlainCLocale(const QString& locale) {
    const QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

QString messagesLocaleOfEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

}  // namespace

QString languageCode(InterfaceLanguage language) {
    return QString::fromLatin1(entryFor(language).code);
}

std::optional<InterfaceLanguage> languageFromCode(const QString& code) {
    for (const LanguageEntry& entry : kLanguages) {
        if (code == QLatin1String(entry.code))
            return entry.language;
    }
    return std::nullopt;
}

InterfaceLanguage languageFromDesktop(const QStringList& uiLanguages,
                                      const QString& messagesLocale) {
    if (isPlainCLocale(messagesLocale))
        return InterfaceLanguage::Source;
    for (const QString& name : uiLanguages) {
        const QString primary = name.section(QLatin1Char('-'), 0, 0).toLower();
        if (const auto language = languageFromCode(primary))
            return *language;
    }
    return InterfaceLanguage::Source;
}

InterfaceLanguage desktopLanguage() {
    return languageFromDesktop(QLocale::system().uiLanguages(), messagesLocaleOfEnvironment());
}

Translations::Translations() = default;

Translations::~Translations() {
    removeAll();
}

void Translations::install(InterfaceLanguage language) {
    removeAll();
    m_language = language;
    const LanguageEntry& entry = entryFor(language);
    const QString suffix = QLatin1Char('_') + QLatin1String(entry.code) + QStringLiteral(".qm");
    QStringList catalogues;
    // Ours: every catalogue of the language built into the program.
    for (const QString& name : QDir(QStringLiteral(":/i18n")).entryList(QDir::Files, QDir::Name)) {
        if (name.endsWith(suffix))
            catalogues << QStringLiteral(":/i18n/") + name;
    }
    if (*entry.qtCatalogue)
        catalogues << QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') +
                          QLatin1String(entry.qtCatalogue) + QStringLiteral(".qm");
    for (const QString& file : catalogues) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file) && QCoreApplication::installTranslator(translator.get()))
            m_installed.push_back(std::move(translator));
    }
}

void Translations::removeAll() {
    for (const auto& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
    m_installed.clear();
}

}  // namespace kelvaro
