// SPDX-FileCopyrightText: 2026 Zespół Kelvaro
// SPDX-License-Identifier: MIT
// Where a change made on the shown face belongs. The commands work on the layers the canvas
// shows; while an expression is shown, what they changed is routed afterwards either into the
// expression (as overrides) or into the base, which every face shares.
#pragma once

#include <array>
#include <optional>

#include "model/portrait_state.h"

namespace kelvaro {

// The shown face's records and iris mask, taken before a command runs.
struct ShownFace {
    std::array<LayerRecord, kLayerCount> layers{};
    std::optional<IrisMaskOffset> irisMask;
};

// What the state shows now.
ShownFace shownFace(const PortraitState& state);

// Routes what a command changed in the shown layers since `before` while an expression is shown
// (nothing happens while the base is). `acting` is the element the command acted on, or -1 for
// a command on the whole portrait, where each layer's own element decides. A changed placement
// or part goes into the expression when the deciding element is an expression element or
// overridden in it (the layer's element then takes its override from its primary layer; a new
// override equal to the base goes to the base instead); otherwise the fields the command set go
// into the base records as shown (the part only where the element is not overridden), so that
// moving the head moves every expression's features with it. Stored colours and `recoloured` always
// go to the base. A changed iris mask gives the base a mask at the base's own offset, or none. The
// shown layers themselves are left as the command made them: apply the captured document to show
// the result.
void settleShownChange(PortraitState& state, const ShownFace& before, int acting);

}  // namespace kelvaro
