#pragma once

#include <QLabel>
#include <QString>
#include <functional>

// A label that opens a web or mail address through the desktop's default handler. It shows the
// hand pointer and blue underlined text; once pressed with the primary button its text stays
// purple for the rest of the run, and once the desktop has failed to open its address it stays
// disabled, so later clicks do nothing.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    // Answers whether the desktop opened the address.
    using Opener = std::function<bool(const QString& address)>;

    // Without an opener the desktop's default handler is used.
    explicit LinkLabel(QWidget* parent = nullptr, Opener opener = {});

    void SetLink(const QString& address);
    QString Link() const;
    void SetOpener(Opener opener);

    // Opens the link unless an earlier attempt failed; also what a click does.
    void Jump();

    bool IsVisited() const;
    bool IsLinkEnabled() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ApplyColour();

    QString link;
    Opener open;
    bool visited = false;
    bool linkEnabled = true;
    bool pressed = false;
};
