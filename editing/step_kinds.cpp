// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "editing/step_kinds.h"

#include <array>
#include <stdexcept>

namespace kelvaro {
namespace {

// Colour steps merge within one gesture on one control: a drag of a bar, a run of steps on it, or
// what is typed into one edit.
constexpr std::array<StepKind, 33> kStepKinds = {{
    {Step::PreviousPart, -1, "Poprzednia część", false, false, ShownRouting::CurrentElement},
    {Step::NextPart, -1, "Następna część", false, false, ShownRouting::CurrentElement},
    {Step::Generate, -1, "Generuj", false, false, ShownRouting::EachLayer},
    {Step::Reset, -1, "Resetuj", false, false, ShownRouting::EachLayer},
    {Step::MoveUp, -1, "Przesuń w górę", false, false, ShownRouting::CurrentElement},
    {Step::MoveDown, -1, "Przesuń w dół", false, false, ShownRouting::CurrentElement},
    {Step::MoveLeft, -1, "Przesuń w lewo", false, false, ShownRouting::CurrentElement},
    {Step::MoveRight, -1, "Przesuń w prawo", false, false, ShownRouting::CurrentElement},
    {Step::Centre, -1, "Wyśrodkuj", false, false, ShownRouting::CurrentElement},
    {Step::RotateRight, -1, "Obrót w prawo", true, false, ShownRouting::CurrentElement},
    {Step::RotateLeft, -1, "Obrót w lewo", true, false, ShownRouting::CurrentElement},
    {Step::BarColour, 0, "Czerwony", false, true, ShownRouting::CurrentElement},
    {Step::BarColour, 1, "Zielony", false, true, ShownRouting::CurrentElement},
    {Step::BarColour, 2, "Niebieski", false, true, ShownRouting::CurrentElement},
    {Step::BarColour, 3, "Jasność", false, true, ShownRouting::CurrentElement},
    {Step::BarColour, 4, "Kontrast", false, true, ShownRouting::CurrentElement},
    {Step::EditColour, 0, "Czerwony", false, true, ShownRouting::CurrentElement},
    {Step::EditColour, 1, "Zielony", false, true, ShownRouting::CurrentElement},
    {Step::EditColour, 2, "Niebieski", false, true, ShownRouting::CurrentElement},
    {Step::EditColour, 3, "Jasność", false, true, ShownRouting::CurrentElement},
    {Step::EditColour, 4, "Kontrast", false, true, ShownRouting::CurrentElement},
    {Step::OpenPortrait, -1, "Otwórz portret", false, false, ShownRouting::Document},
    {Step::ChoosePart, -1, "Wybór części", false, false, ShownRouting::CurrentElement},
    {Step::Colour, -1, "Kolor", false, false, ShownRouting::CurrentElement},
    {Step::LinkColours, -1, "Wspólny kolor", true, false, ShownRouting::CurrentElement},
    {Step::DrawColours, -1, "Losuj kolory", false, false, ShownRouting::EachLayer},
    {Step::AddExpression, -1, "Dodaj minę", false, false, ShownRouting::Document},
    {Step::RemoveExpression, -1, "Usuń minę", false, false, ShownRouting::Document},
    {Step::RenameExpression, -1, "Zmień nazwę", false, false, ShownRouting::Document},
    {Step::MoveExpression, -1, "Przesuń minę", false, false, ShownRouting::Document},
    {Step::ExpressionAsBase, -1, "Jak w neutralnej", false, false, ShownRouting::Document},
    {Step::LoadExpressions, -1, "Wczytaj miny", false, false, ShownRouting::Document},
    {Step::BasicExpressions, -1, "Zestaw podstawowy", false, false, ShownRouting::Document},
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

bool isStepKind(int step, int setting) {
    for (const StepKind& kind : kStepKinds) {
        if (static_cast<int>(kind.step) == step && kind.setting == setting)
            return true;
    }
    return false;
}

int mergeKey(const StepKind& kind) {
    return kind.merges ? static_cast<int>(rowOf(kind.step, kind.setting)) : -1;
}

}  // namespace kelvaro
