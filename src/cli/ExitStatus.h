#pragma once

#include "board/BoardSession.h"

// The program's exit statuses, as --help and the manual list them.
enum class ExitStatus : int {
    Done = 0,
    Usage = 1,
    FileRefused = 2, // missing, unreadable, not a sequence, or empty
    PortUnavailable = 3,
    BoardSilent = 4, // the board did not answer, or not as a board does
    Stopped = 5,     // an upload stopped by Ctrl+C: the board holds part of the sequence
};

// What a board command's outcome means for the program.
inline ExitStatus exitStatusOf(BoardOutcome::Result result) {
    switch (result) {
    case BoardOutcome::Result::Done:
        return ExitStatus::Done;
    case BoardOutcome::Result::NothingToDo: // an empty sequence
        return ExitStatus::FileRefused;
    case BoardOutcome::Result::PortUnavailable:
        return ExitStatus::PortUnavailable;
    case BoardOutcome::Result::Stopped:
        return ExitStatus::Stopped;
    case BoardOutcome::Result::NoAnswer:
        break;
    }
    return ExitStatus::BoardSilent;
}
