#pragma once

#include <QString>

#include <cstdint>
#include <functional>

// The program's one slot for help requests. A request carries a help command, a data value and
// a flag the handler clears when the program's own help must not run; the handler answers
// whether it took the request. Qt has no such slot, so this stands in for it.
class ApplicationHelp {
public:
    using Handler = std::function<bool(std::uint16_t command, std::int32_t data, bool& letToolkitHelp)>;

    static Handler OnHelp();
    static void SetOnHelp(Handler handler);

    // Raises command 1 (show a topic) with the context number. With no handler, or when the
    // handler leaves the request to the toolkit, nothing else happens: the toolkit has no help of
    // its own. Returns whether the request was handled.
    static bool HelpContext(std::int32_t context);
    static bool HelpCommand(std::uint16_t command, std::int32_t data);

    // The program file's name up to its first "." with all but the first character in lower
    // case: the caption of the help's message boxes.
    static QString Title();
};
