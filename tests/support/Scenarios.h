#pragma once

#include "support/TestForm.h"

// Plays pieces of one block, colours 1 and 2 in turn: with no steering they
// stack in column 4 without ever matching, so the game ends after 11 pieces.
void playAlternating(ScriptedRandom& random, int pieces);
// Plays such a game from "Continue" to its game over.
void playToGameOver(TestForm& test);
// Checks the Ready state: "Continue" shown, name box and level menu enabled,
// no cash, an empty board and no sprite.
void expectReady(const Form1& form);
// Starts the window over the default table already on disk: start-up then
// only reads it, and nothing is saved (and synced to disk) before play.
void loadOverDefaultTable(TestForm& test);
// The same over the table file given.
void loadOverTable(TestForm& test, const QByteArray& table);
