#include "namebox.h"

#include <QAccessibleWidget>
#include <QTextLayout>

#include <limits>

namespace {

class NameBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface
{
public:
    explicit NameBoxAccessible(NameBox *box) : QAccessibleWidget(box, QAccessible::EditableText)
    {
        // The box controls what these reach: Enter in a name box presses Go.
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
            box()->setText(text);
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
            box()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            box()->setSelection(startOffset, endOffset - startOffset);
    }

    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }

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
        box()->setCursorPosition(endIndex);
        box()->setCursorPosition(startIndex);
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
        box()->setText(box()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        box()->setText(box()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        box()->setText(box()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    NameBox *box() const { return static_cast<NameBox *>(widget()); }
    int atCursor(int offset) const { return offset == -2 ? cursorPosition() : offset; }
};

QRect NameBoxAccessible::characterRect(int offset) const
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

} // namespace

QAccessibleInterface *NameBox::accessibleInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String(staticMetaObject.className()))
        return new NameBoxAccessible(static_cast<NameBox *>(object));
    return nullptr;
}

NameBox::NameBox(QWidget *parent) : QLineEdit(parent)
{
    // Names have no length limit (a line edit's own default is 32,767 characters).
    setMaxLength(std::numeric_limits<int>::max());
}
