#pragma once
// The terminal view of the serial port on the About page: the raw serial traffic,
// silver on black in a monospaced font, 15 rows and no scrollback. Read-only.
#include <QPlainTextEdit>
#include <string_view>

namespace vx::ui {

class TerminalView : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int Rows = 15;
    explicit TerminalView(QWidget* parent = nullptr);

    // Appends received or sent bytes as they are: a line feed starts a new row, a
    // carriage return is dropped, other control bytes show as '.'.
    void AppendBytes(std::string_view bytes);
};

}  // namespace vx::ui
