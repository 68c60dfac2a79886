#pragma once

#include "support/Invariants.h"

#include <random>

// The player's inputs, each delivered as the window system delivers it: menu
// commands through their real actions, presses as real mouse events to the
// board's surface or a sprite, or as the board's own MouseDown at any X
// (outside the board too), a close through the window's real close. An input
// the window does not offer at that moment (a hidden button or sprite, a
// level item while "Starting level" is disabled) does nothing.
namespace PlayerInputs {

PlayerInput pressOnBoard(int button, double x);
PlayerInput realPressOnBoard(Qt::MouseButton button, QPoint at);
PlayerInput realPressOnSprite(int sprite, Qt::MouseButton button);
PlayerInput newGame();
PlayerInput pressContinue();
PlayerInput hideNext();
PlayerInput levelItem(int index);
// granted, when given, learns whether the window closed.
PlayerInput closeRequest(bool* granted = nullptr);

// Any one press: left, right or middle, on the board, beside it or on a sprite.
PlayerInput anyPress(std::mt19937& chance);
// Any one press as the board's own MouseDown: left, right or middle, at any X on the board or beside it.
PlayerInput anyBoardPress(std::mt19937& chance);

} // namespace PlayerInputs
