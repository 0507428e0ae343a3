// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// "Części", the companion window's tab of parts: the size previews and a grid of the current
// element's parts, each drawn on the portrait being edited. It follows the editor: every change
// of the portrait redraws the previews and, when the cells' pictures change with it, starts a
// new generation of cells for the cells in view; another element in the list brings that
// element's cells. Choosing a cell or a preview runs the portrait owner's own command; files
// dropped on the tab are PartsDrop's.
#pragma once

#include <QTimer>
#include <QWidget>
#include <optional>
#include <vector>

#include "editing/portrait_editor.h"
#include "model/part_status.h"
#include "model/portrait_document.h"

class QLabel;

namespace kelvaro {

class GalleryCells;
class GalleryRenderer;
class GalleryView;
class PreviewStrip;

class PartsTab : public QWidget {
    Q_OBJECT
public:
    // A tab of `parent` showing the portrait `editor` owns; its window title is the tab's
    // caption and its focus goes to the grid.
    PartsTab(PortraitEditor& editor, QWidget* parent);
    ~PartsTab() override;
    // Shows every text of the tab (its title among them) in the language the program speaks;
    // the companion window calls it when the language changes.
    void showTexts();

    // The portrait changed: another part, placement, colour, element or size choice.
    void portraitChanged(ChangeSet what);

    // What the tab shows; the grid is hidden while the element has no parts.
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
    // Shown: takes in the portrait as it is and makes the current part's cell the current one.
    // The cells are asked for once the grid is first painted: workers started earlier would
    // take the processor from that paint, which on a busy machine then keeps the window from
    // answering for longer than a frame.
    void showEvent(QShowEvent* event) override;
    // A resized grid asks for the cells then in view; the grid's paint ends the wait of showEvent.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shows the portrait as it is now: previews, the element's cells, the current part.
    void refresh();
    // Makes the current part's cell the grid's current index and scrolls to it.
    void moveToCurrentPart();
    // Fresh cells when the element or the count of its parts changed.
    void followElement(int element, int count);
    // Asks the renderer for the cells in view that are not drawn yet (while waiting for the
    // grid's paint, only notes which they are).
    void requestWanted();
    // Ends the wait for the grid's paint and asks for the cells after the paint.
    void endPaintWait();
    // A cell drawn for the portrait as it is now, with the files of its part that do not load.
    void onCellReady(quint64 generation, int part, const QImage& picture, const PartFaults& faults);

    PortraitEditor& m_editor;
    GalleryRenderer* m_renderer = nullptr;
    GalleryCells* m_cells = nullptr;
    GalleryView* m_view = nullptr;
    QLabel* m_empty = nullptr;
    PreviewStrip* m_previews = nullptr;
    QTimer m_refreshTimer;  // changes within one pass of the event loop refresh once
    QTimer m_scrollTimer;
    // While shown and not yet painted; ended by the grid's paint, or by the timer when no paint
    // comes (a grid that is hidden, or a platform that shows nothing).
    bool m_waitingForPaint = false;
    bool m_prepared = false;  // the renderer was asked to make its workers ready in this wait
    QTimer m_paintWait;
    int m_element = -2;                       // the element the cells show; -2: none yet
    std::optional<PortraitDocument> m_drawn;  // what the cells are drawn for
    std::vector<int> m_wanted;
};

}  // namespace kelvaro
