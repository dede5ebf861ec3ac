#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// A translation of Tandro as its Qt Linguist file (translations/tandro_<name>.ts) says it, read
// straight from the file, for the tests to hold what the program shows against.
class Catalog
{
public:
    // The translation named (de, pt_BR), from the folder of the translations; or English, with
    // every text its own, for an empty name.
    explicit Catalog(const QString &name = QString(),
                     const QString &folder = QStringLiteral(TANDRO_TRANSLATIONS));

    // The names of the translations in folder, as their files name them.
    static QStringList names(const QString &folder = QStringLiteral(TANDRO_TRANSLATIONS));

    // The text of source in context: its translation, or source itself where the file has none
    // (or for English).
    QString text(const QString &context, const QString &source) const;
    // The messages the file holds whose translation is not finished (unfinished, vanished or
    // obsolete), as "context: source".
    QStringList unfinished() const;
    // Every message, as context and source, with its translation.
    const QHash<std::pair<QString, QString>, QString> &messages() const { return m_messages; }

private:
    QHash<std::pair<QString, QString>, QString> m_messages;
    QStringList m_unfinished;
};
