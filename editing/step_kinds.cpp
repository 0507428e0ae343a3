// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "editing/step_kinds.h"

#include <array>
#include <stdexcept>

namespace kelvaro {
namespace {

// Colour steps merge within one gesture on one control: a drag of a bar, a run of steps on it, or
// what is typed into one edit.
constexpr std::array<StepKind, 26> kStepKinds = {{
    {Step::PreviousPart, -1, "Poprzednia część", false, false},
    {Step::NextPart, -1, "Następna część", false, false},
    {Step::Generate, -1, "Generuj", false, false},
    {Step::Reset, -1, "Resetuj", false, false},
    {Step::MoveUp, -1, "Przesuń w górę", false, false},
    {Step::MoveDown, -1, "Przesuń w dół", false, false},
    {Step::MoveLeft, -1, "Przesuń w lewo", false, false},
    {Step::MoveRight, -1, "Przesuń w prawo", false, false},
    {Step::Centre, -1, "Wyśrodkuj", false, false},
    {Step::RotateRight, -1, "Obrót w prawo", true, false},
    {Step::RotateLeft, -1, "Obrót w lewo", true, false},
    {Step::BarColour, 0, "Czerwony", false, true},
    {Step::BarColour, 1, "Zielony", false, true},
    {Step::BarColour, 2, "Niebieski", false, true},
    {Step::BarColour, 3, "Jasność", false, true},
    {Step::BarColour, 4, "Kontrast", false, true},
    {Step::EditColour, 0, "Czerwony", false, true},
    {Step::EditColour, 1, "Zielony", false, true},
    {Step::EditColour, 2, "Niebieski", false, true},
    {Step::EditColour, 3, "Jasność", false, true},
    {Step::EditColour, 4, "Kontrast", false, true},
    {Step::OpenPortrait, -1, "Otwórz portret", false, false},
    {Step::ChoosePart, -1, "Wybór części", false, false},
    {Step::Colour, -1, "Kolor", false, false},
    {Step::LinkColours, -1, "Wspólny kolor", true, false},
    {Step::DrawColours, -1, "Losuj kolory", false, false},
}};

std::size_t rowOf(Step step, int setting) {
    for (std::size_t row = 0; row < kStepKinds.size(); ++row) {
        if (kStepKinds[row].step == step && kStepKinds[row].setting == setting)
            return row;
    }
    throw std::out_of_range("no such step kind");
}

}  // namespace

const StepKind& stepKind(Step step, int setting) {
    return kStepKinds[rowOf(step, setting)];
}

int mergeKey(const StepKind& kind) {
    return kind.merges ? static_cast<int>(rowOf(kind.step, kind.setting)) : -1;
}

}  // namespace kelvaro
