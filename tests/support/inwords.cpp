#include "inwords.h"

#include <QDebug>
#include <QStringList>

QString inWords(const QList<Tandro::Step> &steps)
{
    QStringList words;
    for (const Tandro::Step &step : steps) {
        QString text;
        QDebug(&text).nospace() << step;
        words.append(text);
    }
    return words.join(QLatin1String(", "));
}

QList<int> strikesIn(const QList<Tandro::Step> &steps)
{
    QList<int> struck;
    for (const Tandro::Step &step : steps) {
        if (step.kind == Tandro::Step::Strike)
            struck.append(step.slot);
    }
    return struck;
}
