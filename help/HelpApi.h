#pragma once

#include <QString>
#include <cstdint>
#include <utility>

#include "help/HelpSystem.h"

// The help interface the help modules were written against, emulated in this one place on top
// of Qt and our viewer process:
// - the toolkit's application-wide slot for help requests, which the hook takes over. A request
//   carries a help command, a data value and a flag the handler clears when the toolkit's own
//   help must not run; the handler answers whether it took the request. Qt has no such slot.
// - the help control's entry point HtmlHelpA with the two commands used. The viewer lives in a
//   process of its own, so the entry point returns no window: the viewer brings its window to the
//   front itself and answers later.
class HelpApi {
public:
    static constexpr unsigned HH_HELP_CONTEXT = 0x000F;
    static constexpr unsigned HH_CLOSE_ALL = 0x0012;

    explicit HelpApi(HelpSystem& help) : system(help) {}

    HelpSystem::RequestHandler OnHelp() const { return system.OnHelp(); }
    void SetOnHelp(HelpSystem::RequestHandler handler) { system.SetOnHelp(std::move(handler)); }
    // Raises command 1 (show a topic) with the context number. With no handler, or when the
    // handler leaves the request to the toolkit, nothing else happens: the toolkit has no help of
    // its own. Returns whether the request was handled.
    bool HelpContext(std::int32_t context);
    bool HelpCommand(std::uint16_t command, std::int32_t data);

    // HH_HELP_CONTEXT shows the topic of the context number `data` from `path` ("file" or
    // "file>window"); HH_CLOSE_ALL (no path, data 0) closes every viewer window. False when no
    // help control is loaded to ask, or for any other command.
    bool HtmlHelpA(const QString& path, unsigned command, std::intptr_t data);

    // The program file's name up to its first "." with all but the first character in lower
    // case: the caption of the help's message boxes.
    static QString Title();

private:
    HelpSystem& system;
};
