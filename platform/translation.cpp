#include "translation.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <utility>

namespace {

// Where the program keeps its translations, tandro_<name>.qm, and, built with Qt inside it, Qt's
// own, qtbase_<name>.qm (platform/CMakeLists.txt puts them there).
const QString Folder = QStringLiteral(":/translations");

// Tandro's translations, by name: de, pt_BR.
QStringList translations()
{
    QStringList names;
    for (const QString &file : QDir(Folder).entryList({ QStringLiteral("tandro_*.qm") }))
        names.append(file.mid(7, file.size() - 10));
    return names;
}

} // namespace

namespace Translation {

QString choose(const QStringList &languages)
{
    const QStringList available = translations();
    for (const QString &language : languages) {
        const QLocale wanted(language);
        if (wanted.language() == QLocale::English)
            return {};
        if (wanted.language() == QLocale::C)
            continue; // C, POSIX, or a language that Qt does not know
        // The language in the variant named, or else in the one Tandro has.
        const QString name = wanted.name(); // de_AT, pt_PT, zh_CN
        if (available.contains(name))
            return name;
        for (const QString &translation : available) {
            if (QLocale(translation).language() == wanted.language())
                return translation;
        }
    }
    return {};
}

QString forPlayer()
{
    return choose(QLocale::system().uiLanguages());
}

void install(const QString &translation)
{
    // Those installed before, for another language, go.
    QCoreApplication *application = QCoreApplication::instance();
    const auto installed = application->findChildren<QTranslator *>(
            QStringLiteral("tandro_translation"), Qt::FindDirectChildrenOnly);
    for (QTranslator *translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    // (An application without windows, as start-up makes to answer the command line, has no
    // layout direction.)
    if (qobject_cast<QGuiApplication *>(application))
        QGuiApplication::setLayoutDirection(
                translation.isEmpty() ? Qt::LeftToRight : QLocale(translation).textDirection());
    if (translation.isEmpty())
        return;
    // Tandro's; and Qt's own, carried with the program, or else beside a system Qt.
    const std::pair<QString, QString> catalogs[] = {
        { QStringLiteral("tandro_"), Folder },
        { QStringLiteral("qtbase_"), Folder },
        { QStringLiteral("qtbase_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath) },
    };
    QString found;
    for (const auto &[file, folder] : catalogs) {
        if (file == found)
            continue; // Qt's, carried
        auto *translator = new QTranslator(application);
        translator->setObjectName(QStringLiteral("tandro_translation"));
        if (translator->load(file + translation, folder)) {
            QCoreApplication::installTranslator(translator);
            found = file;
        } else {
            delete translator;
        }
    }
}

} // namespace Translation
