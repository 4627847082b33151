#include "ui/TerminalView.h"

#include <QFontDatabase>
#include <QTextCursor>

#include "ui/Look.h"

namespace vx::ui {

TerminalView::TerminalView(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName("TerminalView");
    setAccessibleName("Serial terminal");
    setReadOnly(true);
    setMaximumBlockCount(Rows);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    SetStyleSheetWhenShown(this, "QPlainTextEdit { color: rgb(192, 192, 192); background-color: black; }");
    const int frame = 2 * frameWidth() + static_cast<int>(2 * document()->documentMargin());
    setFixedHeight(fontMetrics().lineSpacing() * Rows + frame);
}

void TerminalView::AppendBytes(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b == '\n')
            text += QChar('\n');
        else if (b == '\r')
            continue;
        else if (b >= 0x20 && b < 0x7f)
            text += QChar(b);
        else
            text += QChar('.');
    }
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(text);
    setTextCursor(end);
    ensureCursorVisible();
}

}  // namespace vx::ui
