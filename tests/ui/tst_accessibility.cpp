#include "windowtesting.h"

#include <tandro/identity.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <functional>
#include <memory>

using namespace std::chrono_literals;

namespace {

// What the window told screen readers, in order: each event's type, the object it concerns, that
// object's role and accessible name at the time, and the value of a value change.
struct Told
{
    QAccessible::Event type;
    QObject *object;
    QAccessible::Role role;
    QString name;
    QVariant value;
};
QList<Told> told;

void recordEvent(QAccessibleEvent *event)
{
    if (event->type() == QAccessible::ObjectDestroyed)
        return;
    QAccessibleInterface *about = event->accessibleInterface();
    const QVariant value = event->type() == QAccessible::ValueChanged
            ? static_cast<QAccessibleValueChangeEvent *>(event)->value()
            : QVariant();
    told.append({ event->type(), event->object(), about ? about->role() : QAccessible::NoRole,
                  about ? about->text(QAccessible::Name) : QString(), value });
}

} // namespace

class tst_Accessibility : public WindowTest
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void theResultIsAnnouncedOnce_data();
    void theResultIsAnnouncedOnce();
    void theWindowReadsObjectByObject_data();
    void theWindowReadsObjectByObject();
    void nameBoxesReadTheWholeName_data();
    void nameBoxesReadTheWholeName();
    void characterPlacesMatchTheNameBox_data();
    void characterPlacesMatchTheNameBox();
    void editsTakeOnlyOffsetsInTheName_data();
    void editsTakeOnlyOffsetsInTheName();

private:
    // The accessible names of the client area's children that are showing, in order: the window
    // as a screen reader walks it.
    QStringList reading() const;
};

void tst_Accessibility::initTestCase()
{
    WindowTest::initTestCase();
    // As a screen reader connecting does, before any window is made.
    QAccessible::installUpdateHandler(recordEvent);
    // The offscreen platform has no bridge to a screen reader that would switch accessibility on.
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    QVERIFY(QAccessible::isActive());
}

void tst_Accessibility::init()
{
    WindowTest::init();
    told.clear();
}

void tst_Accessibility::cleanupTestCase()
{
    QAccessible::installUpdateHandler(nullptr);
}

QStringList tst_Accessibility::reading() const
{
    QAccessibleInterface *client = QAccessible::queryAccessibleInterface(m_window->centralWidget());
    QStringList names;
    for (int i = 0; i < client->childCount(); ++i) {
        QAccessibleInterface *child = client->child(i);
        if (!child->state().invisible)
            names.append(child->text(QAccessible::Name));
    }
    return names;
}

void tst_Accessibility::theResultIsAnnouncedOnce_data()
{
    QTest::addColumn<QString>("yourName");
    QTest::addColumn<QString>("partnerName");
    QTest::addColumn<QString>("announcement");

    QTest::newRow("step count 5") << "Ram"
                                  << "Sita"
                                  << "The result is Hates.";
    QTest::newRow("step count 1") << "Anna"
                                  << "Hanna"
                                  << "The result is Enemy.";
    QTest::newRow("step count 2") << "aaa"
                                  << "a"
                                  << "The result is Marriage.";
    QTest::newRow("step count 6") << "abc"
                                  << "def"
                                  << "The result is Admires.";
    QTest::newRow("step count 8") << "abcd"
                                  << "efgh"
                                  << "The result is Loves.";
    QTest::newRow("step count 10") << "john smith"
                                   << "jane doe"
                                   << "The result is Friend.";
}

void tst_Accessibility::theResultIsAnnouncedOnce()
{
    QFETCH(QString, yourName);
    QFETCH(QString, partnerName);
    QFETCH(QString, announcement);

    m_window->typeNames(yourName, partnerName);
    QTest::keyClick(lineEdit("txtYourPartner"), Qt::Key_Return);
    QVERIFY(m_window->waitUntilIdle());
    QCOMPARE(m_window->beeps(), 1);

    // One notification shows, saying the word left, and it comes after the last strike. On
    // Windows its value changes to the same words, once.
    qsizetype lastStrike = -1, notification = -1;
    QStringList notifications, valueChanges;
    for (qsizetype i = 0; i < told.size(); ++i) {
        if (told.at(i).type == QAccessible::ValueChanged
            && told.at(i).role == QAccessible::Notification)
            valueChanges.append(told.at(i).value.toString());
        if (told.at(i).type != QAccessible::ObjectShow)
            continue;
        if (told.at(i).role == QAccessible::Notification) {
            notifications.append(told.at(i).name);
            notification = i;
        } else if (told.at(i).name == QLatin1String("X")) {
            lastStrike = i;
        }
    }
    QCOMPARE(notifications, QStringList { announcement });
#ifdef Q_OS_WIN
    QCOMPARE(valueChanges, QStringList { announcement });
#else
    QCOMPARE(valueChanges, QStringList());
#endif
    QVERIFY(lastStrike >= 0);
    QVERIFY(notification > lastStrike);
    // The user's focus stays where it was.
    QCOMPARE(QApplication::focusWidget(), lineEdit("txtYourPartner"));
}

void tst_Accessibility::theWindowReadsObjectByObject_data()
{
    QTest::addColumn<QString>("command"); // pressed after a game of 'Ram' and 'Sita'
    QTest::addColumn<QStringList>("board"); // the board as it reads, and what follows it

    const QStringList unstruck {
        "Hates", "Friend", "Loves", "Admires", "Marriage", "Enemy", "Exit"
    };
    QTest::newRow("after the game") << QString()
                                    << QStringList { "Hates",
                                                     "Friend, crossed out",
                                                     "Loves, crossed out",
                                                     "Admires, crossed out",
                                                     "Marriage, crossed out",
                                                     "Enemy, crossed out",
                                                     "Exit",
                                                     "The result is Hates." };
    QTest::newRow("Clear All") << "cmdClear" << unstruck;
    QTest::newRow("Clear Partner") << "cmdClearPartner" << unstruck;
    // Go clears the board before it checks the names, and a refused name plays nothing.
    QTest::newRow("Go on a refused name") << "cmdGo" << unstruck;
}

void tst_Accessibility::theWindowReadsObjectByObject()
{
    QFETCH(QString, command);
    QFETCH(QStringList, board);

    const QStringList controls { "Your Name",          "Your Name", "Your Partners Name",
                                 "Your Partners Name", "Go",        "Clear All",
                                 "Clear Partner" };
    const QStringList unstruck {
        "Hates", "Friend", "Loves", "Admires", "Marriage", "Enemy", "Exit"
    };
    QCOMPARE(reading(), controls + unstruck);

    m_window->typeNames("Ram", "Sita");
    QTest::mouseClick(button("cmdGo"), Qt::LeftButton);
    QVERIFY(m_window->waitUntilIdle());
    if (!command.isEmpty()) {
        MessageBoxAnswerer boxes;
        lineEdit("txtYourPartner")->setText(QStringLiteral("Sita3"));
        QTest::mouseClick(button(qPrintable(command)), Qt::LeftButton);
        QVERIFY(m_window->waitUntilIdle());
    }
    QCOMPARE(reading(), controls + board);

    // No object anywhere in the window reads as a bare "X".
    QList<QAccessibleInterface *> objects { QAccessible::queryAccessibleInterface(m_window.get()) };
    for (qsizetype i = 0; i < objects.size(); ++i) {
        QAccessibleInterface *object = objects.at(i);
        QVERIFY2(object->text(QAccessible::Name) != QLatin1String("X"),
                 qPrintable(object->object()->objectName()));
        for (int c = 0; c < object->childCount(); ++c)
            objects.append(object->child(c));
    }
    // A word says its state by its name alone, so that nothing is read twice.
    for (const char *word :
         { "lblHates", "lblFriend", "lblLove", "lblAdmire", "lblMarriage", "lblEnemy" }) {
        QAccessibleInterface *label =
                QAccessible::queryAccessibleInterface(m_window->findChild<QWidget *>(word));
        QCOMPARE(label->role(), QAccessible::StaticText);
        QCOMPARE(label->text(QAccessible::Description), QString());
        QCOMPARE(label->relations().size(), 0);
    }
}

void tst_Accessibility::nameBoxesReadTheWholeName_data()
{
    QTest::addColumn<QString>("name");

    QTest::newRow("Ram") << "Ram";
    QTest::newRow("one letter") << "a";
    QTest::newRow("two words") << "Mary Ann";
    QTest::newRow("empty") << "";
    QTest::newRow("longer than the box") << QString(80, u'x') + "yz";
}

void tst_Accessibility::nameBoxesReadTheWholeName()
{
    QFETCH(QString, name);

    m_window->typeNames(name, QString());
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(lineEdit("txtYourName"));
    QAccessibleTextInterface *text = box->textInterface();
    QVERIFY(text);
    QCOMPARE(box->text(QAccessible::Value), name);
    QCOMPARE(text->characterCount(), name.size());
    QCOMPARE(text->text(0, text->characterCount()), name);

    // A reader that splits the text into runs of the same attributes, as Orca does to find the
    // language of each part, meets one run from the start of the name to its end, wherever it
    // starts asking.
    for (int offset = 0; offset <= name.size(); ++offset) {
        int start = -1, end = -1;
        QCOMPARE(text->attributes(offset, &start, &end), QString());
        QCOMPARE(start, 0);
        QCOMPARE(end, name.size());
    }
}

void tst_Accessibility::characterPlacesMatchTheNameBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cursor");

    QTest::newRow("short, caret at the end") << "Mary Ann" << 8;
    QTest::newRow("short, caret at the start") << "Mary Ann" << 0;
    QTest::newRow("scrolled to its end") << QString(60, u'w') + "Mary Ann" << 68;
}

void tst_Accessibility::characterPlacesMatchTheNameBox()
{
    QFETCH(QString, name);
    QFETCH(int, cursor);

    QLineEdit *box = lineEdit("txtYourName");
    m_window->typeNames(name, QString());
    QTest::mouseClick(box, Qt::LeftButton);
    box->setCursorPosition(cursor);
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(box)->textInterface();

    // Where the screen reader is told a character stands, the box itself finds that character.
    const QRect inside(box->mapToGlobal(box->contentsRect().topLeft()), box->contentsRect().size());
    int checked = 0;
    for (int offset = 0; offset < name.size(); ++offset) {
        const QRect place = text->characterRect(offset);
        QVERIFY2(!place.isEmpty(), qPrintable(QString::number(offset)));
        if (!inside.contains(place))
            continue; // scrolled out of sight
        const QPoint intoIt(place.left() + place.width() / 4, place.center().y());
        QCOMPARE(text->offsetAtPoint(intoIt), offset);
        ++checked;
    }
    QVERIFY(checked >= 8); // "Mary Ann" stands in the box, wherever the caret is
    QCOMPARE(text->characterRect(int(name.size())), QRect());
}

void tst_Accessibility::editsTakeOnlyOffsetsInTheName_data()
{
    using Edit = std::function<void(QAccessibleInterface *)>;
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("after"); // the name, and what is selected in it

    const auto editable = [](QAccessibleInterface *box) { return box->editableTextInterface(); };
    const auto text = [](QAccessibleInterface *box) { return box->textInterface(); };
    QTest::newRow("insert past the end")
            << Edit([=](auto *box) { editable(box)->insertText(50000000, "x"); }) << "Ram|";
    QTest::newRow("insert before the start")
            << Edit([=](auto *box) { editable(box)->insertText(-1, "x"); }) << "Ram|";
    QTest::newRow("insert at the end")
            << Edit([=](auto *box) { editable(box)->insertText(3, "x"); }) << "Ramx|";
    QTest::newRow("delete past the end")
            << Edit([=](auto *box) { editable(box)->deleteText(1, 50000000); }) << "Ram|";
    QTest::newRow("delete from before the start")
            << Edit([=](auto *box) { editable(box)->deleteText(-2, 1); }) << "Ram|";
    QTest::newRow("delete a range turned round")
            << Edit([=](auto *box) { editable(box)->deleteText(2, 1); }) << "Ram|";
    QTest::newRow("delete within")
            << Edit([=](auto *box) { editable(box)->deleteText(1, 2); }) << "Rm|";
    QTest::newRow("replace past the end")
            << Edit([=](auto *box) { editable(box)->replaceText(2, 50000000, "Sita"); }) << "Ram|";
    QTest::newRow("replace the whole")
            << Edit([=](auto *box) { editable(box)->replaceText(0, 3, "Sita"); }) << "Sita|";
    QTest::newRow("select past the end")
            << Edit([=](auto *box) { text(box)->setSelection(0, 1, 50000000); }) << "Ram|";
    QTest::newRow("select within")
            << Edit([=](auto *box) { text(box)->setSelection(0, 1, 3); }) << "Ram|am";
}

void tst_Accessibility::editsTakeOnlyOffsetsInTheName()
{
    QFETCH(std::function<void(QAccessibleInterface *)>, edit);
    QFETCH(QString, after);

    // What a screen reader, or any program on the accessibility bus, may ask of a name box: an
    // offset outside the name is refused, as the box refuses it from its own keys, and the text
    // does not grow to reach it.
    QLineEdit *box = lineEdit("txtYourName");
    m_window->typeNames("Ram", QString());
    QTest::mouseClick(box, Qt::LeftButton); // the caret at the end
    edit(QAccessible::queryAccessibleInterface(box));
    QCOMPARE(box->text() + u'|' + box->selectedText(), after);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
