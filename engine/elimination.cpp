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

void ShowResult(QList<Step> &shown, qsizetype iNumber)
{
    if (iNumber < 1)
        return;

    std::array<int, SlotCount> inPlay; // in slot order; the first `left` are still in play
    std::iota(inPlay.begin(), inPlay.end(), 1);
    qsizetype left = SlotCount;

    // Counting round the slots still in play, from the one at index start as number 1, reaches
    // number iNumber at index (start + iNumber - 1) modulo their count, however large iNumber is.
    // Removing the struck slot leaves its successor at the same index, where counting resumes.
    qsizetype start = 0;
    while (left > 1) {
        const qsizetype at = (start + (iNumber - 1) % left) % left;
        shown << Step { .kind = Step::Strike, .slot = inPlay[at] } << Step { .kind = Step::Pause };
        std::move(inPlay.begin() + at + 1, inPlay.begin() + left, inPlay.begin() + at);
        --left;
        start = at;
    }
    shown << Step { .kind = Step::Beep }
          << Step { .kind = Step::AnnounceResult, .slot = inPlay[0] };
}

} // namespace Tandro
