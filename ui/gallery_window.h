// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Części": a tool window beside the editor with the size previews and a grid of the current
// element's parts, each drawn on the portrait being edited. It follows the editor: every change
// of the portrait redraws the previews and, when the cells' pictures change with it, starts a
// new generation of cells for the cells in view; another element in the list brings that
// element's cells. Choosing a cell or a preview runs the portrait owner's own command.
#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "editing/portrait_editor.h"
#include "model/portrait_document.h"

class QLabel;

namespace kelvaro {

class GalleryCells;
class GalleryRenderer;
class GalleryView;
class PreviewStrip;

class GalleryWindow : public QWidget {
    Q_OBJECT
public:
    // A tool window of `parent` showing the portrait `editor` owns.
    GalleryWindow(PortraitEditor& editor, QWidget* parent);
    ~GalleryWindow() override;

    // The portrait changed: another part, placement, colour, element or size choice.
    void portraitChanged(ChangeSet what);

    GalleryRenderer& renderer() const { return *m_renderer; }
    GalleryCells& cells() const { return *m_cells; }
    GalleryView* view() const { return m_view; }
    PreviewStrip* previews() const { return m_previews; }
    // The cells in view (and a row around them) last asked for, all drawn for the portrait as
    // it is now.
    bool wantedCellsReady() const;
    // No change of the portrait or the view waits to be taken in, and the cells asked for are
    // drawn: what the gallery shows belongs to the portrait as it is now.
    bool upToDate() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void followElement(int element, int count);
    void requestWanted();
    void onCellReady(quint64 generation, int part, const QImage& picture);

    PortraitEditor& m_editor;
    GalleryRenderer* m_renderer = nullptr;
    GalleryCells* m_cells = nullptr;
    GalleryView* m_view = nullptr;
    QLabel* m_empty = nullptr;
    PreviewStrip* m_previews = nullptr;
    QTimer m_refreshTimer;  // changes within one pass of the event loop refresh once
    QTimer m_scrollTimer;
    int m_element = -2;                       // the element the cells show; -2: none yet
    std::optional<PortraitDocument> m_drawn;  // what the cells are drawn for
    std::vector<int> m_wanted;
};

}  // namespace kelvaro
