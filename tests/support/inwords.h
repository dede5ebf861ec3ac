#pragma once

#include "game.h"

#include <QList>
#include <QString>

// What steps show, in a few words each, joined by commas: "Note!: Empty Data", or "strike 5, pause,
// strike 4, pause, strike 6, pause, strike 2, pause, strike 3, pause, beep, result 1".
QString inWords(const QList<Tandro::Step> &steps);

// The slots that steps strike, in order.
QList<int> strikesIn(const QList<Tandro::Step> &steps);
