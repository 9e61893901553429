#pragma once

#include <string>
#include <vector>

class QMenu;
class QWidget;

// The right-click menu of the macro's action rows: mouse buttons pressed, released or clicked,
// the wheel turned, and the delete item. Each item carries its command (1135 to 1147) in its
// action's data.
class MacroContextMenu {
public:
    static constexpr int kFirstCommand = 1135;
    static constexpr int kDelete = 1147;

    // The KeyCodes of the mouse action lines a command inserts, in order (a click inserts its
    // button twice); empty for delete and any other command.
    static std::vector<int> insertedCodes(int command);
    static bool isCommand(int command) { return command >= kFirstCommand && command <= kDelete; }

    // A new menu in the language, owned by the window.
    static QMenu* build(QWidget* owner, const std::string& language);
};
