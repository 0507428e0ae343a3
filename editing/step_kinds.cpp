// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
#include "editing/step_kinds.h"

#include <QCoreApplication>
#include <array>
#include <stdexcept>

namespace kelvaro {
namespace {

// Colour steps merge within one gesture on one control: a drag of a bar, a run of steps on it, or
// what is typed into one edit.
constexpr std::array<StepKind, 33> kStepKinds = {{
    {Step::PreviousPart, -1, QT_TRANSLATE_NOOP("Step", "Poprzednia część"), false, false,
     ShownRouting::CurrentElement},
    {Step::NextPart, -1, QT_TRANSLATE_NOOP("Step", "Następna część"), false, false,
     ShownRouting::CurrentElement},
    {Step::Generate, -1, QT_TRANSLATE_NOOP("Step", "Generuj"), false, false,
     ShownRouting::EachLayer},
    {Step::Reset, -1, QT_TRANSLATE_NOOP("Step", "Resetuj"), false, false, ShownRouting::EachLayer},
    {Step::MoveUp, -1, QT_TRANSLATE_NOOP("Step", "Przesuń w górę"), false, false,
     ShownRouting::CurrentElement},
    {Step::MoveDown, -1, QT_TRANSLATE_NOOP("Step", "Przesuń w dół"), false, false,
     ShownRouting::CurrentElement},
    {Step::MoveLeft, -1, QT_TRANSLATE_NOOP("Step", "Przesuń w lewo"), false, false,
     ShownRouting::CurrentElement},
    {Step::MoveRight, -1, QT_TRANSLATE_NOOP("Step", "Przesuń w prawo"), false, false,
     ShownRouting::CurrentElement},
    {Step::Centre, -1, QT_TRANSLATE_NOOP("Step", "Wyśrodkuj"), false, false,
     ShownRouting::CurrentElement},
    {Step::RotateRight, -1, QT_TRANSLATE_NOOP("Step", "Obrót w prawo"), true, false,
     ShownRouting::CurrentElement},
    {Step::RotateLeft, -1, QT_TRANSLATE_NOOP("Step", "Obrót w lewo"), true, false,
     ShownRouting::CurrentElement},
    {Step::BarColour, 0, QT_TRANSLATE_NOOP("Step", "Czerwony"), false, true,
     ShownRouting::CurrentElement},
    {Step::BarColour, 1, QT_TRANSLATE_NOOP("Step", "Zielony"), false, true,
     ShownRouting::CurrentElement},
    {Step::BarColour, 2, QT_TRANSLATE_NOOP("Step", "Niebieski"), false, true,
     ShownRouting::CurrentElement},
    {Step::BarColour, 3, QT_TRANSLATE_NOOP("Step", "Jasność"), false, true,
     ShownRouting::CurrentElement},
    {Step::BarColour, 4, QT_TRANSLATE_NOOP("Step", "Kontrast"), false, true,
     ShownRouting::CurrentElement},
    {Step::EditColour, 0, QT_TRANSLATE_NOOP("Step", "Czerwony"), false, true,
     ShownRouting::CurrentElement},
    {Step::EditColour, 1, QT_TRANSLATE_NOOP("Step", "Zielony"), false, true,
     ShownRouting::CurrentElement},
    {Step::EditColour, 2, QT_TRANSLATE_NOOP("Step", "Niebieski"), false, true,
     ShownRouting::CurrentElement},
    {Step::EditColour, 3, QT_TRANSLATE_NOOP("Step", "Jasność"), false, true,
     ShownRouting::CurrentElement},
    {Step::EditColour, 4, QT_TRANSLATE_NOOP("Step", "Kontrast"), false, true,
     ShownRouting::CurrentElement},
    {Step::OpenPortrait, -1, QT_TRANSLATE_NOOP("Step", "Otwórz portret"), false, false,
     ShownRouting::Document},
    {Step::ChoosePart, -1, QT_TRANSLATE_NOOP("Step", "Wybór części"), false, false,
     ShownRouting::CurrentElement},
    {Step::Colour, -1, QT_TRANSLATE_NOOP("Step", "Kolor"), false, false,
     ShownRouting::CurrentElement},
    {Step::LinkColours, -1, QT_TRANSLATE_NOOP("Step", "Wspólny kolor"), true, false,
     ShownRouting::CurrentElement},
    {Step::DrawColours, -1, QT_TRANSLATE_NOOP("Step", "Losuj kolory"), false, false,
     ShownRouting::EachLayer},
    {Step::AddExpression, -1, QT_TRANSLATE_NOOP("Step", "Dodaj minę"), false, false,
     ShownRouting::Document},
    {Step::RemoveExpression, -1, QT_TRANSLATE_NOOP("Step", "Usuń minę"), false, false,
     ShownRouting::Document},
    {Step::RenameExpression, -1, QT_TRANSLATE_NOOP("Step", "Zmień nazwę"), false, false,
     ShownRouting::Document},
    {Step::MoveExpression, -1, QT_TRANSLATE_NOOP("Step", "Przesuń minę"), false, false,
     ShownRouting::Document},
    {Step::ExpressionAsBase, -1, QT_TRANSLATE_NOOP("Step", "Jak w neutralnej"), false, false,
     ShownRouting::Document},
    {Step::LoadExpressions, -1, QT_TRANSLATE_NOOP("Step", "Wczytaj miny"), false, false,
     ShownRouting::Document},
    {Step::BasicExpressions, -1, QT_TRANSLATE_NOOP("Step", "Zestaw podstawowy"), false, false,
     ShownRouting::Document},
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

QString stepText(const QString& sourceText) {
    return QCoreApplication::translate("Step", sourceText.toUtf8().constData());
}

int mergeKey(const StepKind& kind) {
    return kind.merges ? static_cast<int>(rowOf(kind.step, kind.setting)) : -1;
}

}  // namespace kelvaro
