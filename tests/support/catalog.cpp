#include "catalog.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

namespace {

// The text of the element the reader stands at, where a character that XML cannot carry (a
// carriage return) is an element <byte value="xd"/> of its own.
QString readText(QXmlStreamReader &xml)
{
    const QString element = xml.name().toString();
    QString text;
    while (!xml.atEnd()
           && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == element)) {
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(
                    xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
    }
    return text;
}

} // namespace

Catalog::Catalog(const QString &name, const QString &folder)
{
    if (name.isEmpty())
        return;
    QFile file(QDir(folder).filePath(QStringLiteral("tandro_%1.ts").arg(name)));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("no translation %s in %s", qPrintable(name), qPrintable(folder));
    QXmlStreamReader xml(&file);
    QString context, source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = readText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            if (!xml.attributes().value(QLatin1String("type")).isEmpty())
                m_unfinished.append(context + QStringLiteral(": ") + source);
            m_messages.insert({ context, source }, readText(xml));
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(file.fileName()), qPrintable(xml.errorString()));
}

QStringList Catalog::names(const QString &folder)
{
    QStringList names;
    for (const QString &file : QDir(folder).entryList({ QStringLiteral("tandro_*.ts") }))
        names.append(file.mid(7, file.size() - 10));
    return names;
}

QString Catalog::text(const QString &context, const QString &source) const
{
    const QString translation = m_messages.value({ context, source });
    return translation.isEmpty() ? source : translation;
}

QStringList Catalog::unfinished() const
{
    return m_unfinished;
}
