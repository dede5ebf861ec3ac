#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class QDebug;

namespace Tandro {

// The four messages of the game. Each is shown in a modal box with a title, a prompt and one
// OK button, and no icon.
enum class Message {
    EmptyData, // a name is missing
    CorrectYourName, // the user's own name holds a character that is not acceptable
    CorrectPartnerName, // the partner's name holds a character that is not acceptable
    NoResult, // the two names leave no letters over
};

// The title of the box that shows message ("Note!" or "Error!!!"), translated.
QString messageTitle(Message message);
// The prompt of the box that shows message, translated.
QString messagePrompt(Message message);

// One thing that a Go shows the user. The rules say what a Go shows, in order; the window plays the
// steps one at a time, each message waiting for its OK and each pause for its timer.
struct Step
{
    enum Kind {
        ShowMessage, // shows message, and waits for the user to close it
        Strike, // shows the cross beside the word of slot and repaints the board at once
        Pause, // waits a moment, so that the user sees the crosses come one by one
        Beep, // sounds the default beep once
        AnnounceResult, // says in words, for a user who does not see the board, that slot is left
        ClearAll, // clears the board and both names, as Clear All does
    };

    Kind kind;
    Message message = Message::EmptyData; // of ShowMessage
    int slot = 0; // of Strike and AnnounceResult: 1 to 6

    friend bool operator==(const Step &, const Step &) = default;
};

// Writes step in a few words: "Note!: Empty Data", "strike 5", "pause", "beep",
// "result 1", "clear all".
QDebug operator<<(QDebug debug, const Step &step);

// What pressing Go with the user's name sYName and the partner's name sPName shows, once the board
// has been cleared: the messages that CheckValidData shows for names that may not be played;
// otherwise "No Result for these Names" and Clear All when GetNumber leaves no letters over, or
// the game that ShowResult plays with the step count. The names are not changed.
QList<Step> Go(QStringView sYName, QStringView sPName);

} // namespace Tandro
