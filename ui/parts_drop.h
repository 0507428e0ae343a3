// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Files dropped on the parts tab: a portrait opens as it does when dropped on the editor window;
// other pictures, once the user agrees, are added as the current element's next parts, by the
// portrait owner's own command.
#pragma once

#include <QObject>
#include <filesystem>
#include <vector>

class QMimeData;
class QWidget;

namespace kelvaro {

class PortraitEditor;

class PartsDrop : public QObject {
    Q_OBJECT
public:
    // Takes the drops on `tab` (which then accepts drops) for the portrait `editor` owns.
    PartsDrop(PortraitEditor& editor, QWidget& tab);

    // The question asked before `count` pictures are added to element `element`.
    static QString question(int count, int element);

protected:
    // The tab's drag and drop events.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when `data` is a drop the tab takes: a portrait file or pictures.
    bool takes(const QMimeData& data) const;
    // What a drop of `data` does, once the drop is over.
    void dropped(const QMimeData& data);
    // Asks whether to add `pictures` and adds them on Yes.
    void askToAdd(const std::vector<std::filesystem::path>& pictures);

    PortraitEditor& m_editor;
    QWidget& m_tab;
};

}  // namespace kelvaro
