// The two computed stat columns of the ally and enemy pages: "ゲーム値", the
// stats at the record's level, and "参考値", the same with every stat taken
// from the class. The character rules compute them on copies; the record is
// never changed.
#pragma once

#include "model/chara.h"

// 1 with both columns filled; 0 (nothing written) when the record names no
// class of the class list. The enemy's columns are scaled by the system's
// enemy stat rates: the game values only where the class gives the stat,
// the reference values always.
int CharaFigures(const cFriend& ally, int game[STAT_COUNT], int reference[STAT_COUNT]);
int CharaFigures(const cEnemy& enemy, int game[STAT_COUNT], int reference[STAT_COUNT]);
