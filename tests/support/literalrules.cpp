#include "literalrules.h"

#include "elimination.h"
#include "names.h"

#include <array>

namespace Literal {

namespace {

constexpr QChar Space = u' ';

void trimSpaces(QString &name)
{
    qsizetype first = 0;
    while (first < name.size() && name.at(first) == Space)
        ++first;
    qsizetype last = name.size();
    while (last > first && name.at(last - 1) == Space)
        --last;
    name = name.mid(first, last - first);
}

} // namespace

qsizetype getNumber(QString &sYName, QString &sPName)
{
    trimSpaces(sYName);
    trimSpaces(sPName);
    sYName = sYName.toLower();
    sPName = sPName.toLower();

    qsizetype count = sYName.size() + sPName.size();
    for (qsizetype i = 1; i <= sYName.size(); ++i) {
        if (sYName.at(i - 1) == Space)
            --count;
    }
    for (qsizetype i = 1; i <= sPName.size(); ++i) {
        if (sPName.at(i - 1) == Space)
            --count;
    }
    for (qsizetype i = 1; i <= sYName.size(); ++i) {
        const QChar c = sYName.at(i - 1);
        if (c == Space)
            continue;
        const qsizetype found = sPName.indexOf(c) + 1; // 1-based; 0 when absent
        if (found > 0) {
            count -= 2;
            Tandro::DelChar(sPName, found);
        }
    }
    return count;
}

QList<int> strikeOrder(qsizetype iNumber)
{
    if (iNumber < 1)
        return {};
    std::array<bool, Tandro::SlotCount + 1> inPlay; // index 0 unused: slots are 1-based
    inPlay.fill(true);
    QList<int> struck;
    qsizetype tally = 1;
    int position = 0;
    while (struck.size() != Tandro::StrikeCount) {
        ++position;
        if (inPlay[position]) {
            if (tally == iNumber) {
                inPlay[position] = false;
                struck.append(position);
                tally = 0;
            }
            ++tally;
        }
        position %= Tandro::SlotCount;
    }
    return struck;
}

} // namespace Literal
