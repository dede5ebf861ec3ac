#include "elimination.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <numeric>

namespace Tandro {

namespace {

constexpr const char *Words[SlotCount] = {
    QT_TRANSLATE_NOOP("Tandro::Board", "Hates"),    QT_TRANSLATE_NOOP("Tandro::Board", "Friend"),
    QT_TRANSLATE_NOOP("Tandro::Board", "Loves"),    QT_TRANSLATE_NOOP("Tandro::Board", "Admires"),
    QT_TRANSLATE_NOOP("Tandro::Board", "Marriage"), QT_TRANSLATE_NOOP("Tandro::Board", "Enemy"),
};

} // namespace

QString relationshipWord(int slot)
{
    Q_ASSERT(slot >= 1 && slot <= SlotCount);
    return QCoreApplication::translate("Tandro::Board", Words[slot - 1]);
}

QList<int> strikeOrder(qsizetype iNumber)
{
    if (iNumber < 1)
        return {};

    std::array<int, SlotCount> inPlay; // in slot order; the first `left` are still in play
    std::iota(inPlay.begin(), inPlay.end(), 1);
    qsizetype left = SlotCount;

    // Counting round the slots still in play, from the one at index start as number 1, reaches
    // number iNumber at index (start + iNumber - 1) modulo their count, however large iNumber is.
    // Removing the struck slot leaves its successor at the same index, where counting resumes.
    QList<int> struck;
    struck.reserve(StrikeCount);
    qsizetype start = 0;
    while (struck.size() < StrikeCount) {
        const qsizetype at = (start + (iNumber - 1) % left) % left;
        struck.append(inPlay[at]);
        std::move(inPlay.begin() + at + 1, inPlay.begin() + left, inPlay.begin() + at);
        --left;
        start = at;
    }
    return struck;
}

int slotLeft(const QList<int> &struck)
{
    for (int slot = 1; slot <= SlotCount; ++slot) {
        if (!struck.contains(slot))
            return slot;
    }
    return 0;
}

void ShowResult(QList<Step> &shown, qsizetype iNumber)
{
    const QList<int> struck = strikeOrder(iNumber);
    if (struck.isEmpty())
        return;
    for (const int slot : struck)
        shown << Step { .kind = Step::Strike, .slot = slot } << Step { .kind = Step::Pause };
    shown << Step { .kind = Step::Beep }
          << Step { .kind = Step::AnnounceResult, .slot = slotLeft(struck) };
}

} // namespace Tandro
