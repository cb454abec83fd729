#pragma once
// The main window's keys and help, put together for the composition root: every key pressed
// on the window (and on the tutorial window) goes through the keyboard commands, and the help
// topics open in the help window.
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "board/board_looks.h"
#include "mainwindow/key_command.h"

class BoardShell;
class FrmBrivo;
class FrmHelp;
class MainWindow;
class QKeyEvent;
class RecordsWindows;

struct MainWindowKeysParts {
    Game& game;
    Engine& engine;
    GameRecords& records;
    MainWindowState& state;
    const Services& services;
    FrmBrivo& window;
    BoardShell& board;
    BoardLooks& looks;
    MainWindow& main;
    RecordsWindows& recordsWindows;
};

class MainWindowKeys {
  public:
    // `menus`: the gate, the menu rows, the menu bar and the chat window, from their owners.
    MainWindowKeys(MainWindowKeysParts parts, KeyCommandCalls menus);
    ~MainWindowKeys();

    // A key of the main window or the tutorial window; false when it has no code of its own
    // (the control with the focus then has it).
    bool KeyPressed(int qtKey, Qt::KeyboardModifiers modifiers);
    // The help at `topic` ("" the contents).
    void ShowHelp(const std::string& topic);
    // The shipped program folder, where the help pages are read from.
    void SetShippedFolder(std::string folder) { shippedFolder_ = std::move(folder); }

    KeyCommand& Command() { return *command_; }

  private:
    KeyCommandCalls WindowCalls(KeyCommandCalls menus);

    MainWindowKeysParts p_;
    std::unique_ptr<KeyCommand> command_;
    QPointer<FrmHelp> help_;
    std::string shippedFolder_;
};
