#include "media/LinkLabel.h"

#include <QMouseEvent>
#include <QPalette>

#include "platform/Shell.h"

namespace {

const QColor linkColour(0, 0, 255);
const QColor visitedColour(128, 0, 128);

bool OpenWithDesktop(const QString& address) {
    Shell shell;
    return shell.Open(address);
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent, Opener opener) : QLabel(parent), open(std::move(opener)) {
    if (!open) open = OpenWithDesktop;
    setCursor(Qt::PointingHandCursor);
    // Only the underline is set here, so family and size still follow the parent's font.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);
    ApplyColour();
}

void LinkLabel::SetLink(const QString& address) {
    link = address;
}

QString LinkLabel::Link() const {
    return link;
}

void LinkLabel::SetOpener(Opener opener) {
    open = opener ? std::move(opener) : Opener(OpenWithDesktop);
}

void LinkLabel::Jump() {
    if (!linkEnabled) return;
    if (!open(link.trimmed())) {
        linkEnabled = false;
        setEnabled(false);
    }
}

bool LinkLabel::IsVisited() const {
    return visited;
}

bool LinkLabel::IsLinkEnabled() const {
    return linkEnabled;
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    pressed = true;
    if (!visited) {
        visited = true;
        ApplyColour();
    }
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    // Like a button: the click counts only when the pointer is let go over the label.
    const bool click = pressed && rect().contains(event->position().toPoint());
    pressed = false;
    event->accept();
    if (click) Jump();
}

void LinkLabel::ApplyColour() {
    // Only the enabled looks are set, so a label disabled after a failed open greys out.
    QPalette colours = palette();
    const QColor& colour = visited ? visitedColour : linkColour;
    colours.setColor(QPalette::Active, QPalette::WindowText, colour);
    colours.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    setPalette(colours);
}
