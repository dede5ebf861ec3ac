#pragma once

#include <QList>
#include <QString>

// The rules of the game done literally, one step at a time, as they were first written: slow, but
// plainly right. The engine's fast versions must give exactly the same results.
namespace Literal {

// Trims spaces, lower-cases, then cancels each letter of sYName against the first match left in
// sPName by searching it from the start and deleting the match with DelChar. Quadratic.
qsizetype getNumber(QString &sYName, QString &sPName);

// Walks round the six slots one position at a time, numbering the slots in play, until five are
// struck. The time grows with iNumber. Empty when iNumber is below 1.
QList<int> strikeOrder(qsizetype iNumber);

} // namespace Literal
