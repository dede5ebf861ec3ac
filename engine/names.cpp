#include "names.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace Tandro {

namespace {

constexpr QChar Space = u' ';

bool isAcceptableName(QStringView name)
{
    return std::all_of(name.begin(), name.end(), isAcceptable);
}

// Trims U+0020 only: tabs and other white space stay where they are. A name with nothing to trim
// is shared, not copied.
QString trimmedOfSpaces(const QString &name)
{
    qsizetype begin = 0;
    qsizetype end = name.size();
    while (begin < end && name[begin] == Space)
        ++begin;
    while (end > begin && name[end - 1] == Space)
        --end;
    return name.mid(begin, end - begin);
}

// The name in lower case, as QString::toLower gives it. That looks every character up in the
// Unicode tables, ten times slower for capitals than a plain loop; names that pass the check are
// ASCII, which the loop lowers exactly as the tables do. Anything else is left to the tables.
QString lowered(const QString &name)
{
    qsizetype firstCapital = -1;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0x80)
            return name.toLower();
        if (firstCapital < 0 && c >= u'A' && c <= u'Z')
            firstCapital = i;
    }
    if (firstCapital < 0)
        return name; // shared, not copied
    QString lower = name;
    QChar *c = lower.data() + firstCapital;
    for (const QChar *end = lower.constData() + lower.size(); c != end; ++c) {
        if (c->unicode() >= u'A' && c->unicode() <= u'Z')
            *c = QChar(c->unicode() + (u'a' - u'A'));
    }
    return lower;
}

// How many times each character of a name is still waiting for a partner. Names that pass the
// check hold ASCII only, which a plain table counts; anything else goes to a hash.
class UnpairedCharacters
{
public:
    void add(char16_t c)
    {
        if (c < m_ascii.size())
            ++m_ascii[c];
        else
            ++m_other[c];
    }

    // Pairs one waiting c, if there is one.
    bool take(char16_t c)
    {
        if (c < m_ascii.size())
            return takeFrom(m_ascii[c]);
        const auto it = m_other.find(c);
        return it != m_other.end() && takeFrom(*it);
    }

private:
    static bool takeFrom(qsizetype &waiting)
    {
        if (waiting == 0)
            return false;
        --waiting;
        return true;
    }

    std::array<qsizetype, 128> m_ascii {};
    QHash<char16_t, qsizetype> m_other;
};

} // namespace

bool CheckValidData(QList<Step> &shown, QStringView sYName, QStringView sPName)
{
    bool valid = true;
    const auto tell = [&](Message message) {
        valid = false;
        shown.append({ .kind = Step::ShowMessage, .message = message });
    };
    if (sPName.isEmpty() || sYName.isEmpty())
        tell(Message::EmptyData);
    if (!isAcceptableName(sYName))
        tell(Message::CorrectYourName);
    if (!isAcceptableName(sPName))
        tell(Message::CorrectPartnerName);
    return valid;
}

qsizetype GetNumber(QString &sYName, QString &sPName)
{
    sYName = lowered(trimmedOfSpaces(sYName));
    sPName = lowered(trimmedOfSpaces(sPName));

    // Cancelling the user's letters one by one against the first match left in the partner's
    // name removes, for every letter, its first k occurrences from the partner's name, where k
    // is how often the rarer of the two names holds it. One pass over each name finds the same
    // result and the same count without searching.
    UnpairedCharacters unpaired;
    qsizetype count = 0;
    for (const QChar c : std::as_const(sYName)) {
        if (c != Space) {
            unpaired.add(c.unicode());
            ++count;
        }
    }

    // The partner's letters that find no partner are written straight into place.
    QString partnerLeft(sPName.size(), Qt::Uninitialized);
    QChar *out = partnerLeft.data();
    for (const QChar c : std::as_const(sPName)) {
        if (c == Space) {
            *out++ = c;
        } else if (unpaired.take(c.unicode())) {
            --count; // the user's letter that this one pairs with is no longer counted
        } else {
            ++count;
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
