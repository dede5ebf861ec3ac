#include "accessibility.h"

#include "heldinput.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPointer>
#include <QTextLayout>
#include <QVariant>
#include <QWidget>

#ifdef Q_OS_WASM
#include "webpage.h"
#endif

#include <functional>

namespace {

// The mark on a widget left out.
constexpr char LeftOut[] = "_tandro_accessibleLeftOut";

// A plain container, whose accessible children are its child widgets as Qt lists them, less those
// left out.
class ContainerAccessible : public QAccessibleWidget
{
public:
    explicit ContainerAccessible(QWidget *container) : QAccessibleWidget(container) { }

    int childCount() const override { return int(children().size()); }
    QAccessibleInterface *child(int index) const override { return children().value(index); }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(children().indexOf(child));
    }

private:
    QList<QAccessibleInterface *> children() const
    {
        QList<QAccessibleInterface *> kept;
        for (int i = 0, count = QAccessibleWidget::childCount(); i < count; ++i) {
            QAccessibleInterface *child = QAccessibleWidget::child(i);
            if (child && !child->object()->property(LeftOut).toBool())
                kept.append(child);
        }
        return kept;
    }
};

// A line edit, whose whole text screen readers read. Qt's own accessible interface for line edits
// reports an empty run of text attributes at each offset; Orca 43 takes the end of the last run as
// the end of the line, and so reads a name without its last letter ("Ra" for "Ram"). This one
// reports one run over the whole text, refuses offsets outside it, and makes the changes that a
// screen reader asks for in their turn; the rest it answers as Qt's own does.
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface
{
public:
    explicit LineEditAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
        // The box controls what these reach: Enter in a line edit presses its window's default
        // button.
        addControllingSignal(QStringLiteral("textChanged(QString)"));
        addControllingSignal(QStringLiteral("returnPressed()"));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return box()->text();
        return QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value)
            change([text](QLineEdit *box) { box->setText(text); });
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = !box()->isReadOnly();
        state.readOnly = box()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // QAccessibleTextInterface. A name box has at most one selection, number 0.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && box()->hasSelectedText()) {
            *startOffset = box()->selectionStart();
            *endOffset = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override
    {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            change([](QLineEdit *box) { box->deselect(); });
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex != 0)
            return;
        change([startOffset, endOffset](QLineEdit *box) {
            if (isOffset(box, startOffset) && isOffset(box, endOffset))
                box->setSelection(startOffset, endOffset - startOffset);
        });
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override
    {
        change([position](QLineEdit *box) {
            if (isOffset(box, position))
                box->setCursorPosition(position);
        });
    }

    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return QString();
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }

    // Offset -2 stands for the cursor (as Windows' IAccessible2 says it).
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int *startOffset, int *endOffset) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(atCursor(offset), boundaryType,
                                                          startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int *startOffset, int *endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(atCursor(offset), boundaryType,
                                                         startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override
    {
        return QAccessibleTextInterface::textAtOffset(atCursor(offset), boundaryType, startOffset,
                                                      endOffset);
    }

    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }

    void scrollToSubstring(int startIndex, int endIndex) override
    {
        change([startIndex, endIndex](QLineEdit *box) {
            if (!isRange(box, startIndex, endIndex))
                return;
            box->setCursorPosition(endIndex);
            box->setCursorPosition(startIndex);
        });
    }

    // A name has no attributes: one run, from its start to its end, says so for every offset.
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        Q_UNUSED(offset);
        *startOffset = 0;
        *endOffset = characterCount();
        return QString();
    }

    // QAccessibleEditableTextInterface
    void deleteText(int startOffset, int endOffset) override
    {
        replaceText(startOffset, endOffset, QString());
    }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        change([startOffset, endOffset, text](QLineEdit *box) {
            if (isRange(box, startOffset, endOffset))
                box->setText(box->text().replace(startOffset, endOffset - startOffset, text));
        });
    }

private:
    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    int atCursor(int offset) const { return offset == -2 ? cursorPosition() : offset; }

    // What a caller from outside may name: an offset from the start of the text to its end, and a
    // range between two of them. The box itself takes no other from its own keys; QString would
    // pad the text with spaces up to an offset past its end.
    static bool isOffset(const QLineEdit *box, int offset)
    {
        return offset >= 0 && offset <= box->text().size();
    }
    static bool isRange(const QLineEdit *box, int startOffset, int endOffset)
    {
        return isOffset(box, startOffset) && isOffset(box, endOffset) && startOffset <= endOffset;
    }

    // Makes a change that a screen reader asks for as the user's own input is made: in its turn,
    // after a game under way, and not while a dialog stands over the window. The offsets are
    // checked against the text as it is then.
    void change(std::function<void(QLineEdit *)> edit)
    {
        const auto make = [box = QPointer(box()), edit = std::move(edit)] {
            if (box)
                edit(box);
        };
        if (HeldInput *input = HeldInput::of(box()))
            input->runFromOutside(make);
        else
            make();
    }
};

QRect LineEditAccessible::characterRect(int offset) const
{
    const QString text = box()->text();
    if (offset < 0 || offset >= text.size())
        return QRect();

    // The box lays its text out on one line in its own font; positions along that line, taken
    // from the caret, which Qt centres its cursor rectangle on, give the character's place in
    // the box however far the text has scrolled.
    QTextLayout layout(text, box()->font());
    QTextOption option;
    option.setTextDirection(box()->layoutDirection());
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    const QRectF caret = box()->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
    const qreal origin = caret.center().x() - line.cursorToX(box()->cursorPosition());
    const qreal from = origin + line.cursorToX(offset);
    const qreal to = origin + line.cursorToX(offset + 1);
    const QRect inBox(qRound(qMin(from, to)), qRound(caret.top()), qRound(qAbs(to - from)),
                      qRound(line.height()));
    return inBox.translated(box()->mapToGlobal(QPoint(0, 0)));
}

// A sentence announced (Accessibility::announce) is said by a plain widget of its own, marked so,
// that nothing sees: it takes no room, draws nothing and lets the mouse through. Qt 6.8 has an API
// for this, QAccessibleAnnouncementEvent; Qt 6.4, which Tandro is built against on Debian 12, has
// none. The sentence is the accessible name of this object, whose accessible role is Notification,
// and announcing it shows the object: Orca speaks a notification when it becomes showing. On
// Windows, it also reports its value changed to the sentence, which Qt's UI Automation bridge
// raises as a notification event. In a web page, where Qt's mirror of the windows for screen
// readers says nothing of what is announced, the page's live region says it.
constexpr char Announcer[] = "_tandro_announcer";

// The interfaces of Tandro's own, for the objects they are for, by the name of their class.
QAccessibleInterface *interfaceFor(const QString &className, QObject *object)
{
    if (className == QLatin1String(QLineEdit::staticMetaObject.className()))
        return new LineEditAccessible(static_cast<QLineEdit *>(object));
    if (className == QLatin1String(QWidget::staticMetaObject.className())) {
        auto *widget = static_cast<QWidget *>(object);
        if (widget->objectName() == QLatin1String(Announcer))
            return new QAccessibleWidget(widget, QAccessible::Notification);
        return new ContainerAccessible(widget);
    }
    return nullptr;
}

} // namespace

namespace Accessibility {

void install()
{
    QAccessible::installFactory(interfaceFor);
}

void leaveOut(QWidget *decoration)
{
    decoration->setProperty(LeftOut, true);
}

void announce(QWidget *place, const QString &sentence)
{
    auto *announcer =
            place->findChild<QWidget *>(QLatin1String(Announcer), Qt::FindDirectChildrenOnly);
    if (!announcer) {
        announcer = new QWidget(place);
        announcer->setObjectName(QLatin1String(Announcer));
        announcer->setAttribute(Qt::WA_TransparentForMouseEvents);
        announcer->setGeometry(0, 0, 0, 0);
    }
    announcer->hide();
    announcer->setAccessibleName(sentence);
    if (!sentence.isEmpty())
        announcer->show();
#ifdef Q_OS_WIN
    // Qt's UI Automation bridge (so seen with Qt 6.4) passes neither a notification that shows nor
    // a new name on to Windows' screen readers; it raises a UI Automation notification event,
    // which they speak, for a value changed to a text.
    if (!sentence.isEmpty()) {
        QAccessibleValueChangeEvent event(announcer, sentence);
        QAccessible::updateAccessibility(&event);
    }
#elif defined(Q_OS_WASM)
    // Qt for WebAssembly tells screen readers nothing of what a window announces: the page does.
    WebPage::announce(sentence);
#endif
}

} // namespace Accessibility
