#include "names.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace Tandro {

bool CheckValidData(QList<Step> &shown, QStringView sYName, QStringView sPName)
{
    bool valid = true;
    const auto tell = [&](Message message) {
        valid = false;
        shown.append({ .kind = Step::ShowMessage, .message = message });
    };
    if (sPName.isEmpty() || sYName.isEmpty())
        tell(Message::EmptyData);
    if (!std::all_of(sYName.begin(), sYName.end(), isAcceptable))
        tell(Message::CorrectYourName);
    if (!std::all_of(sPName.begin(), sPName.end(), isAcceptable))
        tell(Message::CorrectPartnerName);
    return valid;
}

qsizetype GetNumber(QString &sYName, QString &sPName)
{
    constexpr QChar Space = u' ';
    for (QString *name : { &sYName, &sPName }) {
        // Trimmed of U+0020 only: tabs and other white space stay where they are.
        qsizetype begin = 0;
        qsizetype end = name->size();
        while (begin < end && name->at(begin) == Space)
            ++begin;
        while (end > begin && name->at(end - 1) == Space)
            --end;
        *name = name->mid(begin, end - begin); // shared, not copied, when nothing is trimmed
        // Lowered as QString::toLower lowers it. That looks every character up in the Unicode
        // tables, ten times slower for capitals than a plain loop, which lowers ASCII exactly as
        // the tables do; anything else is left to the tables. A name in lower case is not copied.
        bool ascii = true;
        bool capitals = false;
        for (const QChar c : std::as_const(*name)) {
            ascii = ascii && c.unicode() < 0x80;
            capitals = capitals || (c.unicode() >= u'A' && c.unicode() <= u'Z');
        }
        if (!ascii) {
            *name = name->toLower();
        } else if (capitals) {
            for (QChar &c : *name) {
                if (c.unicode() >= u'A' && c.unicode() <= u'Z')
                    c = QChar(c.unicode() + (u'a' - u'A'));
            }
        }
    }

    // Cancelling the user's letters one by one against the first match left in the partner's name
    // removes, for every letter, its first k occurrences from the partner's name, where k is how
    // often the rarer of the two names holds it. One pass over each name finds the same result and
    // the same count without searching: each of the user's letters is counted, and waits for a
    // partner, ASCII (all that names that pass the check hold) in a table, the rest in a hash.
    std::array<qsizetype, 128> waiting {};
    QHash<char16_t, qsizetype> waitingOther;
    qsizetype count = 0;
    for (const QChar c : std::as_const(sYName)) {
        if (c == Space)
            continue;
        ++count;
        ++(c.unicode() < waiting.size() ? waiting[c.unicode()] : waitingOther[c.unicode()]);
    }
    // The partner's letters that find no partner are written straight into place.
    QString partnerLeft(sPName.size(), Qt::Uninitialized);
    QChar *out = partnerLeft.data();
    for (const QChar c : std::as_const(sPName)) {
        qsizetype *unpaired = nullptr; // the user's letters that wait for this one
        if (c.unicode() < waiting.size())
            unpaired = &waiting[c.unicode()];
        else if (const auto it = waitingOther.find(c.unicode()); it != waitingOther.end())
            unpaired = &*it;
        if (unpaired && *unpaired > 0) { // never a space's: the user's spaces are not counted
            --*unpaired;
            --count; // the user's letter that this one pairs with is no longer counted
        } else {
            count += c != Space;
            *out++ = c;
        }
    }
    partnerLeft.truncate(out - partnerLeft.constData());
    sPName = partnerLeft;
    return count;
}

QString DelChar(QString &sName, qsizetype iNumber)
{
    if (iNumber >= 1 && iNumber <= sName.size())
        sName.remove(iNumber - 1, 1);
    return sName;
}

} // namespace Tandro
