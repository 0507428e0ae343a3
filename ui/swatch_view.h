// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// The swatches of one palette as a grid: each a square of its colour, its name as the tooltip
// and as what a screen reader says when the keyboard reaches it. The arrow keys move between
// swatches and Home goes to the first; Space or Enter, or a click, chooses one. The swatch of
// the colour the element shows is framed.
#pragma once

#include <QListView>
#include <optional>

#include "model/palette.h"

class QStandardItemModel;

namespace kelvaro {

class SwatchView : public QListView {
    Q_OBJECT
public:
    explicit SwatchView(QWidget* parent = nullptr);

    // Shows the swatches of `palette`, the first one current.
    void showPalette(const Palette& palette);
    // Frames the first swatch within `kShownTolerance` levels per channel of `shown`; none when
    // there is no such swatch or no colour is given.
    void markShown(std::optional<Rgb> shown);
    // The framed swatch's row; -1 when none is framed.
    int markedRow() const { return m_marked; }
    // The colour and name of the swatch in `row`.
    Swatch swatchAt(int row) const;

    static constexpr int kShownTolerance = 2;

signals:
    void swatchChosen(kelvaro::Rgb colour);
    // The keyboard moved to another swatch (or the palette changed): its name, empty for none.
    void currentNameChanged(const QString& name);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void choose(const QModelIndex& index);

    QStandardItemModel* m_model = nullptr;
    int m_marked = -1;
};

}  // namespace kelvaro
