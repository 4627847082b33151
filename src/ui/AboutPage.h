#pragma once
// The "About" page: product and version texts, the logo, the serial terminal view and
// the "RS-232" box with the five line lights and the port number.
#include <QWidget>
#include <array>

class QLabel;

namespace vx::ui {

class StatusLight;
class TerminalView;

// The line lights, left to right.
enum class LineLight { TXD, RXD, DCD, DSR, CTS };
inline constexpr int LineLightCount = 5;

class AboutPage : public QWidget {
    Q_OBJECT
public:
    // The page itself; its widgets are made by Build (see PageContent.h).
    explicit AboutPage(QWidget* parent = nullptr);
    void Build();

    StatusLight* Light(LineLight which) const { return lights_[static_cast<std::size_t>(which)]; }

    QLabel* Version1Label = nullptr;
    QLabel* FirmwareVersionLabel = nullptr;
    QLabel* ComNumberLabel = nullptr;
    TerminalView* Terminal = nullptr;

private:
    std::array<StatusLight*, LineLightCount> lights_{};
};

}  // namespace vx::ui
