// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/language_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <array>

#include "ui/language_switch.h"

namespace kelvaro {
namespace {

struct LanguageItem {
    const char* name;  // in its own language; "Jak system" is translated
    std::optional<InterfaceLanguage> choice;
};
const std::array<LanguageItem, 4> kLanguageItems = {{
    {"Polski", InterfaceLanguage::Source},
    {"English", InterfaceLanguage::English},
    {"日本語", InterfaceLanguage::Japanese},
    {QT_TRANSLATE_NOOP("LanguageMenu", "Jak system"), std::nullopt},
}};

QString itemText(const LanguageItem& item) {
    return item.choice ? QString::fromUtf8(item.name)
                       : QCoreApplication::translate("LanguageMenu", item.name);
}

}  // namespace

void addLanguageMenu(QMenu& menu) {
    QMenu* languages = menu.addMenu(QStringLiteral("Język / Language"));
    languages->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(languages);
    const std::optional<InterfaceLanguage> current = rememberedLanguage();
    for (const LanguageItem& item : kLanguageItems) {
        QAction* action = languages->addAction(itemText(item));
        action->setCheckable(true);
        action->setChecked(item.choice == current);
        action->setData(0);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered,
                         [choice = item.choice] { chooseLanguage(choice); });
    }
    menu.addSeparator();
}

}  // namespace kelvaro
