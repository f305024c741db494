#pragma once

#include <QString>
#include <utility>

// The modal error box: the message (with a full stop added by the rule of errorBoxText), the
// application title as caption, a stop icon and one OK button.
void showErrorBox(const QString &message);

// A plain message: the application title as caption, no icon, one OK button, centred on the
// screen.
void showPlainMessage(const QString &text);

// Shows the exception being handled in the error box. Call it only inside a catch block.
void showCurrentException() noexcept;

// Every command handler of every window runs inside this guard. An exception ends the command
// and is shown in the error box; the program then goes on with whatever state the command had
// reached. No exception crosses Qt's event loop.
//
//     void TForm1::Open1Click() { runGuarded([this] { fileCommands_->Open(); }); }
template<typename Command> void runGuarded(Command &&command) noexcept
{
    try {
        std::forward<Command>(command)();
    } catch (...) {
        showCurrentException();
    }
}
