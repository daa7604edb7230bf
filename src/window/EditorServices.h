#pragma once

#include <functional>
#include <memory>

class BoardSession;
class Configuration;
class FileCommands;
class IClock;
class IPortEnumerator;
class ISerialLine;
class LineSwitch;
class MessageBoxes;
class Player;
class SequenceEditor;

// What the main window binds to and commands: the services, and the parts of the outside world
// its menus reach (the ports listed, the line the journal traces).
struct EditorServices {
    SequenceEditor& editor;
    Player& player;
    FileCommands& files;
    BoardSession& board;
    Configuration& configuration;
    MessageBoxes& messages;
    IPortEnumerator& ports;
    LineSwitch& lineSwitch; // the board session talks through it
    ISerialLine& line;      // the line behind the switch
    IClock& clock;
    // A line of its own for each board programmed at once beside the session's.
    std::function<std::unique_ptr<ISerialLine>()> makeLine;
};
