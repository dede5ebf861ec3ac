// Feeds arbitrary pairs of UTF-16 names to the engine and checks what it does with them:
//  - the check of the names shows its messages in their fixed order, each at most once, and
//    passes exactly the names to which it shows none;
//  - GetNumber gives the same count and rewrites both names exactly as the literal step-by-step
//    rules do;
//  - the game for that count, and for a count of up to 2^63 - 1 read from the input, strikes five
//    different slots, each with its pause, and then beeps and says the sixth; its order repeats
//    every 60 and matches counting slot by slot where that is quick.
//
// The first byte of an input says where the user's name ends, as a fraction of the rest; the
// rest is the two names in UTF-16, little-endian. The next eight bytes also give the large count.

#include "elimination.h"
#include "game.h"
#include "literalrules.h"
#include "names.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

#define CHECK(condition)                                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

QString utf16(const std::uint8_t *bytes, std::size_t units)
{
    QString text(qsizetype(units), Qt::Uninitialized);
    for (std::size_t i = 0; i < units; ++i)
        text[qsizetype(i)] = QChar(char16_t(bytes[2 * i] | bytes[2 * i + 1] << 8));
    return text;
}

void checkValidation(const QString &yourName, const QString &partnerName)
{
    QList<Tandro::Step> shown;
    const bool valid = Tandro::CheckValidData(shown, yourName, partnerName);
    CHECK(valid == shown.isEmpty());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        CHECK(shown[i].kind == Tandro::Step::ShowMessage);
        CHECK(i == 0 || shown[i - 1].message < shown[i].message); // in order, none twice
    }
    CHECK(!shown.contains(Tandro::Step { Tandro::Step::ShowMessage, Tandro::Message::NoResult }));
    const bool empty = yourName.isEmpty() || partnerName.isEmpty();
    CHECK(shown.contains(Tandro::Step { Tandro::Step::ShowMessage, Tandro::Message::EmptyData })
          == empty);
}

// The slots that ShowResult strikes for count, in order, and checks what it shows of them.
QList<int> strikeOrder(qsizetype count)
{
    QList<Tandro::Step> shown;
    Tandro::ShowResult(shown, count);
    if (count < 1) {
        CHECK(shown.isEmpty());
        return {};
    }
    // Each strike followed by a pause, then the beep and the slot left: the one not struck.
    QList<int> order;
    CHECK(shown.size() == 2 * Tandro::StrikeCount + 2);
    for (qsizetype i = 0; i < Tandro::StrikeCount; ++i) {
        CHECK(shown[2 * i].kind == Tandro::Step::Strike);
        CHECK(shown[2 * i + 1].kind == Tandro::Step::Pause);
        order.append(shown[2 * i].slot);
    }
    CHECK(shown[2 * Tandro::StrikeCount].kind == Tandro::Step::Beep);
    CHECK(shown.last().kind == Tandro::Step::AnnounceResult);
    CHECK(shown.last().slot >= 1 && shown.last().slot <= Tandro::SlotCount);
    CHECK(!order.contains(shown.last().slot));
    return order;
}

void checkStrikeOrder(qsizetype count)
{
    const QList<int> order = strikeOrder(count);
    if (count < 1)
        return;
    CHECK(order.size() == Tandro::StrikeCount);
    for (qsizetype i = 0; i < order.size(); ++i) {
        CHECK(order[i] >= 1 && order[i] <= Tandro::SlotCount);
        CHECK(order.indexOf(order[i]) == i); // five different slots
    }
    if (count <= std::numeric_limits<qsizetype>::max() - 60)
        CHECK(strikeOrder(count + 60) == order);
    if (count <= 3000)
        CHECK(Literal::strikeOrder(count) == order);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::size_t units = (size - 1) / 2;
    const std::size_t yourUnits = units * data[0] / 255;
    const QString yourName = utf16(data + 1, yourUnits);
    const QString partnerName = utf16(data + 1 + 2 * yourUnits, units - yourUnits);

    checkValidation(yourName, partnerName);

    QString fastYour = yourName, fastPartner = partnerName;
    QString literalYour = yourName, literalPartner = partnerName;
    const qsizetype count = Tandro::GetNumber(fastYour, fastPartner);
    CHECK(count == Literal::getNumber(literalYour, literalPartner));
    CHECK(fastYour == literalYour);
    CHECK(fastPartner == literalPartner);
    CHECK(count >= 0);
    checkStrikeOrder(count);

    if (size >= 9) {
        qint64 large;
        std::memcpy(&large, data + 1, sizeof large);
        checkStrikeOrder(qsizetype(large));
    }
    return 0;
}
