// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "ui/colours_tab.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/colour_links.h"
#include "model/layer_tables.h"
#include "ui/file_dialog.h"
#include "ui/swatch_view.h"

namespace kelvaro {
namespace {

// The import dialog's filter, translated where it is used.
const char* const kPaletteFilter = QT_TRANSLATE_NOOP("kelvaro::ColoursTab", "Paleta GIMP (*.gpl)");

}  // namespace

ColoursTab::ColoursTab(PortraitEditor& editor, QWidget* parent)
    : QWidget(parent), m_editor(editor) {
    setObjectName(QStringLiteral("coloursTab"));
    m_paletteChoice = new QComboBox(this);
    m_paletteChoice->setObjectName(QStringLiteral("paletteChoice"));
    m_swatches = new SwatchView(this);
    m_swatchName = new QLabel(this);
    m_swatchName->setObjectName(QStringLiteral("swatchName"));
    m_link = new QCheckBox(this);
    m_link->setObjectName(QStringLiteral("linkColours"));
    m_otherColour = new QPushButton(this);
    m_otherColour->setObjectName(QStringLiteral("otherColour"));
    m_drawColours = new QPushButton(this);
    m_drawColours->setObjectName(QStringLiteral("drawColours"));
    m_import = new QPushButton(this);
    m_import->setObjectName(QStringLiteral("importPalette"));

    auto* choice = new QFormLayout;
    m_paletteLabel = new QLabel(this);
    m_paletteLabel->setBuddy(m_paletteChoice);
    choice->addRow(m_paletteLabel, m_paletteChoice);
    // Two buttons a row, so that the tab is no wider than the parts tab at its narrowest.
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_otherColour, 0, 0);
    buttons->addWidget(m_drawColours, 0, 1);
    buttons->addWidget(m_import, 1, 0);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(m_swatches, 1);
    layout->addWidget(m_swatchName);
    layout->addWidget(m_link);
    layout->addLayout(buttons);
    setFocusProxy(m_swatches);
    showTexts();

    connect(m_swatches, &SwatchView::swatchChosen, &m_editor, &PortraitEditor::applyColour);
    connect(m_swatches, &SwatchView::currentNameChanged, m_swatchName, &QLabel::setText);
    connect(m_paletteChoice, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_showing)
            showPalette(index);
    });
    connect(m_link, &QCheckBox::toggled, this, [this](bool linked) {
        if (!m_showing)
            m_editor.linkColours(linked);
    });
    connect(m_otherColour, &QPushButton::clicked, this, &ColoursTab::chooseOtherColour);
    connect(m_drawColours, &QPushButton::clicked, &m_editor, &PortraitEditor::drawColours);
    connect(m_import, &QPushButton::clicked, this, &ColoursTab::importPalette);
    connect(&m_editor, &PortraitEditor::changed, this, &ColoursTab::portraitChanged);
}

void ColoursTab::showTexts() {
    setWindowTitle(tr("Kolory"));
    m_paletteLabel->setText(tr("Paleta:"));
    m_swatches->setAccessibleName(tr("Próbki kolorów"));
    m_link->setText(tr("Wspólny kolor"));
    m_otherColour->setText(tr("Inny kolor…"));
    m_drawColours->setText(tr("Losuj kolory"));
    m_import->setText(tr("Importuj paletę…"));
}

void ColoursTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_filled)
        fillPalettes();
    showColourState();
}

void ColoursTab::portraitChanged(ChangeSet what) {
    if (what & Change::Palettes) {
        m_filled = false;
        if (isVisible())
            fillPalettes();
    }
    if (!m_filled)
        return;
    // Undo and redo announce the element too; the palette picked stays while it is the same.
    if ((what & Change::Element) && m_editor.state().currentElement != m_element)
        followElement();
    if (what & (ChangeSet(Change::Colours) | Change::Element | Change::Parts | Change::Picture))
        showColourState();
}

void ColoursTab::fillPalettes() {
    m_filled = true;
    const PaletteSet& set = m_editor.palettes();
    m_showing = true;
    m_paletteChoice->clear();
    for (const Palette& palette : set.palettes)
        m_paletteChoice->addItem(QString::fromStdString(palette.name));
    m_showing = false;
    followElement();
}

void ColoursTab::followElement() {
    const int element = m_editor.state().currentElement;
    m_element = element;
    const int kindPalette =
        isValidElement(element)
            ? m_editor.palettes().byKind[static_cast<std::size_t>(paletteKindOf(element))]
            : -1;
    const int index = kindPalette >= 0 ? kindPalette : 0;
    m_showing = true;
    m_paletteChoice->setCurrentIndex(index);
    m_showing = false;
    showPalette(index);
}

void ColoursTab::showPalette(int index) {
    const PaletteSet& set = m_editor.palettes();
    if (index < 0 || index >= static_cast<int>(set.palettes.size())) {
        m_swatches->showPalette({});
        return;
    }
    m_swatches->showPalette(set.palettes[static_cast<std::size_t>(index)]);
    showColourState();
}

void ColoursTab::showColourState() {
    const PortraitState& state = m_editor.state();
    const bool valid = isValidElement(state.currentElement) && !state.released();
    m_swatches->markShown(valid ? std::optional(shownColour(state, state.currentElement))
                                : std::nullopt);
    m_showing = true;
    m_link->setChecked(valid && isLinked(state, state.currentElement));
    m_showing = false;
    for (QWidget* control : {static_cast<QWidget*>(m_link), static_cast<QWidget*>(m_otherColour)})
        control->setEnabled(valid);
}

void ColoursTab::chooseOtherColour() {
    m_editor.endGesture();
    const PortraitState& state = m_editor.state();
    const Rgb shown = shownColour(state, state.currentElement);
    QColorDialog dialog(QColor(shown.red, shown.green, shown.blue), this);
    dialog.setObjectName(QStringLiteral("otherColourDialog"));
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    m_editor.applyColour({chosen.red(), chosen.green(), chosen.blue()});
}

void ColoursTab::importPalette() {
    m_editor.endGesture();
    const auto file =
        chooseFileToOpen(*this, QStringLiteral("importPaletteDialog"), {tr(kPaletteFilter)});
    if (!file.empty())
        m_editor.importPalette(file);
}

}  // namespace kelvaro
