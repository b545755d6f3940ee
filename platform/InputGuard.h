#pragma once

#include <QObject>
#include <cstdint>

// Keeps a window that has just appeared from taking a key press or a click meant for what lay
// under it: for a short time after each showing, presses aimed at the window or anything in it
// are dropped. Made a child of the window it guards, it follows the window's showings by itself.
// The window is any object that is told of its showing and hiding: a top-level widget, a dialog.
class InputGuard : public QObject {
public:
    // For this long after a showing, presses are ignored.
    static constexpr std::uint32_t GuardMs = 300;

    explicit InputGuard(QObject& window);
    ~InputGuard() override;
    InputGuard(const InputGuard&) = delete;
    InputGuard& operator=(const InputGuard&) = delete;

    bool Guarding() const { return guarding; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Start();
    void End();
    bool AimsAtWindow(const QObject* receiver) const;

    QObject& window;
    // Game clock ticks at the showing; the application's input is watched meanwhile.
    std::uint32_t shownAt = 0;
    bool guarding = false;
};
